// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <compare>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// A signed integer of any size. It is a plain 64-bit value while the value fits and a GMP
// integer beyond: every operation checks for overflow and takes the wide path only then, so
// small numbers, nearly all of them, cost about what 64-bit arithmetic costs.
class CExactInteger
{
public:
    CExactInteger() = default;
    // Implicit on purpose: small integers mix freely with exact ones.
    CExactInteger(std::int64_t nValue) : m_nSmall(nValue) {}
    CExactInteger(const CExactInteger& other) : m_nSmall(other.m_nSmall)
    {
        if (other.m_pWide)
            CopyWide(other);
    }
    CExactInteger(CExactInteger&& other) noexcept = default;
    CExactInteger& operator=(const CExactInteger& other)
    {
        if (this != &other)
        {
            m_nSmall = other.m_nSmall;
            if (other.m_pWide)
                CopyWide(other);
            else
                m_pWide.reset();
        }
        return *this;
    }
    CExactInteger& operator=(CExactInteger&& other) noexcept = default;
    ~CExactInteger() = default;

    // Optional sign and decimal digits only ("-0042" -> -42); false for any other text.
    static bool FromDigits(std::string_view strText, CExactInteger& result);
    // An integral double, exactly (2^80 -> 1208925819614629174706176); infinity raises
    // CAlgebraError(kNumberTooLarge).
    static CExactInteger FromDouble(double dValue);

    bool IsSmall() const { return !m_pWide; }
    // The value when IsSmall().
    std::int64_t GetSmall() const { return m_nSmall; }
    int Sign() const;
    bool IsZero() const { return IsSmall() && m_nSmall == 0; }
    bool IsOne() const { return IsSmall() && m_nSmall == 1; }
    // The nearest double; past the range of a double, infinity of the right sign.
    double ToDouble() const;
    // Decimal digits, "-" in front of a negative value.
    void AppendText(std::string& strText) const;
    std::string ToText() const;
    // More than nDigits decimal digits in the magnitude.
    bool HasMoreDigitsThan(int nDigits) const;

    CExactInteger Abs() const;
    // The remainder of the magnitude by a positive divisor.
    std::uint64_t RemainderOf(std::uint64_t nDivisor) const;
    // this / divisor for a divisor known to divide this exactly.
    void DivideExactly(const CExactInteger& divisor);
    // Quotient and remainder of a non-negative dividend by a positive divisor.
    static void DivideWithRemainder(const CExactInteger& dividend, const CExactInteger& divisor,
                                    CExactInteger& quotient, CExactInteger& remainder);
    // numerator / denominator for a positive denominator, as a double: exact division while
    // both fit a double's 53 bits, within a few units in the last place beyond; infinity of
    // the right sign past the range of a double.
    static double Quotient(const CExactInteger& numerator, const CExactInteger& denominator);
    static CExactInteger Gcd(const CExactInteger& first, const CExactInteger& second);

    friend CExactInteger operator+(const CExactInteger& left, const CExactInteger& right)
    {
        std::int64_t nResult;
        if (left.IsSmall() && right.IsSmall() &&
            !__builtin_add_overflow(left.m_nSmall, right.m_nSmall, &nResult))
            return CExactInteger(nResult);
        return Wide(left, right, '+');
    }
    friend CExactInteger operator-(const CExactInteger& left, const CExactInteger& right)
    {
        std::int64_t nResult;
        if (left.IsSmall() && right.IsSmall() &&
            !__builtin_sub_overflow(left.m_nSmall, right.m_nSmall, &nResult))
            return CExactInteger(nResult);
        return Wide(left, right, '-');
    }
    friend CExactInteger operator*(const CExactInteger& left, const CExactInteger& right)
    {
        std::int64_t nResult;
        if (left.IsSmall() && right.IsSmall() &&
            !__builtin_mul_overflow(left.m_nSmall, right.m_nSmall, &nResult))
            return CExactInteger(nResult);
        return Wide(left, right, '*');
    }
    friend bool operator==(const CExactInteger& left, const CExactInteger& right)
    {
        return left.Compare(right) == 0;
    }
    friend std::strong_ordering operator<=>(const CExactInteger& left, const CExactInteger& right)
    {
        return left.Compare(right) <=> 0;
    }
    int Compare(const CExactInteger& other) const
    {
        if (IsSmall() && other.IsSmall())
            return m_nSmall < other.m_nSmall ? -1 : (other.m_nSmall < m_nSmall ? 1 : 0);
        return CompareWide(other);
    }

private:
    friend struct SWideAccess;
    struct SWide;
    struct SWideDeleter
    {
        void operator()(SWide* pWide) const;
    };

    explicit CExactInteger(std::unique_ptr<SWide, SWideDeleter> pWide);
    void CopyWide(const CExactInteger& other);
    int CompareWide(const CExactInteger& other) const;
    static CExactInteger Wide(const CExactInteger& left, const CExactInteger& right, char cOp);

    // The value while m_pWide is empty; a wide value never fits 64 bits.
    std::int64_t m_nSmall = 0;
    std::unique_ptr<SWide, SWideDeleter> m_pWide;
};
