// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// The narrative's indentation, shared by every step of one simplification: eight spaces
// per nesting level. Only CExplanationLevel changes it, so enters and leaves always pair.
extern std::string g_strIndent;

inline constexpr std::string_view kIndentUnit = "        ";
inline constexpr std::string_view kLineEnd = "\r\n";

// Enters one explanation level for its lifetime; leaves it on every path, throws included.
class CExplanationLevel
{
public:
    CExplanationLevel() { g_strIndent.append(kIndentUnit); }
    ~CExplanationLevel() { g_strIndent.erase(0, kIndentUnit.size()); }
    CExplanationLevel(const CExplanationLevel&) = delete;
    CExplanationLevel& operator=(const CExplanationLevel&) = delete;
};

// How many CQuietNarrative guards are open; while any is, no entry is written.
extern int g_nQuietNarratives;

// Whether entries are being written. Work whose narrative would be thrown away runs under a
// CQuietNarrative, and lines that cost texts to compose are composed only when this holds.
inline bool Narrating()
{
    return g_nQuietNarratives == 0;
}

// Stops every log from receiving entries for its lifetime (nested guards stack). Only for
// work whose logs are all discarded: a log written under it may be left partly filled.
class CQuietNarrative
{
public:
    CQuietNarrative() { ++g_nQuietNarratives; }
    ~CQuietNarrative() { --g_nQuietNarratives; }
    CQuietNarrative(const CQuietNarrative&) = delete;
    CQuietNarrative& operator=(const CQuietNarrative&) = delete;
};

// Appends one entry to a log holder: the current indentation, then the pieces joined as
// they are (the caller supplies any "\r\n"). Nothing while the narrative is quiet.
template <typename... Pieces> void AppendEntry(std::string& strHolder, const Pieces&... pieces)
{
    if (!Narrating())
        return;
    strHolder += g_strIndent;
    ((strHolder += pieces), ...);
}
