// SPDX-License-Identifier: GPL-3.0-or-later
#include "MathDrawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace
{
// Sizes as shares of the font's height.
constexpr qreal kOperatorSpace = 0.22; // each side of + − = ± ≈ ·
constexpr qreal kRuleGap = 0.1;        // between a division's rule and its top or bottom
constexpr qreal kRulePad = 0.08;       // the rule beyond the wider of top and bottom
constexpr qreal kRule = 0.05;          // the rule's and the radical's thickness
constexpr qreal kPowerSize = 0.7;      // a power's font against its base's

QFont Scaled(const QFont& font, qreal dShare)
{
    QFont scaled = font;
    if (font.pointSizeF() > 0)
        scaled.setPointSizeF(font.pointSizeF() * dShare);
    else
        scaled.setPixelSize(std::max(1, qRound(font.pixelSize() * dShare)));
    return scaled;
}

QString OperatorText(const std::string& strOperator)
{
    if (strOperator == "-")
        return QString(QChar(0x2212));
    if (strOperator == "*")
        return QString(QChar(0x00B7));
    return QString::fromStdString(strOperator);
}

bool IsSpaced(const std::string& strOperator)
{
    return strOperator == "+" || strOperator == "-" || strOperator == "=" || strOperator == "*" ||
           strOperator == "\xC2\xB1" || strOperator == "\xE2\x89\x88";
}

void Widen(CMathExtent& extent, const CMathExtent& part)
{
    extent.m_dWidth += part.m_dWidth;
    extent.m_dAscent = std::max(extent.m_dAscent, part.m_dAscent);
    extent.m_dDescent = std::max(extent.m_dDescent, part.m_dDescent);
}
} // namespace

CMathDrawing::CMathDrawing(const QFont& font, QPaintDevice* pDevice)
    : m_Font(font), m_pDevice(pDevice)
{
}

CMathExtent CMathDrawing::Measure(const std::vector<CMathNode>& nodes) const
{
    return Row(nodes, m_Font, nullptr, {});
}

void CMathDrawing::Draw(QPainter& painter, const std::vector<CMathNode>& nodes,
                        QPointF origin) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    Row(nodes, m_Font, &painter, origin);
    painter.restore();
}

CMathExtent CMathDrawing::Row(const std::vector<CMathNode>& nodes, const QFont& font,
                              QPainter* pPainter, QPointF origin) const
{
    CMathExtent extent;
    extent.m_dAscent = QFontMetricsF(font, m_pDevice).ascent();
    extent.m_dDescent = QFontMetricsF(font, m_pDevice).descent();
    for (size_t i = 0; i < nodes.size(); ++i)
        Widen(extent, Node(nodes, i, font, pPainter, origin + QPointF(extent.m_dWidth, 0)));
    return extent;
}

// A node and its power: raised by what the base reaches, at least to about half a line.
CMathExtent CMathDrawing::Node(const std::vector<CMathNode>& nodes, size_t i, const QFont& font,
                               QPainter* pPainter, QPointF origin) const
{
    CMathExtent extent = Base(nodes, i, font, pPainter, origin);
    if (!nodes[i].m_strExponent)
        return extent;
    const std::vector<CMathNode> power = ParseMathText(*nodes[i].m_strExponent);
    const QFont small = Scaled(font, kPowerSize);
    const CMathExtent raised = Row(power, small, nullptr, {});
    const qreal dLine = QFontMetricsF(font, m_pDevice).height();
    const qreal dShift = std::max(0.4 * dLine, extent.m_dAscent - 0.55 * raised.m_dAscent);
    if (pPainter)
        Row(power, small, pPainter, origin + QPointF(extent.m_dWidth, -dShift));
    extent.m_dWidth += raised.m_dWidth;
    extent.m_dAscent = std::max(extent.m_dAscent, dShift + raised.m_dAscent);
    extent.m_dDescent = std::max(extent.m_dDescent, raised.m_dDescent - dShift);
    return extent;
}

