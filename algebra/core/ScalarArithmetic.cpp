#include "core/AlgebraError.h"
#include "core/PrimeFactors.h"
#include "core/Scalar.h"

#include <algorithm>
#include <cmath>

namespace
{
bool Divides(double dDivisor, double dValue)
{
    return dValue - std::floor(dValue / dDivisor) * dDivisor < CScalar::kThreshold;
}

bool Fits(double dValue)
{
    return std::fabs(dValue) < CScalar::kMaxExact;
}

// w + n/d -> d·w + n, the magnitude over the denominator.
double ImproperNumerator(const CScalar& value)
{
    return value.m_dDenominator * value.m_dWhole + value.m_dNumerator;
}

// Unset and +1 both take part in a sum as exactly +1.
CScalar SumOperand(const CScalar& value)
{
    return value.IsOne(true) ? CScalar() : value;
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
double CommonDivisor(double dFirst, double dSecond)
{
    double dCommon = 1.0;
    CPrimeFactors factors(dFirst);
    for (double dPrime = factors.First(); !factors.IsEnd(); dPrime = factors.Next())
    {
        if (Divides(dPrime, dSecond))
        {
            dCommon *= dPrime;
            dSecond /= dPrime;
        }
    }
    return dCommon;
}

// Divides the denominator's primes out of whichever numerator they divide, the first one tried
// first: (a/d)·(b/..) with a prime of d dividing b -> (a/(d/p))·((b/p)/..).
void CancelAcross(double& dDenominator, double& dFirst, double& dSecond)
{
    if (dDenominator <= 1.0)
        return;
    CPrimeFactors factors(dDenominator);
    for (double dPrime = factors.First(); !factors.IsEnd(); dPrime = factors.Next())
    {
        if (Divides(dPrime, dFirst))
            dFirst /= dPrime;
        else if (Divides(dPrime, dSecond))
            dSecond /= dPrime;
        else
            continue;
        dDenominator /= dPrime;
    }
}
} // namespace

// An exact n/d -> whole + remainder/d, the remainder left as it is (fmod keeps it exact).
void CScalar::SetMixed(double dNumerator, double dDenominator)
{
    const double dRemainder = std::fmod(dNumerator, dDenominator);
    m_dWhole = (dNumerator - dRemainder) / dDenominator;
    m_dNumerator = dRemainder < kThreshold ? 0.0 : dRemainder;
    m_dDenominator = dRemainder < kThreshold ? 1.0 : dDenominator;
    m_bDecimal = false;
    SettleExact();
}

// A result that cannot stay exact: the exact quotient when it is finite, else the real one.
void CScalar::SetDecimalFallback(double dExact, double dReal)
{
    SetDecimal(std::isfinite(dExact) ? dExact : dReal);
}

// a/d + b/c -> (a·c/k + b·d/k) / (c·d/k) with k the common divisor, then reduced.
void CScalar::Add(const CScalar& other)
{
    const CScalar left = SumOperand(*this);
    const CScalar right = SumOperand(other);
    const double dReal = left.ToDouble() + right.ToDouble();
    if (left.m_bDecimal || right.m_bDecimal)
    {
        SetDecimal(IsRoundingResidue(dReal, left, right) ? 0.0 : dReal);
        return;
    }
    const double d = left.m_dDenominator;
    const double c = right.m_dDenominator;
    const double dThis = left.m_nSign * ImproperNumerator(left);
    const double dOther = right.m_nSign * ImproperNumerator(right);
    const double k = CommonDivisor(d, c);
    const double dFromOther = (d / k) * dOther;
    const double dFromThis = (c / k) * dThis;
    const double dSum = dFromOther + dFromThis;
    const double dDenominator = (c / k) * d;
    if (!Fits(dThis) || !Fits(dOther) || !Fits(dFromOther) || !Fits(dFromThis) || !Fits(dSum))
    {
        SetDecimal(dReal);
        return;
    }
    if (dDenominator > kMaxDenominator)
    {
        SetDecimalFallback(dSum / dDenominator, dReal);
        return;
    }
    m_nSign = dSum < 0 ? -1 : 1;
    SetMixed(std::fabs(dSum), dDenominator);
    if (m_dNumerator < kThreshold)
        return;
    // r/D -> (r/p)/(D/p) for every prime p of r that also divides D.
    CPrimeFactors factors(m_dNumerator);
    for (double dPrime = factors.First(); !factors.IsEnd(); dPrime = factors.Next())
    {
        if (Divides(dPrime, m_dDenominator))
        {
            m_dNumerator /= dPrime;
            m_dDenominator /= dPrime;
        }
    }
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
    const double dReal = ToDouble() * other.ToDouble();
    if (m_bDecimal || other.m_bDecimal)
    {
        SetDecimal(dReal);
        return;
    }
    double dThis = ImproperNumerator(*this);
    double dThisDenominator = m_dDenominator;
    double dOther = ImproperNumerator(other);
    double dOtherDenominator = other.m_dDenominator;
    if (!Fits(dThis) || !Fits(dOther))
    {
        SetDecimal(dReal);
        return;
    }
    CancelAcross(dThisDenominator, dOther, dThis);
    CancelAcross(dOtherDenominator, dThis, dOther);
    const double dNumerator = dThis * dOther;
    const double dDenominator = dThisDenominator * dOtherDenominator;
    if (!Fits(dNumerator) || dDenominator > kMaxDenominator)
    {
        SetDecimalFallback(m_nSign * other.m_nSign * (dNumerator / dDenominator), dReal);
        return;
    }
    m_nSign = m_nSign * other.m_nSign;
    SetMixed(dNumerator, dDenominator);
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
    const double dImproper = ImproperNumerator(*this);
    const double dOldDenominator = m_dDenominator;
    if (dImproper > kMaxDenominator)
    {
        result.SetDecimal(m_nSign * (dOldDenominator / dImproper));
        return result;
    }
    if (dImproper < kThreshold)
        throw CAlgebraError(kDivideByZero);
    const double dRemainder = std::fmod(dOldDenominator, dImproper);
    const double dWhole = (dOldDenominator - dRemainder) / dImproper;
    const double dDenominator = dRemainder < kThreshold ? 1.0 : dImproper;
    if (dWhole > kThreshold)
        result.SetFromParts(m_nSign * dWhole, dRemainder, dDenominator);
    else
        result.SetFromParts(dWhole, m_nSign * dRemainder, dDenominator);
    return result;
}
