// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "output/MathText.h"

#include <QFont>
#include <QPointF>

#include <vector>

class QPainter;
class QPaintDevice;

// A formula's extent about its baseline, in the paint device's pixels.
struct CMathExtent
{
    qreal m_dWidth = 0;
    qreal m_dAscent = 0;
    qreal m_dDescent = 0;
};

// A formula laid out as a textbook sets it, with QPainter: divisions stacked over a rule,
// powers raised and smaller, square roots under a radical and a bar, brackets grown to what
// they hold, operators spaced and signs set close. Measured for the device that will draw it.
class CMathDrawing
{
public:
    CMathDrawing(const QFont& font, QPaintDevice* pDevice);

    CMathExtent Measure(const std::vector<CMathNode>& nodes) const;
    // Draws the formula with its baseline starting at origin.
    void Draw(QPainter& painter, const std::vector<CMathNode>& nodes, QPointF origin) const;

private:
    CMathExtent Row(const std::vector<CMathNode>& nodes, const QFont& font, QPainter* pPainter,
                    QPointF origin) const;
    CMathExtent Node(const std::vector<CMathNode>& nodes, size_t i, const QFont& font,
                     QPainter* pPainter, QPointF origin) const;
    CMathExtent Base(const std::vector<CMathNode>& nodes, size_t i, const QFont& font,
                     QPainter* pPainter, QPointF origin) const;
    CMathExtent Text(const QString& strText, const QFont& font, QPainter* pPainter,
                     QPointF origin) const;
    CMathExtent Division(const std::vector<CMathNode>& top, const std::vector<CMathNode>& bottom,
                         const QFont& font, QPainter* pPainter, QPointF origin) const;
    CMathExtent Radical(const std::vector<CMathNode>& inside, const QFont& font, QPainter* pPainter,
                        QPointF origin) const;
    CMathExtent Brackets(const CMathNode& group, const QFont& font, QPainter* pPainter,
                         QPointF origin) const;

    QFont m_Font;
    QPaintDevice* m_pDevice;
};

// The formula holds something a run of rich text cannot show: a stacked division or a root.
bool NeedsDrawing(const std::vector<CMathNode>& nodes);
