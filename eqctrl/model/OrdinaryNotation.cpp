// SPDX-License-Identifier: LGPL-3.0-or-later
#include "OrdinaryNotation.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <optional>
#include <vector>

namespace
{
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsNumeric(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) || c == '.';
}

bool IsDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

std::string WithoutBlanks(std::string_view typed)
{
    std::string text;
    text.reserve(typed.size());
    for (char c : typed)
        if (!IsBlank(c))
            text += c;
    return text;
}

// The length of the exponent that starts at nStart: a sign, digits, and a "%a,b$" fraction.
size_t ExponentLength(const std::string& text, size_t nStart)
{
    size_t nPos = nStart;
    if (nPos < text.size() && (text[nPos] == '-' || text[nPos] == '+'))
        ++nPos;
    const size_t nDigits = nPos;
    while (nPos < text.size() && IsNumeric(text[nPos]))
        ++nPos;
    if (nPos < text.size() && text[nPos] == '%')
    {
        const size_t nClose = text.find('$', nPos);
        nPos = nClose == std::string::npos ? text.size() : nClose + 1;
    }
    return nPos == nDigits ? 0 : nPos - nStart;
}

// One character of the text being converted, with the 1-based position of the typed
// character it came from, so that a refusal can point at what the user typed.
struct SMarked
{
    char m_c;
    size_t m_nPosition;
    bool m_bAdded = false; // a "!" the reader wrote to close an ordinary power
};
using Marked = std::vector<SMarked>;

struct SRefusal
{
    size_t m_nPosition;
    std::string m_strMessage;
};

// One decoded UTF-8 character; m_bValid is false for a byte that starts no valid sequence.
struct SCodePoint
{
    char32_t m_nCode;
    bool m_bValid;
};

// Decodes one character at nPos and advances past it; a bad byte is taken alone.
SCodePoint DecodeNext(std::string_view text, size_t& nPos)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char nLead = byte(nPos);
    int nLength = 0;
    char32_t nCode = 0;
    if (nLead < 0x80)
        nLength = 1, nCode = nLead;
    else if (nLead >= 0xC2 && nLead <= 0xDF)
        nLength = 2, nCode = nLead & 0x1Fu;
    else if (nLead >= 0xE0 && nLead <= 0xEF)
        nLength = 3, nCode = nLead & 0x0Fu;
    else if (nLead >= 0xF0 && nLead <= 0xF4)
        nLength = 4, nCode = nLead & 0x07u;
    if (nLength == 0 || nPos + static_cast<size_t>(nLength) > text.size())
    {
        ++nPos;
        return {nLead, false};
    }
    for (int i = 1; i < nLength; ++i)
    {
        const unsigned char nNext = byte(nPos + static_cast<size_t>(i));
        if ((nNext & 0xC0u) != 0x80u)
        {
            ++nPos;
            return {nLead, false};
        }
        nCode = (nCode << 6) | (nNext & 0x3Fu);
    }
    // Overlong forms, surrogates and codes past U+10FFFF are not text.
    const bool bOverlong = (nLength == 3 && nCode < 0x800) || (nLength == 4 && nCode < 0x10000);
    if (bOverlong || (nCode >= 0xD800 && nCode <= 0xDFFF) || nCode > 0x10FFFF)
    {
        ++nPos;
        return {nLead, false};
    }
    nPos += static_cast<size_t>(nLength);
    return {nCode, true};
}

// What an ordinary character stands for in equation text.
struct SReplacement
{
    char32_t m_nCode;
    const char* m_szText;
};

constexpr std::array kReplacements = {
    SReplacement{0x00D7, "*"},     SReplacement{0x00B7, "*"},     SReplacement{0x22C5, "*"},
    SReplacement{0x00F7, "/"},     SReplacement{0x2215, "/"},     SReplacement{0x2044, "/"},
    SReplacement{0x2212, "-"},     SReplacement{0x2010, "-"},     SReplacement{0x2011, "-"},
    SReplacement{0x2012, "-"},     SReplacement{0x2013, "-"},     SReplacement{0x2014, "-"},
    SReplacement{0x2015, "-"},     SReplacement{0xFE63, "-"},     SReplacement{0xFF0D, "-"},
    SReplacement{0x00BD, "%1,2$"}, SReplacement{0x00BC, "%1,4$"}, SReplacement{0x00BE, "%3,4$"},
    SReplacement{0x2153, "%1,3$"}, SReplacement{0x2154, "%2,3$"}, SReplacement{0x2155, "%1,5$"},
    SReplacement{0x2156, "%2,5$"}, SReplacement{0x2157, "%3,5$"}, SReplacement{0x2158, "%4,5$"},
    SReplacement{0x2159, "%1,6$"}, SReplacement{0x215A, "%5,6$"}, SReplacement{0x215B, "%1,8$"},
    SReplacement{0x215C, "%3,8$"}, SReplacement{0x215D, "%5,8$"}, SReplacement{0x215E, "%7,8$"},
    SReplacement{0x00A0, " "},     SReplacement{0x2009, " "},     SReplacement{0x202F, " "},
};

