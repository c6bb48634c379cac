#include "OrdinaryNotation.h"

#include <cctype>

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
    SOrdinaryConversion conversion;
    conversion.m_bOk = true;
    conversion.m_strText = ToEquationText(typed);
    return conversion;
}
