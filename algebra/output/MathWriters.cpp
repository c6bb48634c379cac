// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/MathWriters.h"

#include "output/MathText.h"
#include "output/XmlText.h"

#include <cctype>
#include <iterator>
#include <utility>

namespace
{
constexpr const char* kMathNamespace = "http://www.w3.org/1998/Math/MathML";
// A top or bottom of a division longer than this (in characters of display form) is set as
// lines: nothing breaks inside a fraction.
constexpr size_t kPartLength = 40;

std::string DisplayNodes(const std::vector<CMathNode>& nodes);

// The formula's pieces (see SplitAtTerms) gathered into lines of at most nLineLength
// characters of display form; a longer piece makes a line of its own.
std::vector<std::vector<CMathNode>> LinesOf(std::vector<CMathNode> nodes, size_t nLineLength)
{
    std::vector<std::vector<CMathNode>> lines;
    size_t nLength = 0;
    for (std::vector<CMathNode>& piece : SplitAtTerms(std::move(nodes)))
    {
        const size_t nPiece = DisplayNodes(piece).size();
        if (lines.empty() || (nLength > 0 && nLength + nPiece > nLineLength))
        {
            lines.emplace_back();
            nLength = 0;
        }
        std::move(piece.begin(), piece.end(), std::back_inserter(lines.back()));
        nLength += nPiece;
    }
    return lines;
}

// A top or bottom without the group whose brackets were dropped: that group is the part.
const std::vector<CMathNode>& PartNodes(const std::vector<CMathNode>& part)
{
    const bool bBareGroup = part.size() == 1 && part.front().m_eKind == EMathKind::Group &&
                            !part.front().m_bBracketed && !part.front().m_strExponent;
    return bBareGroup ? part.front().m_Children : part;
}

// --- MathML ---

std::string Element(const char* szTag, const std::string& strContent)
{
    return std::string("<") + szTag + ">" + strContent + "</" + szTag + ">";
}

// A piece of a broken formula opens with the + or - that joins it to the piece before: it
// keeps the spacing of an operator between terms, not that of a sign.
std::string MathMLOperator(const std::string& strOperator, bool bJoinsPieces = false)
{
    const char* szTag = bJoinsPieces ? "mo form=\"infix\"" : "mo";
    std::string strText = XmlEscape(strOperator);
    if (strOperator == "-")
        strText = "\xE2\x88\x92"; // U+2212 minus sign
    else if (strOperator == "*")
        strText = "\xC2\xB7"; // middle dot
    return std::string("<") + szTag + ">" + strText + "</mo>";
}

// Brackets keep the height of the line: stretched, Chromium sets them apart with wide gaps.
// Only brackets around a stacked division grow, to hold it.
std::string MathMLBracket(const std::string& strBracket, bool bStretchy = false)
{
    return std::string("<mo fence=\"true\" stretchy=\"") + (bStretchy ? "true" : "false") + "\">" +
           strBracket + "</mo>";
}

// A fraction part or exponent is a number; anything else written through the text is kept
// as it stands.
std::string MathMLNumber(const std::string& strDigits)
{
    return Element("mn", XmlEscape(strDigits));
}

std::string MathMLNodes(const std::vector<CMathNode>& nodes);

// A top or bottom as one row; a group whose brackets were dropped is that row itself.
std::string MathMLPiece(const std::vector<CMathNode>& piece, bool bFirst);

// Lines of a formula, flush left: columnalign for MathML readers, the style for browsers.
std::string MathMLTable(const std::vector<std::vector<CMathNode>>& lines)
{
    std::string strRows;
    for (size_t i = 0; i < lines.size(); ++i)
        strRows += Element("mtr", "<mtd style=\"text-align: left\">" +
                                      MathMLPiece(lines[i], i == 0) + "</mtd>");
    return "<mtable columnalign=\"left\">" + strRows + "</mtable>";
}

std::string MathMLPart(const std::vector<CMathNode>& part)
{
    const std::vector<CMathNode>& nodes = PartNodes(part);
    if (DisplayNodes(nodes).size() > kPartLength)
        if (const auto lines = LinesOf(nodes, kPartLength); lines.size() > 1)
            return Element("mrow", MathMLTable(lines));
    return Element("mrow", MathMLNodes(nodes));
}

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
        return MathMLBracket(node.m_strText);
    case EMathKind::Fraction:
    {
        std::string strFraction = Element("mfrac", MathMLNumber(node.m_strNumerator) +
                                                       MathMLNumber(node.m_strDenominator));
        if (node.m_strText.empty())
            return strFraction;
        return Element("mrow", MathMLNumber(node.m_strText) + strFraction);
    }
    case EMathKind::Group:
    {
        if (!node.m_bBracketed)
            return Element("mrow", MathMLNodes(node.m_Children));
        const bool bStretchy = HoldsStacked(node.m_Children);
        return Element("mrow", MathMLBracket("(", bStretchy) + MathMLNodes(node.m_Children) +
                                   (node.m_bClosed ? MathMLBracket(")", bStretchy) : ""));
    }
    case EMathKind::Stacked:
        return Element("mfrac", MathMLPart(node.m_Children) + MathMLPart(node.m_Below));
    case EMathKind::Root:
        return Element("msqrt", MathMLNodes(node.m_Children));
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
    for (size_t i = 0; i < nodes.size(); ++i)
    {
        std::string strNode = MathMLNode(nodes[i]);
        // A reader would space it as an operator between terms where a bracket or an operator
        // stands before it in the same row.
        if (IsSign(nodes, i))
            strNode.insert(3, " form=\"prefix\"");
        strOut += strNode;
    }
    return strOut;
}

