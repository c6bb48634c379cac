// SPDX-License-Identifier: GPL-3.0-or-later
#include "GraphPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace
{
constexpr double kCurveWidth = 2.0;
constexpr double kMarkRadius = 4.5;
constexpr int kWantedTicks = 8;

QString TickLabel(double dValue, double dStep)
{
    if (std::fabs(dValue) < dStep * 1e-6)
        return "0";
    QString strText = QString::number(dValue, 'g', 10);
    return strText.replace('-', QChar(0x2212));
}

QPen CosmeticPen(const QColor& colour, double dWidth, Qt::PenStyle eStyle = Qt::SolidLine)
{
    QPen pen(colour, dWidth, eStyle);
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// A label on a faint plate of the background, so that no curve or grid line runs through it.
void DrawLabel(QPainter& painter, const QPointF& baseline, const QString& strText,
               const CGraphColours& colours)
{
    const QFontMetricsF metrics(painter.font());
    const QRectF plate(baseline.x() - 2, baseline.y() - metrics.ascent() - 1,
                       metrics.horizontalAdvance(strText) + 4, metrics.height() + 2);
    QColor background = colours.m_Background;
    background.setAlphaF(0.8f);
    painter.fillRect(plate, background);
    painter.setPen(colours.m_Text);
    painter.drawText(baseline, strText);
}

// A tick label this near the edge of the drawing would be cut off.
bool NearEdge(const QRectF& rect, const QPointF& at)
{
    constexpr double kEdge = 14;
    return at.x() < rect.left() + kEdge || at.x() > rect.right() - kEdge ||
           at.y() < rect.top() + kEdge || at.y() > rect.bottom() - kEdge;
}

// Ticks on one axis: the multiples of a round step inside the span.
template <typename Draw> void ForEachTick(double dMin, double dMax, double dStep, Draw draw)
{
    for (double k = std::ceil(dMin / dStep);
         k * dStep <= dMax && k - std::ceil(dMin / dStep) < 1000; ++k)
        draw(k * dStep);
}

// The axis goes through 0, or along the nearer edge when 0 is out of sight.
double AxisPosition(double dMin, double dMax)
{
    return std::clamp(0.0, dMin, dMax);
}

void PaintGridAndAxes(QPainter& painter, const CGraphMapping& map, const CGraphColours& colours)
{
    const CPlotRange& view = map.GetView();
    const double dXStep = RoundTickStep(view.m_dXMax - view.m_dXMin, kWantedTicks);
    const double dYStep = RoundTickStep(view.m_dYMax - view.m_dYMin, kWantedTicks);
    const double dAxisX = AxisPosition(view.m_dXMin, view.m_dXMax);
    const double dAxisY = AxisPosition(view.m_dYMin, view.m_dYMax);
    painter.setPen(CosmeticPen(colours.m_Grid, 1));
    ForEachTick(view.m_dXMin, view.m_dXMax, dXStep,
                [&](double x) {
                    painter.drawLine(map.ToDevice(x, view.m_dYMin), map.ToDevice(x, view.m_dYMax));
                });
    ForEachTick(view.m_dYMin, view.m_dYMax, dYStep,
                [&](double y) {
                    painter.drawLine(map.ToDevice(view.m_dXMin, y), map.ToDevice(view.m_dXMax, y));
                });
    painter.setPen(CosmeticPen(colours.m_Axis, 1.2));
    painter.drawLine(map.ToDevice(view.m_dXMin, dAxisY), map.ToDevice(view.m_dXMax, dAxisY));
    painter.drawLine(map.ToDevice(dAxisX, view.m_dYMin), map.ToDevice(dAxisX, view.m_dYMax));
    painter.setPen(colours.m_Text);
    const QFontMetricsF metrics(painter.font());
    ForEachTick(view.m_dXMin, view.m_dXMax, dXStep,
                [&](double x)
                {
                    const QPointF at = map.ToDevice(x, dAxisY);
                    if (std::fabs(x - dAxisX) < dXStep * 1e-6 || NearEdge(map.GetRect(), at))
                        return;
                    painter.drawLine(at - QPointF(0, 3), at + QPointF(0, 3));
                    const QString strLabel = TickLabel(x, dXStep);
                    painter.drawText(at + QPointF(-metrics.horizontalAdvance(strLabel) / 2,
                                                  metrics.ascent() + 4),
                                     strLabel);
                });
    ForEachTick(view.m_dYMin, view.m_dYMax, dYStep,
                [&](double y)
                {
                    const QPointF at = map.ToDevice(dAxisX, y);
                    if (std::fabs(y - dAxisY) < dYStep * 1e-6 || NearEdge(map.GetRect(), at))
                        return;
                    painter.drawLine(at - QPointF(3, 0), at + QPointF(3, 0));
                    painter.drawText(at + QPointF(5, metrics.ascent() / 2 - 1),
                                     TickLabel(y, dYStep));
                });
}

void PaintVerticals(QPainter& painter, const CGraphMapping& map, const CPlotGeometry& geometry,
                    const CGraphColours& colours)
{
    const CPlotRange& view = map.GetView();
    painter.setPen(CosmeticPen(colours.m_Mark, 1.2, Qt::DashLine));
    for (const CPlotVertical& vertical : geometry.m_Verticals)
        painter.drawLine(map.ToDevice(vertical.m_dX, view.m_dYMax),
                         map.ToDevice(vertical.m_dX, view.m_dYMin));
}

// Labels go on last, above every line.
void PaintVerticalLabels(QPainter& painter, const CGraphMapping& map, const CPlotGeometry& geometry,
                         const CGraphColours& colours)
{
    const double dAscent = QFontMetricsF(painter.font()).ascent();
    for (const CPlotVertical& vertical : geometry.m_Verticals)
        DrawLabel(painter,
                  map.ToDevice(vertical.m_dX, map.GetView().m_dYMax) + QPointF(4, dAscent + 2),
                  QString::fromStdString(vertical.m_strLabel), colours);
}

void PaintCurves(QPainter& painter, const CGraphMapping& map, const CPlotGeometry& geometry,
                 const CGraphColours& colours)
{
    for (size_t i = 0; i < geometry.m_Curves.size(); ++i)
    {
        QPainterPath path;
        for (const std::vector<CPlotPoint>& piece : geometry.m_Curves[i].m_Pieces)
        {
            path.moveTo(map.ToDevice(piece[0].m_dX, piece[0].m_dY));
            for (size_t j = 1; j < piece.size(); ++j)
                path.lineTo(map.ToDevice(piece[j].m_dX, piece[j].m_dY));
        }
        painter.setPen(CosmeticPen(colours.m_Curves[i % 2], kCurveWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }
}

void PaintMarks(QPainter& painter, const CGraphMapping& map, const CPlotGeometry& geometry,
                const CGraphColours& colours)
{
    for (const CPlotMark& mark : geometry.m_Marks)
    {
        const QPointF at = map.ToDevice(mark.m_dX, mark.m_dY);
        const bool bHole = mark.m_eKind == EPlotMark::Hole;
        painter.setPen(CosmeticPen(bHole ? colours.m_Curves[0] : colours.m_Mark, 1.8));
        painter.setBrush(bHole ? colours.m_Background : colours.m_Mark);
        painter.drawEllipse(at, kMarkRadius, kMarkRadius);
        DrawLabel(painter, at + QPointF(kMarkRadius + 3, -kMarkRadius - 3),
                  QString::fromStdString(mark.m_strLabel), colours);
    }
}

void PaintLegend(QPainter& painter, const QRectF& rect, const CPlotGeometry& geometry,
                 const CGraphColours& colours)
{
    if (geometry.m_Curves.size() < 2)
        return;
    const QFontMetricsF metrics(painter.font());
    const double dLine = metrics.height() + 2;
    double dWidth = 0;
    for (const CPlotCurve& curve : geometry.m_Curves)
        dWidth =
            std::max(dWidth, metrics.horizontalAdvance(QString::fromStdString(curve.m_strLabel)));
    const QRectF box(rect.left() + 8, rect.top() + 8, dWidth + 40,
                     dLine * static_cast<double>(geometry.m_Curves.size()) + 8);
    painter.setPen(CosmeticPen(colours.m_Grid, 1));
    painter.setBrush(colours.m_Background);
    painter.drawRect(box);
    for (size_t i = 0; i < geometry.m_Curves.size(); ++i)
    {
        const double y = box.top() + 4 + dLine * (static_cast<double>(i) + 0.5);
        painter.setPen(CosmeticPen(colours.m_Curves[i % 2], kCurveWidth));
        painter.drawLine(QPointF(box.left() + 6, y), QPointF(box.left() + 28, y));
        painter.setPen(colours.m_Text);
        painter.drawText(QPointF(box.left() + 34, y + metrics.ascent() / 2 - 1),
                         QString::fromStdString(geometry.m_Curves[i].m_strLabel));
    }
}

void PaintSentence(QPainter& painter, const QRectF& rect, const std::string& strText, int nFlags)
{
    painter.drawText(rect.adjusted(10, 10, -10, -10), nFlags | Qt::TextWordWrap,
                     QString::fromStdString(strText));
}
} // namespace

CGraphColours CGraphColours::FromPalette(const QPalette& palette)
{
    CGraphColours colours;
    colours.m_Background = palette.color(QPalette::Base);
    colours.m_Text = palette.color(QPalette::Text);
    const bool bDark = colours.m_Background.lightnessF() < 0.5;
    colours.m_Axis = colours.m_Text;
    colours.m_Grid = colours.m_Text;
    colours.m_Grid.setAlphaF(0.12f);
    colours.m_Mark = bDark ? QColor(0xff, 0x9e, 0x64) : QColor(0xc0, 0x39, 0x2b);
    colours.m_Curves[0] = bDark ? QColor(0x6c, 0xb6, 0xff) : QColor(0x1f, 0x5f, 0xbf);
    colours.m_Curves[1] = bDark ? QColor(0x7e, 0xe0, 0x8a) : QColor(0x2e, 0x8b, 0x3e);
    return colours;
}

CGraphColours CGraphColours::ForPaper()
{
    QPalette palette;
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    return FromPalette(palette);
}

QPointF CGraphMapping::ToDevice(double dX, double dY) const
{
    const double u = (dX - m_View.m_dXMin) / (m_View.m_dXMax - m_View.m_dXMin);
    const double v = (dY - m_View.m_dYMin) / (m_View.m_dYMax - m_View.m_dYMin);
    return {m_Rect.left() + u * m_Rect.width(), m_Rect.bottom() - v * m_Rect.height()};
}

QPointF CGraphMapping::ToPlane(const QPointF& device) const
{
    const double u = (device.x() - m_Rect.left()) / m_Rect.width();
    const double v = (m_Rect.bottom() - device.y()) / m_Rect.height();
    return {m_View.m_dXMin + u * (m_View.m_dXMax - m_View.m_dXMin),
            m_View.m_dYMin + v * (m_View.m_dYMax - m_View.m_dYMin)};
}

double RoundTickStep(double dSpan, int nWanted)
{
    if (!(dSpan > 0) || !std::isfinite(dSpan))
        return 1;
    const double dRough = dSpan / nWanted;
    const double dPower = std::pow(10.0, std::floor(std::log10(dRough)));
    for (double dFactor : {1.0, 2.0, 5.0})
        if (dFactor * dPower >= dRough)
            return dFactor * dPower;
    return 10 * dPower;
}

void PaintGraph(QPainter& painter, const QRectF& rect, const CPlotGeometry& geometry,
                const CGraphColours& colours)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect, colours.m_Background);
    painter.setPen(colours.m_Text);
    if (!geometry.m_strMessage.empty())
    {
        PaintSentence(painter, rect, geometry.m_strMessage, Qt::AlignCenter);
        painter.restore();
        return;
    }
    const CGraphMapping map(geometry.m_View, rect);
    painter.setClipRect(rect);
    PaintGridAndAxes(painter, map, colours);
    PaintVerticals(painter, map, geometry, colours);
    PaintCurves(painter, map, geometry, colours);
    PaintMarks(painter, map, geometry, colours);
    PaintVerticalLabels(painter, map, geometry, colours);
    PaintLegend(painter, rect, geometry, colours);
    if (!geometry.m_strNote.empty())
    {
        const QString strNote = QString::fromStdString(geometry.m_strNote);
        const QFontMetricsF metrics(painter.font());
        const double dX = rect.center().x() - metrics.horizontalAdvance(strNote) / 2;
        DrawLabel(painter,
                  QPointF(std::max(rect.left() + 8, dX), rect.bottom() - metrics.descent() - 8),
                  strNote, colours);
    }
    painter.restore();
}
