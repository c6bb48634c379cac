// SPDX-License-Identifier: LGPL-3.0-or-later
#include "model/EquationText.h"
#include "model/Validation.h"

#include <algorithm>
#include <string_view>

namespace
{
using Marks = std::vector<std::uint32_t>;

// "...%,$..." with the caret elsewhere -> "......": an abandoned template leaves the text, and
// the caret moves with the characters after it. The one holding the caret stays.
void DropEmptyTemplates(std::string& strText, int& nCaret, std::string_view strTemplate)
{
    const int nLength = static_cast<int>(strTemplate.size());
    std::size_t nStart = 0;
    for (;;)
    {
        const std::size_t nFound = strText.find(strTemplate, nStart);
        if (nFound == std::string::npos)
            return;
        const int nPos = static_cast<int>(nFound);
        if (nCaret > nPos && nCaret < nPos + nLength)
        {
            nStart = nFound + strTemplate.size();
            continue;
        }
        strText.erase(nFound, strTemplate.size());
        if (nCaret > nPos)
            nCaret -= nLength;
    }
}

// The end of a leading power: the index of its "!", or the text length when it has none.
std::size_t LeadingPowerEnd(const std::string& strText)
{
    const std::size_t nClose = strText.find(kPowerClose);
    return nClose == std::string::npos ? strText.size() : nClose;
}

// "^!x" at the very start (the template the caret is in) -> "x": a power with nothing to raise
// is dropped whole; repeats while the text still starts that way.
void DropLeadingEmptyPowers(std::string& strText, int& nCaret)
{
    while (!strText.empty() && strText[0] == kPowerOpen && LeadingPowerEnd(strText) == 1)
    {
        const int nRemoved = static_cast<int>(std::min<std::size_t>(2, strText.size()));
        strText.erase(0, static_cast<std::size_t>(nRemoved));
        nCaret = std::max(0, nCaret - nRemoved);
    }
}

bool IsOperatorClass(int nClass)
{
    return nClass == kClassAdditive || nClass == kClassMultiplicative;
}

// One run of the marking rules over a text whose templates are already settled.
class CMarkingRun
{
public:
    explicit CMarkingRun(const std::string& strText) : m_strText(strText), m_Marks(strText.size())
    {
    }

    Marks Mark()
    {
        const std::size_t nNext = MarkFirst();
        for (std::size_t i = nNext; i < m_strText.size(); ++i)
            m_Marks[i] = MarkLater(i);
        MarkAtEnd();
        m_Marks.push_back(0);
        return std::move(m_Marks);
    }

private:
    int ClassAt(std::size_t i) const { return GetCharClass(m_strText[i]); }

    // The first character: what cannot start a text is marked; a leading power is marked
    // whole, up to its "!". Returns where the per-character rules go on.
    std::size_t MarkFirst()
    {
        switch (ClassAt(0))
        {
        case kClassInvalid:
        case kClassMultiplicative:
        case kClassEquals:
        case kClassCloseBracket:
            m_Marks[0] = kErrorInvalidFirstCharacter;
            return 1;
        case kClassOpenBracket:
            m_OpenBrackets.push_back(0);
            return 1;
        case kClassPowerOpen:
        {
            const std::size_t nLast = std::min(LeadingPowerEnd(m_strText), m_strText.size() - 1);
            for (std::size_t i = 0; i <= nLast; ++i)
                m_Marks[i] = kErrorInvalidFirstCharacter;
            m_nLeadingRunLast = nLast;
            return nLast + 1;
        }
        default:
            return 1;
        }
    }

    std::uint32_t MarkLater(std::size_t i)
    {
        const int nPrevious = ClassAt(i - 1);
        switch (ClassAt(i))
        {
        case kClassDigit:
            return nPrevious == kClassDigit ? m_Marks[i - 1] : 0;
        case kClassAdditive:
            return IsOperatorClass(nPrevious) ? kErrorConsecutiveOperators : 0;
        case kClassMultiplicative:
            if (nPrevious == kClassOpenBracket)
                return kErrorAfterOpeningBracket;
            return IsOperatorClass(nPrevious) ? kErrorConsecutiveOperators : 0;
        case kClassEquals:
            return m_OpenBrackets.empty() ? 0 : kErrorEqualsInsideBrackets;
        case kClassOpenBracket:
            m_OpenBrackets.push_back(i);
            return 0;
        case kClassCloseBracket:
            return MarkClosingBracket(i, nPrevious);
        case kClassFractionSeparator:
            return nPrevious == kClassFractionOpen ? kErrorNoNumerator : 0;
        case kClassFractionClose:
            return nPrevious == kClassFractionSeparator ? kErrorNoDenominator : 0;
        default:
            return 0;
        }
    }

    // "x)" / "(x+)" / "()": an unmatched bracket, or a pair that closes on nothing; both
    // characters of a bad pair carry the mark.
    std::uint32_t MarkClosingBracket(std::size_t i, int nPrevious)
    {
        if (m_OpenBrackets.empty())
            return kErrorMissingOpeningBracket;
        m_OpenBrackets.pop_back();
        std::uint32_t nMark = 0;
        if (IsOperatorClass(nPrevious))
            nMark = kErrorOperatorBeforeClosing;
        else if (nPrevious == kClassOpenBracket)
            nMark = kErrorEmptyBrackets;
        m_Marks[i - 1] |= nMark;
        return nMark;
    }

    // A final "=", every bracket left open, every "=" after the first, and the points of a
    // number the parser would misread ("3.5.2", "1.5%1,2$", "x.y"). Those points are marked
    // here, after the walk, so the digits that follow do not copy the mark.
    void MarkAtEnd()
    {
        for (const std::size_t nPoint : FindMisreadPoints(m_strText))
            m_Marks[nPoint] |= kErrorNotNumericInStructure;
        for (const std::size_t nPoint : FindLonePoints(m_strText))
            m_Marks[nPoint] |= kErrorNotNumericInStructure;
        const std::size_t nLast = m_strText.size() - 1;
        if (m_strText[nLast] == kEqualsSign && m_nLeadingRunLast != nLast)
            m_Marks[nLast] |= kErrorInvalidLastCharacter;
        for (const std::size_t nOpen : m_OpenBrackets)
            m_Marks[nOpen] |= kErrorMissingClosingBracket;
        const std::size_t nFirstEquals = m_strText.find(kEqualsSign);
        if (nFirstEquals == std::string::npos)
            return;
        for (std::size_t i = nFirstEquals + 1; i <= nLast; ++i)
            if (m_strText[i] == kEqualsSign)
                m_Marks[i] |= kErrorSecondEquals;
    }

    const std::string& m_strText;
    Marks m_Marks;
    std::vector<std::size_t> m_OpenBrackets;
    std::size_t m_nLeadingRunLast = std::string::npos;
};
} // namespace

std::vector<std::uint32_t> MarkErrors(std::string& strText, int& nCaret)
{
    nCaret = std::clamp(nCaret, 0, static_cast<int>(strText.size()));
    DropEmptyTemplates(strText, nCaret, kFractionTemplate);
    DropEmptyTemplates(strText, nCaret, kPowerTemplate);
    DropLeadingEmptyPowers(strText, nCaret);
    if (strText.empty())
        return {};
    return CMarkingRun(strText).Mark();
}