// A piece after the first opens with the operator that joins it on.
std::string MathMLPiece(const std::vector<CMathNode>& piece, bool bFirst)
{
    if (bFirst || piece.empty() || piece.front().m_strExponent)
        return Element("mrow", MathMLNodes(piece));
    return Element("mrow", MathMLOperator(piece.front().m_strText, true) +
                               MathMLNodes({piece.begin() + 1, piece.end()}));
}

std::string MathElement(const std::string& strRow, bool bBlock)
{
    const std::string strDisplay = bBlock ? " display=\"block\"" : "";
    return std::string("<math xmlns=\"") + kMathNamespace + "\"" + strDisplay + ">" + strRow +
           "</math>";
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

// A character outside ASCII is one "?", however many bytes it takes.
std::string LatexText(const std::string& strText)
{
    std::string strOut;
    for (char c : strText)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            strOut += LatexCharacter(c);
    return strOut;
}

std::string LatexNodes(const std::vector<CMathNode>& nodes);

std::string LatexOperator(const std::string& strOperator)
{
    if (strOperator == "\xC2\xB1")
        return "\\pm ";
    if (strOperator == "\xE2\x89\x88")
        return "\\approx ";
    return LatexText(strOperator);
}

// A long product (x(x^12+13x^11+...), a factored form) has no sum of its own to break at: it
// breaks inside its longest bracket, each line's bracket open or closed only where the
// bracket is.
std::string LatexBrokenInBracket(const std::vector<CMathNode>& nodes)
{
    size_t nLongest = nodes.size();
    size_t nLongestLength = kPartLength;
    for (size_t i = 0; i < nodes.size(); ++i)
    {
        const CMathNode& node = nodes[i];
        const bool bPlainBracket = node.m_eKind == EMathKind::Group && node.m_bBracketed &&
                                   node.m_bClosed && !node.m_strExponent;
        if (bPlainBracket && DisplayNodes(node.m_Children).size() > nLongestLength)
        {
            nLongest = i;
            nLongestLength = DisplayNodes(node.m_Children).size();
        }
    }
    if (nLongest == nodes.size())
        return LatexNodes(nodes);
    const auto lines = LinesOf(nodes[nLongest].m_Children, kPartLength);
    if (lines.size() == 1)
        return LatexNodes(nodes);
    std::string strOut =
        "\\begin{array}{l}" + LatexNodes({nodes.begin(), nodes.begin() + nLongest}) + "\\left(";
    for (size_t i = 0; i < lines.size(); ++i)
        strOut += (i == 0 ? "" : "\\right.\\\\{}\\left.") + LatexNodes(lines[i]);
    return strOut + "\\right)" + LatexNodes({nodes.begin() + nLongest + 1, nodes.end()}) +
           "\\end{array}";
}

// A top or bottom that is a group whose brackets were dropped needs no braces of its own.
// A long one as lines of an array, each later line opening with its operator ("{}" before
// it keeps the spacing of an operator between terms).
std::string LatexPart(const std::vector<CMathNode>& part)
{
    const std::vector<CMathNode>& nodes = PartNodes(part);
    if (DisplayNodes(nodes).size() <= kPartLength)
        return LatexNodes(nodes);
    const std::vector<std::vector<CMathNode>> lines = LinesOf(nodes, kPartLength);
    if (lines.size() == 1)
        return LatexBrokenInBracket(nodes);
    std::string strOut = "\\begin{array}{l}";
    for (size_t i = 0; i < lines.size(); ++i)
        strOut += (i == 0 ? "" : "\\\\{}") + LatexNodes(lines[i]);
    return strOut + "\\end{array}";
}

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
    case EMathKind::Stacked:
        return "\\frac{" + LatexPart(node.m_Children) + "}{" + LatexPart(node.m_Below) + "}";
    case EMathKind::Root:
        return "\\sqrt{" + LatexNodes(node.m_Children) + "}";
    case EMathKind::Operator:
        return LatexOperator(node.m_strText);
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
        else if (node.m_eKind ==
                 EMathKind::Stacked) // measured only; the display form reads the text
            strOut +=
                "(" + DisplayNodes(node.m_Children) + ")/(" + DisplayNodes(node.m_Below) + ")";
        else if (node.m_eKind == EMathKind::Root)
            strOut += "\xE2\x88\x9A(" + DisplayNodes(node.m_Children) + ")";
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
    return Element("mrow", MathMLNodes(MathNodes(strEquationText)));
}

std::string ToMathML(const std::string& strEquationText, bool bBlock)
{
    return MathElement(ToMathMLRow(strEquationText), bBlock);
}

std::string ToWrappingMathML(const std::string& strEquationText)
{
    const std::vector<std::vector<CMathNode>> pieces = SplitAtTerms(MathNodes(strEquationText));
    std::string strOut;
    for (size_t i = 0; i < pieces.size(); ++i)
        strOut += (i == 0 ? "" : "<wbr/>") + MathElement(MathMLPiece(pieces[i], i == 0), false);
    return strOut;
}

std::string ToMathMLLines(const std::string& strEquationText, size_t nLineLength)
{
    std::vector<CMathNode> nodes = MathNodes(strEquationText);
    if (DisplayNodes(nodes).size() <= nLineLength)
        return Element("mrow", MathMLNodes(nodes));
    const std::vector<std::vector<CMathNode>> lines = LinesOf(std::move(nodes), nLineLength);
    return lines.size() == 1 ? MathMLPiece(lines.front(), true) : MathMLTable(lines);
}

std::string ToLatexMath(const std::string& strEquationText)
{
    return LatexNodes(MathNodes(strEquationText));
}
