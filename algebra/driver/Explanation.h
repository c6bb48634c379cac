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

// Appends one entry to a log holder: the current indentation, then the pieces joined as
// they are (the caller supplies any "\r\n").
template <typename... Pieces> void AppendEntry(std::string& strHolder, const Pieces&... pieces)
{
    strHolder += g_strIndent;
    ((strHolder += pieces), ...);
}