CMathExtent CMathDrawing::Base(const std::vector<CMathNode>& nodes, size_t i, const QFont& font,
                               QPainter* pPainter, QPointF origin) const
{
    const CMathNode& node = nodes[i];
    const qreal dLine = QFontMetricsF(font, m_pDevice).height();
    switch (node.m_eKind)
    {
    case EMathKind::Letter:
    {
        QFont italic = font;
        italic.setItalic(true);
        return Text(QString::fromStdString(node.m_strText), italic, pPainter, origin);
    }
    case EMathKind::Operator:
    {
        const qreal dSpace =
            IsSpaced(node.m_strText) && !IsSign(nodes, i) ? kOperatorSpace * dLine : 0;
        CMathExtent extent =
            Text(OperatorText(node.m_strText), font, pPainter, origin + QPointF(dSpace, 0));
        extent.m_dWidth += 2 * dSpace;
        return extent;
    }
    case EMathKind::Fraction:
    {
        CMathExtent extent = Text(QString::fromStdString(node.m_strText), font, pPainter, origin);
        const std::vector<CMathNode> top = ParseMathText(node.m_strNumerator);
        const std::vector<CMathNode> bottom = ParseMathText(node.m_strDenominator);
        Widen(extent, Division(top, bottom, Scaled(font, kPowerSize), pPainter,
                               origin + QPointF(extent.m_dWidth, 0)));
        return extent;
    }
    case EMathKind::Group:
        if (!node.m_bBracketed)
            return Row(node.m_Children, font, pPainter, origin);
        return Brackets(node, font, pPainter, origin);
    case EMathKind::Stacked:
        return Division(node.m_Children, node.m_Below, font, pPainter, origin);
    case EMathKind::Root:
        return Radical(node.m_Children, font, pPainter, origin);
    default:
        return Text(QString::fromStdString(node.m_strText), font, pPainter, origin);
    }
}

CMathExtent CMathDrawing::Text(const QString& strText, const QFont& font, QPainter* pPainter,
                               QPointF origin) const
{
    const QFontMetricsF metrics(font, m_pDevice);
    if (pPainter)
    {
        pPainter->setFont(font);
        pPainter->drawText(origin, strText);
    }
    return {metrics.horizontalAdvance(strText), metrics.ascent(), metrics.descent()};
}

// Top over a rule over bottom, the rule on the line's math axis (the height of a minus).
CMathExtent CMathDrawing::Division(const std::vector<CMathNode>& top,
                                   const std::vector<CMathNode>& bottom, const QFont& font,
                                   QPainter* pPainter, QPointF origin) const
{
    const QFontMetricsF metrics(font, m_pDevice);
    const qreal dLine = metrics.height();
    const qreal dAxis = metrics.strikeOutPos();
    const qreal dGap = kRuleGap * dLine;
    const qreal dRule = std::max(1.0, kRule * dLine);
    const CMathExtent upper = Row(top, font, nullptr, {});
    const CMathExtent lower = Row(bottom, font, nullptr, {});
    const qreal dPad = kRulePad * dLine;
    const qreal dWidth = std::max(upper.m_dWidth, lower.m_dWidth) + 2 * dPad;
    const qreal dRuleY = origin.y() - dAxis;
    if (pPainter)
    {
        pPainter->fillRect(QRectF(origin.x(), dRuleY - dRule / 2, dWidth, dRule),
                           pPainter->pen().color());
        Row(top, font, pPainter,
            {origin.x() + (dWidth - upper.m_dWidth) / 2, dRuleY - dGap - upper.m_dDescent});
        Row(bottom, font, pPainter,
            {origin.x() + (dWidth - lower.m_dWidth) / 2, dRuleY + dGap + lower.m_dAscent});
    }
    return {dWidth, dAxis + dGap + upper.m_dDescent + upper.m_dAscent,
            dGap + lower.m_dAscent + lower.m_dDescent - dAxis};
}

