// SPDX-License-Identifier: LGPL-3.0-or-later
#include "model/EquationWords.h"

#include "model/EquationText.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace
{
constexpr std::array<std::string_view, 20> kSmall = {
    "zero",     "one",     "two",     "three",     "four",     "five",    "six",
    "seven",    "eight",   "nine",    "ten",       "eleven",   "twelve",  "thirteen",
    "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
constexpr std::array<std::string_view, 10> kTens = {
    "", "", "twenty", "thirty", "forty", "fifty", "sixty", "seventy", "eighty", "ninety"};
constexpr std::array<std::string_view, 7> kScales = {
    "", "thousand", "million", "billion", "trillion", "quadrillion", "quintillion"};
// Up to this many digits a whole number is named; longer ones are read digit by digit.
constexpr std::size_t kLongestNamedNumber = 18;

std::string BelowHundred(unsigned n)
{
    if (n < 20)
        return std::string(kSmall[n]);
    std::string str(kTens[n / 10]);
    if (n % 10 != 0)
        str += "-" + std::string(kSmall[n % 10]);
    return str;
}

std::string BelowThousand(unsigned n)
{
    if (n < 100)
        return BelowHundred(n);
    std::string str = std::string(kSmall[n / 100]) + " hundred";
    if (n % 100 != 0)
        str += " and " + BelowHundred(n % 100);
    return str;
}

// 1005 -> "one thousand and five": the last group joins with "and" when it is below a hundred.
std::string WholeInWords(std::uint64_t n)
{
    if (n == 0)
        return "zero";
    std::vector<unsigned> groups;
    for (; n > 0; n /= 1000)
        groups.push_back(static_cast<unsigned>(n % 1000));
    std::string str;
    for (std::size_t i = groups.size(); i-- > 0;)
    {
        if (groups[i] == 0)
            continue;
        if (!str.empty())
            str += (i == 0 && groups[i] < 100) ? " and " : " ";
        str += BelowThousand(groups[i]);
        if (i > 0)
            str += " " + std::string(kScales[i]);
    }
    return str;
}

// A digit's name; a stray point or another character set through the property as it stands.
std::string CharacterWord(char c)
{
    if (IsAsciiDigit(c))
        return std::string(kSmall[static_cast<std::size_t>(c - '0')]);
    return c == kDecimalPoint ? "point" : std::string(1, c);
}

std::string DigitByDigit(std::string_view digits)
{
    std::string str;
    for (const char c : digits)
    {
        if (!str.empty())
            str += ' ';
        str += CharacterWord(c);
    }
    return str;
}

bool IsPlainWhole(std::string_view digits)
{
    return !digits.empty() && digits.size() <= kLongestNamedNumber &&
           (digits.size() == 1 || digits[0] != '0') &&
           std::all_of(digits.begin(), digits.end(), IsAsciiDigit);
}

std::string IntegerPartInWords(std::string_view digits)
{
    return IsPlainWhole(digits) ? WholeInWords(std::stoull(std::string(digits)))
                                : DigitByDigit(digits);
}

// "one" -> "first", "twenty-one" -> "twenty-first", "seven" -> "seventh", "ninety" -> "ninetieth".
std::string Ordinal(std::string str)
{
    static const std::array<std::pair<std::string_view, std::string_view>, 7> irregular = {
        {{"one", "first"},
         {"two", "second"},
         {"three", "third"},
         {"five", "fifth"},
         {"eight", "eighth"},
         {"nine", "ninth"},
         {"twelve", "twelfth"}}};
    for (const auto& [strWord, strOrdinal] : irregular)
        if (str.size() >= strWord.size() &&
            str.compare(str.size() - strWord.size(), std::string::npos, strWord) == 0 &&
            (str.size() == strWord.size() || str[str.size() - strWord.size() - 1] == '-' ||
             str[str.size() - strWord.size() - 1] == ' '))
            return str.substr(0, str.size() - strWord.size()) + std::string(strOrdinal);
    if (str.back() == 'y')
        return str.substr(0, str.size() - 1) + "ieth";
    return str + "th";
}

// The name of one part of a whole divided into nDenominator: "half", "quarter", "fifth".
std::string PartName(std::uint64_t nDenominator, bool bPlural)
{
    if (nDenominator == 2)
        return bPlural ? "halves" : "half";
    if (nDenominator == 4)
        return bPlural ? "quarters" : "quarter";
    return Ordinal(WholeInWords(nDenominator)) + (bPlural ? "s" : "");
}

// 1/2 -> "one half" ("a half" after a whole number), 3/4 -> "three quarters"; anything else
// that is not a plain vulgar fraction -> "numerator over denominator".
std::string FractionInWords(std::string_view numerator, std::string_view denominator, bool bMixed)
{
    if (numerator.empty() && denominator.empty())
        return "an empty fraction";
    if (IsPlainWhole(numerator) && IsPlainWhole(denominator))
    {
        const std::uint64_t nDenominator = std::stoull(std::string(denominator));
        const bool bOne = numerator == "1";
        if (nDenominator >= 2)
            return (bOne && bMixed ? std::string("a")
                                   : WholeInWords(std::stoull(std::string(numerator)))) +
                   " " + PartName(nDenominator, !bOne);
    }
    const auto part = [](std::string_view str)
    { return str.empty() ? std::string("nothing") : NumberInWords(str); };
    return part(numerator) + " over " + part(denominator);
}

std::string PowerInWords(std::string_view exponent)
{
    if (exponent == "2")
        return "squared";
    if (exponent == "3")
        return "cubed";
    if (exponent.empty())
        return "to an empty power";
    return "to the power of " + NumberInWords(exponent);
}

std::string_view SymbolInWords(char c)
{
    switch (c)
    {
    case '+':
        return "plus";
    case '-':
        return "minus";
    case '*':
        return "times";
    case '/':
        return "divided by";
    case '=':
        return "equals";
    case '(':
        return "open bracket";
    case ')':
        return "close bracket";
    case '.':
        return "point";
    default:
        return {};
    }
}

class CWordsReader
{
public:
    explicit CWordsReader(std::string_view text) : m_Text(text) {}

    std::string Run()
    {
        while (m_nPos < m_Text.size())
            ReadOne();
        return m_strWords.empty() ? "empty" : m_strWords;
    }

private:
    void Say(std::string_view words)
    {
        if (words.empty())
            return;
        if (!m_strWords.empty())
            m_strWords += ' ';
        m_strWords += words;
    }

    // Characters up to the next one of strStops (not taken) or the end of the text.
    std::string_view TakeUntil(std::string_view strStops)
    {
        const std::size_t nStart = m_nPos;
        while (m_nPos < m_Text.size() && strStops.find(m_Text[m_nPos]) == std::string_view::npos)
            ++m_nPos;
        return m_Text.substr(nStart, m_nPos - nStart);
    }

    void SkipIf(char c)
    {
        if (m_nPos < m_Text.size() && m_Text[m_nPos] == c)
            ++m_nPos;
    }

    void ReadOne()
    {
        const char c = m_Text[m_nPos];
        if (IsAsciiDigit(c) || c == kDecimalPoint)
            ReadNumber();
        else if (c == kFractionOpen)
            ReadFraction(false);
        else if (c == kPowerOpen)
        {
            ++m_nPos;
            const std::string_view exponent = TakeUntil("!");
            SkipIf(kPowerClose);
            Say(PowerInWords(exponent));
        }
        else
        {
            ++m_nPos;
            ReadSymbol(c);
        }
    }

    void ReadSymbol(char c)
    {
        if (IsAsciiLetter(c))
            Say(c >= 'A' && c <= 'Z' ? "capital " + std::string(1, c) : std::string(1, c));
        else if (!SymbolInWords(c).empty())
            Say(SymbolInWords(c));
        else if (static_cast<unsigned char>(c) > 32 && static_cast<unsigned char>(c) < 127)
            Say(std::string(1, c));
    }

    void ReadNumber()
    {
        const std::size_t nStart = m_nPos;
        while (m_nPos < m_Text.size() &&
               (IsAsciiDigit(m_Text[m_nPos]) || m_Text[m_nPos] == kDecimalPoint))
            ++m_nPos;
        Say(NumberInWords(m_Text.substr(nStart, m_nPos - nStart)));
        if (m_nPos < m_Text.size() && m_Text[m_nPos] == kFractionOpen)
        {
            Say("and");
            ReadFraction(true);
        }
    }

    void ReadFraction(bool bMixed)
    {
        ++m_nPos;
        const std::string_view numerator = TakeUntil(",$");
        SkipIf(kFractionSeparator);
        const std::string_view denominator = TakeUntil("$");
        SkipIf(kFractionClose);
        Say(FractionInWords(numerator, denominator, bMixed));
    }

    std::string_view m_Text;
    std::size_t m_nPos = 0;
    std::string m_strWords;
};
} // namespace

std::string NumberInWords(std::string_view number)
{
    const std::size_t nPoint = number.find(kDecimalPoint);
    const std::string_view whole = number.substr(0, nPoint);
    std::string str = whole.empty() ? std::string() : IntegerPartInWords(whole);
    if (nPoint == std::string_view::npos)
        return str;
    const std::string_view decimals = number.substr(nPoint + 1);
    return (str.empty() ? std::string() : str + " ") + "point" +
           (decimals.empty() ? std::string() : " " + DigitByDigit(decimals));
}

std::string ReadEquationInWords(std::string_view text)
{
    return CWordsReader(text).Run();
}
