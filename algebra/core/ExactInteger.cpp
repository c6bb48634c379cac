// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ExactInteger.h"

#include "core/AlgebraError.h"

#include <gmpxx.h>

#include <charconv>
#include <cmath>
#include <limits>

struct CExactInteger::SWide
{
    mpz_class m_Value;
};

void CExactInteger::SWideDeleter::operator()(SWide* pWide) const
{
    delete pWide;
}

namespace
{
mpz_class ToMpz(std::int64_t nValue)
{
    // mpz_class takes a long, which is 64 bits on every platform this builds for.
    static_assert(sizeof(long) == sizeof(std::int64_t));
    return mpz_class(static_cast<long>(nValue));
}

bool FitsSmall(const mpz_class& value)
{
    return value.fits_slong_p();
}
} // namespace

CExactInteger::CExactInteger(std::unique_ptr<SWide, SWideDeleter> pWide)
{
    // Keep the invariant: a value that fits 64 bits is always held small.
    if (FitsSmall(pWide->m_Value))
        m_nSmall = pWide->m_Value.get_si();
    else
        m_pWide = std::move(pWide);
}

void CExactInteger::CopyWide(const CExactInteger& other)
{
    if (m_pWide)
        m_pWide->m_Value = other.m_pWide->m_Value;
    else
        m_pWide.reset(new SWide{other.m_pWide->m_Value});
}

CExactInteger CExactInteger::Wide(const CExactInteger& left, const CExactInteger& right, char cOp)
{
    const mpz_class a = left.m_pWide ? left.m_pWide->m_Value : ToMpz(left.m_nSmall);
    const mpz_class b = right.m_pWide ? right.m_pWide->m_Value : ToMpz(right.m_nSmall);
    std::unique_ptr<SWide, SWideDeleter> pResult(new SWide);
    switch (cOp)
    {
    case '+':
        pResult->m_Value = a + b;
        break;
    case '-':
        pResult->m_Value = a - b;
        break;
    default:
        pResult->m_Value = a * b;
        break;
    }
    return CExactInteger(std::move(pResult));
}

int CExactInteger::CompareWide(const CExactInteger& other) const
{
    // A wide value lies outside the 64-bit range, so against a small one its sign decides.
    if (IsSmall())
        return -sgn(other.m_pWide->m_Value);
    if (other.IsSmall())
        return sgn(m_pWide->m_Value);
    const int nOrder = cmp(m_pWide->m_Value, other.m_pWide->m_Value);
    return nOrder < 0 ? -1 : (nOrder > 0 ? 1 : 0);
}

