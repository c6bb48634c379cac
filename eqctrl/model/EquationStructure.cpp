#include "model/EquationStructure.h"

#include "model/EquationText.h"

#include <algorithm>

namespace
{
bool IsNumeric(char c)
{
    return IsAsciiDigit(c) || c == kDecimalPoint;
}

char CloserOf(char cOpener)
{
    return cOpener == kPowerOpen ? kPowerClose : kFractionClose;
}

// The points of every run of digits beyond the first in that run.
int CountExtraPoints(std::string_view text)
{
    int nProblems = 0;
    bool bPointInRun = false;
    for (const char c : text)
    {
        if (!IsNumeric(c))
            bPointInRun = false;
        else if (c == kDecimalPoint)
        {
            nProblems += bPointInRun ? 1 : 0;
            bPointInRun = true;
        }
    }
    return nProblems;
}

// Inside a span only digits, points and the markers of its own kind belong, in order.
int CountSpanProblems(std::string_view text, const CStructureSpan& span)
{
    const bool bFraction = text[static_cast<std::size_t>(span.m_nStart)] == kFractionOpen;
    const int nInnerEnd = span.m_bClosed ? span.m_nEnd - 1 : span.m_nEnd;
    int nProblems = span.m_bClosed ? 0 : 1;
    int nSeparators = 0;
    for (int i = span.m_nStart + 1; i < nInnerEnd; ++i)
    {
        const char c = text[static_cast<std::size_t>(i)];
        if (bFraction && c == kFractionSeparator && nSeparators++ == 0)
            continue;
        nProblems += IsNumeric(c) ? 0 : 1;
    }
    if (bFraction && span.m_bClosed && nSeparators == 0)
        ++nProblems;
    return nProblems;
}

bool IsClosingMarker(char c)
{
    return c == kPowerClose || c == kFractionSeparator || c == kFractionClose;
}
} // namespace

std::vector<CStructureSpan> FindStructures(std::string_view text)
{
    std::vector<CStructureSpan> spans;
    const int nLength = static_cast<int>(text.size());
    for (int i = 0; i < nLength; ++i)
    {
        const char c = text[static_cast<std::size_t>(i)];
        if (c != kPowerOpen && c != kFractionOpen)
            continue;
        const std::size_t nClose = text.find(CloserOf(c), static_cast<std::size_t>(i) + 1);
        if (nClose == std::string_view::npos)
        {
            spans.push_back({i, nLength, false});
            break;
        }
        spans.push_back({i, static_cast<int>(nClose) + 1, true});
        i = static_cast<int>(nClose);
    }
    return spans;
}

CTextRange GrowToStructures(std::string_view text, int nFrom, int nTo)
{
    CTextRange range{nFrom, nTo};
    if (range.IsEmpty())
        return range;
    for (const CStructureSpan& span : FindStructures(text))
    {
        if (span.m_nStart < range.m_nTo && span.m_nEnd > range.m_nFrom)
        {
            range.m_nFrom = std::min(range.m_nFrom, span.m_nStart);
            range.m_nTo = std::max(range.m_nTo, span.m_nEnd);
        }
    }
    return range;
}

int CountStructureProblems(std::string_view text)
{
    const std::vector<CStructureSpan> spans = FindStructures(text);
    int nProblems = CountExtraPoints(text);
    std::size_t nSpan = 0;
    for (int i = 0; i < static_cast<int>(text.size()); ++i)
    {
        if (nSpan < spans.size() && spans[nSpan].m_nStart == i)
        {
            nProblems += CountSpanProblems(text, spans[nSpan]);
            i = spans[nSpan++].m_nEnd - 1;
            continue;
        }
        const char c = text[static_cast<std::size_t>(i)];
        if (IsClosingMarker(c) || GetCharClass(c) == kClassInvalid)
            ++nProblems;
    }
    return nProblems;
}
