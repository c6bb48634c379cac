// SPDX-License-Identifier: LGPL-3.0-or-later
#include "layout/StackedLayout.h"

#include "layout/LayoutPass.h"
#include "model/EquationTerms.h"
#include "model/EquationText.h"

#include <algorithm>
#include <string>
#include <vector>

namespace
{
constexpr int kStartX = 3;
// Room kept between the frame and the highest numerator.
constexpr int kTopMargin = 3;
// Written between two numbers that stand side by side in a top or a bottom (3·4).
constexpr char kProductDot = '\xB7';
constexpr int kUnlimitedWidth = 1 << 28;

// Distance from the main line's top to a typed numerator's top, as the ordinary pass has it.
int StackOffset(int nH)
{
    return (nH + 4) / 4;
}

struct CStackedEntry
{
    int m_nIndex; // the character of the text it stands after
    int m_nX;
    int m_nTop;
    int m_nHeight;
};

// A piece of the drawing laid out with its line top at y 0 and its left edge at x 0.
struct CStackedBox
{
    int m_nWidth = 0;
    int m_nUp = 0;   // how far it reaches above the line top
    int m_nDown = 0; // how far below the line top
    std::vector<CLayoutText> m_Texts;
    std::vector<CLayoutLine> m_Bars;
    std::vector<CLayoutBracket> m_Brackets;
    std::vector<CStackedEntry> m_Entries;

    // Adds a part moved by (nX, nY); the extents grow to hold it.
    void Place(const CStackedBox& part, int nX, int nY)
    {
        for (CLayoutText text : part.m_Texts)
        {
            text.m_nX += nX;
            text.m_nY += nY;
            m_Texts.push_back(std::move(text));
        }
        for (CLayoutLine bar : part.m_Bars)
            m_Bars.push_back({bar.m_nX1 + nX, bar.m_nY1 + nY, bar.m_nX2 + nX, bar.m_nY2 + nY});
        for (CLayoutBracket bracket : part.m_Brackets)
        {
            bracket.m_nX += nX;
            bracket.m_nTop += nY;
            bracket.m_nBottom += nY;
            m_Brackets.push_back(bracket);
        }
        for (const CStackedEntry& entry : part.m_Entries)
            m_Entries.push_back(
                {entry.m_nIndex, entry.m_nX + nX, entry.m_nTop + nY, entry.m_nHeight});
        m_nUp = std::max(m_nUp, part.m_nUp - nY);
        m_nDown = std::max(m_nDown, part.m_nDown + nY);
    }
};

// One item of a line being built: a run of characters the ordinary pass draws, or a box (a
// fraction, a tall bracket).
struct CRowItem
{
    std::string m_strChars;
    std::vector<int> m_Indices; // the text index of each character; -1 for one added here
    std::optional<CStackedBox> m_Box;
};
using CRow = std::vector<CRowItem>;

// A factor of a top or bottom, or digits worked out from a coefficient.
struct CPiece
{
    const CTermFactor* m_pFactor = nullptr;
    std::string m_strDigits;
    std::vector<int> m_Indices;
};

// "12" * "34" -> "408", on digit strings of any length.
std::string MultiplyDigits(const std::string& strA, const std::string& strB)
{
    std::vector<int> digits(strA.size() + strB.size(), 0);
    for (std::size_t i = strA.size(); i-- > 0;)
        for (std::size_t j = strB.size(); j-- > 0;)
        {
            const int nSum = digits[i + j + 1] + (strA[i] - '0') * (strB[j] - '0');
            digits[i + j + 1] = nSum % 10;
            digits[i + j] += nSum / 10;
        }
    std::string strProduct;
    for (const int nDigit : digits)
        if (!strProduct.empty() || nDigit != 0)
            strProduct += static_cast<char>('0' + nDigit);
    return strProduct.empty() ? "0" : strProduct;
}

std::string AddDigits(std::string strA, std::string strB)
{
    if (strA.size() < strB.size())
        std::swap(strA, strB);
    strB.insert(0, strA.size() - strB.size(), '0');
    int nCarry = 0;
    for (std::size_t i = strA.size(); i-- > 0;)
    {
        const int nSum = (strA[i] - '0') + (strB[i] - '0') + nCarry;
        strA[i] = static_cast<char>('0' + nSum % 10);
        nCarry = nSum / 10;
    }
    return nCarry != 0 ? "1" + strA : strA;
}

bool IsWhole(std::string_view digits)
{
    return !digits.empty() && std::all_of(digits.begin(), digits.end(), IsAsciiDigit);
}

class CStackedBuilder
{
public:
    CStackedBuilder(const CLayoutInput& input, const CTextMeasurer& measurer)
        : m_Input(input), m_Text(input.m_strText), m_Measurer(measurer),
          m_nH(measurer.GetHeight(EFontRole::Main)), m_nV(StackOffset(m_nH))
    {
    }

