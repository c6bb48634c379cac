// SPDX-License-Identifier: GPL-3.0-or-later
#include "SolutionValue.h"

#include "MathDrawing.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace
{
constexpr int kPadding = 4; // pixels above and below the stacked line
}

CSolutionValue::CSolutionValue(QWidget* pParent) : QLabel(pParent)
{
    setProperty(kGrowsProperty, true);
}

void CSolutionValue::SetPieces(const std::vector<CStepPiece>& pieces)
{
    std::vector<CPart> parts;
    bool bStacked = false;
    for (const CStepPiece& piece : pieces)
    {
        if (!piece.m_bFormula)
        {
            parts.push_back({QString::fromStdString(piece.m_strText), {}});
            continue;
        }
        std::vector<CMathNode> nodes = MathNodes(piece.m_strFormula);
        bStacked = bStacked || NeedsDrawing(nodes);
        parts.push_back({{}, std::move(nodes)});
    }
    m_Parts = bStacked ? std::move(parts) : std::vector<CPart>();
    updateGeometry();
    update();
}

// The formulas upright with the label's weight: the drawing sets its letters italic itself.
QFont CSolutionValue::MathFont() const
{
    QFont math = font();
    math.setItalic(false);
    math.setPointSizeF(QFontInfo(font()).pointSizeF()); // the drawing scales points
    return math;
}

CMathExtent CSolutionValue::Extent() const
{
    const QFontMetricsF words(font(), const_cast<CSolutionValue*>(this));
    const CMathDrawing drawing(MathFont(), const_cast<CSolutionValue*>(this));
    CMathExtent extent{0, words.ascent(), words.descent()};
    for (const CPart& part : m_Parts)
    {
        const CMathExtent piece = part.m_Math.empty()
                                      ? CMathExtent{words.horizontalAdvance(part.m_strWords),
                                                    words.ascent(), words.descent()}
                                      : drawing.Measure(part.m_Math);
        extent.m_dWidth += piece.m_dWidth;
        extent.m_dAscent = std::max(extent.m_dAscent, piece.m_dAscent);
        extent.m_dDescent = std::max(extent.m_dDescent, piece.m_dDescent);
    }
    return extent;
}

QSize CSolutionValue::sizeHint() const
{
    const QSize text = QLabel::sizeHint();
    if (m_Parts.empty())
        return text;
    const CMathExtent extent = Extent();
    return {
        std::max(text.width(), static_cast<int>(std::ceil(extent.m_dWidth))),
        std::max(text.height(),
                 static_cast<int>(std::ceil(extent.m_dAscent + extent.m_dDescent)) + 2 * kPadding)};
}

QSize CSolutionValue::minimumSizeHint() const
{
    const QSize text = QLabel::minimumSizeHint();
    return m_Parts.empty() ? text : QSize(text.width(), sizeHint().height());
}

void CSolutionValue::paintEvent(QPaintEvent* pEvent)
{
    if (m_Parts.empty())
        return QLabel::paintEvent(pEvent);
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const CMathExtent extent = Extent();
    const QRect room = contentsRect();
    const qreal dBaseline =
        room.top() + (room.height() - extent.m_dAscent - extent.m_dDescent) / 2 + extent.m_dAscent;
    const QFontMetricsF words(font(), this);
    const CMathDrawing drawing(MathFont(), this);
    qreal dX = room.left();
    for (const CPart& part : m_Parts)
    {
        if (part.m_Math.empty())
        {
            painter.setFont(font());
            painter.drawText(QPointF(dX, dBaseline), part.m_strWords);
            dX += words.horizontalAdvance(part.m_strWords);
            continue;
        }
        drawing.Draw(painter, part.m_Math, {dX, dBaseline});
        dX += drawing.Measure(part.m_Math).m_dWidth;
    }
}