// A superscript digit or sign as the exponent character it writes, or 0.
char SuperscriptCharacter(char32_t nCode)
{
    switch (nCode)
    {
    case 0x00B9:
        return '1';
    case 0x00B2:
        return '2';
    case 0x00B3:
        return '3';
    case 0x2070:
        return '0';
    case 0x207A:
        return '+';
    case 0x207B:
        return '-';
    default:
        return nCode >= 0x2074 && nCode <= 0x2079 ? static_cast<char>('4' + (nCode - 0x2074)) : 0;
    }
}

// The characters of equation text itself: they come through as typed.
bool IsEquationCharacter(char32_t nCode)
{
    if (nCode >= 0x80)
        return false;
    const char c = static_cast<char>(nCode);
    return std::isalnum(static_cast<unsigned char>(c)) || IsBlank(c) ||
           std::string_view("+-*/()=.^!%,$").find(c) != std::string_view::npos;
}

// "\"#\" (U+0023)": the character as the user sees it, and its code for the ones that do not
// show (control characters, look-alikes).
std::string NameCharacter(std::string_view typed, size_t nByte, size_t nBytes, SCodePoint point)
{
    std::array<char, 16> code{};
    if (!point.m_bValid)
    {
        std::snprintf(code.data(), code.size(), "byte 0x%02X",
                      static_cast<unsigned>(point.m_nCode));
        return code.data();
    }
    std::snprintf(code.data(), code.size(), "U+%04X", static_cast<unsigned>(point.m_nCode));
    if (point.m_nCode < 0x20 || point.m_nCode == 0x7F)
        return code.data();
    return "\"" + std::string(typed.substr(nByte, nBytes)) + "\" (" + code.data() + ")";
}

// The converter. Each phase works on the marked characters and may refuse with a position.
class COrdinaryReader
{
public:
    explicit COrdinaryReader(std::string_view typed) : m_Typed(typed) {}

    SOrdinaryConversion Read()
    {
        Translate();
        if (!m_Refusal)
            ClosePowers();
        if (!m_Refusal)
            RefusePowersOfPowers();
        if (!m_Refusal)
            SettleBlanks();
        if (!m_Refusal)
            CheckStructures();
        SOrdinaryConversion conversion;
        if (m_Refusal)
        {
            conversion.m_nPosition = m_Refusal->m_nPosition;
            conversion.m_strMessage = m_Refusal->m_strMessage;
            return conversion;
        }
        conversion.m_bOk = true;
        for (const SMarked& marked : m_Text)
            conversion.m_strText += marked.m_c;
        return conversion;
    }

private:
    void Refuse(size_t nPosition, std::string strMessage)
    {
        if (!m_Refusal)
            m_Refusal = SRefusal{nPosition, std::move(strMessage)};
    }

    void Append(std::string_view text, size_t nPosition, bool bAdded = false)
    {
        for (const char c : text)
            m_Text.push_back({c, nPosition, bAdded});
    }

