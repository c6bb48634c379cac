// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Scalar.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace
{
template <typename... Args> std::string Format(const char* pFormat, Args... args)
{
    std::string strText(64, '\0');
    int nLength = std::snprintf(strText.data(), strText.size(), pFormat, args...);
    if (nLength >= static_cast<int>(strText.size()))
    {
        strText.resize(static_cast<size_t>(nLength) + 1);
        nLength = std::snprintf(strText.data(), strText.size(), pFormat, args...);
    }
    strText.resize(nLength > 0 ? static_cast<size_t>(nLength) : 0);
    return strText;
}

// Whole numbers below this are written digit by digit, as "%.0f" would write them; that
// fast path spares snprintf, which text writing would otherwise call for every number.
constexpr double kFastWholeLimit = 1e15;

bool IsFastWhole(double dValue)
{
    return !std::signbit(dValue) && dValue < kFastWholeLimit && dValue == std::floor(dValue);
}

void AppendWhole(std::string& strText, double dValue)
{
    char szDigits[24];
    const auto result =
        std::to_chars(szDigits, szDigits + sizeof(szDigits), static_cast<std::uint64_t>(dValue));
    strText.append(szDigits, result.ptr);
}

// Fifteen significant digits, trailing zeros dropped, and the point too when nothing follows
// it: 2.0 writes "2", which reads back as the same value (2.x would read badly).
std::string DecimalDigits(double dMagnitude)
{
    if (IsFastWhole(dMagnitude))
    {
        std::string strWhole;
        AppendWhole(strWhole, dMagnitude);
        return strWhole;
    }
    int nPrecision = 14;
    if (dMagnitude >= 1e14)
        nPrecision = 0;
    else if (dMagnitude > 0.0)
        nPrecision = 14 - CScalar::DecimalExponent(dMagnitude);
    std::string strText = Format("%*.*f", 15, nPrecision, dMagnitude);
    strText.erase(0, strText.find_first_not_of(' '));
    if (nPrecision > 0)
        strText.erase(strText.find_last_not_of('0') + 1);
    if (!strText.empty() && strText.back() == '.')
        strText.pop_back();
    return strText;
}

// Appends the whole part and the fraction part ("2%1,3$") of an exact value.
void AppendFractionDigits(std::string& strText, const CScalar& value)
{
    if (!value.m_Whole.IsZero())
        value.m_Whole.AppendText(strText);
    if (!value.m_Numerator.IsZero())
    {
        strText += '%';
        value.m_Numerator.AppendText(strText);
        strText += ',';
        value.m_Denominator.AppendText(strText);
        strText += '$';
    }
}
} // namespace

// Internal text: "+2%1,3$", "-7", "+2.5"; a plain "+" or "-" for one unless digits are asked.
std::string CScalar::ToText(bool bAlwaysDigits) const
{
    if (IsUnset())
        return bAlwaysDigits ? "+1" : "+";
    // Written straight into one string: text writing calls this for every number it meets.
    std::string strText(1, m_nSign <= 0 ? '-' : '+');
    if (!bAlwaysDigits && IsOne(false))
        return strText;
    if (m_bDecimal)
        strText += DecimalDigits(m_dWhole);
    else
        AppendFractionDigits(strText, *this);
    if (strText.size() == 1)
        strText += '0';
    return strText;
}

// Display text: "+2%1,3$" -> "+(2&1/3)", "+%1,2$" -> "+(1/2)".
std::string CScalar::ToDisplayText(bool bAlwaysDigits) const
{
    std::string strText = ToText(bAlwaysDigits);
    MakeDisplayForm(strText);
    const size_t nSignLength = !strText.empty() && (strText[0] == '+' || strText[0] == '-') ? 1 : 0;
    const size_t nOpen = strText.find('(');
    if (nOpen != std::string::npos && nOpen > nSignLength)
    {
        strText[nOpen] = '&';
        strText.insert(nSignLength, "(");
    }
    return strText;
}

namespace
{
bool IsDisplayMark(char c)
{
    return c == '!' || c == '%' || c == ',' || c == '$';
}
} // namespace

std::string ToDisplayForm(std::string strText)
{
    MakeDisplayForm(strText);
    return strText;
}

// In place: the display text is never longer, every mark maps to one character or none.
void MakeDisplayForm(std::string& strText)
{
    // Most texts hold none of the marks: nothing to rewrite.
    auto read = std::find_if(strText.begin(), strText.end(), IsDisplayMark);
    auto write = read;
    for (; read != strText.end(); ++read)
    {
        switch (*read)
        {
        case '!':
            break;
        case '%':
            *write++ = '(';
            break;
        case ',':
            *write++ = '/';
            break;
        case '$':
            *write++ = ')';
            break;
        default:
            *write++ = *read;
        }
    }
    strText.erase(write, strText.end());
}
