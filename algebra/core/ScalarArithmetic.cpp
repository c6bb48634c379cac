#include "core/AlgebraError.h"
#include "core/PrimeFactors.h"
#include "core/Scalar.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace
{
std::int64_t ToSmall(double dValue)
{
    return static_cast<std::int64_t>(dValue);
}

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

// The greatest common divisor of two denominators, from the first one's prime factors.
std::int64_t CommonDivisor(std::int64_t nFirst, std::int64_t nSecond)
{
    std::int64_t nCommon = 1;
    if (nFirst == 1 || nSecond == 1)
        return nCommon;
    CPrimeFactors factors(static_cast<double>(nFirst));
    for (double dPrime = factors.First(); !factors.IsEnd(); dPrime = factors.Next())
    {
        const std::int64_t nPrime = ToSmall(dPrime);
        if (nSecond % nPrime == 0)
        {
            nCommon *= nPrime;
            nSecond /= nPrime;
        }
    }
    return nCommon;
}

// Divides the denominator's primes out of whichever numerator they divide, the first one tried
// first: (a/d)·(b/..) with a prime of d dividing b -> (a/(d/p))·((b/p)/..).
void CancelAcross(std::int64_t& nDenominator, CExactInteger& first, CExactInteger& second)
{
    if (nDenominator <= 1)
        return;
    CPrimeFactors factors(static_cast<double>(nDenominator));
    for (double dPrime = factors.Next(); !factors.IsEnd(); dPrime = factors.Next())
    {
        const std::int64_t nPrime = ToSmall(dPrime);
        if (first.RemainderOf(nPrime) == 0)
            first.DivideExactly(nPrime);
        else if (second.RemainderOf(nPrime) == 0)
            second.DivideExactly(nPrime);
        else
            continue;
        nDenominator /= nPrime;
    }
}
} // namespace

// An exact n/d -> whole + remainder/d, the remainder left as it is.
void CScalar::SetMixed(const CExactInteger& numerator, std::int64_t nDenominator)
{
    std::int64_t nRemainder = 0;
    CExactInteger whole;
    numerator.DivideWithRemainder(nDenominator, whole, nRemainder);
    m_Whole = std::move(whole);
    m_dWhole = 0.0;
    m_dNumerator = static_cast<double>(nRemainder);
    m_dDenominator = nRemainder == 0 ? 1.0 : static_cast<double>(nDenominator);
    m_bDecimal = false;
    SettleExact();
}

void CScalar::SetFraction(const CExactInteger& numerator, std::int64_t nDenominator)
{
    m_nSign = numerator.Sign() < 0 ? -1 : 1;
    SetMixed(numerator.Abs(), nDenominator);
}

// A result that cannot stay exact: the exact quotient when it is finite, else the real one.
void CScalar::SetDecimalFallback(double dExact, double dReal)
{
    SetDecimal(std::isfinite(dExact) ? dExact : dReal);
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
    const std::int64_t d = ToSmall(left.m_dDenominator);
    const std::int64_t c = ToSmall(right.m_dDenominator);
    const std::int64_t k = CommonDivisor(d, c);
    const CExactInteger sum = (d / k) * SignedNumerator(right) + (c / k) * SignedNumerator(left);
    const double dDenominator = static_cast<double>(c / k) * static_cast<double>(d);
    if (dDenominator > kMaxDenominator)
    {
        const double dReal = left.ToDouble() + right.ToDouble();
        SetDecimalFallback(sum.ToDouble() / dDenominator, dReal);
        return;
    }
    m_nSign = sum.Sign() < 0 ? -1 : 1;
    SetMixed(sum.Abs(), (c / k) * d);
    if (m_dNumerator < kThreshold)
        return;
    // r/D -> (r/p)/(D/p) for every prime p of r that also divides D.
    std::int64_t nNumerator = ToSmall(m_dNumerator);
    std::int64_t nDenominator = ToSmall(m_dDenominator);
    CPrimeFactors factors(m_dNumerator);
    for (double dPrime = factors.Next(); !factors.IsEnd(); dPrime = factors.Next())
    {
        const std::int64_t nPrime = ToSmall(dPrime);
        if (nDenominator % nPrime == 0)
        {
            nNumerator /= nPrime;
            nDenominator /= nPrime;
        }
    }
    m_dNumerator = static_cast<double>(nNumerator);
    m_dDenominator = static_cast<double>(nDenominator);
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
    std::int64_t nThisDenominator = ToSmall(m_dDenominator);
    CExactInteger otherNumerator = other.ImproperNumerator();
    std::int64_t nOtherDenominator = ToSmall(other.m_dDenominator);
    CancelAcross(nThisDenominator, otherNumerator, thisNumerator);
    CancelAcross(nOtherDenominator, thisNumerator, otherNumerator);
    const int nSign = m_nSign * other.m_nSign;
    const CExactInteger product = thisNumerator * otherNumerator;
    const double dDenominator =
        static_cast<double>(nThisDenominator) * static_cast<double>(nOtherDenominator);
    if (dDenominator > kMaxDenominator)
    {
        const double dReal = ToDouble() * other.ToDouble();
        SetDecimalFallback(nSign * (product.ToDouble() / dDenominator), dReal);
        return;
    }
    m_nSign = nSign;
    SetMixed(product, nThisDenominator * nOtherDenominator);
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
    const std::int64_t nOldDenominator = ToSmall(m_dDenominator);
    if (improper > CExactInteger(ToSmall(kMaxDenominator)))
    {
        // Past the range of a double the reciprocal would silently read as zero.
        const double dImproper = improper.ToDouble();
        if (!std::isfinite(dImproper))
            throw CAlgebraError(kNumberTooLarge);
        result.SetDecimal(m_nSign * (static_cast<double>(nOldDenominator) / dImproper));
        return result;
    }
    if (improper.IsZero())
        throw CAlgebraError(kDivideByZero);
    const std::int64_t nImproper = improper.GetSmall();
    const std::int64_t nRemainder = nOldDenominator % nImproper;
    const auto dWhole = static_cast<double>(nOldDenominator / nImproper);
    const double dRemainder = static_cast<double>(nRemainder);
    const double dDenominator = nRemainder == 0 ? 1.0 : static_cast<double>(nImproper);
    if (dWhole > kThreshold)
        result.SetFromParts(m_nSign * dWhole, dRemainder, dDenominator);
    else
        result.SetFromParts(dWhole, m_nSign * dRemainder, dDenominator);
    return result;
}
