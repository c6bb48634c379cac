// SPDX-License-Identifier: LGPL-3.0-or-later
#include "widget/ZelvixPainter.h"

#include "widget/ZelvixFonts.h"

#include <QPainter>
#include <QPainterPath>
#include <QRect>

namespace
{
const QColor kWhite(255, 255, 255);
const QColor kReadOnlyGrey(192, 192, 192);
const QColor kErrorRed(255, 0, 0);
const QColor kBlack(0, 0, 0);
const QColor kSelection(0, 120, 215, 90);

// Lines end one pixel short of their end point, as the layout measures them.
void DrawHorizontal(QPainter& painter, const CLayoutLine& line)
{
    if (line.m_nX2 > line.m_nX1)
        painter.drawLine(line.m_nX1, line.m_nY1, line.m_nX2 - 1, line.m_nY1);
}

void DrawTexts(QPainter& painter, const CEquationLayout& layout, const CZelvixFonts& fonts)
{
    // Text is drawn on cells of the background colour, so overlapping pieces stay legible.
    painter.setBackgroundMode(Qt::OpaqueMode);
    for (const CLayoutText& text : layout.m_Texts)
    {
        painter.setFont(fonts.GetFont(text.m_nFont));
        painter.setPen(text.m_bRed ? kErrorRed : kBlack);
        const int nBaseline = text.m_nY + fonts.GetAscent(text.m_nFont);
        painter.drawText(text.m_nX, nBaseline, QString::fromLatin1(text.m_strText.c_str()));
    }
    painter.setBackgroundMode(Qt::TransparentMode);
}

// A bracket as tall as what it holds: a curve bowed away from the contents.
void DrawBracket(QPainter& painter, const CLayoutBracket& bracket)
{
    const qreal dInner = bracket.m_bOpening ? bracket.m_nX + bracket.m_nWidth : bracket.m_nX;
    const qreal dOuter = bracket.m_bOpening ? bracket.m_nX : bracket.m_nX + bracket.m_nWidth;
    const qreal dHeight = bracket.m_nBottom - bracket.m_nTop;
    QPainterPath path(QPointF(dInner, bracket.m_nTop));
    path.cubicTo(QPointF(dOuter, bracket.m_nTop + dHeight / 4),
                 QPointF(dOuter, bracket.m_nBottom - dHeight / 4),
                 QPointF(dInner, bracket.m_nBottom));
    painter.drawPath(path);
}

// Two bevels: grey above and left, white below and right outside; dark and light inside.
void DrawSunkenFrame(QPainter& painter, const QRect& bounds)
{
    const QRect outer = bounds.adjusted(0, 0, -1, -1);
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    const auto bevel = [&painter](const QRect& r, const QColor& topLeft, const QColor& bottomRight)
    {
        painter.setPen(topLeft);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    };
    bevel(outer, QColor(128, 128, 128), kWhite);
    bevel(inner, QColor(64, 64, 64), QColor(212, 208, 200));
}
} // namespace

void PaintEquationLayout(QPainter& painter, const CEquationLayout& layout,
                         const CZelvixFonts& fonts, const QRect& bounds)
{
    const QColor background = layout.m_bGreyBackground ? kReadOnlyGrey : kWhite;
    painter.fillRect(bounds, background);
    painter.setBackground(background);
    DrawTexts(painter, layout, fonts);
    // Translucent over the text, so selected characters keep their colours and stay readable.
    if (layout.m_bSelection && layout.m_nSelectionX2 > layout.m_nSelectionX1)
        painter.fillRect(QRect(QPoint(layout.m_nSelectionX1, 2),
                               QPoint(layout.m_nSelectionX2 - 1, bounds.height() - 3)),
                         kSelection);

    painter.setPen(kBlack);
    for (const CLayoutLine& bar : layout.m_Bars)
        DrawHorizontal(painter, bar);
    if (!layout.m_Brackets.empty())
    {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(kBlack, 1.6));
        for (const CLayoutBracket& bracket : layout.m_Brackets)
            DrawBracket(painter, bracket);
        painter.restore();
    }
    if (layout.m_bCaret && layout.m_Caret.m_nY2 > layout.m_Caret.m_nY1)
        painter.drawLine(layout.m_Caret.m_nX1, layout.m_Caret.m_nY1, layout.m_Caret.m_nX1,
                         layout.m_Caret.m_nY2 - 1);
    DrawSunkenFrame(painter, bounds);
}
