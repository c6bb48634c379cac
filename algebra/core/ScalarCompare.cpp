// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Scalar.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace
{
__extension__ typedef unsigned __int128 UWide;

template <typename T> int SignOf(T left, T right)
{
    return left < right ? -1 : (right < left ? 1 : 0);
}

// Two reals compared within the relative tolerance of the larger magnitude.
int CompareReals(double dLeft, double dRight)
{
    const double dLarger = std::max(std::fabs(dLeft), std::fabs(dRight));
    const double dDifference = dLeft - dRight;
    if (dLarger == 0.0 || std::fabs(dDifference) < CScalar::RelativeTolerance(dLarger))
        return 0;
    return dDifference < 0 ? -1 : 1;
}

// A non-negative part that fits 64 bits, as unsigned.
bool IsSmallPart(const CExactInteger& value)
{
    return value.IsSmall() && value.GetSmall() >= 0;
}

std::uint64_t ToInteger(const CExactInteger& value)
{
    return static_cast<std::uint64_t>(value.GetSmall());
}
} // namespace

// |this| against |other| exactly: wholes first, then the proper fractions cross-multiplied
// (in 128 bits while the parts fit 64), so no two different numbers ever compare equal.
int CScalar::CompareMagnitude(const CScalar& other) const
{
    if (m_bDecimal || other.m_bDecimal)
        return CompareReals(std::fabs(ToDouble()), std::fabs(other.ToDouble()));
    const int nWholeOrder = m_Whole.Compare(other.m_Whole);
    if (nWholeOrder != 0)
        return nWholeOrder;
    if (IsSmallPart(m_Numerator) && IsSmallPart(m_Denominator) && IsSmallPart(other.m_Numerator) &&
        IsSmallPart(other.m_Denominator))
        return SignOf(static_cast<UWide>(ToInteger(m_Numerator)) * ToInteger(other.m_Denominator),
                      static_cast<UWide>(ToInteger(other.m_Numerator)) * ToInteger(m_Denominator));
    return (m_Numerator * other.m_Denominator).Compare(other.m_Numerator * m_Denominator);
}

// Same sign and the same magnitude; decimals within the relative tolerance.
bool CScalar::Equals(const CScalar& other) const
{
    if (m_nSign != other.m_nSign)
        return false;
    if (IsUnset())
        return true;
    if (m_bDecimal || other.m_bDecimal)
    {
        const double dLeft = std::fabs(ToDouble());
        const double dRight = std::fabs(other.ToDouble());
        const double dLarger = std::max(dLeft, dRight);
        return dLarger == 0.0 || std::fabs(dLeft - dRight) <= RelativeTolerance(dLarger);
    }
    return CompareMagnitude(other) == 0;
}

// The sign of this - other.
int CScalar::Compare(const CScalar& other) const
{
    if (IsUnset() || other.IsUnset())
        return IsUnset() ? other.m_nSign : m_nSign;
    if (m_nSign != other.m_nSign)
        return m_nSign;
    if (m_bDecimal || other.m_bDecimal)
        return CompareReals(ToDouble(), other.ToDouble());
    return m_nSign * CompareMagnitude(other);
}

namespace
{
// The size CommonFactor picks by: a decimal's real, a fraction's improper numerator.
double CommonFactorMeasure(const CScalar& value)
{
    if (value.m_bDecimal)
        return std::fabs(value.m_dWhole);
    return value.ImproperNumerator().ToDouble();
}

bool IsTrivialFactor(const CScalar& value)
{
    return value.IsUnset() || value.IsZero() || value.IsOne(false);
}
} // namespace

// Exact numbers share only ±1; with a decimal the one of smaller measure is the common factor.
// Equal signs carry over to the result.
CScalar CScalar::CommonFactor(const CScalar& other) const
{
    CScalar result("1");
    if (!IsTrivialFactor(*this) && !IsTrivialFactor(other) && (m_bDecimal || other.m_bDecimal))
        result = CommonFactorMeasure(*this) < CommonFactorMeasure(other) ? *this : other;
    if (m_nSign == other.m_nSign && m_nSign != 0)
        result.m_nSign = m_nSign;
    return result;
}
