// SPDX-License-Identifier: LGPL-3.0-or-later
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

// Inside a power: an optional sign, a number and a fraction after it, as the converter reads
// ordinary powers (x^-1!, x^1%1,2$!). Each character out of that order is one problem.
int CountPowerProblems(std::string_view inner)
{
    enum
    {
        kStart,
        kSigned,
        kNumber,
        kNumerator,
        kDenominator,
        kDone
    } nState = kStart;
    int nProblems = 0;
    for (const char c : inner)
    {
        if (IsNumeric(c) && nState != kDone)
            nState = nState == kStart || nState == kSigned ? kNumber : nState;
        else if (nState == kStart && (c == '+' || c == '-'))
            nState = kSigned;
        else if (nState != kNumerator && nState != kDenominator && nState != kDone &&
                 c == kFractionOpen)
            nState = kNumerator;
        else if (nState == kNumerator && c == kFractionSeparator)
            nState = kDenominator;
        else if (nState == kDenominator && c == kFractionClose)
            nState = kDone;
        else
            ++nProblems;
    }
    // A sign with no number after it, or a fraction left open inside.
    if (nState == kSigned || nState == kNumerator || nState == kDenominator)
        ++nProblems;
    return nProblems;
}

// Inside a fraction only digits and points belong, with one separator.
int CountSpanProblems(std::string_view text, const CStructureSpan& span)
{
    const int nInnerEnd = span.m_bClosed ? span.m_nEnd - 1 : span.m_nEnd;
    const std::string_view inner =
        text.substr(static_cast<std::size_t>(span.m_nStart) + 1,
                    static_cast<std::size_t>(nInnerEnd - span.m_nStart - 1));
    int nProblems = span.m_bClosed ? 0 : 1;
    if (text[static_cast<std::size_t>(span.m_nStart)] == kPowerOpen)
        return nProblems + CountPowerProblems(inner);
    int nSeparators = 0;
    for (const char c : inner)
    {
        if (c == kFractionSeparator && nSeparators++ == 0)
            continue;
        nProblems += IsNumeric(c) ? 0 : 1;
    }
    if (span.m_bClosed && nSeparators == 0)
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

bool IsLessReadable(std::string_view after, std::string_view before)
{
    return FindMisreadPoints(after).size() > FindMisreadPoints(before).size() ||
           CountStructureProblems(after) > CountStructureProblems(before);
}
