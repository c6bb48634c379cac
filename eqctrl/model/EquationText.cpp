// SPDX-License-Identifier: LGPL-3.0-or-later
#include "model/EquationText.h"

ECharClass GetCharClass(char c)
{
    if (IsAsciiLetter(c))
        return kClassLetter;
    if (IsAsciiDigit(c) || c == kDecimalPoint)
        return kClassDigit;
    switch (c)
    {
    case '+':
    case '-':
        return kClassAdditive;
    case '*':
    case '/':
        return kClassMultiplicative;
    case kEqualsSign:
        return kClassEquals;
    case '(':
        return kClassOpenBracket;
    case ')':
        return kClassCloseBracket;
    case kPowerOpen:
        return kClassPowerOpen;
    case kPowerClose:
        return kClassPowerClose;
    case kFractionOpen:
        return kClassFractionOpen;
    case kFractionSeparator:
        return kClassFractionSeparator;
    case kFractionClose:
        return kClassFractionClose;
    default:
        return kClassInvalid;
    }
}

std::vector<std::size_t> FindMisreadPoints(std::string_view strText)
{
    std::vector<std::size_t> points;
    std::size_t i = 0;
    while (i < strText.size())
    {
        if (GetCharClass(strText[i]) != kClassDigit)
        {
            ++i;
            continue;
        }
        const std::size_t nStart = i;
        while (i < strText.size() && GetCharClass(strText[i]) == kClassDigit)
            ++i;
        const bool bBeforeFraction = i < strText.size() && strText[i] == kFractionOpen;
        bool bSeenPoint = false;
        for (std::size_t j = nStart; j < i; ++j)
        {
            if (strText[j] != kDecimalPoint)
                continue;
            if (bSeenPoint || bBeforeFraction)
                points.push_back(j);
            bSeenPoint = true;
        }
    }
    return points;
}

std::vector<std::size_t> FindLonePoints(std::string_view strText)
{
    std::vector<std::size_t> points;
    std::size_t i = 0;
    while (i < strText.size())
    {
        std::size_t nEnd = i;
        while (nEnd < strText.size() && strText[nEnd] == kDecimalPoint)
            ++nEnd;
        const bool bAfterDigit = i > 0 && IsAsciiDigit(strText[i - 1]);
        const bool bBeforeDigit = nEnd < strText.size() && IsAsciiDigit(strText[nEnd]);
        if (nEnd > i && !bAfterDigit && !bBeforeDigit)
            for (std::size_t j = i; j < nEnd; ++j)
                points.push_back(j);
        i = nEnd == i ? i + 1 : nEnd;
    }
    return points;
}
