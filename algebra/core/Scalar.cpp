#include "core/Scalar.h"

#include "core/AlgebraError.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
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

double ReadMagnitude(std::string_view strText)
{
    return std::floor(std::fabs(ReadReal(strText)));
}
} // namespace

// "-2%1,3$" -> sign -1, whole 2, numerator 1, denominator 3; "2.5" -> the decimal 2.5.
CScalar::CScalar(const std::string& strText) : m_dWhole(0.0)
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
    double dWhole = ReadReal(strWhole);
    if (nPercent != std::string::npos && strWhole == "-")
        m_nSign = -1;
    if (dWhole < 0)
    {
        m_nSign = -1;
        dWhole = -dWhole;
    }
    m_dWhole = std::floor(dWhole);
    if (nPercent != std::string::npos)
    {
        ReadFraction(strText.substr(nPercent + 1));
        ReduceFraction();
    }
    SettleExact();
}

// A fraction as written (2%4,2$, %3,6$) -> lowest terms with a proper fraction (4, 1/2), as
// arithmetic would leave it; a number that is never combined would otherwise print as typed.
void CScalar::ReduceFraction()
{
    if (m_dNumerator < kThreshold || m_dNumerator >= kMaxExact || m_dDenominator >= kMaxExact)
        return;
    const double dCarry = std::floor(m_dNumerator / m_dDenominator);
    m_dWhole += dCarry;
    m_dNumerator -= dCarry * m_dDenominator;
    double dCommon = m_dDenominator;
    for (double dRest = m_dNumerator; dRest >= kThreshold;)
    {
        const double dNext = std::fmod(dCommon, dRest);
        dCommon = dRest;
        dRest = dNext;
    }
    if (m_dNumerator < kThreshold)
    {
        m_dNumerator = 0.0;
        m_dDenominator = 1.0;
        return;
    }
    m_dNumerator /= dCommon;
    m_dDenominator /= dCommon;
}

// "1,3$" -> numerator 1, denominator 3; a missing denominator is 1, but a written zero
// (1/0) is a division by zero rather than silently one.
void CScalar::ReadFraction(const std::string& strFraction)
{
    const size_t nComma = strFraction.find(',');
    m_dNumerator = ReadMagnitude(std::string_view(strFraction).substr(0, nComma));
    if (m_dNumerator < kThreshold || nComma == std::string::npos)
        return;
    const std::string_view strRest = std::string_view(strFraction).substr(nComma + 1);
    const std::string_view strDenominator = strRest.substr(0, strRest.find('$'));
    const double dDenominator = ReadMagnitude(strDenominator);
    if (dDenominator < kThreshold &&
        strDenominator.find_first_of("0123456789") != std::string_view::npos)
        throw CAlgebraError(kDivideByZero);
    m_dDenominator = dDenominator < kThreshold ? 1.0 : dDenominator;
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
    m_dWhole = std::floor(dWhole);
    m_dNumerator = std::floor(std::fabs(dNumerator));
    m_dDenominator = std::floor(std::fabs(dDenominator));
    m_bDecimal = false;
    SettleExact();
}

void CScalar::SetDecimal(double dValue)
{
    if (!std::isfinite(dValue))
        throw CAlgebraError(kNumberTooLarge);
    m_nSign = dValue < 0 ? -1 : 1;
    m_dWhole = std::fabs(dValue);
    m_dNumerator = 0.0;
    m_dDenominator = 1.0;
    m_bDecimal = true;
}

// Exact fields past 2^53 (or a denominator past the limit) cannot stay exact: decimal instead.
// Zero always carries the sign +1.
void CScalar::SettleExact()
{
    if (m_bDecimal)
        return;
    if (m_dWhole >= kMaxExact || m_dNumerator >= kMaxExact || m_dDenominator > kMaxDenominator)
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
    return m_dWhole < kThreshold && m_dNumerator < kThreshold;
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
    return (std::fabs(m_dWhole - 1.0) < kThreshold && m_dNumerator < kThreshold) ||
           (m_dWhole < kThreshold && std::fabs(m_dNumerator - m_dDenominator) < kThreshold);
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
    return m_nSign * (m_dWhole + m_dNumerator / m_dDenominator);
}
