// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ExactInteger.h"

#include <cstdint>
#include <string>

// An exact signed mixed number (whole + numerator/denominator), or a decimal real for decimal
// input. A plain value type.
//
// Whole part, numerator and denominator are integers of any size, so whole numbers and
// fractions stay exact through every operation. A part of more than kMaxDigits digits, or a
// decimal beyond the range of a double, raises CAlgebraError(kNumberTooLarge): work stays
// bounded. Decimals compute in doubles, about 15 significant digits.
class CScalar
{
public:
    CScalar() = default;
    explicit CScalar(const std::string& strText);

    void SetFromParts(double dWhole, double dNumerator, double dDenominator);
    // Holds a signed real as a decimal.
    void SetDecimal(double dValue);
    // numerator / denominator for a signed numerator and a positive denominator, the two
    // without a common factor.
    void SetFraction(const CExactInteger& numerator, const CExactInteger& denominator);

    void Add(const CScalar& other);
    void Subtract(const CScalar& other);
    void Multiply(const CScalar& other);
    void Divide(const CScalar& other);
    CScalar Reciprocal() const;
    void Negate();
    void SetUnit(int nSign);

    bool IsUnset() const { return m_nSign == 0; }
    bool IsZero() const;
    bool IsOne(bool bPositiveOnly) const;
    bool IsWhole() const;
    bool Equals(const CScalar& other) const;
    int Compare(const CScalar& other) const;

    std::string ToText(bool bAlwaysDigits) const;
    std::string ToDisplayText(bool bAlwaysDigits) const;
    double GetWholeValue() const { return m_nSign * (m_bDecimal ? m_dWhole : m_Whole.ToDouble()); }
    // denominator x whole + numerator of an exact value: the magnitude over the denominator.
    CExactInteger ImproperNumerator() const;
    CScalar CommonFactor(const CScalar& other) const;

    // The value as a real, for measuring and for tests. Unset counts as one.
    double ToDouble() const;

    // How far a decimal of this magnitude may be from a whole number and still count as one.
    static double RelativeTolerance(double dMagnitude);
    // floor(log10(magnitude)), right also where log10 rounds up to the next power of ten.
    static int DecimalExponent(double dMagnitude);

    // A whole part, numerator or denominator longer than this raises "Number too large" rather than
    // growing on.
    static constexpr int kMaxDigits = 10000;
    // Integral fields within this of a whole number count as that number.
    static constexpr double kThreshold = 0.1;

    int m_nSign = 1;
    // The whole part of an exact value (0 for a decimal).
    CExactInteger m_Whole = 1;
    // The magnitude of a decimal (0 for an exact value).
    double m_dWhole = 0.0;
    // The proper fraction of an exact value, in lowest terms: 0/1 when there is none.
    CExactInteger m_Numerator = 0;
    CExactInteger m_Denominator = 1;
    bool m_bDecimal = false;

private:
    void ReadFraction(const std::string& strFraction);
    void ReadDecimalFraction(const std::string& strText, size_t nPercent);
    void SettleExact();
    void SetMixed(const CExactInteger& numerator, const CExactInteger& denominator);
    bool HasZeroMagnitude() const;
    int CompareMagnitude(const CScalar& other) const;
};

// Turns internal text into display text: drops "!", shows "%", "," and "$" as "(", "/", ")".
std::string ToDisplayForm(std::string strText);
void MakeDisplayForm(std::string& strText);
