// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plot/Plot.h"

#include <QColor>
#include <QRectF>

class QPainter;
class QPalette;

// The colours of a graph, taken from a palette so that dark themes read as well as light.
struct CGraphColours
{
    QColor m_Background, m_Text, m_Axis, m_Grid, m_Mark;
    QColor m_Curves[2];

    static CGraphColours FromPalette(const QPalette& palette);
    // Dark curves on white, for files and paper.
    static CGraphColours ForPaper();
};

// Where a view sits in a rectangle of the device, both ways.
class CGraphMapping
{
public:
    CGraphMapping(const CPlotRange& view, const QRectF& rect) : m_View(view), m_Rect(rect) {}

    QPointF ToDevice(double dX, double dY) const;
    QPointF ToPlane(const QPointF& device) const;
    const QRectF& GetRect() const { return m_Rect; }
    const CPlotRange& GetView() const { return m_View; }

private:
    CPlotRange m_View;
    QRectF m_Rect;
};

// A round step for about nWanted ticks over a span: 1, 2 or 5 times a power of ten.
double RoundTickStep(double dSpan, int nWanted);

// Draws one geometry into the rectangle: grid, axes through 0 with round ticks, the dashed
// verticals, the curves, the marks with their labels, a legend for two curves, and the
// message or note. The same code for every device.
void PaintGraph(QPainter& painter, const QRectF& rect, const CPlotGeometry& geometry,
                const CGraphColours& colours);