    // Each typed character becomes its equation text: "×" -> "*", "½" -> "%1,2$", a run of
    // superscripts "²" -> "^2!". Anything else is refused where it stands.
    void Translate()
    {
        size_t nPosition = 0;
        bool bInSuperscript = false;
        for (size_t nByte = 0; nByte < m_Typed.size() && !m_Refusal;)
        {
            const size_t nStart = nByte;
            const SCodePoint point = DecodeNext(m_Typed, nByte);
            ++nPosition;
            const char cSuperscript = point.m_bValid ? SuperscriptCharacter(point.m_nCode) : 0;
            if (bInSuperscript && cSuperscript == 0)
                Append("!", nPosition - 1, true);
            if (!bInSuperscript && cSuperscript != 0)
                Append("^", nPosition);
            bInSuperscript = cSuperscript != 0;
            if (bInSuperscript)
                Append(std::string_view(&cSuperscript, 1), nPosition);
            else if (point.m_bValid && IsEquationCharacter(point.m_nCode))
                Append(std::string_view(m_Typed.data() + nStart, 1), nPosition);
            else if (const char* szText = Replacement(point))
                Append(szText, nPosition);
            else
                Refuse(nPosition, NameCharacter(m_Typed, nStart, nByte - nStart, point) +
                                      " at character " + std::to_string(nPosition) +
                                      " cannot be read in an equation");
        }
        if (bInSuperscript)
            Append("!", nPosition, true);
    }

    static const char* Replacement(SCodePoint point)
    {
        if (!point.m_bValid)
            return nullptr;
        for (const SReplacement& replacement : kReplacements)
            if (replacement.m_nCode == point.m_nCode)
                return replacement.m_szText;
        return nullptr;
    }

    // Ordinary powers get their closing "!": "x^2-1" -> "x^2!-1", "x ^ -1" -> "x^-1!". The
    // exponent ends at the first character that is not part of a number.
    void ClosePowers()
    {
        Marked closed;
        closed.reserve(m_Text.size() + 4);
        for (size_t i = 0; i < m_Text.size(); ++i)
        {
            closed.push_back(m_Text[i]);
            if (m_Text[i].m_c != '^')
                continue;
            size_t nNext = i + 1;
            while (nNext < m_Text.size() && IsBlank(m_Text[nNext].m_c))
                ++nNext;
            const size_t nEnd = ExponentEnd(nNext);
            closed.insert(closed.end(), m_Text.begin() + static_cast<long>(nNext),
                          m_Text.begin() + static_cast<long>(nEnd));
            i = nEnd - 1;
            const bool bClosed = nEnd < m_Text.size() && m_Text[nEnd].m_c == '!';
            if (nEnd > nNext && !bClosed)
                closed.push_back({'!', m_Text[nEnd - 1].m_nPosition, true});
        }
        m_Text = std::move(closed);
    }

    // x^2^3 means x^(2^3) to a mathematician and (x^2)^3 to the reader that closed the first
    // power: neither guess is safe, so a "^" right after a power this reader closed is refused.
    // Equation text (x^2!^3!) says where its powers end and comes through.
    void RefusePowersOfPowers()
    {
        for (size_t i = 0; i < m_Text.size() && !m_Refusal; ++i)
        {
            if (m_Text[i].m_c != '!' || !m_Text[i].m_bAdded)
                continue;
            size_t nNext = i + 1;
            while (nNext < m_Text.size() && IsBlank(m_Text[nNext].m_c))
                ++nNext;
            if (nNext < m_Text.size() && m_Text[nNext].m_c == '^')
                Refuse(m_Text[nNext].m_nPosition,
                       "\"^\" at character " + std::to_string(m_Text[nNext].m_nPosition) +
                           " raises a power to a power: write (x^2)^3 for the power of a power, "
                           "or work out the exponent, as x^8 for x^(2^3)");
        }
    }

    // Just past an exponent starting at nStart: a sign, a number, and a "%a,b$" fraction;
    // nStart itself when there is none.
    size_t ExponentEnd(size_t nStart) const
    {
        size_t i = nStart;
        if (i < m_Text.size() && (m_Text[i].m_c == '-' || m_Text[i].m_c == '+'))
            ++i;
        const size_t nDigits = i;
        while (i < m_Text.size() && IsNumeric(m_Text[i].m_c))
            ++i;
        if (i < m_Text.size() && m_Text[i].m_c == '%')
        {
            while (i < m_Text.size() && m_Text[i].m_c != '$')
                ++i;
            i = i < m_Text.size() ? i + 1 : i;
        }
        return i == nDigits ? nStart : i;
    }

