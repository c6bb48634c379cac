// SPDX-License-Identifier: GPL-3.0-or-later
#include "Plot.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr int kGridPerView = 256;    // even steps across the view before any refining
constexpr int kMaxDepth = 14;        // halvings of one step where the curve bends
constexpr int kPointBudget = 40000;  // per curve and view: bounded work for any function
constexpr double kFlatness = 0.0008; // of the view height: finer than a pixel
constexpr double kJump = 0.5;        // of the view height in one finest step: a pole
constexpr double kOutside = 0.05;    // a curve is drawn this far beyond the view, then cut
constexpr int kRangeSamples = 401;
constexpr double kQuantile = 0.025;

// Points of one curve for one view, as polylines broken wherever it is undefined or jumps.
class CSampler
{
public:
    CSampler(const CPlotFunction& function, const CPlotRange& view)
        : m_Function(function), m_View(view), m_dHeight(view.m_dYMax - view.m_dYMin)
    {
    }

    // One stretch between the view's edges or a divisor's zeros (never sampled on).
    void SamplePiece(double dA, double dB, bool bOpenA, bool bOpenB)
    {
        const double dInset = (dB - dA) * 1e-9;
        const double dStart = bOpenA ? dA + dInset : dA;
        const double dEnd = bOpenB ? dB - dInset : dB;
        const int nSteps = std::max(8, static_cast<int>(kGridPerView * (dEnd - dStart) /
                                                        (m_View.m_dXMax - m_View.m_dXMin)));
        double dX = dStart, dY = Value(dStart);
        Add(dX, dY);
        for (int i = 1; i <= nSteps; ++i)
        {
            const double dNextX = i == nSteps ? dEnd : dStart + (dEnd - dStart) * i / nSteps;
            const double dNextY = Value(dNextX);
            Refine(dX, dY, dNextX, dNextY, 0);
            dX = dNextX, dY = dNextY;
        }
        Break();
    }

    std::vector<std::vector<CPlotPoint>> TakePieces() { return std::move(m_Pieces); }
    bool AnyFinite() const { return m_bAnyFinite; }
    bool AnyInfinite() const { return m_bAnyInfinite; }

private:
    double Value(double dX)
    {
        ++m_nPoints;
        const double dY = m_Function(dX);
        m_bAnyFinite = m_bAnyFinite || std::isfinite(dY);
        m_bAnyInfinite = m_bAnyInfinite || std::isinf(dY);
        return dY;
    }

    // Height in the view, 0 at the bottom and 1 at the top, held to a little beyond both.
    double Level(double dY) const
    {
        return std::clamp((dY - m_View.m_dYMin) / m_dHeight, -1.0, 2.0);
    }

    bool NeedsSplit(double dYA, double dYM, double dYB) const
    {
        const int nFinite = std::isfinite(dYA) + std::isfinite(dYM) + std::isfinite(dYB);
        if (nFinite < 3)
            return nFinite > 0; // find where it becomes undefined
        const double dA = Level(dYA), dM = Level(dYM), dB = Level(dYB);
        if ((dA > 1 + kOutside && dM > 1 + kOutside && dB > 1 + kOutside) ||
            (dA < -kOutside && dM < -kOutside && dB < -kOutside))
            return false;
        return std::fabs(dM - (dA + dB) / 2) > kFlatness || std::fabs(dB - dA) > 0.1;
    }

    void Refine(double dXA, double dYA, double dXB, double dYB, int nDepth)
    {
        const double dXM = (dXA + dXB) / 2, dYM = Value(dXM);
        if (nDepth < kMaxDepth && m_nPoints < kPointBudget && NeedsSplit(dYA, dYM, dYB))
        {
            Refine(dXA, dYA, dXM, dYM, nDepth + 1);
            Refine(dXM, dYM, dXB, dYB, nDepth + 1);
            return;
        }
        // Still a jump at the finest step: a pole no divisor showed, never to be bridged.
        if (nDepth >= kMaxDepth && std::fabs(Level(dYB) - Level(dYA)) > kJump)
            Break();
        Add(dXM, dYM);
        Add(dXB, dYB);
    }

    void Add(double dX, double dY)
    {
        if (!std::isfinite(dY))
            return Break();
        m_Current.push_back({dX, dY});
    }

    void Break()
    {
        if (m_Current.size() >= 2)
            ClipCurrent();
        m_Current.clear();
    }

    // Cuts the polyline to a band a little beyond the view's height: no point far off the view
    // reaches the painter.
    void ClipCurrent()
    {
        const double dLow = m_View.m_dYMin - kOutside * m_dHeight;
        const double dHigh = m_View.m_dYMax + kOutside * m_dHeight;
        std::vector<CPlotPoint> piece;
        for (size_t i = 0; i + 1 < m_Current.size(); ++i)
        {
            CPlotPoint a = m_Current[i], b = m_Current[i + 1];
            if (!ClipSegment(a, b, dLow, dHigh))
            {
                Flush(piece);
                continue;
            }
            if (piece.empty() || piece.back().m_dX != a.m_dX || piece.back().m_dY != a.m_dY)
            {
                Flush(piece);
                piece.push_back(a);
            }
            piece.push_back(b);
        }
        Flush(piece);
    }

