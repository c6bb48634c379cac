#pragma once

#include <string>

// An exact signed mixed number (whole + numerator/denominator, integral values held in
// doubles) that falls back to a decimal real past a denominator of 999999999999 or for
// decimal input. A plain value type.
class CScalar
{
public:
    CScalar() = default;
    explicit CScalar(const std::string& strText);

    void SetFromParts(double dWhole, double dNumerator, double dDenominator);

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

    // The value as a real, for measuring and for tests.
    double ToDouble() const;

    static constexpr double kMaxDenominator = 999999999999.0;

    int m_nSign = 1;
    double m_dWhole = 1.0;
    double m_dNumerator = 0.0;
    double m_dDenominator = 1.0;
    bool m_bDecimal = false;
};

// Turns internal text into display text: drops "!", shows "%", "," and "$" as "(", "/", ")".
std::string ToDisplayForm(std::string strText);