    // Blanks are dropped, but two numbers must not run together: "3 1/2" is the mixed number
    // three and a half (as Copy writes it), any other blank between two numbers is refused.
    void SettleBlanks()
    {
        Marked settled;
        settled.reserve(m_Text.size());
        for (size_t i = 0; i < m_Text.size() && !m_Refusal; ++i)
        {
            if (!IsBlank(m_Text[i].m_c))
            {
                settled.push_back(m_Text[i]);
                continue;
            }
            size_t nNext = i;
            while (nNext < m_Text.size() && IsBlank(m_Text[nNext].m_c))
                ++nNext;
            const bool bAfterNumber = !settled.empty() && IsNumeric(settled.back().m_c);
            const bool bBeforeNumber = nNext < m_Text.size() && IsNumeric(m_Text[nNext].m_c);
            i = nNext - 1;
            if (!bAfterNumber || !bBeforeNumber)
                continue;
            const size_t nSlash = MixedFractionSlash(settled, nNext);
            if (nSlash == 0)
            {
                Refuse(m_Text[nNext - 1].m_nPosition,
                       "The blank at character " + std::to_string(m_Text[nNext - 1].m_nPosition) +
                           " splits a number; write 3*4 for a product or 3 1/2 for a mixed number");
                continue;
            }
            i = AppendMixedFraction(settled, nNext, nSlash);
        }
        m_Text = std::move(settled);
    }

    // For "3 1/2" with the blanks just before nStart: the index of the "/" when the whole part
    // before the blanks and the digits/digits after them form a mixed number, else 0.
    size_t MixedFractionSlash(const Marked& before, size_t nStart) const
    {
        size_t nWhole = before.size();
        while (nWhole > 0 && IsNumeric(before[nWhole - 1].m_c))
            --nWhole;
        for (size_t i = nWhole; i < before.size(); ++i)
            if (!IsDigit(before[i].m_c))
                return 0;
        if (nWhole > 0 && before[nWhole - 1].m_c == '^')
            return 0;
        const size_t nSlash = DigitsEnd(nStart);
        if (nSlash == nStart || nSlash >= m_Text.size() || m_Text[nSlash].m_c != '/')
            return 0;
        const size_t nEnd = DigitsEnd(nSlash + 1);
        if (nEnd == nSlash + 1)
            return 0;
        const bool bFollowed =
            nEnd < m_Text.size() &&
            std::string_view(".^%/!,$").find(m_Text[nEnd].m_c) != std::string_view::npos;
        return bFollowed ? 0 : nSlash;
    }

    size_t DigitsEnd(size_t nStart) const
    {
        while (nStart < m_Text.size() && IsDigit(m_Text[nStart].m_c))
            ++nStart;
        return nStart;
    }

    // "3" + "1/2" -> "3%1,2$"; returns the index of the last character used.
    size_t AppendMixedFraction(Marked& settled, size_t nStart, size_t nSlash) const
    {
        const size_t nEnd = DigitsEnd(nSlash + 1);
        settled.push_back({'%', m_Text[nStart].m_nPosition});
        for (size_t i = nStart; i < nEnd; ++i)
            settled.push_back({i == nSlash ? ',' : m_Text[i].m_c, m_Text[i].m_nPosition});
        settled.push_back({'$', m_Text[nEnd - 1].m_nPosition});
        return nEnd - 1;
    }

    enum class EPlace
    {
        Outside,
        Power,
        Numerator,
        Denominator,
        PowerNumerator,
        PowerDenominator,
        PowerEnd, // after a fraction in an exponent only the "!" may come
    };

    // Powers and fractions hold numbers only and are closed; their markers mean nothing
    // elsewhere ("2,5" is not a number here). The parser would otherwise read such text
    // silently as something else, and validation does not look inside a structure.
    void CheckStructures()
    {
        EPlace place = EPlace::Outside;
        size_t nOpener = 0;
        for (size_t i = 0; i < m_Text.size() && !m_Refusal; ++i)
        {
            const EPlace next = Step(place, i);
            if (place == EPlace::Outside && next != EPlace::Outside)
                nOpener = i;
            const bool bPower = place == EPlace::Power || place == EPlace::PowerEnd;
            if (bPower && next == EPlace::Outside && !HoldsNumber(i))
                RefuseEmptyPower(m_Text[nOpener].m_nPosition);
            place = next;
        }
        if (m_Refusal || place == EPlace::Outside)
            return;
        if (place == EPlace::Numerator || place == EPlace::Denominator)
            RefuseMarker(nOpener);
        else
            RefuseEmptyPower(m_Text[nOpener].m_nPosition);
    }

