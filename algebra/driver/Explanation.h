// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <utility>

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

// A formula inside a narrative line: its display text, which the plain narrative shows, and
// its equation text, which the typesetting outputs read. While formula marks are on (see
// CFormulaMarks) a log writes a formula as kFormulaStart, the equation text, kFormulaSplit,
// the display text and kFormulaEnd: marks that no plain text holds, so that where each
// formula starts and ends is known from where it was written. Without them a log holds the
// display text alone.
inline constexpr char kFormulaStart = '\x01';
inline constexpr char kFormulaSplit = '\x02';
inline constexpr char kFormulaEnd = '\x03';

// How many CFormulaMarks guards are open.
extern int g_nFormulaMarks;

inline bool MarkingFormulas()
{
    return g_nFormulaMarks > 0;
}

// Has every log mark its formulas for its lifetime (nested guards stack).
class CFormulaMarks
{
public:
    CFormulaMarks() { ++g_nFormulaMarks; }
    ~CFormulaMarks() { --g_nFormulaMarks; }
    CFormulaMarks(const CFormulaMarks&) = delete;
    CFormulaMarks& operator=(const CFormulaMarks&) = delete;
};

struct CFormula
{
    std::string m_strDisplay;
    std::string m_strText; // only written while formula marks are on
};

// A formula whose two texts are written already and kept by the caller.
struct CFormulaView
{
    std::string_view m_strDisplay;
    std::string_view m_strText; // read only while formula marks are on
};

// A formula from an object with both text forms (a term, an expression, a factor).
template <typename Object> CFormula Formula(const Object& object, bool bArgument)
{
    CFormula formula{object.GetDisplayText(bArgument), {}};
    if (MarkingFormulas())
        formula.m_strText = object.GetText(bArgument);
    return formula;
}

// A formula whose display text is written already; its equation text is asked for only while
// formula marks are on.
template <typename TextOf> CFormula FormulaOf(std::string strDisplay, TextOf textOf)
{
    CFormula formula{std::move(strDisplay), {}};
    if (MarkingFormulas())
        formula.m_strText = textOf();
    return formula;
}

// Two equation texts that a line shows side by side, as one product: a number after digits
// gets a "*", since 2%1,4$ would read as the mixed number 2 1/4 where the line shows 2(1/4).
inline std::string ProductText(std::string strLeft, const std::string& strRight)
{
    const auto isDigit = [](char c) { return (c >= '0' && c <= '9') || c == '.'; };
    if (!strLeft.empty() && !strRight.empty() && isDigit(strLeft.back()) &&
        (isDigit(strRight.front()) || strRight.front() == '%'))
        strLeft += '*';
    return strLeft + strRight;
}

inline void AppendFormula(std::string& strHolder, const CFormulaView& formula)
{
    if (!MarkingFormulas())
    {
        strHolder += formula.m_strDisplay;
        return;
    }
    strHolder += kFormulaStart;
    strHolder += formula.m_strText;
    strHolder += kFormulaSplit;
    strHolder += formula.m_strDisplay;
    strHolder += kFormulaEnd;
}

inline void AppendFormula(std::string& strHolder, const CFormula& formula)
{
    AppendFormula(strHolder, CFormulaView{formula.m_strDisplay, formula.m_strText});
}

inline void AppendPiece(std::string& strHolder, const CFormula& formula)
{
    AppendFormula(strHolder, formula);
}

inline void AppendPiece(std::string& strHolder, const CFormulaView& formula)
{
    AppendFormula(strHolder, formula);
}

template <typename Piece> void AppendPiece(std::string& strHolder, const Piece& piece)
{
    strHolder += piece;
}

// The plain narrative of a marked one: each formula's display text, the marks and the
// equation texts left out.
std::string WithoutFormulaMarks(std::string_view strMarked);

// Appends one entry to a log holder: the current indentation, then the pieces joined as
// they are (the caller supplies any "\r\n"). Nothing while the narrative is quiet.
template <typename... Pieces> void AppendEntry(std::string& strHolder, const Pieces&... pieces)
{
    if (!Narrating())
        return;
    strHolder += g_strIndent;
    (AppendPiece(strHolder, pieces), ...);
}
