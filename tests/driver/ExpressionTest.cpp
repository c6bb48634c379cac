// SPDX-License-Identifier: GPL-3.0-or-later
#include "GraphDescription.h"

#include "driver/Explanation.h"
#include "driver/Expression.h"

#include <gtest/gtest.h>

namespace
{
using graph::Describe;

TEST(ExpressionTextTest, EmptySumPrintsZero)
{
    EXPECT_EQ(CExpression().GetText(false), "0");
    EXPECT_EQ(CExpression().GetDisplayText(false), "0");
}

TEST(ExpressionTextTest, LeadingPlusIsDroppedAndMarkersShownForDisplay)
{
    const CExpression expression("x+2-%1,2$y^2!");
    EXPECT_EQ(expression.GetText(false), "x+2-%1,2$y^2!");
    EXPECT_EQ(expression.GetDisplayText(false), "x+2-(1/2)y^2");
}

struct SDivisionState
{
    const char* szText;
    int nState;
};

class DivisionStateTest : public testing::TestWithParam<SDivisionState>
{
};

TEST_P(DivisionStateTest, ReportsWhetherDivisionsRemain)
{
    EXPECT_EQ(CExpression(GetParam().szText).GetDivisionState(), GetParam().nState)
        << GetParam().szText;
}

INSTANTIATE_TEST_SUITE_P(Expressions, DivisionStateTest,
                         testing::Values(SDivisionState{"", 0}, SDivisionState{"3x", 0},
                                         SDivisionState{"3x+1", 1}, SDivisionState{"x/y", 2},
                                         SDivisionState{"x+1/y", 2}, SDivisionState{"x/2+1", 1},
                                         SDivisionState{"2(x+1)", 2}));

TEST(ExpressionTest, IsZeroForNoTermsOrOneZeroTerm)
{
    EXPECT_TRUE(CExpression("").IsZero());
    EXPECT_TRUE(CExpression("0").IsZero());
    EXPECT_TRUE(CExpression("0x").IsZero());
    EXPECT_FALSE(CExpression("0+0").IsZero());
    EXPECT_FALSE(CExpression("x").IsZero());
}

TEST(ExpressionTest, CloneCopiesTermsButNotTheLog)
{
    CExpression expression("x^2!+y");
    expression.m_strExplanation = "log";
    expression.FindMainVariable(0);
    const auto pCopy = expression.Clone();
    expression.m_Terms.clear();
    EXPECT_EQ(pCopy->GetText(false), "x^2!+y");
    EXPECT_TRUE(pCopy->m_strExplanation.empty());
    EXPECT_EQ(pCopy->m_cMainVariable, 'x');
}

TEST(ExpressionTest, AppendNegatedTermsReversesSigns)
{
    CExpression left("x");
    left.AppendNegatedTerms(CExpression("2y-3"));
    EXPECT_EQ(left.GetText(false), "x-2y+3");
}

TEST(ExpressionTest, InsertTermKeepsSortedOrder)
{
    CExpression expression("x^2!+x+1");
    expression.InsertTerm(CEqElm("5xy"));
    expression.InsertTerm(CEqElm("-4"));
    expression.InsertTerm(CEqElm("2x^3!"));
    EXPECT_EQ(expression.GetText(false), "2x^3!+x^2!+5xy+x+1-4");
}

TEST(ExpressionTest, SortTermsReportsWhetherAnythingMoved)
{
    CExpression expression("3+x+y^2!+x^2!");
    EXPECT_TRUE(CExpression::SortTerms(expression.m_Terms));
    EXPECT_EQ(expression.GetText(false), "x^2!+x+y^2!+3");
    EXPECT_FALSE(CExpression::SortTerms(expression.m_Terms));
}

TEST(ExpressionTest, CombineLikeTermsNarratesEachFold)
{
    g_strIndent = "  ";
    CExpression expression("2x+3x-5x+y");
    EXPECT_TRUE(expression.CombineLikeTerms(expression.m_Terms));
    g_strIndent.clear();
    EXPECT_EQ(expression.GetText(false), "y");
    EXPECT_EQ(expression.m_strExplanation,
              "  Combine +2x with +3x Giving +5x\r\n"
              "  Combine +5x with -5x Giving Nothing (they cancel each other out)\r\n"
              "\r\n");
    CExpression unlike("x+y");
    EXPECT_FALSE(unlike.CombineLikeTerms(unlike.m_Terms));
    EXPECT_TRUE(unlike.m_strExplanation.empty());
}

// Like terms keep the order they were written in, and terms appended to a sorted list (a
// remainder with a product added) move to their places however far that is.
TEST(ExpressionTest, SortTermsIsStable)
{
    CExpression mixed("3x+y-x+2x+5+y");
    CExpression::SortTerms(mixed.m_Terms);
    EXPECT_EQ(mixed.GetText(false), "3x-x+2x+y+y+5");
    CExpression appended("x^9!+x^8!+x^7!+x^6!+x^5!+x^4!+x^3!+x^2!+x+1-x^9!-3x^9!");
    EXPECT_TRUE(CExpression::SortTerms(appended.m_Terms));
    EXPECT_EQ(appended.GetText(false), "x^9!-x^9!-3x^9!+x^8!+x^7!+x^6!+x^5!+x^4!+x^3!+x^2!+x+1");
}

// Regression: like terms separated by an inconsistent order were never combined.
TEST(ExpressionTest, SortingBringsLikeTermsTogether)
{
    CExpression expression("8+1/x^5!+y^8!/x^3!-8+2/x^5!");
    CExpression::SortTerms(expression.m_Terms);
    expression.CombineLikeTerms(expression.m_Terms);
    EXPECT_EQ(Describe(expression), "+1[y^+8 /x^+3] ; +1[#+1 /x^+5] ; +1[#+2 /x^+5]");
}

struct SLeading
{
    const char* szThis;
    const char* szOther;
    int nResult;
};

class CompareLeadingPowerTest : public testing::TestWithParam<SLeading>
{
};

TEST_P(CompareLeadingPowerTest, RanksTheLeadingVariables)
{
    CExpression mine(GetParam().szThis);
    CExpression other(GetParam().szOther);
    EXPECT_EQ(mine.CompareLeadingPower(other), GetParam().nResult)
        << GetParam().szThis << " against " << GetParam().szOther;
}

INSTANTIATE_TEST_SUITE_P(Expressions, CompareLeadingPowerTest,
                         testing::Values(SLeading{"x^2!+1", "x+1", 1}, SLeading{"x+1", "y+1", 2},
                                         SLeading{"2", "x+1", -2}, SLeading{"x+1", "x-1", 0},
                                         SLeading{"x+1", "x^2!-1", -1},
                                         SLeading{"x^2!+y", "y^3!+x", -1},
                                         SLeading{"x^2!", "y+1", 2}));

TEST(ExpressionTest, FindMainVariableKeepsTheEarlierTermOnTies)
{
    CExpression expression("y^2!+x^2!+z");
    expression.FindMainVariable(0);
    EXPECT_EQ(expression.m_cMainVariable, 'y');
    EXPECT_EQ(expression.m_nHighestPower, 2);
    expression.FindMainVariable('z');
    EXPECT_EQ(expression.m_cMainVariable, 'z');
    EXPECT_EQ(expression.m_nHighestPower, 1);
    expression.FindMainVariable('w');
    EXPECT_EQ(expression.m_cMainVariable, 0);
    EXPECT_EQ(expression.m_nHighestPower, 0);
}
} // namespace
