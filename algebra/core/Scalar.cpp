// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Scalar.h"

#include "core/AlgebraError.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <numeric>
#include <string_view>

namespace
{
bool StartsNumber(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0 || c == '.';
}

// Reads a real as the C library's decimal conversion would, but never as hex, "inf" or "nan":
// no digits read as 0, and a number past the range of a double raises an error.
double ReadReal(std::string_view strText)
{
    size_t nPos = 0;
    while (nPos < strText.size() && std::isspace(static_cast<unsigned char>(strText[nPos])) != 0)
        ++nPos;
    bool bNegative = false;
    if (nPos < strText.size() && (strText[nPos] == '+' || strText[nPos] == '-'))
        bNegative = strText[nPos++] == '-';
    if (nPos == strText.size() || !StartsNumber(strText[nPos]))
        return 0.0;
    const char* pBegin = strText.data() + nPos;
    double dValue = 0.0;
    const auto [pStop, error] = std::from_chars(pBegin, strText.data() + strText.size(), dValue,
                                                std::chars_format::general);
    if (error == std::errc::result_out_of_range)
    {
        // Tell overflow from underflow; an underflow reads as the nearest tiny value.
        dValue = std::strtod(std::string(pBegin, pStop).c_str(), nullptr);
        if (!std::isfinite(dValue))
            throw CAlgebraError(kNumberTooLarge);
    }
    else if (error != std::errc())
        dValue = 0.0;
    return bNegative ? -dValue : dValue;
}

// A written whole number, exactly: "123456789012345678901" keeps every digit. Text that is
// not plain digits reads as the C library's decimal conversion would, truncated.
CExactInteger ReadWhole(std::string_view strText)
{
    const size_t nStart = strText.find_first_not_of(" \t\n\v\f\r");
    strText.remove_prefix(nStart == std::string_view::npos ? strText.size() : nStart);
    const size_t nFirstDigit = strText.find_first_not_of("+-");
    const size_t nSignificant =
        strText.find_first_not_of('0', std::min(nFirstDigit, strText.size()));
    if (nSignificant != std::string_view::npos &&
        strText.size() - nSignificant > static_cast<size_t>(CScalar::kMaxDigits))
        throw CAlgebraError(kNumberTooLarge);
    CExactInteger value;
    if (CExactInteger::FromDigits(strText, value))
        return value;
    return CExactInteger::FromDouble(std::trunc(ReadReal(strText)));
}
} // namespace

// "-2%1,3$" -> sign -1, whole 2, numerator 1, denominator 3; "2.5" -> the decimal 2.5.
CScalar::CScalar(const std::string& strText) : m_Whole(0)
{
    if (strText.empty())
        return;
    const size_t nPercent = strText.find('%');
    if (strText.find('.') != std::string::npos)
    {
        if (nPercent == std::string::npos)
            SetDecimal(ReadReal(strText));
        else
            ReadDecimalFraction(strText, nPercent);
        return;
    }
    const std::string_view strWhole = std::string_view(strText).substr(0, nPercent);
    CExactInteger whole = ReadWhole(strWhole);
    if (nPercent != std::string::npos && strWhole == "-")
        m_nSign = -1;
    if (whole.Sign() < 0)
    {
        m_nSign = -1;
        whole = whole.Abs();
    }
    m_Whole = std::move(whole);
    if (nPercent != std::string::npos)
        ReadFraction(strText.substr(nPercent + 1));
    SettleExact();
}

namespace
{
// The parts of "whole%numerator,denominator$": the denominator is empty when the numerator
// reads as zero, as no denominator is read then.
struct SFractionParts
{
    std::string_view m_strNumerator;
    std::string_view m_strDenominator;
    bool m_bHasDenominator = false;
};

SFractionParts SplitFraction(std::string_view strFraction)
{
    SFractionParts parts;
    const size_t nComma = strFraction.find(',');
    parts.m_strNumerator = strFraction.substr(0, nComma);
    if (nComma != std::string_view::npos)
    {
        const std::string_view strRest = strFraction.substr(nComma + 1);
        parts.m_strDenominator = strRest.substr(0, strRest.find('$'));
        parts.m_bHasDenominator = true;
    }
    return parts;
}

bool HasDigit(std::string_view strText)
{
    return strText.find_first_of("0123456789") != std::string_view::npos;
}
} // namespace

