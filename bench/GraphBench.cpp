// SPDX-License-Identifier: GPL-3.0-or-later
// Times the graph of a degree-10 rational function painted into an image the size of the
// window's graph pane: a new view (what a zoom or a pan costs: sampling and painting), and the
// whole graph of a newly simplified problem (reading it, sampling and painting).
#include "GraphFiles.h"
#include "GraphPainter.h"
#include "plot/Plot.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

namespace
{
// Poles at 1, -2 and between, a cancelled factor (x-3) making a hole, ten real-valued wiggles.
constexpr const char* kDegreeTen =
    "(x^10!-3x^9!+x^7!-5x^6!+2x^4!-x^3!+7x^2!-x+1)(x-3)/((x-1)(x+2)(x^2!-3)(x-3))";
const QSize kPaneSize(620, 330);

void PaintInto(QImage& image, const CPlotGeometry& geometry)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintGraph(painter, QRectF(QPointF(0, 0), kPaneSize), geometry, CGraphColours::ForPaper());
}

void BM_GraphNewView(benchmark::State& state)
{
    EnsureGraphApplication();
    const CPlotProblem problem(kDegreeTen);
    QImage image(kPaneSize, QImage::Format_ARGB32_Premultiplied);
    CPlotRange view = problem.AutomaticRange();
    for (auto _ : state)
    {
        // A small pan each time, so that nothing is reused from the view before.
        view.m_dXMin += 0.01;
        view.m_dXMax += 0.01;
        PaintInto(image, problem.Sample(view));
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_GraphNewView)->Unit(benchmark::kMillisecond);

void BM_GraphNewProblem(benchmark::State& state)
{
    EnsureGraphApplication();
    QImage image(kPaneSize, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
    {
        const CPlotProblem problem(kDegreeTen);
        PaintInto(image, problem.Sample());
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_GraphNewProblem)->Unit(benchmark::kMillisecond);
} // namespace