    CStackedBox LayOutEquation(const CTermEquation& equation)
    {
        CRow row;
        AddSide(row, equation.m_Sides.front());
        if (equation.m_nEquals >= 0)
        {
            AddChar(row, kEqualsSign, equation.m_nEquals);
            AddSide(row, equation.m_Sides.back());
        }
        return FinishRow(row);
    }

private:
    static void AddChar(CRow& row, char c, int nIndex)
    {
        if (row.empty() || row.back().m_Box)
            row.emplace_back();
        row.back().m_strChars += c;
        row.back().m_Indices.push_back(nIndex);
    }

    void AddRange(CRow& row, int nFrom, int nTo) const
    {
        for (int i = nFrom; i < nTo; ++i)
            AddChar(row, m_Text[static_cast<std::size_t>(i)], i);
    }

    static void AddBox(CRow& row, CStackedBox box)
    {
        row.emplace_back();
        row.back().m_Box = std::move(box);
    }

    void AddSide(CRow& row, const CTermSide& side)
    {
        for (const CTerm& term : side.m_Terms)
            AddTerm(row, term);
    }

    // The sign stays on the line in front; a term that divides becomes one fraction.
    void AddTerm(CRow& row, const CTerm& term)
    {
        if (term.m_nSign >= 0)
            AddChar(row, m_Text[static_cast<std::size_t>(term.m_nSign)], term.m_nSign);
        if (!term.m_Divisors.empty())
        {
            AddBox(row, LayOutFraction(term));
            return;
        }
        // As written, "*" and mixed numbers (3%1,2$x) included; only a bracket that holds a
        // division is drawn as a box.
        int nAt = term.m_nStart;
        for (const CTermFactor& factor : term.m_Multipliers)
        {
            if (!IsTall(factor))
                continue;
            AddRange(row, nAt, factor.m_nStart);
            AddBox(row, LayOutTallBracket(factor));
            nAt = factor.m_nEnd;
        }
        AddRange(row, nAt, term.m_nEnd);
    }

    static bool IsTall(const CTermFactor& factor)
    {
        return factor.IsBracket() && factor.m_pInner->HasDivision();
    }

    void AddFactor(CRow& row, const CTermFactor& factor)
    {
        if (IsTall(factor))
            AddBox(row, LayOutTallBracket(factor));
        else
            AddRange(row, factor.m_nStart, factor.m_nEnd);
    }

    // 3x/4y -> 3xy over 4; %3,4$x/(x+1) -> 3x over 4(x+1); 1/x -> 1 over x.
    CStackedBox LayOutFraction(const CTerm& term)
    {
        std::vector<CPiece> top;
        std::vector<CPiece> bottom;
        if (term.m_Coefficient)
        {
            CPiece numerator;
            CPiece denominator;
            SplitCoefficient(*term.m_Coefficient, numerator, denominator);
            const bool bOnlyOne = numerator.m_strDigits == "1" && !term.m_Multipliers.empty();
            if (!bOnlyOne && (numerator.m_pFactor != nullptr || !numerator.m_strDigits.empty()))
                top.push_back(std::move(numerator));
            if (!denominator.m_strDigits.empty())
                bottom.push_back(std::move(denominator));
        }
        for (const CTermFactor& factor : term.m_Multipliers)
            top.push_back({&factor, {}, {}});
        for (const CTermFactor& factor : term.m_Divisors)
            bottom.push_back({&factor, {}, {}});
        if (top.empty())
            top.push_back({nullptr, "1", {-1}});
        CRow topRow;
        CRow bottomRow;
        AddPieces(topRow, top);
        AddPieces(bottomRow, bottom);
        return StackOver(FinishRow(topRow), FinishRow(bottomRow));
    }