// "1,3$" -> numerator 1, denominator 3, a fraction as written (2%4,2$, %3,6$) brought to
// lowest terms with a proper fraction (4, 1/2), as arithmetic would leave it. A missing
// denominator is 1, but a written zero (1/0) is a division by zero rather than silently one.
void CScalar::ReadFraction(const std::string& strFraction)
{
    const SFractionParts parts = SplitFraction(strFraction);
    const CExactInteger numerator = ReadWhole(parts.m_strNumerator).Abs();
    CExactInteger denominator = 1;
    if (!numerator.IsZero() && parts.m_bHasDenominator)
    {
        denominator = ReadWhole(parts.m_strDenominator).Abs();
        if (denominator.IsZero())
        {
            if (HasDigit(parts.m_strDenominator))
                throw CAlgebraError(kDivideByZero);
            denominator = 1;
        }
    }
    CExactInteger carry;
    CExactInteger remainder;
    CExactInteger::DivideWithRemainder(numerator, denominator, carry, remainder);
    m_Whole = m_Whole + carry;
    if (remainder.IsZero())
    {
        m_Numerator = 0;
        m_Denominator = 1;
        return;
    }
    const CExactInteger common = CExactInteger::Gcd(remainder, denominator);
    m_Numerator = std::move(remainder);
    m_Denominator = std::move(denominator);
    if (!common.IsOne())
    {
        m_Numerator.DivideExactly(common);
        m_Denominator.DivideExactly(common);
    }
}

// A fraction with a decimal in it, "2%0.5,2$" or "%1,0.5$": decimal input, so the decimal
// whole + numerator / denominator (2.25, 2), each part read as a real.
void CScalar::ReadDecimalFraction(const std::string& strText, size_t nPercent)
{
    const std::string_view strWhole = std::string_view(strText).substr(0, nPercent);
    const SFractionParts parts = SplitFraction(std::string_view(strText).substr(nPercent + 1));
    const double dWhole = ReadReal(strWhole);
    const bool bNegative = std::signbit(dWhole) || strWhole == "-";
    const double dNumerator = std::fabs(ReadReal(parts.m_strNumerator));
    double dDenominator = 1.0;
    if (dNumerator != 0.0 && parts.m_bHasDenominator)
    {
        dDenominator = std::fabs(ReadReal(parts.m_strDenominator));
        if (dDenominator == 0.0)
        {
            if (HasDigit(parts.m_strDenominator))
                throw CAlgebraError(kDivideByZero);
            dDenominator = 1.0;
        }
    }
    const double dMagnitude = std::fabs(dWhole) + dNumerator / dDenominator;
    SetDecimal(bNegative ? -dMagnitude : dMagnitude);
}

double CScalar::RelativeTolerance(double dMagnitude)
{
    if (dMagnitude == 0.0)
        return 1e-10;
    return std::pow(10.0, DecimalExponent(dMagnitude) - 14.0);
}

int CScalar::DecimalExponent(double dMagnitude)
{
    if (!(dMagnitude > 0.0) || !std::isfinite(dMagnitude))
        return 0;
    const int nExponent = static_cast<int>(std::floor(std::log10(dMagnitude)));
    return std::pow(10.0, nExponent) > dMagnitude ? nExponent - 1 : nExponent;
}

