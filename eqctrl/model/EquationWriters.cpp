// SPDX-License-Identifier: LGPL-3.0-or-later
#include "model/EquationWriters.h"

#include "model/EquationText.h"

namespace
{
bool IsNumericAt(std::string_view text, std::size_t nIndex)
{
    return nIndex < text.size() && (IsAsciiDigit(text[nIndex]) || text[nIndex] == kDecimalPoint);
}

enum class EPart
{
    Outside,
    Power,
    Numerator,
    Denominator,
};

// What a fraction needs in front of it so ordinary notation reads it as meant: a blank after
// a whole number (3 1/2), a "*" after any other factor (x*1/2), nothing after an operator.
std::string_view PlainFractionPrefix(std::string_view text, std::size_t nIndex)
{
    if (nIndex == 0)
        return "";
    const char cBefore = text[nIndex - 1];
    if (IsNumericAt(text, nIndex - 1))
        return " ";
    if (IsAsciiLetter(cBefore) || cBefore == ')' || cBefore == kPowerClose ||
        cBefore == kFractionClose)
        return "*";
    return "";
}

class CPlainWriter
{
public:
    explicit CPlainWriter(std::string_view text) : m_Text(text) {}

    CPlainText Run()
    {
        for (std::size_t i = 0; i < m_Text.size(); ++i)
        {
            m_Out.m_Offsets.push_back(static_cast<int>(m_Out.m_strText.size()));
            Write(i);
        }
        m_Out.m_Offsets.push_back(static_cast<int>(m_Out.m_strText.size()));
        return std::move(m_Out);
    }

private:
    void Write(std::size_t i)
    {
        const char c = m_Text[i];
        std::string& out = m_Out.m_strText;
        if (c == kPowerOpen && m_nPart == EPart::Outside)
        {
            m_nPart = EPart::Power;
            out += '^';
        }
        else if (c == kFractionOpen && m_nPart == EPart::Outside)
        {
            m_nPart = EPart::Numerator;
            out += PlainFractionPrefix(m_Text, i);
        }
        else if (c == kFractionSeparator && m_nPart == EPart::Numerator)
        {
            m_nPart = EPart::Denominator;
            out += '/';
        }
        else if ((c == kPowerClose && m_nPart == EPart::Power) ||
                 (c == kFractionClose && m_nPart == EPart::Denominator))
            CloseStructure(i);
        else
            out += c;
    }

    // x^2!3 and %1,2$3: a number right after a power or fraction would run into it.
    void CloseStructure(std::size_t i)
    {
        m_nPart = EPart::Outside;
        if (IsNumericAt(m_Text, i + 1))
            m_Out.m_strText += '*';
    }

    std::string_view m_Text;
    CPlainText m_Out;
    EPart m_nPart = EPart::Outside;
};

// Characters that mean something to LaTeX and may stand in text set through the property.
std::string_view LatexEscape(char c)
{
    switch (c)
    {
    case '#':
        return "\\#";
    case '&':
        return "\\&";
    case '_':
        return "\\_";
    case '{':
        return "\\{";
    case '}':
        return "\\}";
    case '~':
        return "\\sim ";
    case '\\':
        return "\\backslash ";
    case '%':
        return "\\%";
    case '$':
        return "\\$";
    case '*':
        return "\\cdot ";
    default:
        return {};
    }
}

void AppendLatexCharacter(std::string& out, char c)
{
    const std::string_view escaped = LatexEscape(c);
    if (!escaped.empty())
        out += escaped;
    else if (static_cast<unsigned char>(c) >= 32)
        out += c;
}
} // namespace

CPlainText WritePlainTextMapped(std::string_view text)
{
    return CPlainWriter(text).Run();
}

std::string WritePlainText(std::string_view text)
{
    return WritePlainTextMapped(text).m_strText;
}

std::string WriteLatex(std::string_view text)
{
    std::string out;
    EPart nPart = EPart::Outside;
    for (const char c : text)
    {
        if (c == kPowerOpen && nPart == EPart::Outside)
        {
            nPart = EPart::Power;
            out += "^{";
        }
        else if (c == kFractionOpen && nPart == EPart::Outside)
        {
            nPart = EPart::Numerator;
            out += "\\frac{";
        }
        else if (c == kFractionSeparator && nPart == EPart::Numerator)
        {
            nPart = EPart::Denominator;
            out += "}{";
        }
        else if ((c == kPowerClose && nPart == EPart::Power) ||
                 (c == kFractionClose && nPart == EPart::Denominator))
        {
            nPart = EPart::Outside;
            out += '}';
        }
        else
            AppendLatexCharacter(out, c);
    }
    // A structure still being typed is closed so the LaTeX stays balanced.
    if (nPart == EPart::Numerator)
        out += "}{}";
    else if (nPart != EPart::Outside)
        out += '}';
    return out;
}