    // 3 -> 3 over nothing; 0.5 -> 0.5; %3,4$ -> 3 over 4; 3%1,2$ -> 7 over 2. A mixed number
    // with a point in it stays as written, on top.
    void SplitCoefficient(const CTermFactor& coefficient, CPiece& top, CPiece& bottom) const
    {
        const std::string_view text =
            m_Text.substr(static_cast<std::size_t>(coefficient.m_nStart),
                          static_cast<std::size_t>(coefficient.m_nEnd - coefficient.m_nStart));
        const std::size_t nOpen = text.find(kFractionOpen);
        if (nOpen == std::string_view::npos)
        {
            top = RangePiece(coefficient.m_nStart, coefficient.m_nEnd);
            return;
        }
        const std::size_t nSeparator = text.find(kFractionSeparator);
        const int nBase = coefficient.m_nStart;
        const int nNumerator = nBase + static_cast<int>(nOpen) + 1;
        const int nSeparatorAt = nBase + static_cast<int>(nSeparator);
        CPiece numerator = RangePiece(nNumerator, nSeparatorAt);
        CPiece denominator = RangePiece(nSeparatorAt + 1, coefficient.m_nEnd - 1);
        const std::string_view whole = text.substr(0, nOpen);
        if (whole.empty())
        {
            top = std::move(numerator);
            bottom = std::move(denominator);
            return;
        }
        if (!IsWhole(whole) || !IsWhole(numerator.m_strDigits) || !IsWhole(denominator.m_strDigits))
        {
            top = {&coefficient, {}, {}};
            return;
        }
        std::string strImproper = AddDigits(
            MultiplyDigits(std::string(whole), denominator.m_strDigits), numerator.m_strDigits);
        top = {nullptr, strImproper, std::vector<int>(strImproper.size(), -1)};
        bottom = std::move(denominator);
    }

    CPiece RangePiece(int nFrom, int nTo) const
    {
        CPiece piece;
        for (int i = nFrom; i < nTo; ++i)
        {
            piece.m_strDigits += m_Text[static_cast<std::size_t>(i)];
            piece.m_Indices.push_back(i);
        }
        return piece;
    }

    bool StartsWithNumber(const CPiece& piece) const
    {
        if (piece.m_pFactor == nullptr)
            return true;
        const char c = m_Text[static_cast<std::size_t>(piece.m_pFactor->m_nStart)];
        return IsAsciiDigit(c) || c == kDecimalPoint || c == kFractionOpen;
    }

    // The pieces side by side; a bracket that is the whole of a top or bottom, without a
    // power, only grouped it and goes.
    void AddPieces(CRow& row, const std::vector<CPiece>& pieces)
    {
        for (std::size_t i = 0; i < pieces.size(); ++i)
        {
            const CPiece& piece = pieces[i];
            if (i > 0 && StartsWithNumber(piece))
                AddChar(row, kProductDot, -1);
            if (piece.m_pFactor == nullptr)
            {
                for (std::size_t k = 0; k < piece.m_strDigits.size(); ++k)
                    AddChar(row, piece.m_strDigits[k], piece.m_Indices[k]);
                continue;
            }
            const CTermFactor& factor = *piece.m_pFactor;
            if (pieces.size() == 1 && factor.IsBracket() && !factor.HasPower())
                AddSide(row, *factor.m_pInner);
            else
                AddFactor(row, factor);
        }
    }

    // The top centred over the bottom or the bottom under the top, the wider part from the
    // bar's start, the bar where a typed fraction has it: as the ordinary pass stacks digits.
    CStackedBox StackOver(const CStackedBox& top, const CStackedBox& bottom) const
    {
        const int nBar = m_nH - 2 * m_nV;
        const int nWide = std::max(top.m_nWidth, bottom.m_nWidth);
        CStackedBox box;
        box.Place(top, 2 + (nWide - top.m_nWidth) / 2, nBar - top.m_nDown);
        box.Place(bottom, 2 + (nWide - bottom.m_nWidth) / 2, nBar + 2 + bottom.m_nUp);
        box.m_Bars.push_back({1, nBar, nWide + 4, nBar});
        box.m_nWidth = nWide + 5;
        box.m_nDown = std::max(box.m_nDown, m_nH);
        return box;
    }

    // A bracket that holds a fraction, its two brackets as tall as what they hold and its
    // power raised to their top.
    CStackedBox LayOutTallBracket(const CTermFactor& factor)
    {
        const CStackedBox inner = LayOutSide(*factor.m_pInner);
        const int nBracket = m_Measurer.GetTextWidth(EFontRole::Main, "(") + 2;
        const int nTop = -inner.m_nUp - 1;
        const int nBottom = inner.m_nDown + 1;
        CStackedBox box;
        box.m_Brackets.push_back({1, nTop, nBottom, nBracket - 2, true});
        box.m_Entries.push_back({factor.m_nStart, nBracket, nTop, nBottom - nTop});
        box.Place(inner, nBracket, 0);
        const int nClose = nBracket + inner.m_nWidth;
        box.m_Brackets.push_back({nClose + 1, nTop, nBottom, nBracket - 2, false});
        box.m_Entries.push_back({factor.BaseEnd() - 1, nClose + nBracket, nTop, nBottom - nTop});
        box.m_nWidth = nClose + nBracket;
        box.m_nUp = std::max(box.m_nUp, -nTop);
        box.m_nDown = std::max(box.m_nDown, nBottom);
        if (factor.HasPower())
        {
            CRowItem power;
            for (int i = factor.m_nPowerStart; i < factor.m_nEnd; ++i)
            {
                power.m_strChars += m_Text[static_cast<std::size_t>(i)];
                power.m_Indices.push_back(i);
            }
            const CStackedBox raised = LayOutRun(power);
            box.Place(raised, box.m_nWidth, nTop);
            box.m_nWidth += raised.m_nWidth;
        }
        return box;
    }

