// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Number.h"

#include "core/AlgebraError.h"
#include "core/Term.h"

#include <cmath>

CEqElmNumber::CEqElmNumber(const std::string& strText) : m_Value(strText)
{
    m_nOrder = kOrderNumber;
}

std::string CEqElmNumber::Decorate(std::string strValue, bool bWithOperator, bool bDisplay) const
{
    if (!strValue.empty() && strValue[0] == '-')
        strValue = "(" + strValue + ")";
    if (!strValue.empty() && strValue[0] == '+')
        strValue.erase(0, 1);
    if (strValue.empty())
        strValue = "1";
    std::string strText = OperatorPrefix(bWithOperator) + strValue + PowerSuffix(bDisplay);
    return bDisplay ? ToDisplayForm(strText) : strText;
}

std::string CEqElmNumber::GetText(bool bWithOperator) const
{
    return Decorate(m_Value.ToText(true), bWithOperator, false);
}

std::string CEqElmNumber::GetDisplayText(bool bWithOperator) const
{
    return Decorate(m_Value.ToDisplayText(true), bWithOperator, true);
}

int CEqElmNumber::CompareBase(const CEqElmAtom&) const
{
    return -9;
}

// Numbers that stay factors order by value and then by power; equal only when both agree.
int CEqElmNumber::CompareFull(const CEqElmAtom& other) const
{
    if (!other.IsNumber() || GetSortGroup() != other.GetSortGroup())
        return CEqElmAtom::CompareFull(other);
    const auto& number = static_cast<const CEqElmNumber&>(other);
    if (const int nValue = m_Value.Compare(number.m_Value))
        return nValue;
    return m_Power.Compare(number.m_Power);
}

std::unique_ptr<CEqElmAtom> CEqElmNumber::CloneAtom() const
{
    return std::make_unique<CEqElmNumber>(*this);
}

CScalar CEqElmNumber::PowerValue() const
{
    return RaiseToPower(m_Value, m_Power);
}

std::unique_ptr<CEqElmNumber> MakeNumber(const CEqElm& term)
{
    return std::make_unique<CEqElmNumber>(term.m_Coefficient.ToText(true));
}

// value^n by repeated squaring, so a large power costs a few dozen multiplications.
CScalar RaiseToPower(const CScalar& value, const CScalar& power)
{
    if (power.IsOne(true))
        return value;
    if (!power.IsWhole())
        throw CAlgebraError(kPowerMustBeWhole);
    const double dPower = std::trunc(power.GetWholeValue());
    if (!std::isfinite(dPower) || std::fabs(dPower) > 1e15)
        throw CAlgebraError(kNumberTooLarge);
    auto nLeft = static_cast<long long>(std::fabs(dPower));
    CScalar result;
    CScalar square = value;
    while (nLeft > 0)
    {
        if (nLeft & 1)
            result.Multiply(square);
        nLeft >>= 1;
        if (nLeft > 0)
            square.Multiply(square);
    }
    if (dPower < 0)
        result = result.Reciprocal();
    if (result.m_bDecimal && !std::isfinite(result.ToDouble()))
        throw CAlgebraError(kNumberTooLarge);
    return result;
}