    static bool ClipSegment(CPlotPoint& a, CPlotPoint& b, double dLow, double dHigh)
    {
        if ((a.m_dY < dLow && b.m_dY < dLow) || (a.m_dY > dHigh && b.m_dY > dHigh))
            return false;
        const auto cut = [&](CPlotPoint& p, const CPlotPoint& q, double dLevel)
        {
            const double t = (dLevel - p.m_dY) / (q.m_dY - p.m_dY);
            p = {p.m_dX + t * (q.m_dX - p.m_dX), dLevel};
        };
        for (CPlotPoint* p : {&a, &b})
        {
            const CPlotPoint& q = p == &a ? b : a;
            if (p->m_dY < dLow)
                cut(*p, q, dLow);
            else if (p->m_dY > dHigh)
                cut(*p, q, dHigh);
        }
        return true;
    }

    void Flush(std::vector<CPlotPoint>& piece)
    {
        if (piece.size() >= 2)
            m_Pieces.push_back(std::move(piece));
        piece.clear();
    }

    const CPlotFunction& m_Function;
    const CPlotRange& m_View;
    double m_dHeight;
    std::vector<CPlotPoint> m_Current;
    std::vector<std::vector<CPlotPoint>> m_Pieces;
    int m_nPoints = 0;
    bool m_bAnyFinite = false;
    bool m_bAnyInfinite = false;
};

double Quantile(const std::vector<double>& sorted, double dShare)
{
    return sorted[static_cast<size_t>(dShare * static_cast<double>(sorted.size() - 1))];
}
} // namespace

CPlotRange CPlotProblem::AutomaticRange() const
{
    std::vector<double> xs;
    for (const CPlotMark& mark : m_Marks)
        xs.push_back(mark.m_dX);
    for (const CPlotVertical& vertical : m_Verticals)
        xs.push_back(vertical.m_dX);
    if (xs.empty())
        return YRangeFor(-10, 10);
    const double dLow = std::min(0.0, *std::min_element(xs.begin(), xs.end()));
    const double dHigh = std::max(0.0, *std::max_element(xs.begin(), xs.end()));
    const double dMargin = std::max(0.25 * (dHigh - dLow), 3.0);
    return YRangeFor(dLow - dMargin, dHigh + dMargin);
}

// The curves' values over the range, clipped at a quantile when a few samples next to a pole
// would blow the range up, with every mark inside and the x-axis in sight.
CPlotRange CPlotProblem::YRangeFor(double dXMin, double dXMax) const
{
    std::vector<double> values;
    for (const CPlotFunction& function : m_Functions)
        for (int i = 0; i < kRangeSamples; ++i)
        {
            const double dY = function(dXMin + (dXMax - dXMin) * i / (kRangeSamples - 1));
            if (std::isfinite(dY))
                values.push_back(dY);
        }
    double dLow = 0, dHigh = 0;
    if (!values.empty())
    {
        std::sort(values.begin(), values.end());
        const double dQLow = Quantile(values, kQuantile), dQHigh = Quantile(values, 1 - kQuantile);
        const bool bPoles = values.back() - values.front() > 4 * (dQHigh - dQLow);
        dLow = std::min(dLow, bPoles ? dQLow : values.front());
        dHigh = std::max(dHigh, bPoles ? dQHigh : values.back());
    }
    for (const CPlotMark& mark : m_Marks)
        if (mark.m_dX >= dXMin && mark.m_dX <= dXMax)
            dLow = std::min(dLow, mark.m_dY), dHigh = std::max(dHigh, mark.m_dY);
    double dMargin = 0.1 * (dHigh - dLow);
    if (!(dMargin > 1e-300) || !std::isfinite(dMargin))
        dMargin = std::isfinite(dMargin) ? 1.0 : 0.0;
    dLow = std::max(dLow - dMargin, -1e300), dHigh = std::min(dHigh + dMargin, 1e300);
    return {dXMin, dXMax, dLow, dHigh};
}

CPlotGeometry CPlotProblem::Sample(const CPlotRange& view) const
{
    CPlotGeometry geometry;
    geometry.m_View = view;
    geometry.m_strMessage = m_strMessage;
    geometry.m_strNote = m_strNote;
    const bool bUsable = view.m_dXMax > view.m_dXMin && view.m_dYMax > view.m_dYMin &&
                         std::isfinite(view.m_dXMax - view.m_dXMin) &&
                         std::isfinite(view.m_dYMax - view.m_dYMin);
    if (!m_strMessage.empty() || !bUsable)
        return geometry;
    std::vector<double> cuts{view.m_dXMin};
    for (double dZero : m_DivisorZeros)
        if (dZero > view.m_dXMin && dZero < view.m_dXMax)
            cuts.push_back(dZero);
    cuts.push_back(view.m_dXMax);
    bool bAnyFinite = false, bAnyInfinite = false;
    for (size_t i = 0; i < m_Functions.size(); ++i)
    {
        CSampler sampler(m_Functions[i], view);
        for (size_t j = 0; j + 1 < cuts.size(); ++j)
            sampler.SamplePiece(cuts[j], cuts[j + 1], j > 0, j + 2 < cuts.size());
        bAnyFinite = bAnyFinite || sampler.AnyFinite();
        bAnyInfinite = bAnyInfinite || sampler.AnyInfinite();
        geometry.m_Curves.push_back({m_Labels[i], sampler.TakePieces()});
    }
    if (!bAnyFinite)
        geometry.m_strNote = bAnyInfinite ? kGraphTooLarge : kGraphNoRealPoints;
    for (const CPlotMark& mark : m_Marks)
        if (view.Contains(mark.m_dX, mark.m_dY))
            geometry.m_Marks.push_back(mark);
    for (const CPlotVertical& vertical : m_Verticals)
        if (vertical.m_dX >= view.m_dXMin && vertical.m_dX <= view.m_dXMax)
            geometry.m_Verticals.push_back(vertical);
    return geometry;
}