    CStackedBox LayOutSide(const CTermSide& side)
    {
        CRow row;
        AddSide(row, side);
        return FinishRow(row);
    }

    CStackedBox FinishRow(const CRow& row) const
    {
        CStackedBox box;
        int nX = 0;
        for (const CRowItem& item : row)
        {
            const CStackedBox part = item.m_Box ? *item.m_Box : LayOutRun(item);
            box.Place(part, nX, 0);
            nX += part.m_nWidth;
        }
        box.m_nWidth = nX;
        box.m_nDown = std::max(box.m_nDown, m_nH);
        return box;
    }

    // A run of characters drawn by the ordinary pass: digits gathered, exponents raised, the
    // typed fractions of mixed numbers stacked small.
    CStackedBox LayOutRun(const CRowItem& run) const
    {
        CLayoutInput input;
        input.m_strText = run.m_strChars;
        for (const int nIndex : run.m_Indices)
            input.m_ErrorMarked.push_back(nIndex >= 0 &&
                                          nIndex < static_cast<int>(m_Input.m_ErrorMarked.size()) &&
                                          m_Input.m_ErrorMarked[static_cast<std::size_t>(nIndex)]);
        input.m_nWidth = kUnlimitedWidth;
        const CEquationLayout flat = CLayoutPass(input, m_Measurer, 0, 0).Run();
        CStackedBox box;
        box.m_Texts = flat.m_Texts;
        box.m_Bars = flat.m_Bars;
        box.m_nWidth = flat.m_XPositions.back() - m_Measurer.GetAverageCharWidth(EFontRole::Main);
        for (std::size_t k = 0; k < run.m_Indices.size(); ++k)
            if (run.m_Indices[k] >= 0)
                box.m_Entries.push_back({run.m_Indices[k], flat.m_XPositions[k],
                                         TopOf(flat.m_Classes[k]), flat.m_Heights[k]});
        box.m_nDown = m_nH;
        for (const CLayoutText& text : box.m_Texts)
        {
            box.m_nUp = std::max(box.m_nUp, -text.m_nY);
            box.m_nDown = std::max(box.m_nDown, text.m_nY + m_Measurer.GetHeight(text.m_nFont));
        }
        return box;
    }

    // Where the caret of an entry of the ordinary pass starts, from its vertical class.
    int TopOf(int nClass) const
    {
        if (nClass == kLayoutNumerator)
            return -m_nV;
        if (nClass == kLayoutDenominator)
            return m_nH - 2 * m_nV + 2;
        return 0;
    }

