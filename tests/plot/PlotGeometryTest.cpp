// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/Plot.h"

#include "driver/Construction.h"
#include "driver/Equation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace
{
struct SGraphCase
{
    const char* m_pText;
    std::vector<CPlotPoint> m_Holes;
    std::vector<double> m_Verticals;
    std::vector<double> m_Zeros;     // of an expression
    std::vector<double> m_Crossings; // of an equation
};

std::ostream& operator<<(std::ostream& out, const SGraphCase& row)
{
    return out << row.m_pText;
}

std::vector<double> XsOf(const CPlotProblem& problem, EPlotMark eKind)
{
    std::vector<double> xs;
    for (const CPlotMark& mark : problem.GetMarks())
        if (mark.m_eKind == eKind)
            xs.push_back(mark.m_dX);
    std::sort(xs.begin(), xs.end());
    return xs;
}

void ExpectNear(const std::vector<double>& actual, const std::vector<double>& expected,
                const std::string& strWhat)
{
    ASSERT_EQ(actual.size(), expected.size()) << strWhat;
    for (size_t i = 0; i < actual.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-12) << strWhat << " " << i;
}

// The sides as typed: the left (or only) side and, for an equation, the right.
std::vector<const CExpression*> SidesOf(const CExpression& input)
{
    std::vector<const CExpression*> sides{&input};
    if (input.GetKind() == CExpression::kKindEquation)
        sides.push_back(static_cast<const CEquation&>(input).m_pRightSide.get());
    return sides;
}

// Every sampled point off the view's cut lies on the curve, checked against the exact value
// of the side as typed at that point; no segment joins two points across a divisor's zero.
void ExpectCurvesRight(const std::string& strText, const CPlotProblem& problem,
                       const CPlotGeometry& geometry)
{
    const std::unique_ptr<CExpression> pInput = ConstructFromText(strText);
    const std::vector<const CExpression*> sides = SidesOf(*pInput);
    ASSERT_EQ(geometry.m_Curves.size(), sides.size()) << strText;
    const CPlotRange& view = geometry.m_View;
    const double dBand = 0.05 * (view.m_dYMax - view.m_dYMin);
    size_t nChecked = 0;
    for (size_t i = 0; i < sides.size(); ++i)
        for (const std::vector<CPlotPoint>& piece : geometry.m_Curves[i].m_Pieces)
            for (size_t j = 0; j < piece.size(); ++j)
            {
                const CPlotPoint& p = piece[j];
                EXPECT_GE(p.m_dX, view.m_dXMin) << strText;
                EXPECT_LE(p.m_dX, view.m_dXMax) << strText;
                EXPECT_GE(p.m_dY, view.m_dYMin - dBand * 1.0001) << strText;
                EXPECT_LE(p.m_dY, view.m_dYMax + dBand * 1.0001) << strText;
                for (double dZero : problem.GetDivisorZeros())
                    EXPECT_FALSE(j > 0 && piece[j - 1].m_dX <= dZero && dZero <= p.m_dX)
                        << strText << " joins across x = " << dZero;
                const bool bCut =
                    std::fabs(std::fabs(p.m_dY - (view.m_dYMin + view.m_dYMax) / 2) -
                              (view.m_dYMax - view.m_dYMin) / 2 - dBand) < 1e-9 * dBand;
                if (bCut || nChecked > 2000)
                    continue;
                const std::optional<mpq_class> exact =
                    ExactValueAt(*sides[i], problem.GetLetter(), mpq_class(p.m_dX));
                ASSERT_TRUE(exact) << strText << " undefined at sampled x = " << p.m_dX;
                const double dExact = exact->get_d();
                // Doubles lose digits right next to a hole, where the typed form cancels.
                EXPECT_NEAR(p.m_dY, dExact, 1e-6 * (1 + std::fabs(dExact)))
                    << strText << " at x = " << p.m_dX;
                ++nChecked;
            }
    EXPECT_GT(nChecked, 50u) << strText;
}

void ExpectRangeHoldsMarks(const CPlotProblem& problem, const std::string& strText)
{
    const CPlotRange range = problem.AutomaticRange();
    for (const CPlotMark& mark : problem.GetMarks())
    {
        EXPECT_TRUE(range.Contains(mark.m_dX, mark.m_dY)) << strText << " " << mark.m_strLabel;
        EXPECT_GT(std::min(mark.m_dX - range.m_dXMin, range.m_dXMax - mark.m_dX), 0.5) << strText;
    }
    for (const CPlotVertical& vertical : problem.GetVerticals())
        EXPECT_TRUE(vertical.m_dX > range.m_dXMin && vertical.m_dX < range.m_dXMax) << strText;
}

class GraphOfProblem : public testing::TestWithParam<SGraphCase>
{
};

TEST_P(GraphOfProblem, IsRightAtItsMarkedPointsAndOnTheCurve)
{
    const SGraphCase& row = GetParam();
    const CPlotProblem problem(row.m_pText);
    ASSERT_EQ(problem.GetMessage(), "") << row.m_pText;
    std::vector<CPlotPoint> holes;
    for (const CPlotMark& mark : problem.GetMarks())
        if (mark.m_eKind == EPlotMark::Hole)
            holes.push_back({mark.m_dX, mark.m_dY});
    ASSERT_EQ(holes.size(), row.m_Holes.size()) << row.m_pText;
    for (size_t i = 0; i < holes.size(); ++i)
    {
        // Exactly where the cancelled factor is zero, at the simplified result's value.
        EXPECT_EQ(holes[i].m_dX, row.m_Holes[i].m_dX) << row.m_pText;
        EXPECT_EQ(holes[i].m_dY, row.m_Holes[i].m_dY) << row.m_pText;
    }
    std::vector<double> verticals;
    for (const CPlotVertical& vertical : problem.GetVerticals())
        verticals.push_back(vertical.m_dX);
    std::sort(verticals.begin(), verticals.end());
    ExpectNear(verticals, row.m_Verticals, std::string(row.m_pText) + " verticals");
    ExpectNear(XsOf(problem, EPlotMark::Zero), row.m_Zeros, std::string(row.m_pText) + " zeros");
    ExpectNear(XsOf(problem, EPlotMark::Crossing), row.m_Crossings,
               std::string(row.m_pText) + " crossings");
    for (const CPlotMark& mark : problem.GetMarks())
    {
        if (mark.m_eKind != EPlotMark::Crossing)
            continue;
        EXPECT_NEAR(problem.GetFunctions()[0](mark.m_dX), problem.GetFunctions()[1](mark.m_dX),
                    1e-9)
            << row.m_pText;
    }
    ExpectRangeHoldsMarks(problem, row.m_pText);
    const CPlotGeometry geometry = problem.Sample();
    EXPECT_EQ(geometry.m_Marks.size(), problem.GetMarks().size()) << row.m_pText;
    ExpectCurvesRight(row.m_pText, problem, geometry);
    // Zoomed in on the first divisor's zero, where sampling is hardest.
    if (!problem.GetDivisorZeros().empty())
    {
        const double dZero = problem.GetDivisorZeros()[0];
        CPlotRange zoom = geometry.m_View;
        zoom.m_dXMin = dZero - 0.5, zoom.m_dXMax = dZero + 0.5;
        ExpectCurvesRight(row.m_pText, problem, problem.Sample(zoom));
    }
}

INSTANTIATE_TEST_SUITE_P(DoneWhen, GraphOfProblem,
                         testing::Values(SGraphCase{"(x^2!-1)/(x+1)", {{-1, -2}}, {}, {1}, {}},
                                         SGraphCase{"1/x", {}, {0}, {}, {}},
                                         SGraphCase{"(x+1)/(x^2!-4)", {}, {-2, 2}, {-1}, {}},
                                         SGraphCase{"x^2!-4=0", {}, {}, {}, {-2, 2}},
                                         SGraphCase{"2x+3=7", {}, {}, {}, {2}},
                                         SGraphCase{"x^3!-x-1=0", {}, {}, {}, {1.324717957244746}},
                                         SGraphCase{"x/(x-1)=1/(x-1)", {}, {1}, {}, {}},
                                         SGraphCase{
                                             "(x^2!-x-2)/(x^2!-4)", {{2, 0.75}}, {-2}, {-1}, {}}));

struct SNoGraphCase
{
    const char* m_pText;
    const char* m_pMessage; // "" when a graph is drawn
    const char* m_pNote;    // nullptr: any note, or none
};

class GraphOfBadInput : public testing::TestWithParam<SNoGraphCase>
{
};

// Never a crash or a hang, never empty axes without a word.
TEST_P(GraphOfBadInput, SaysWhy)
{
    const SNoGraphCase& row = GetParam();
    const CPlotProblem problem(row.m_pText);
    const CPlotGeometry geometry = problem.Sample();
    EXPECT_EQ(geometry.m_strMessage, row.m_pMessage) << row.m_pText;
    if (row.m_pNote)
    {
        EXPECT_EQ(geometry.m_strNote, row.m_pNote) << row.m_pText;
    }
    bool bDrawn = false;
    for (const CPlotCurve& curve : geometry.m_Curves)
        bDrawn = bDrawn || !curve.m_Pieces.empty();
    if (!bDrawn)
    {
        EXPECT_FALSE(geometry.m_strMessage.empty() && geometry.m_strNote.empty()) << row.m_pText;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Messages, GraphOfBadInput,
    testing::Values(SNoGraphCase{"x+y", kGraphNeedsOneLetter, ""},
                    SNoGraphCase{"2x+3y=6", kGraphNeedsOneLetter, ""},
                    SNoGraphCase{"3+4", kGraphNeedsOneLetter, ""},
                    SNoGraphCase{"x^200!", "", nullptr}, SNoGraphCase{"x^4000!+1", "", nullptr},
                    SNoGraphCase{"(-1-x^2!)^%1,2$", "", kGraphNoRealPoints},
                    SNoGraphCase{"1000000000000000000000000000000000000000000000000000000000000000"
                                 "0000000000000000000000000000000000000000000000000000000000000000"
                                 "0000000000000000000000000000000000000000000000000000000000000000"
                                 "0000000000000000000000000000000000000000000000000000000000000000"
                                 "0000000000000000000000000000000000000000000000000000000000000000"
                                 "x+1",
                                 "", kGraphTooLarge}));

// Random quotients of small polynomials: every sampled point on the curve, no segment across
// a divisor's zero, every mark in the automatic range.
TEST(GraphOfRandomQuotient, IsRightEverywhere)
{
    const unsigned nSeed = 20261208;
    std::mt19937 random(nSeed);
    std::uniform_int_distribution<int> coefficient(-4, 4), degree(1, 3);
    for (int nCase = 0; nCase < 12; ++nCase)
    {
        std::string strText;
        for (int nSide = 0; nSide < 2; ++nSide)
        {
            std::string strPolynomial;
            const int nDegree = degree(random);
            for (int k = nDegree; k >= 0; --k)
            {
                int c = coefficient(random);
                c = k == nDegree && c == 0 ? 1 : c;
                const std::string strPower = k > 1 ? "x^" + std::to_string(k) + "!" : k ? "x" : "";
                if (c != 0)
                    strPolynomial += (c < 0 ? "-" : "+") + std::to_string(std::abs(c)) + strPower;
            }
            strText += "(" + strPolynomial + ")" + (nSide == 0 ? "/" : "");
        }
        SCOPED_TRACE("seed " + std::to_string(nSeed) + ", case " + std::to_string(nCase) + ": " +
                     strText);
        const CPlotProblem problem(strText);
        ASSERT_EQ(problem.GetMessage(), "");
        ExpectRangeHoldsMarks(problem, strText);
        ExpectCurvesRight(strText, problem, problem.Sample());
    }
}
} // namespace
