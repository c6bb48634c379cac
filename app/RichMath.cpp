// SPDX-License-Identifier: GPL-3.0-or-later
#include "RichMath.h"

#include "output/MathText.h"

#include <algorithm>

namespace
{
// Characters of a line of a formula with divisions: A4 at the math's size holds about 60.
constexpr size_t kLineLength = 50;

QString Escaped(const std::string& strText)
{
    return QString::fromStdString(strText).toHtmlEscaped();
}

QString Span(const QString& strInner)
{
    return "<span style=\"font-family: serif; font-size: 14pt;\">" + strInner + "</span>";
}

// In a table cell the blanks around an operator are fixed: a cell drops its edge blanks.
QString RichOperator(const std::string& strOperator, bool bFixed)
{
    const QString strBlank = bFixed ? QStringLiteral("&nbsp;") : QStringLiteral(" ");
    if (strOperator == "-")
        return strBlank + QChar(0x2212) + strBlank;
    if (strOperator == "*")
        return strBlank + QChar(0x00B7) + strBlank;
    if (strOperator == "+" || strOperator == "=")
        return strBlank + Escaped(strOperator) + strBlank;
    return Escaped(strOperator);
}

QString RichNodes(const std::vector<CMathNode>& nodes, bool bFixed);

QString RichBase(const CMathNode& node, bool bFixed)
{
    switch (node.m_eKind)
    {
    case EMathKind::Letter:
        return "<i>" + Escaped(node.m_strText) + "</i>";
    case EMathKind::Operator:
        return RichOperator(node.m_strText, bFixed);
    case EMathKind::Fraction:
        return Escaped(node.m_strText) + "<sup>" + Escaped(node.m_strNumerator) +
               "</sup>\u2044<sub>" + Escaped(node.m_strDenominator) + "</sub>";
    case EMathKind::Group:
        if (!node.m_bBracketed)
            return RichNodes(node.m_Children, bFixed);
        return "(" + RichNodes(node.m_Children, bFixed) + (node.m_bClosed ? ")" : "");
    case EMathKind::Root:
        return QChar(0x221A) + QStringLiteral("<span style=\"text-decoration: overline;\">") +
               RichNodes(node.m_Children, bFixed) + "</span>";
    case EMathKind::Stacked: // only inside a power, where a table cannot go
        return "(" + RichNodes(node.m_Children, bFixed) + ")/(" + RichNodes(node.m_Below, bFixed) +
               ")";
    default:
        return Escaped(node.m_strText);
    }
}

QString Exponent(const CMathNode& node)
{
    if (!node.m_strExponent)
        return {};
    return "<sup>" + RichNodes(ParseMathText(*node.m_strExponent), false) + "</sup>";
}

QString RichNodes(const std::vector<CMathNode>& nodes, bool bFixed)
{
    QString strOut;
    for (size_t i = 0; i < nodes.size(); ++i)
    {
        const CMathNode& node = nodes[i];
        // A sign has no blanks.
        const QString strBase = !IsSign(nodes, i)       ? RichBase(node, bFixed)
                                : node.m_strText == "-" ? QString(QChar(0x2212))
                                                        : Escaped(node.m_strText);
        strOut += strBase + Exponent(node);
    }
    return strOut;
}

QString Cell(const QString& strContent)
{
    return "<td valign=\"middle\">" + strContent + "</td>";
}

QString RowTable(const std::vector<CMathNode>& nodes);

QString Part(const std::vector<CMathNode>& nodes)
{
    return HoldsStacked(nodes) ? RowTable(nodes) : Span(RichNodes(nodes, true));
}

QString FractionTable(const CMathNode& division)
{
    return "<table cellspacing=\"0\" cellpadding=\"1\"><tr><td align=\"center\" "
           "style=\"border-bottom: 1px solid black;\">" +
           Part(division.m_Children) + "</td></tr><tr><td align=\"center\">" +
           Part(division.m_Below) + "</td></tr></table>";
}

// Runs of plain nodes make one cell each; a division a cell of its own; brackets around a
// division open and close the runs beside it.
void AppendCells(const std::vector<CMathNode>& nodes, QString& strRun, QString& strCells)
{
    const auto flush = [&]
    {
        if (!strRun.isEmpty())
            strCells += Cell(Span(strRun));
        strRun.clear();
    };
    for (const CMathNode& node : nodes)
    {
        if (node.m_eKind == EMathKind::Stacked)
        {
            flush();
            strCells += Cell(FractionTable(node));
        }
        else if (node.m_eKind == EMathKind::Group && HoldsStacked(node.m_Children))
        {
            strRun += node.m_bBracketed ? "(" : "";
            flush();
            AppendCells(node.m_Children, strRun, strCells);
            flush();
            strRun += (node.m_bBracketed && node.m_bClosed ? ")" : "") + Exponent(node);
        }
        else
            strRun += RichBase(node, true) + Exponent(node);
    }
    flush();
}

QString RowTable(const std::vector<CMathNode>& nodes)
{
    QString strRun;
    QString strCells;
    AppendCells(nodes, strRun, strCells);
    return "<table cellspacing=\"0\" cellpadding=\"0\"><tr>" + strCells + "</tr></table>";
}

// Characters across: a division is as wide as the wider of its top and bottom.
size_t Width(const std::vector<CMathNode>& nodes)
{
    size_t nWidth = 0;
    for (const CMathNode& node : nodes)
    {
        if (node.m_eKind == EMathKind::Stacked)
            nWidth += std::max(Width(node.m_Children), Width(node.m_Below));
        else if (node.m_eKind == EMathKind::Group)
            nWidth += Width(node.m_Children) + 2;
        else
            nWidth += std::max<size_t>(node.m_strText.size(), 1);
        nWidth += node.m_strExponent ? node.m_strExponent->size() : 0;
    }
    return nWidth;
}
} // namespace

CRichMath RichMath(const std::string& strEquationText)
{
    std::vector<CMathNode> nodes = MathNodes(strEquationText);
    if (!HoldsStacked(nodes))
        return {Span(RichNodes(nodes, false)), false};
    QString strLines;
    std::vector<CMathNode> line;
    for (std::vector<CMathNode>& piece : SplitAtTerms(std::move(nodes)))
    {
        if (!line.empty() && Width(line) + Width(piece) > kLineLength)
        {
            strLines += RowTable(line);
            line.clear();
        }
        std::move(piece.begin(), piece.end(), std::back_inserter(line));
    }
    return {strLines + RowTable(line), true};
}

QString RichMathInLine(const std::string& strEquationText)
{
    return Span(RichNodes(ParseMathText(strEquationText), false));
}
