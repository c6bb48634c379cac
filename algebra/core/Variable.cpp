// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Variable.h"

#include <utility>

CEqElmVariable::CEqElmVariable(char cLetter) : m_cLetter(cLetter)
{
    m_nOrder = kOrderVariable;
}

std::string CEqElmVariable::GetText(bool bWithOperator) const
{
    std::string strText;
    AppendOperatorPrefix(strText, bWithOperator);
    strText += m_cLetter;
    AppendPowerSuffix(strText, false);
    return strText;
}

std::string CEqElmVariable::GetDisplayText(bool bWithOperator) const
{
    std::string strText;
    AppendOperatorPrefix(strText, bWithOperator);
    strText += m_cLetter;
    AppendPowerSuffix(strText, true);
    // The power's closing "!" is the only mark here; dropped first, the rest reads as is.
    if (!strText.empty() && strText.back() == '!')
        strText.pop_back();
    MakeDisplayForm(strText);
    return strText;
}

namespace
{
int CompareLetters(char cThis, char cOther)
{
    const int nDifference = static_cast<signed char>(cThis) - static_cast<signed char>(cOther);
    return (nDifference > 0) - (nDifference < 0);
}
} // namespace

int CEqElmVariable::CompareBase(const CEqElmAtom& other) const
{
    if (m_nOrder != other.m_nOrder)
        return m_nOrder > other.m_nOrder ? 1 : -1;
    return CompareLetters(m_cLetter, other.GetLetter());
}

// Multipliers before divisors, then by letter, then the higher power first.
int CEqElmVariable::CompareFull(const CEqElmAtom& other) const
{
    if (!other.IsVariable() || GetSortGroup() != other.GetSortGroup())
        return CEqElmAtom::CompareFull(other);
    if (const int nLetters = CompareLetters(m_cLetter, other.GetLetter()))
        return nLetters;
    return -m_Power.Compare(other.m_Power);
}

std::unique_ptr<CEqElmAtom> CEqElmVariable::CloneAtom() const
{
    return std::make_unique<CEqElmVariable>(*this);
}
