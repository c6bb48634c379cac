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
    if (strText.find('.') != std::string::npos)
    {
        SetDecimal(ReadReal(strText));
        return;
    }
    const size_t nPercent = strText.find('%');
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

// "1,3$" -> numerator 1, denominator 3, a fraction as written (2%4,2$, %3,6$) brought to
// lowest terms with a proper fraction (4, 1/2), as arithmetic would leave it. A missing
// denominator is 1, but a written zero (1/0) is a division by zero rather than silently one.
void CScalar::ReadFraction(const std::string& strFraction)
{
    const size_t nComma = strFraction.find(',');
    const CExactInteger numerator =
        ReadWhole(std::string_view(strFraction).substr(0, nComma)).Abs();
    CExactInteger denominator = 1;
    if (!numerator.IsZero() && nComma != std::string::npos)
    {
        const std::string_view strRest = std::string_view(strFraction).substr(nComma + 1);
        const std::string_view strDenominator = strRest.substr(0, strRest.find('$'));
        denominator = ReadWhole(strDenominator).Abs();
        if (denominator.IsZero())
        {
            if (strDenominator.find_first_of("0123456789") != std::string_view::npos)
                throw CAlgebraError(kDivideByZero);
            denominator = 1;
        }
    }
    if (denominator > CExactInteger(static_cast<std::int64_t>(kMaxDenominator)))
    {
        SetDecimal(m_nSign * (m_Whole.ToDouble() + numerator.ToDouble() / denominator.ToDouble()));
        return;
    }
    const std::int64_t nDenominator = denominator.GetSmall();
    CExactInteger carry;
    std::int64_t nRemainder = 0;
    numerator.DivideWithRemainder(nDenominator, carry, nRemainder);
    m_Whole = m_Whole + carry;
    const std::int64_t nCommon = std::gcd(nRemainder, nDenominator);
    m_dNumerator = static_cast<double>(nRemainder / nCommon);
    m_dDenominator = nRemainder == 0 ? 1.0 : static_cast<double>(nDenominator / nCommon);
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
    m_dNumerator = std::floor(std::fabs(dNumerator));
    m_dDenominator = std::floor(std::fabs(dDenominator));
    m_bDecimal = false;
    // Keep the fraction proper: a numerator of a whole denominator or more carries over.
    if (m_dNumerator >= m_dDenominator && m_dDenominator <= kMaxDenominator)
    {
        const double dCarry = std::floor(m_dNumerator / m_dDenominator);
        m_Whole = m_Whole + CExactInteger::FromDouble(dCarry);
        m_dNumerator -= dCarry * m_dDenominator;
    }
    if (m_dNumerator < kThreshold)
        m_dDenominator = 1.0;
    SettleExact();
}

void CScalar::SetDecimal(double dValue)
{
    if (!std::isfinite(dValue))
        throw CAlgebraError(kNumberTooLarge);
    m_nSign = dValue < 0 ? -1 : 1;
    m_Whole = 0;
    m_dWhole = std::fabs(dValue);
    m_dNumerator = 0.0;
    m_dDenominator = 1.0;
    m_bDecimal = true;
}

// A denominator past the limit makes a decimal; a whole part past the digit limit is an
// error rather than ever slower arithmetic. Zero always carries the sign +1.
void CScalar::SettleExact()
{
    if (m_bDecimal)
        return;
    if (!m_Whole.IsSmall() && m_Whole.HasMoreDigitsThan(kMaxDigits))
        throw CAlgebraError(kNumberTooLarge);
    if (m_dDenominator > kMaxDenominator)
        SetDecimal(ToDouble());
    else if (HasZeroMagnitude())
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
    return m_Whole.IsZero() && m_dNumerator < kThreshold;
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
        return std::fabs(m_dNumerator - m_dDenominator) < kThreshold;
    return m_Whole.IsSmall() && m_Whole.GetSmall() == 1 && m_dNumerator < kThreshold;
}

bool CScalar::IsWhole() const
{
    if (IsUnset())
        return true;
    if (m_bDecimal)
        return m_dWhole - std::floor(m_dWhole) <= RelativeTolerance(m_dWhole);
    return m_dNumerator < kThreshold;
}

double CScalar::ToDouble() const
{
    if (IsUnset())
        return 1.0;
    if (m_bDecimal)
        return m_nSign * m_dWhole;
    return m_nSign * (m_Whole.ToDouble() + m_dNumerator / m_dDenominator);
}

CExactInteger CScalar::ImproperNumerator() const
{
    return m_Whole * static_cast<std::int64_t>(m_dDenominator) +
           static_cast<std::int64_t>(m_dNumerator);
}
