// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Atom.h"

#include "core/SubExpression.h"

#include <cstddef>

std::string CEqElmAtom::GetText(bool) const
{
    return {};
}

std::string CEqElmAtom::GetDisplayText(bool) const
{
    return {};
}

int CEqElmAtom::CompareBase(const CEqElmAtom&) const
{
    return -9;
}

int CEqElmAtom::CompareFull(const CEqElmAtom& other) const
{
    const int nGroup = GetSortGroup();
    const int nOtherGroup = other.GetSortGroup();
    if (nGroup != nOtherGroup)
        return nGroup > nOtherGroup ? 1 : -1;
    if (m_nOrder != other.m_nOrder)
        return m_nOrder > other.m_nOrder ? 1 : -1;
    return -9;
}

void CEqElmAtom::SetPowerFromText(const std::string& strText)
{
    m_Power = CScalar(strText.empty() ? std::string() : strText.substr(1));
}

// Plain multipliers sort first and divisors last; the end of a factor list sits between
// the two, with multiplying brackets just after it, so that a term with no factors sorts
// after x and before 1/x and (x+1) whatever else the lists hold.
int CEqElmAtom::GetSortGroup() const
{
    const bool bBracket = m_nOrder == kOrderSubExpression || m_nOrder == kOrderBase;
    if (IsDivisor())
        return bBracket ? 6 : (m_nOrder == kOrderVariable ? 4 : 5);
    if (bBracket)
        return 3;
    return m_nOrder == kOrderVariable ? 0 : 1;
}

std::string CEqElmAtom::OperatorPrefix(bool bWithOperator) const
{
    std::string strPrefix;
    AppendOperatorPrefix(strPrefix, bWithOperator);
    return strPrefix;
}

void CEqElmAtom::AppendOperatorPrefix(std::string& strText, bool bWithOperator) const
{
    if (!bWithOperator)
        return;
    if (m_nOperation == kExplicitStar)
        strText += '*';
    else if (m_nOperation == kDivisor)
        strText += '/';
}

std::string CEqElmAtom::PowerSuffix(bool bDisplay) const
{
    std::string strSuffix;
    AppendPowerSuffix(strSuffix, bDisplay);
    return strSuffix;
}

// Written onto the end of the caller's text: factor texts are built for every narrative line.
void CEqElmAtom::AppendPowerSuffix(std::string& strText, bool bDisplay) const
{
    if (m_Power.IsOne(true))
        return;
    // A whole power, nearly every power there is, reads the same in both forms: its digits
    // go straight in, without the scalar's text and display passes.
    if (!m_Power.m_bDecimal && m_Power.m_Numerator.IsZero() && m_Power.m_nSign != 0)
    {
        strText += '^';
        if (m_Power.m_nSign < 0)
            strText += '-';
        m_Power.m_Whole.AppendText(strText);
        strText += '!';
        return;
    }
    const std::string strPower = bDisplay ? m_Power.ToDisplayText(true) : m_Power.ToText(true);
    const std::size_t nSkip = !strPower.empty() && strPower[0] == '+' ? 1 : 0;
    strText += '^';
    strText.append(strPower, nSkip);
    strText += '!';
}

// Only CSubExpression says it is one, so the cheap static cast stands in for a dynamic one,
// which text writing would otherwise pay for every factor it meets.
CSubExpression* CEqElmAtom::AsSubExpression()
{
    return IsSubExpression() ? static_cast<CSubExpression*>(this) : nullptr;
}

const CSubExpression* CEqElmAtom::AsSubExpression() const
{
    return IsSubExpression() ? static_cast<const CSubExpression*>(this) : nullptr;
}
