// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Evaluates equation text numerically, written apart from the algebra so that tests can check
// what the engine gives against what the text means. The meaning is the plain reading of the
// text: terms joined by "+" and "-", factors side by side multiply, "*" multiplies, "/" divides
// by the one factor (with its power) that follows, "^p!" raises the factor before it, "%a,b$"
// is a/b and a number written directly before it is the whole part (3%1,2$ is 3.5). A sign
// with nothing after it, or a trailing "*" or "/", adds nothing.

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace evaluate
{
// What the evaluator needs of its number type: reading a run of digits and ".", raising to a
// power (none when the power cannot be taken), and whether a division can be done.
template <typename Number> struct SNumberTraits;

template <> struct SNumberTraits<long double>
{
    static long double FromDigits(const std::string& strRun)
    {
        return std::strtold(strRun.c_str(), nullptr);
    }
    static std::optional<long double> Power(long double dValue, long double dPower)
    {
        return std::pow(dValue, dPower);
    }
    // Division by zero gives infinity, which the checks below skip as a pole.
    static bool CanDivideBy(long double) { return true; }
};

template <typename Number> using CValuesOf = std::map<char, Number>;
using CValues = CValuesOf<long double>;

template <typename Number> struct CTermValueOf
{
    Number m_dValue = 0;
    Number m_dDivisors = 1; // the product of the factors written after "/"
};
using CTermValue = CTermValueOf<long double>;

template <typename Number> class CTextEvaluatorOf
{
    using Traits = SNumberTraits<Number>;
    using CTermValue = CTermValueOf<Number>;

public:
    CTextEvaluatorOf(std::string_view text, const CValuesOf<Number>& values)
        : m_Text(text), m_Values(values)
    {
    }

    // A whole side, up to "=" or the end; none when the text is not equation text.
    std::optional<Number> Side()
    {
        Number dSum = 0;
        while (!AtSideEnd())
        {
            std::optional<CTermValue> term = Term();
            if (!term)
                return std::nullopt;
            dSum += term->m_dValue;
        }
        return dSum;
    }

    std::optional<CTermValue> Term()
    {
        Number dSign = 1;
        if (Peek() == '+' || Peek() == '-')
            dSign = Next() == '-' ? -1 : 1;
        CTermValue term{1, 1};
        bool bAnyFactor = false;
        while (!AtTermEnd())
        {
            const char cOperation = (Peek() == '*' || Peek() == '/') ? Next() : 0;
            if (AtTermEnd())
                break; // a trailing operator adds nothing
            std::optional<Number> factor = PoweredFactor();
            if (!factor)
                return std::nullopt;
            bAnyFactor = true;
            if (cOperation == '/')
            {
                if (!Traits::CanDivideBy(*factor))
                    return std::nullopt;
                term.m_dValue /= *factor;
                term.m_dDivisors *= *factor;
            }
            else
                term.m_dValue *= *factor;
        }
        if (bAnyFactor)
            term.m_dValue *= dSign;
        else
            term.m_dValue = 0;
        return term;
    }

    bool AtEnd() const { return m_nPos >= m_Text.size(); }
    char Peek() const { return AtEnd() ? '\0' : m_Text[m_nPos]; }
    char Next() { return AtEnd() ? '\0' : m_Text[m_nPos++]; }

private:
    bool AtSideEnd() const { return AtEnd() || Peek() == '=' || Peek() == ')'; }
    bool AtTermEnd() const { return AtSideEnd() || Peek() == '+' || Peek() == '-'; }

    std::optional<Number> PoweredFactor()
    {
        std::optional<Number> value = Factor();
        while (value && Peek() == '^')
        {
            ++m_nPos;
            std::optional<Number> power = Power();
            if (!power)
                return std::nullopt;
            value = Traits::Power(*value, *power);
        }
        return value;
    }

    std::optional<Number> Factor()
    {
        const char c = Peek();
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.')
            return MixedNumber();
        if (c == '%')
            return Fraction();
        if (std::isalpha(static_cast<unsigned char>(c)))
            return Variable(Next());
        if (c == '(')
            return Bracket();
        return std::nullopt;
    }

    std::optional<Number> Variable(char cLetter) const
    {
        const auto it = m_Values.find(cLetter);
        if (it == m_Values.end())
            return std::nullopt;
        return it->second;
    }

    std::optional<Number> Bracket()
    {
        ++m_nPos;
        std::optional<Number> inner = Side();
        if (!inner || Peek() == '=')
            return std::nullopt;
        if (Peek() == ')')
            ++m_nPos; // a missing ")" closes at the end of the text
        return inner;
    }

    std::optional<Number> Digits()
    {
        const size_t nStart = m_nPos;
        while (std::isdigit(static_cast<unsigned char>(Peek())) || Peek() == '.')
            ++m_nPos;
        if (m_nPos == nStart)
            return std::nullopt;
        const std::string run(m_Text.substr(nStart, m_nPos - nStart));
        return Traits::FromDigits(run);
    }

    std::optional<Number> Fraction()
    {
        ++m_nPos; // "%"
        std::optional<Number> numerator = Digits();
        if (!numerator || Next() != ',')
            return std::nullopt;
        std::optional<Number> denominator = Digits();
        if (!denominator || Next() != '$')
            return std::nullopt;
        if (!Traits::CanDivideBy(*denominator))
            return std::nullopt;
        return *numerator / *denominator;
    }

    std::optional<Number> MixedNumber()
    {
        std::optional<Number> whole = Digits();
        if (!whole || Peek() != '%')
            return whole;
        std::optional<Number> fraction = Fraction();
        if (!fraction)
            return std::nullopt;
        return *whole + *fraction;
    }

    // The exponent: a signed number with an optional fraction, closed by "!" (or the end).
    std::optional<Number> Power()
    {
        Number dSign = 1;
        if (Peek() == '+' || Peek() == '-')
            dSign = Next() == '-' ? -1 : 1;
        std::optional<Number> value = Peek() == '%' ? Fraction() : MixedNumber();
        if (!value)
            return std::nullopt;
        if (Peek() == '!')
            ++m_nPos;
        else if (!AtEnd())
            return std::nullopt;
        return dSign * *value;
    }

    std::string_view m_Text;
    const CValuesOf<Number>& m_Values;
    size_t m_nPos = 0;
};
using CTextEvaluator = CTextEvaluatorOf<long double>;

// The value of a text without "=" (or of one side); none when it is not equation text.
template <typename Number>
std::optional<Number> EvaluateSide(std::string_view text, const CValuesOf<Number>& values)
{
    CTextEvaluatorOf<Number> evaluator(text, values);
    std::optional<Number> value = evaluator.Side();
    if (!value || !evaluator.AtEnd())
        return std::nullopt;
    return value;
}

// Left minus right of an equation (right minus left for 0=...), or the value of an expression.
template <typename Number>
std::optional<Number> EvaluateLeftMinusRight(std::string_view text, const CValuesOf<Number>& values)
{
    const size_t nEquals = text.find('=');
    if (nEquals == std::string_view::npos)
        return EvaluateSide(text, values);
    std::optional<Number> left = EvaluateSide(text.substr(0, nEquals), values);
    std::optional<Number> right = EvaluateSide(text.substr(nEquals + 1), values);
    if (!left || !right)
        return std::nullopt;
    // An equation written 0=... is read with its sides exchanged.
    if (text.substr(0, nEquals) == "0")
        return *right - *left;
    return *left - *right;
}

// The product of the divisors of a side that is one term; none for several terms.
template <typename Number>
std::optional<Number> EvaluateDivisors(std::string_view side, const CValuesOf<Number>& values)
{
    CTextEvaluatorOf<Number> evaluator(side, values);
    std::optional<CTermValueOf<Number>> term = evaluator.Term();
    if (!term || !evaluator.AtEnd())
        return std::nullopt;
    return term->m_dDivisors;
}

inline std::set<char> LettersOf(std::string_view text)
{
    std::set<char> letters;
    for (char c : text)
        if (std::isalpha(static_cast<unsigned char>(c)))
            letters.insert(c);
    return letters;
}

inline bool NearlyEqual(long double a, long double b, long double dRelative = 1e-9L)
{
    const long double dScale = std::max({1.0L, std::fabs(a), std::fabs(b)});
    return std::fabs(a - b) <= dRelative * dScale;
}

// Random values for the letters of some texts, well inside (0.5, 2) so that fractional
// powers stay real and the points stay clear of the small integers where factors vanish.
inline std::vector<CValues> RandomPoints(const std::set<char>& letters, unsigned nSeed, int nCount)
{
    std::mt19937 random(nSeed);
    std::uniform_real_distribution<double> value(0.55, 1.95);
    std::vector<CValues> points(static_cast<size_t>(nCount));
    for (CValues& point : points)
        for (char cLetter : letters)
            point[cLetter] = value(random);
    return points;
}

inline std::string DescribePoint(const CValues& point)
{
    std::ostringstream text;
    text.precision(6);
    for (const auto& [cLetter, dValue] : point)
        text << cLetter << "=" << static_cast<double>(dValue) << " ";
    return text.str();
}

// Values this far out are taken as a pole of the input and the point is skipped.
inline constexpr long double kLargestChecked = 1e9L;

inline bool Usable(const std::optional<long double>& value)
{
    return value && std::isfinite(*value) && std::fabs(*value) < kLargestChecked;
}

// "" when out (an expression, or an equation read as left minus right) equals in at every
// usable point; otherwise what went wrong. nChecked counts the points that could be used.
inline std::string CheckSameValue(std::string_view in, std::string_view out,
                                  const std::vector<CValues>& points, int& nChecked)
{
    nChecked = 0;
    for (const CValues& point : points)
    {
        const std::optional<long double> expected = EvaluateLeftMinusRight(in, point);
        if (!Usable(expected))
            continue;
        const std::optional<long double> actual = EvaluateLeftMinusRight(out, point);
        if (!actual)
            return "\"" + std::string(out) + "\" is not equation text";
        if (!NearlyEqual(*expected, *actual))
        {
            std::ostringstream text;
            text.precision(12);
            text << "at " << DescribePoint(point) << "expected " << static_cast<double>(*expected)
                 << " but \"" << out << "\" gives " << static_cast<double>(*actual);
            return text.str();
        }
        ++nChecked;
    }
    return "";
}

// "" when the further result of an equation result L=0 equals L times the divisors of its one
// term, up to one nonzero constant factor; otherwise what went wrong.
inline std::string CheckFurtherEquation(std::string_view result, std::string_view further,
                                        const std::vector<CValues>& points)
{
    const std::string_view left = result.substr(0, result.find('='));
    std::optional<long double> ratio;
    for (const CValues& point : points)
    {
        const std::optional<long double> value = EvaluateLeftMinusRight(result, point);
        const std::optional<long double> divisors = EvaluateDivisors(left, point);
        if (!divisors)
            return "the result's left side \"" + std::string(left) + "\" is not one term";
        if (!Usable(value) || !Usable(divisors) || std::fabs(*value * *divisors) < 1e-6L)
            continue;
        const std::optional<long double> cleared = EvaluateLeftMinusRight(further, point);
        if (!cleared)
            return "\"" + std::string(further) + "\" is not equation text";
        const long double dRatio = *cleared / (*value * *divisors);
        if (std::fabs(dRatio) < 1e-9L)
            return "\"" + std::string(further) + "\" vanishes where the result does not, at " +
                   DescribePoint(point);
        if (!ratio)
            ratio = dRatio;
        else if (!NearlyEqual(*ratio, dRatio))
            return "\"" + std::string(further) + "\" is not a constant multiple of \"" +
                   std::string(left) + "\" times its divisors (at " + DescribePoint(point) + ")";
    }
    return "";
}

// "" when a simplification is right: the result equals the input (an equation's result
// L=0 has L equal to left minus right), and the further result equals the input for an
// expression, or is L times its divisors up to a constant for an equation.
inline std::string CheckSimplification(std::string_view input, std::string_view result,
                                       const std::optional<std::string>& further,
                                       unsigned nSeed = 12345, int* pCheckedPoints = nullptr)
{
    std::set<char> letters = LettersOf(input);
    letters.merge(LettersOf(result));
    if (further)
        letters.merge(LettersOf(*further));
    const std::vector<CValues> points = RandomPoints(letters, nSeed, 5);
    int nChecked = 0;
    std::string failure = CheckSameValue(input, result, points, nChecked);
    if (pCheckedPoints)
        *pCheckedPoints = nChecked;
    if (!failure.empty() || !further)
        return failure.empty() ? "" : "result: " + failure;
    if (input.find('=') == std::string_view::npos)
        failure = CheckSameValue(input, *further, points, nChecked);
    else
        failure = CheckFurtherEquation(result, *further, points);
    return failure.empty() ? "" : "further: " + failure;
}
} // namespace evaluate