bool CExactInteger::FromDigits(std::string_view strText, CExactInteger& result)
{
    size_t nPos = 0;
    bool bNegative = false;
    if (!strText.empty() && (strText[0] == '+' || strText[0] == '-'))
    {
        bNegative = strText[0] == '-';
        nPos = 1;
    }
    const std::string_view strDigits = strText.substr(nPos);
    if (strDigits.empty() || strDigits.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    std::int64_t nValue = 0;
    const auto [pEnd, error] =
        std::from_chars(strDigits.data(), strDigits.data() + strDigits.size(), nValue);
    if (error == std::errc() && pEnd == strDigits.data() + strDigits.size())
    {
        result = CExactInteger(bNegative ? -nValue : nValue);
        return true;
    }
    std::unique_ptr<SWide, SWideDeleter> pWide(new SWide);
    pWide->m_Value.set_str(std::string(strDigits), 10);
    if (bNegative)
        pWide->m_Value = -pWide->m_Value;
    result = CExactInteger(std::move(pWide));
    return true;
}

CExactInteger CExactInteger::FromDouble(double dValue)
{
    // Below 2^63 in magnitude the conversion is exact and needs no GMP.
    if (std::fabs(dValue) < 9.2e18)
        return CExactInteger(static_cast<std::int64_t>(dValue));
    if (!std::isfinite(dValue))
        throw CAlgebraError(kNumberTooLarge);
    std::unique_ptr<SWide, SWideDeleter> pWide(new SWide);
    pWide->m_Value = std::trunc(dValue);
    return CExactInteger(std::move(pWide));
}

int CExactInteger::Sign() const
{
    if (IsSmall())
        return m_nSmall < 0 ? -1 : (m_nSmall > 0 ? 1 : 0);
    return sgn(m_pWide->m_Value);
}

double CExactInteger::ToDouble() const
{
    if (IsSmall())
        return static_cast<double>(m_nSmall);
    // mpz_get_d truncates and is undefined past the double range: go through the exponent.
    long nExponent = 0;
    const double dMantissa = mpz_get_d_2exp(&nExponent, m_pWide->m_Value.get_mpz_t());
    if (nExponent > std::numeric_limits<double>::max_exponent)
        return dMantissa < 0 ? -HUGE_VAL : HUGE_VAL;
    return std::ldexp(dMantissa, static_cast<int>(nExponent));
}

void CExactInteger::AppendText(std::string& strText) const
{
    if (IsSmall())
    {
        char szDigits[24];
        const auto result = std::to_chars(szDigits, szDigits + sizeof(szDigits), m_nSmall);
        strText.append(szDigits, result.ptr);
        return;
    }
    strText += m_pWide->m_Value.get_str(10);
}

std::string CExactInteger::ToText() const
{
    std::string strText;
    AppendText(strText);
    return strText;
}

bool CExactInteger::HasMoreDigitsThan(int nDigits) const
{
    if (IsSmall())
    {
        std::uint64_t nMagnitude = RemainderOf(std::numeric_limits<std::uint64_t>::max());
        int nCount = 1;
        while (nMagnitude >= 10)
        {
            nMagnitude /= 10;
            ++nCount;
        }
        return nCount > nDigits;
    }
    // The base-10 size is exact or one too large; only then is an exact count needed.
    const size_t nEstimate = mpz_sizeinbase(m_pWide->m_Value.get_mpz_t(), 10);
    if (nEstimate <= static_cast<size_t>(nDigits))
        return false;
    if (nEstimate > static_cast<size_t>(nDigits) + 1)
        return true;
    mpz_class limit;
    mpz_ui_pow_ui(limit.get_mpz_t(), 10, static_cast<unsigned long>(nDigits));
    return mpz_cmpabs(m_pWide->m_Value.get_mpz_t(), limit.get_mpz_t()) >= 0;
}

CExactInteger CExactInteger::Abs() const
{
    if (IsSmall() && m_nSmall != std::numeric_limits<std::int64_t>::min())
        return CExactInteger(m_nSmall < 0 ? -m_nSmall : m_nSmall);
    std::unique_ptr<SWide, SWideDeleter> pWide(new SWide);
    pWide->m_Value = abs(m_pWide ? m_pWide->m_Value : ToMpz(m_nSmall));
    return CExactInteger(std::move(pWide));
}

std::uint64_t CExactInteger::RemainderOf(std::uint64_t nDivisor) const
{
    if (IsSmall())
    {
        const std::uint64_t nMagnitude = m_nSmall < 0 ? 0 - static_cast<std::uint64_t>(m_nSmall)
                                                      : static_cast<std::uint64_t>(m_nSmall);
        return nMagnitude % nDivisor;
    }
    return mpz_tdiv_ui(m_pWide->m_Value.get_mpz_t(), static_cast<unsigned long>(nDivisor));
}

// The GMP value of an exact integer: its own when wide, else the spare set to it.
struct SWideAccess
{
    static const mpz_class& Of(const CExactInteger& value, mpz_class& spare)
    {
        if (value.m_pWide)
            return value.m_pWide->m_Value;
        spare = ToMpz(value.m_nSmall);
        return spare;
    }
};

namespace
{
const mpz_class& WideOf(const CExactInteger& value, mpz_class& spare)
{
    return SWideAccess::Of(value, spare);
}
} // namespace

void CExactInteger::DivideExactly(const CExactInteger& divisor)
{
    if (IsSmall() && divisor.IsSmall())
    {
        // Only the smallest value over -1 leaves the 64-bit range.
        if (divisor.m_nSmall != -1 || m_nSmall != std::numeric_limits<std::int64_t>::min())
        {
            m_nSmall /= divisor.m_nSmall;
            return;
        }
    }
    mpz_class spareDividend;
    mpz_class spareDivisor;
    std::unique_ptr<SWide, SWideDeleter> pWide(new SWide);
    mpz_divexact(pWide->m_Value.get_mpz_t(), WideOf(*this, spareDividend).get_mpz_t(),
                 WideOf(divisor, spareDivisor).get_mpz_t());
    *this = CExactInteger(std::move(pWide));
}

void CExactInteger::DivideWithRemainder(const CExactInteger& dividend, const CExactInteger& divisor,
                                        CExactInteger& quotient, CExactInteger& remainder)
{
    if (dividend.IsSmall() && divisor.IsSmall())
    {
        const std::int64_t nQuotient = dividend.m_nSmall / divisor.m_nSmall;
        const std::int64_t nRemainder = dividend.m_nSmall % divisor.m_nSmall;
        quotient = CExactInteger(nQuotient);
        remainder = CExactInteger(nRemainder);
        return;
    }
    mpz_class spareDividend;
    mpz_class spareDivisor;
    std::unique_ptr<SWide, SWideDeleter> pQuotient(new SWide);
    std::unique_ptr<SWide, SWideDeleter> pRemainder(new SWide);
    mpz_fdiv_qr(pQuotient->m_Value.get_mpz_t(), pRemainder->m_Value.get_mpz_t(),
                WideOf(dividend, spareDividend).get_mpz_t(),
                WideOf(divisor, spareDivisor).get_mpz_t());
    quotient = CExactInteger(std::move(pQuotient));
    remainder = CExactInteger(std::move(pRemainder));
}

double CExactInteger::Quotient(const CExactInteger& numerator, const CExactInteger& denominator)
{
    constexpr std::int64_t kExactInDouble = std::int64_t{1} << 53;
    const auto Fits = [](const CExactInteger& value) {
        return value.IsSmall() && value.m_nSmall > -kExactInDouble &&
               value.m_nSmall < kExactInDouble;
    };
    if (Fits(numerator) && Fits(denominator))
        return static_cast<double>(numerator.m_nSmall) / static_cast<double>(denominator.m_nSmall);
    if (numerator.IsZero())
        return 0.0;
    // Mantissas and binary exponents apart, so that numbers past the range of a double
    // still give their quotient when it lies within it.
    mpz_class spareNumerator;
    mpz_class spareDenominator;
    long nNumeratorExponent = 0;
    long nDenominatorExponent = 0;
    const double dNumerator =
        mpz_get_d_2exp(&nNumeratorExponent, WideOf(numerator, spareNumerator).get_mpz_t());
    const double dDenominator =
        mpz_get_d_2exp(&nDenominatorExponent, WideOf(denominator, spareDenominator).get_mpz_t());
    const long nExponent = nNumeratorExponent - nDenominatorExponent;
    const double dMantissa = dNumerator / dDenominator;
    if (nExponent > 2 * std::numeric_limits<double>::max_exponent)
        return dMantissa < 0 ? -HUGE_VAL : HUGE_VAL;
    if (nExponent < 2 * std::numeric_limits<double>::min_exponent - 60)
        return 0.0;
    return std::ldexp(dMantissa, static_cast<int>(nExponent));
}

CExactInteger CExactInteger::Gcd(const CExactInteger& first, const CExactInteger& second)
{
    if (first.IsSmall() && second.IsSmall() &&
        first.m_nSmall != std::numeric_limits<std::int64_t>::min() &&
        second.m_nSmall != std::numeric_limits<std::int64_t>::min())
    {
        std::int64_t a = first.m_nSmall < 0 ? -first.m_nSmall : first.m_nSmall;
        std::int64_t b = second.m_nSmall < 0 ? -second.m_nSmall : second.m_nSmall;
        while (b != 0)
        {
            const std::int64_t nRest = a % b;
            a = b;
            b = nRest;
        }
        return CExactInteger(a);
    }
    std::unique_ptr<SWide, SWideDeleter> pWide(new SWide);
    pWide->m_Value = gcd(first.m_pWide ? first.m_pWide->m_Value : ToMpz(first.m_nSmall),
                         second.m_pWide ? second.m_pWide->m_Value : ToMpz(second.m_nSmall));
    return CExactInteger(std::move(pWide));
}