// A radical sign as tall as what it holds, and a bar over it.
CMathExtent CMathDrawing::Radical(const std::vector<CMathNode>& inside, const QFont& font,
                                  QPainter* pPainter, QPointF origin) const
{
    const qreal dLine = QFontMetricsF(font, m_pDevice).height();
    const CMathExtent under = Row(inside, font, nullptr, {});
    const qreal dSign = 0.5 * dLine;
    const qreal dGap = kRuleGap * dLine;
    const qreal dRule = std::max(1.0, kRule * dLine);
    const qreal dTop = origin.y() - under.m_dAscent - dGap;
    const qreal dBottom = origin.y() + under.m_dDescent;
    const qreal dWidth = dSign + under.m_dWidth + 0.1 * dLine;
    if (pPainter)
    {
        QPainterPath path;
        const qreal dHeight = dBottom - dTop;
        path.moveTo(origin.x(), dBottom - 0.45 * dHeight);
        path.lineTo(origin.x() + 0.2 * dSign, dBottom - 0.55 * dHeight);
        path.lineTo(origin.x() + 0.5 * dSign, dBottom);
        path.lineTo(origin.x() + 0.9 * dSign, dTop);
        path.lineTo(origin.x() + dWidth, dTop);
        pPainter->save();
        pPainter->setPen(QPen(pPainter->pen().color(), dRule));
        pPainter->setBrush(Qt::NoBrush);
        pPainter->drawPath(path);
        pPainter->restore();
        Row(inside, font, pPainter, origin + QPointF(dSign, 0));
    }
    return {dWidth, under.m_dAscent + dGap + dRule, under.m_dDescent};
}

// Brackets of the font around a line of text; drawn as tall as a stacked division they hold.
CMathExtent CMathDrawing::Brackets(const CMathNode& group, const QFont& font, QPainter* pPainter,
                                   QPointF origin) const
{
    const QFontMetricsF metrics(font, m_pDevice);
    const CMathExtent inside = Row(group.m_Children, font, nullptr, {});
    const bool bTall = inside.m_dAscent + inside.m_dDescent > 1.2 * metrics.height();
    if (!bTall)
    {
        CMathExtent extent = Text(QStringLiteral("("), font, pPainter, origin);
        Widen(extent, Row(group.m_Children, font, pPainter, origin + QPointF(extent.m_dWidth, 0)));
        if (group.m_bClosed)
            Widen(extent,
                  Text(QStringLiteral(")"), font, pPainter, origin + QPointF(extent.m_dWidth, 0)));
        return extent;
    }
    const qreal dBracket = 0.3 * metrics.height();
    const qreal dTop = origin.y() - inside.m_dAscent;
    const qreal dBottom = origin.y() + inside.m_dDescent;
    const auto bracket = [&](qreal dX, qreal dBow)
    {
        QPainterPath path;
        path.moveTo(dX, dTop);
        path.quadTo(dX + dBow, (dTop + dBottom) / 2, dX, dBottom);
        pPainter->save();
        pPainter->setPen(QPen(pPainter->pen().color(), std::max(1.0, kRule * metrics.height())));
        pPainter->setBrush(Qt::NoBrush);
        pPainter->drawPath(path);
        pPainter->restore();
    };
    if (pPainter)
    {
        bracket(origin.x() + 0.8 * dBracket, -0.9 * dBracket);
        Row(group.m_Children, font, pPainter, origin + QPointF(dBracket, 0));
        if (group.m_bClosed)
            bracket(origin.x() + dBracket + inside.m_dWidth + 0.2 * dBracket, 0.9 * dBracket);
    }
    return {inside.m_dWidth + (group.m_bClosed ? 2 : 1) * dBracket, inside.m_dAscent,
            inside.m_dDescent};
}

bool NeedsDrawing(const std::vector<CMathNode>& nodes)
{
    return std::any_of(
        nodes.begin(), nodes.end(),
        [](const CMathNode& node)
        {
            return node.m_eKind == EMathKind::Stacked || node.m_eKind == EMathKind::Root ||
                   ((node.m_eKind == EMathKind::Group) && NeedsDrawing(node.m_Children));
        });
}
