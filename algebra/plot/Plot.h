// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlotFunction.h"

#include <string>
#include <vector>

// The part of the plane a graph shows.
struct CPlotRange
{
    double m_dXMin = -10, m_dXMax = 10, m_dYMin = -10, m_dYMax = 10;

    bool Contains(double dX, double dY) const
    {
        return dX >= m_dXMin && dX <= m_dXMax && dY >= m_dYMin && dY <= m_dYMax;
    }
    bool operator==(const CPlotRange&) const = default;
};

struct CPlotPoint
{
    double m_dX = 0, m_dY = 0;
};

// One curve: y = a side as typed, as polylines that never join the two sides of a pole and
// stay inside the view.
struct CPlotCurve
{
    std::string m_strLabel; // "y = (x²-1)/(x+1)" style display
    std::vector<std::vector<CPlotPoint>> m_Pieces;
};

enum class EPlotMark
{
    Hole,    // the input is undefined there, its simplified result is not: an open circle
    Zero,    // a zero of an expression
    Crossing // a solution of an equation, where its two sides meet
};

struct CPlotMark
{
    EPlotMark m_eKind = EPlotMark::Zero;
    double m_dX = 0, m_dY = 0;
    std::string m_strLabel; // exact where the solver is exact: "x = 1½", "(−1, −2)"
};

// A dashed vertical where the problem is undefined and stays so (an asymptote, an excluded
// value of an equation).
struct CPlotVertical
{
    double m_dX = 0;
    std::string m_strLabel;
};

// Everything a painter needs for one view.
struct CPlotGeometry
{
    CPlotRange m_View;
    std::vector<CPlotCurve> m_Curves;
    std::vector<CPlotMark> m_Marks;         // those inside the view
    std::vector<CPlotVertical> m_Verticals; // those inside the view
    std::string m_strMessage;               // instead of a graph: why there is none
    std::string m_strNote;                  // under a graph: why it is empty or what is missing
};

inline constexpr const char* kGraphNeedsOneLetter = "A graph needs a problem in one letter";
inline constexpr const char* kGraphNoRealPoints = "There are no real points to draw in this range";
inline constexpr const char* kGraphTooLarge = "The values are too large to draw";

// A problem text read once for its graph (divisors, their zeros, holes, roots), then sampled
// for any view: a zoom or a pan only samples again.
class CPlotProblem
{
public:
    // Internal equation text, as a Simplify request receives it. Never throws.
    explicit CPlotProblem(const std::string& strText);

    const std::string& GetMessage() const { return m_strMessage; }
    char GetLetter() const { return m_cLetter; }
    bool IsEquation() const { return m_bEquation; }
    // Every marked point inside with a margin; -10 to 10 when there is none.
    CPlotRange AutomaticRange() const;
    CPlotGeometry Sample(const CPlotRange& view) const;
    CPlotGeometry Sample() const { return Sample(AutomaticRange()); }

    // For tests and the painter's labels: every mark and vertical, in or out of a view, and the
    // real zeros of the divisors as typed, in order.
    const std::vector<CPlotMark>& GetMarks() const { return m_Marks; }
    const std::vector<CPlotVertical>& GetVerticals() const { return m_Verticals; }
    const std::vector<double>& GetDivisorZeros() const { return m_DivisorZeros; }
    const std::vector<CPlotFunction>& GetFunctions() const { return m_Functions; }

private:
    struct SDivisorZero;
    void Analyse(const std::string& strText);
    std::vector<SDivisorZero> FindDivisorZeros(const std::vector<std::string>& divisors) const;
    void MarkExpression(const std::string& strText, const std::vector<SDivisorZero>& zeros);
    void MarkEquation(const std::string& strText, const std::vector<SDivisorZero>& zeros);
    CPlotRange YRangeFor(double dXMin, double dXMax) const;

    std::string m_strMessage;
    std::string m_strNote;
    char m_cLetter = 0;
    bool m_bEquation = false;
    std::vector<CPlotFunction> m_Functions;
    std::vector<std::string> m_Labels;
    std::vector<double> m_DivisorZeros;
    std::vector<CPlotMark> m_Marks;
    std::vector<CPlotVertical> m_Verticals;
};