    const CLayoutInput& m_Input;
    std::string_view m_Text;
    const CTextMeasurer& m_Measurer;
    int m_nH;
    int m_nV;
};

// The records of the whole drawing with its line top at nLineTop and its left edge at nStartX.
// A character that draws nothing (a marker, a dropped bracket, the "/" of a fraction) stands
// where the character before it ends.
CEquationLayout Compose(const CStackedBox& whole, const CLayoutInput& input,
                        const CTextMeasurer& measurer, int nStartX, int nLineTop)
{
    CStackedBox placed;
    placed.Place(whole, nStartX, nLineTop);
    const int nH = measurer.GetHeight(EFontRole::Main);
    const int nLength = static_cast<int>(input.m_strText.size());
    CEquationLayout layout;
    layout.m_bStacked = true;
    layout.m_bGreyBackground = input.m_bReadOnly;
    layout.m_nTextHeight = nH;
    layout.m_Texts = std::move(placed.m_Texts);
    layout.m_Bars = std::move(placed.m_Bars);
    layout.m_Brackets = std::move(placed.m_Brackets);
    layout.m_XPositions.assign(static_cast<std::size_t>(nLength) + 1, nStartX);
    layout.m_Classes.assign(static_cast<std::size_t>(nLength) + 1, kLayoutMainLine);
    layout.m_Heights.assign(static_cast<std::size_t>(nLength) + 1, nH);
    layout.m_Tops.assign(static_cast<std::size_t>(nLength) + 1, nLineTop);
    std::vector<bool> placedAt(static_cast<std::size_t>(nLength), false);
    for (const CStackedEntry& entry : placed.m_Entries)
    {
        const auto i = static_cast<std::size_t>(entry.m_nIndex);
        layout.m_XPositions[i] = entry.m_nX;
        layout.m_Tops[i] = entry.m_nTop;
        layout.m_Heights[i] = entry.m_nHeight;
        placedAt[i] = true;
    }
    for (std::size_t i = 1; i < placedAt.size(); ++i)
        if (!placedAt[i])
        {
            layout.m_XPositions[i] = layout.m_XPositions[i - 1];
            layout.m_Tops[i] = layout.m_Tops[i - 1];
            layout.m_Heights[i] = layout.m_Heights[i - 1];
        }
    const int nEnd = nStartX + whole.m_nWidth;
    layout.m_XPositions.back() = nEnd + measurer.GetAverageCharWidth(EFontRole::Main);
    layout.m_nContentBottom = nLineTop + whole.m_nDown;

    const int nCaret = std::clamp(input.m_nCaret, 0, nLength);
    if (input.m_bCaretVisible)
    {
        const std::size_t c = nCaret == 0 ? 0 : static_cast<std::size_t>(nCaret - 1);
        const int nX = nCaret == 0 ? nStartX : layout.m_XPositions[c];
        const int nTop = nCaret == 0 ? nLineTop : layout.m_Tops[c];
        const int nHeight = nCaret == 0 ? nH : layout.m_Heights[c];
        layout.m_bCaret = true;
        layout.m_Caret = {nX, nTop, nX, nTop + nHeight};
    }
    const int nFrom = input.m_nSelectionFrom;
    const int nTo = input.m_nSelectionTo;
    if (nTo > nFrom && nFrom >= 0 && nTo <= nLength)
    {
        const int nX1 =
            nFrom == 0 ? nStartX : layout.m_XPositions[static_cast<std::size_t>(nFrom - 1)];
        const int nX2 = layout.m_XPositions[static_cast<std::size_t>(nTo - 1)];
        layout.m_bSelection = true;
        layout.m_nSelectionX1 = std::min(nX1, nX2);
        layout.m_nSelectionX2 = std::max(nX1, nX2);
    }
    return layout;
}

// Keeps the caret in view in a drawing wider than the control: the end shows when the caret
// is there, the caret stays mid-control elsewhere, and the end is never pulled in further.
int ComputeStackedShift(const CEquationLayout& layout, const CLayoutInput& input, int nContentWidth)
{
    const int nWidth = input.m_nWidth;
    const int nLength = static_cast<int>(input.m_strText.size());
    if (nContentWidth <= nWidth || input.m_nCaret <= 0)
        return 0;
    if (input.m_nCaret >= nLength)
        return nContentWidth - nWidth;
    const int nAtCaret = layout.m_XPositions[static_cast<std::size_t>(input.m_nCaret - 1)];
    if (nAtCaret <= nWidth / 2)
        return 0;
    return std::min(nAtCaret - nWidth / 2, nContentWidth - nWidth);
}

bool Divides(const CTermEquation& equation)
{
    return std::any_of(equation.m_Sides.begin(), equation.m_Sides.end(),
                       [](const CTermSide& side) { return side.HasDivision(); });
}
} // namespace

std::optional<CEquationLayout> LayoutStacked(const CLayoutInput& input,
                                             const CTextMeasurer& measurer)
{
    if (!input.m_bStackedDivisions)
        return std::nullopt;
    const std::optional<CTermEquation> equation = ReadTerms(input.m_strText);
    if (!equation || !Divides(*equation))
        return std::nullopt;
    const CStackedBox whole = CStackedBuilder(input, measurer).LayOutEquation(*equation);
    const int nH = measurer.GetHeight(EFontRole::Main);
    const int nLineTop = std::max((nH - 3) / 2, whole.m_nUp + kTopMargin);
    const int nContentWidth =
        kStartX + whole.m_nWidth + measurer.GetAverageCharWidth(EFontRole::Main);
    CEquationLayout layout = Compose(whole, input, measurer, kStartX, nLineTop);
    const int nShift = input.m_nForcedShift >= 0
                           ? input.m_nForcedShift
                           : ComputeStackedShift(layout, input, nContentWidth);
    if (nShift != 0)
        layout = Compose(whole, input, measurer, kStartX - nShift, nLineTop);
    layout.m_nShift = nShift;
    layout.m_nContentWidth = nContentWidth;
    return layout;
}