    void RefuseEmptyPower(size_t nOpened)
    {
        Refuse(nOpened, "The power at character " + std::to_string(nOpened) +
                            " has no exponent: write a number after \"^\", as in x^2");
    }

    // Whether the power that closes at nClose holds a digit, or is the empty template "^!"
    // that the editor's validation drops: "x^-!" would be read as x to the power 0.
    bool HoldsNumber(size_t nClose) const
    {
        size_t i = nClose;
        bool bDigit = false;
        while (i > 0 && m_Text[i - 1].m_c != '^')
        {
            --i;
            bDigit = bDigit || IsDigit(m_Text[i].m_c);
        }
        return bDigit || i == nClose;
    }

    EPlace Step(EPlace place, size_t i)
    {
        const char c = m_Text[i].m_c;
        if (IsNumeric(c) && place != EPlace::Outside && place != EPlace::PowerEnd)
            return place;
        switch (place)
        {
        case EPlace::Outside:
            if (c == '^')
                return EPlace::Power;
            if (c == '%')
                return EPlace::Numerator;
            if (c == '!' || c == ',' || c == '$')
                RefuseMarker(i);
            return place;
        case EPlace::Power:
            if (c == '!')
                return EPlace::Outside;
            if (c == '%')
                return EPlace::PowerNumerator;
            if ((c == '-' || c == '+') && m_Text[i - 1].m_c == '^')
                return place;
            break;
        case EPlace::Numerator:
        case EPlace::PowerNumerator:
            if (c == ',')
                return place == EPlace::Numerator ? EPlace::Denominator : EPlace::PowerDenominator;
            break;
        case EPlace::Denominator:
            if (c == '$')
                return EPlace::Outside;
            break;
        case EPlace::PowerDenominator:
            if (c == '$')
                return EPlace::PowerEnd;
            break;
        case EPlace::PowerEnd:
            if (c == '!')
                return EPlace::Outside;
            break;
        }
        RefuseInside(i, place == EPlace::Power);
        return place;
    }

    // The markers of equation text mean nothing where they stand: say what the user may have
    // meant by the character typed and how to write it.
    void RefuseMarker(size_t i)
    {
        const SMarked& marked = m_Text[i];
        const char* szInstead = "";
        switch (marked.m_c)
        {
        case '!':
            szInstead = "there are no factorials; write a power as x^2";
            break;
        case ',':
            szInstead = "write a decimal number with a point, as 2.5, and a product with \"*\"";
            break;
        case '%':
            szInstead = "write a fraction with \"/\", as 1/2, and a percentage as a decimal, "
                        "as 0.5";
            break;
        default:
            szInstead = "write a fraction with \"/\", as 1/2";
            break;
        }
        Refuse(marked.m_nPosition, "\"" + std::string(1, marked.m_c) + "\" at character " +
                                       std::to_string(marked.m_nPosition) +
                                       " cannot be read here: " + szInstead);
    }

    void RefuseInside(size_t i, bool bPower)
    {
        const SMarked& marked = m_Text[i];
        const std::string strWhat = "\"" + std::string(1, marked.m_c) + "\" at character " +
                                    std::to_string(marked.m_nPosition);
        Refuse(marked.m_nPosition,
               bPower ? strWhat + " cannot stand in an exponent: an exponent is a number, as in "
                                  "x^2 or x^-1"
                      : strWhat + " cannot stand in a fraction written with \"%\": divide with "
                                  "\"/\" instead, as in x/2");
    }

    std::string_view m_Typed;
    Marked m_Text;
    std::optional<SRefusal> m_Refusal;
};
} // namespace

std::string ToEquationText(std::string_view typed)
{
    const std::string text = WithoutBlanks(typed);
    std::string converted;
    converted.reserve(text.size() + 8);
    for (size_t nPos = 0; nPos < text.size(); ++nPos)
    {
        converted += text[nPos];
        if (text[nPos] != '^')
            continue;
        const size_t nLength = ExponentLength(text, nPos + 1);
        converted.append(text, nPos + 1, nLength);
        nPos += nLength;
        // x^y and the template ^! are left for validation to judge.
        if (nLength > 0 && (nPos + 1 >= text.size() || text[nPos + 1] != '!'))
            converted += '!';
    }
    return converted;
}

SOrdinaryConversion ConvertOrdinaryNotation(std::string_view typed)
{
    return COrdinaryReader(typed).Read();
}
