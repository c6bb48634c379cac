#pragma once

#include <string>

// An exact signed mixed number (whole + numerator/denominator, integral values held in
// doubles) that falls back to a decimal real past a denominator of 999999999999 or for
// decimal input. A plain value type.
//
// Exact fields stay below 2^53, where every integer is a double; a value whose fields or
// intermediate products would pass that becomes a decimal instead of a wrong fraction.
// Values beyond the range of a double raise CAlgebraError(kNumberTooLarge).
class CScalar
{
public:
    CScalar() = default;
    explicit CScalar(const std::string& strText);

    void SetFromParts(double dWhole, double dNumerator, double dDenominator);
    // Holds a signed real as a decimal.
    void SetDecimal(double dValue);

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
    double GetWholeValue() const { return m_nSign * m_dWhole; }
    CScalar CommonFactor(const CScalar& other) const;

    // The value as a real, for measuring and for tests. Unset counts as one.
    double ToDouble() const;

    // How far a decimal of this magnitude may be from a whole number and still count as one.
    static double RelativeTolerance(double dMagnitude);
    // floor(log10(magnitude)), right also where log10 rounds up to the next power of ten.
    static int DecimalExponent(double dMagnitude);

    static constexpr double kMaxDenominator = 999999999999.0;
    // Below this every integer is exactly a double.
    static constexpr double kMaxExact = 9007199254740992.0;
    // Integral fields within this of a whole number count as that number.
    static constexpr double kThreshold = 0.1;

    int m_nSign = 1;
    double m_dWhole = 1.0;
    double m_dNumerator = 0.0;
    double m_dDenominator = 1.0;
    bool m_bDecimal = false;

private:
    void ReadFraction(const std::string& strFraction);
    void ReduceFraction();
    void SettleExact();
    void SetMixed(double dNumerator, double dDenominator);
    void SetDecimalFallback(double dExact, double dReal);
    bool HasZeroMagnitude() const;
    int CompareMagnitude(const CScalar& other) const;
};

// Turns internal text into display text: drops "!", shows "%", "," and "$" as "(", "/", ")".
std::string ToDisplayForm(std::string strText);
