// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/AlgebraError.h"
#include "core/Scalar.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace
{
// this·sign as an improper numerator over the denominator.
CExactInteger SignedNumerator(const CScalar& value)
{
    CExactInteger numerator = value.ImproperNumerator();
    return value.m_nSign < 0 ? CExactInteger(0) - numerator : numerator;
}

// Unset and +1 both take part in a sum as exactly +1.
const CScalar& SumOperand(const CScalar& value)
{
    static const CScalar one;
    return value.IsOne(true) ? one : value;
}

// A decimal sum of two nearly opposite operands that is only rounding left over (below a
// 1e-12 part of the larger, as 4e-13 from 123.4 - 123.4 computed two ways, or the error a long
// division gathers): it cancels to zero instead of printing as a stray term.
bool IsRoundingResidue(double dSum, const CScalar& left, const CScalar& right)
{
    const double dLarger = std::max(std::fabs(left.ToDouble()), std::fabs(right.ToDouble()));
    return dSum != 0.0 && std::fabs(dSum) <= CScalar::RelativeTolerance(dLarger) * 100.0;
}

// Divides the common factor of a denominator and a numerator out of both.
void CancelCommon(CExactInteger& denominator, CExactInteger& numerator)
{
    const CExactInteger common = CExactInteger::Gcd(denominator, numerator);
    if (common.IsOne())
        return;
    denominator.DivideExactly(common);
    numerator.DivideExactly(common);
}

// Cancels a denominator against the other operand's numerator first, then against its own:
// (a/d)·(b/..) with a common factor p of d and b -> (a/(d/p))·((b/p)/..).
void CancelAcross(CExactInteger& denominator, CExactInteger& first, CExactInteger& second)
{
    if (denominator.IsOne())
        return;
    CancelCommon(denominator, first);
    if (!denominator.IsOne())
        CancelCommon(denominator, second);
}
} // namespace

// An exact n/d -> whole + remainder/d, the remainder left as it is.
void CScalar::SetMixed(const CExactInteger& numerator, const CExactInteger& denominator)
{
    m_dWhole = 0.0;
    m_bDecimal = false;
    if (denominator.IsOne())
    {
        m_Whole = numerator;
        m_Numerator = 0;
        m_Denominator = 1;
    }
    else
    {
        CExactInteger whole;
        CExactInteger remainder;
        CExactInteger::DivideWithRemainder(numerator, denominator, whole, remainder);
        m_Whole = std::move(whole);
        m_Denominator = remainder.IsZero() ? CExactInteger(1) : denominator;
        m_Numerator = std::move(remainder);
    }
    SettleExact();
}

void CScalar::SetFraction(const CExactInteger& numerator, const CExactInteger& denominator)
{
    m_nSign = numerator.Sign() < 0 ? -1 : 1;
    SetMixed(numerator.Abs(), denominator);
}

// a/d + b/c -> (a·c/k + b·d/k) / (c·d/k) with k the common divisor, then reduced.
void CScalar::Add(const CScalar& other)
{
    const CScalar& left = SumOperand(*this);
    const CScalar& right = SumOperand(other);
    if (left.m_bDecimal || right.m_bDecimal)
    {
        const double dReal = left.ToDouble() + right.ToDouble();
        SetDecimal(IsRoundingResidue(dReal, left, right) ? 0.0 : dReal);
        return;
    }
    if (left.m_Denominator.IsOne() && right.m_Denominator.IsOne())
    {
        const CExactInteger sum = SignedNumerator(left) + SignedNumerator(right);
        m_nSign = sum.Sign() < 0 ? -1 : 1;
        SetMixed(sum.Abs(), 1);
        return;
    }
    CExactInteger d = left.m_Denominator;
    CExactInteger c = right.m_Denominator;
    const CExactInteger k = CExactInteger::Gcd(d, c);
    CExactInteger dOverK = d;
    CExactInteger cOverK = c;
    if (!k.IsOne())
    {
        dOverK.DivideExactly(k);
        cOverK.DivideExactly(k);
    }
    const CExactInteger sum = dOverK * SignedNumerator(right) + cOverK * SignedNumerator(left);
    m_nSign = sum.Sign() < 0 ? -1 : 1;
    SetMixed(sum.Abs(), cOverK * d);
    // r/D -> (r/g)/(D/g) for g the common divisor of r and D.
    if (!m_Numerator.IsZero())
        CancelCommon(m_Denominator, m_Numerator);
}

void CScalar::Subtract(const CScalar& other)
{
    if (other.IsUnset())
        return;
    CScalar negated = other;
    negated.Negate();
    Add(negated);
}

// (tn/td)·(an/ad) -> cross-cancelled (tn·an)/(td·ad) as a mixed number.
void CScalar::Multiply(const CScalar& other)
{
    if (other.IsOne(true))
        return;
    if (IsOne(true))
    {
        *this = other;
        return;
    }
    if (m_bDecimal || other.m_bDecimal)
    {
        SetDecimal(ToDouble() * other.ToDouble());
        return;
    }
    CExactInteger thisNumerator = ImproperNumerator();
    CExactInteger thisDenominator = m_Denominator;
    CExactInteger otherNumerator = other.ImproperNumerator();
    CExactInteger otherDenominator = other.m_Denominator;
    CancelAcross(thisDenominator, otherNumerator, thisNumerator);
    CancelAcross(otherDenominator, thisNumerator, otherNumerator);
    m_nSign = m_nSign * other.m_nSign;
    SetMixed(thisNumerator * otherNumerator, thisDenominator * otherDenominator);
}

void CScalar::Divide(const CScalar& other)
{
    Multiply(other.Reciprocal());
}

// 1/(w + n/d) -> d/(d·w + n) as a mixed number; zero raises "Divide by zero".
CScalar CScalar::Reciprocal() const
{
    CScalar result;
    if (IsUnset())
        return result;
    if (m_bDecimal)
    {
        if (m_dWhole == 0.0)
            throw CAlgebraError(kDivideByZero);
        result.SetDecimal(m_nSign / m_dWhole);
        return result;
    }
    const CExactInteger improper = ImproperNumerator();
    if (improper.IsZero())
        throw CAlgebraError(kDivideByZero);
    result.m_nSign = m_nSign;
    result.SetMixed(m_Denominator, improper);
    return result;
}
