// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/MathWriters.h"

#include "output/MathText.h"
#include "output/XmlText.h"

#include <cctype>

namespace
{
constexpr const char* kMathNamespace = "http://www.w3.org/1998/Math/MathML";

// --- MathML ---

std::string Element(const char* szTag, const std::string& strContent)
{
    return std::string("<") + szTag + ">" + strContent + "</" + szTag + ">";
}

std::string MathMLOperator(const std::string& strOperator)
{
    if (strOperator == "-")
        return Element("mo", "\xE2\x88\x92"); // U+2212 minus sign
    if (strOperator == "*")
        return Element("mo", "\xC2\xB7"); // middle dot
    return Element("mo", XmlEscape(strOperator));
}

// A fraction part or exponent is a number; anything else written through the text is kept
// as it stands.
std::string MathMLNumber(const std::string& strDigits)
{
    return Element("mn", XmlEscape(strDigits));
}

std::string MathMLNodes(const std::vector<CMathNode>& nodes);

std::string MathMLBase(const CMathNode& node)
{
    switch (node.m_eKind)
    {
    case EMathKind::Number:
        return MathMLNumber(node.m_strText);
    case EMathKind::Letter:
        return Element("mi", XmlEscape(node.m_strText));
    case EMathKind::Operator:
        return MathMLOperator(node.m_strText);
    case EMathKind::Other:
        return Element("mtext", XmlEscape(node.m_strText));
    case EMathKind::Bracket:
        return Element("mo", node.m_strText);
    case EMathKind::Fraction:
    {
        std::string strFraction = Element("mfrac", MathMLNumber(node.m_strNumerator) +
                                                       MathMLNumber(node.m_strDenominator));
        if (node.m_strText.empty())
            return strFraction;
        return Element("mrow", MathMLNumber(node.m_strText) + strFraction);
    }
    case EMathKind::Group:
        if (!node.m_bBracketed)
            return Element("mrow", MathMLNodes(node.m_Children));
        return Element("mrow", Element("mo", "(") + MathMLNodes(node.m_Children) +
                                   (node.m_bClosed ? Element("mo", ")") : ""));
    }
    return {};
}

std::string MathMLNode(const CMathNode& node);

// An exponent is a number, but the editor lets a mixed number in (x^1%1,2$!), so it is read
// as equation text of its own.
std::string MathMLExponent(const std::string& strExponent)
{
    const std::vector<CMathNode> nodes = ParseMathText(strExponent);
    if (nodes.size() == 1)
        return MathMLNode(nodes.front());
    return Element("mrow", MathMLNodes(nodes));
}

std::string MathMLNode(const CMathNode& node)
{
    if (!node.m_strExponent)
        return MathMLBase(node);
    return Element("msup", MathMLBase(node) + MathMLExponent(*node.m_strExponent));
}

std::string MathMLNodes(const std::vector<CMathNode>& nodes)
{
    std::string strOut;
    for (const CMathNode& node : nodes)
        strOut += MathMLNode(node);
    return strOut;
}

// --- LaTeX ---

// One character of a number, letter or stray text, escaped for math mode.
std::string LatexCharacter(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if (std::isalnum(u) || c == '.' || c == '+' || c == '-' || c == '=' || c == '/' || c == '(' ||
        c == ')' || c == ',')
        return std::string(1, c);
    if (std::string("#$%&_{}").find(c) != std::string::npos)
        return std::string("\\") + c;
    if (c == '*')
        return "\\cdot ";
    return "?"; // nothing else has a meaning in the text; it cannot break the math around it
}

std::string LatexText(const std::string& strText)
{
    std::string strOut;
    for (char c : strText)
        strOut += LatexCharacter(c);
    return strOut;
}

std::string LatexNodes(const std::vector<CMathNode>& nodes);

std::string LatexBase(const CMathNode& node)
{
    switch (node.m_eKind)
    {
    case EMathKind::Fraction:
        return LatexText(node.m_strText) + "\\frac{" + LatexText(node.m_strNumerator) + "}{" +
               LatexText(node.m_strDenominator) + "}";
    case EMathKind::Group:
        if (!node.m_bBracketed)
            return "{" + LatexNodes(node.m_Children) + "}";
        return "\\left(" + LatexNodes(node.m_Children) + (node.m_bClosed ? "\\right)" : "\\right.");
    case EMathKind::Letter:
        return node.m_strText.empty() ? "{}" : LatexText(node.m_strText);
    default:
        return LatexText(node.m_strText);
    }
}

std::string LatexNodes(const std::vector<CMathNode>& nodes)
{
    std::string strOut;
    for (const CMathNode& node : nodes)
    {
        strOut += LatexBase(node);
        if (node.m_strExponent)
            strOut += "^{" + LatexNodes(ParseMathText(*node.m_strExponent)) + "}";
    }
    return strOut;
}

// --- display form ---

std::string DisplayNodes(const std::vector<CMathNode>& nodes)
{
    std::string strOut;
    for (const CMathNode& node : nodes)
    {
        if (node.m_eKind == EMathKind::Fraction)
            strOut += "(" + (node.m_strText.empty() ? "" : node.m_strText + "&") +
                      node.m_strNumerator + "/" + node.m_strDenominator + ")";
        else if (node.m_eKind == EMathKind::Group)
            strOut += (node.m_bBracketed ? "(" : "") + DisplayNodes(node.m_Children) +
                      (node.m_bBracketed && node.m_bClosed ? ")" : "");
        else
            strOut += node.m_strText;
        if (node.m_strExponent)
            strOut += "^" + DisplayNodes(ParseMathText(*node.m_strExponent));
    }
    return strOut;
}
} // namespace

std::string ToDisplayMath(const std::string& strEquationText)
{
    return DisplayNodes(ParseMathText(strEquationText));
}

std::string ToMathMLRow(const std::string& strEquationText)
{
    return Element("mrow", MathMLNodes(ParseMathText(strEquationText)));
}

std::string ToMathML(const std::string& strEquationText, bool bBlock)
{
    const std::string strDisplay = bBlock ? " display=\"block\"" : "";
    return std::string("<math xmlns=\"") + kMathNamespace + "\"" + strDisplay + ">" +
           ToMathMLRow(strEquationText) + "</math>";
}

std::string ToLatexMath(const std::string& strEquationText)
{
    return LatexNodes(ParseMathText(strEquationText));
}
