#pragma once

#include "core/ExactInteger.h"

#include <cstdint>
#include <string>

// An exact signed mixed number (whole + numerator/denominator) that falls back to a decimal
// real past a denominator of 999999999999 or for decimal input. A plain value type.
//
// The whole part is an integer of any size, so every whole number and every product stays
// exact; numerator and denominator are below the denominator limit, exact in doubles. A whole
// part of more than kMaxDigits digits, or a decimal beyond the range of a double, raises
// CAlgebraError(kNumberTooLarge): work stays bounded.
class CScalar
{
public:
    CScalar() = default;
    explicit CScalar(const std::string& strText);

    void SetFromParts(double dWhole, double dNumerator, double dDenominator);
    // Holds a signed real as a decimal.
    void SetDecimal(double dValue);
    // numerator / denominator for a signed numerator and a denominator from 1 to the limit,
    // the two without a common factor.
    void SetFraction(const CExactInteger& numerator, std::int64_t nDenominator);

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

    static constexpr double kMaxDenominator = 999999999999.0;
    // A whole part longer than this raises "Number too large" rather than growing on.
    static constexpr int kMaxDigits = 10000;
    // Integral fields within this of a whole number count as that number.
    static constexpr double kThreshold = 0.1;

    int m_nSign = 1;
    // The whole part of an exact value (0 for a decimal).
    CExactInteger m_Whole = 1;
    // The magnitude of a decimal (0 for an exact value).
    double m_dWhole = 0.0;
    double m_dNumerator = 0.0;
    double m_dDenominator = 1.0;
    bool m_bDecimal = false;

private:
    void ReadFraction(const std::string& strFraction);
    void SettleExact();
    void SetMixed(const CExactInteger& numerator, std::int64_t nDenominator);
    void SetDecimalFallback(double dExact, double dReal);
    bool HasZeroMagnitude() const;
    int CompareMagnitude(const CScalar& other) const;
};

// Turns internal text into display text: drops "!", shows "%", "," and "$" as "(", "/", ")".
std::string ToDisplayForm(std::string strText);
void MakeDisplayForm(std::string& strText);