// Three reals -> sign and integral fields; a whole with a fractional part makes a decimal.
void CScalar::SetFromParts(double dWhole, double dNumerator, double dDenominator)
{
    if (!std::isfinite(dWhole) || !std::isfinite(dNumerator) || !std::isfinite(dDenominator))
        throw CAlgebraError(kNumberTooLarge);
    m_nSign = 1;
    if (dWhole < 0)
    {
        m_nSign = -1;
        dWhole = -dWhole;
    }
    if (dWhole - std::floor(dWhole) > RelativeTolerance(dWhole))
    {
        SetDecimal(m_nSign * dWhole);
        return;
    }
    if (dWhole < kThreshold)
        m_nSign = dNumerator < 0 ? -1 : 1;
    if (std::fabs(dDenominator) < 1.0)
        dDenominator = 1.0;
    m_Whole = CExactInteger::FromDouble(std::floor(dWhole));
    m_dWhole = 0.0;
    m_Numerator = CExactInteger::FromDouble(std::floor(std::fabs(dNumerator)));
    m_Denominator = CExactInteger::FromDouble(std::floor(std::fabs(dDenominator)));
    m_bDecimal = false;
    // Keep the fraction proper: a numerator of a whole denominator or more carries over.
    if (m_Numerator >= m_Denominator)
    {
        CExactInteger carry;
        CExactInteger remainder;
        CExactInteger::DivideWithRemainder(m_Numerator, m_Denominator, carry, remainder);
        m_Whole = m_Whole + carry;
        m_Numerator = std::move(remainder);
    }
    if (m_Numerator.IsZero())
        m_Denominator = 1;
    SettleExact();
}

void CScalar::SetDecimal(double dValue)
{
    if (!std::isfinite(dValue))
        throw CAlgebraError(kNumberTooLarge);
    m_nSign = dValue < 0 ? -1 : 1;
    m_Whole = 0;
    m_dWhole = std::fabs(dValue);
    m_Numerator = 0;
    m_Denominator = 1;
    m_bDecimal = true;
}

// A part past the digit limit is an error rather than ever slower arithmetic (the
// denominator is the larger part of the fraction). Zero always carries the sign +1.
void CScalar::SettleExact()
{
    if (m_bDecimal)
        return;
    if ((!m_Whole.IsSmall() && m_Whole.HasMoreDigitsThan(kMaxDigits)) ||
        (!m_Denominator.IsSmall() && m_Denominator.HasMoreDigitsThan(kMaxDigits)))
        throw CAlgebraError(kNumberTooLarge);
    if (HasZeroMagnitude())
        m_nSign = 1;
}

void CScalar::Negate()
{
    if (IsUnset())
    {
        *this = CScalar();
        m_nSign = -1;
    }
    else if (!HasZeroMagnitude())
        m_nSign = -m_nSign;
}

// Exactly +1 or -1; a fraction part left behind would give 1 + n/d instead.
void CScalar::SetUnit(int nSign)
{
    *this = CScalar();
    m_nSign = nSign;
}

bool CScalar::HasZeroMagnitude() const
{
    if (m_bDecimal)
        return m_dWhole == 0.0;
    return m_Whole.IsZero() && m_Numerator.IsZero();
}

bool CScalar::IsZero() const
{
    return !IsUnset() && HasZeroMagnitude();
}

bool CScalar::IsOne(bool bPositiveOnly) const
{
    if (IsUnset())
        return true;
    if (m_nSign != 1 && (bPositiveOnly || m_nSign != -1))
        return false;
    if (m_bDecimal)
        return std::fabs(m_dWhole - 1.0) <= RelativeTolerance(1.0);
    if (m_Whole.IsZero())
        return m_Numerator == m_Denominator;
    return m_Whole.IsOne() && m_Numerator.IsZero();
}

bool CScalar::IsWhole() const
{
    if (IsUnset())
        return true;
    if (m_bDecimal)
        return m_dWhole - std::floor(m_dWhole) <= RelativeTolerance(m_dWhole);
    return m_Numerator.IsZero();
}

double CScalar::ToDouble() const
{
    if (IsUnset())
        return 1.0;
    if (m_bDecimal)
        return m_nSign * m_dWhole;
    return m_nSign * (m_Whole.ToDouble() + CExactInteger::Quotient(m_Numerator, m_Denominator));
}

CExactInteger CScalar::ImproperNumerator() const
{
    if (m_Denominator.IsOne())
        return m_Whole;
    return m_Whole * m_Denominator + m_Numerator;
}
