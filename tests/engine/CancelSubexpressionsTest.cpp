// SPDX-License-Identifier: GPL-3.0-or-later
#include "Evaluate.h"
#include "core/SubExpression.h"
#include "core/Variable.h"
#include "driver/Explanation.h"
#include "driver/SimplifyRequest.h"
#include "engine/Engine.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace
{

// A list of brackets from "(a)" multipliers and "/(b)" divisors, as SimplifyTerm holds it.
SubExpressionList MakeList(const std::vector<const char*>& entries)
{
    SubExpressionList list;
    for (std::string strEntry : entries)
    {
        const bool bDivisor = strEntry[0] == '/';
        list.push_back(std::make_unique<CSubExpression>(strEntry.substr(bDivisor ? 1 : 0)));
        if (bDivisor)
            list.back()->SetDivisor();
    }
    return list;
}

std::string ListText(const SubExpressionList& list)
{
    std::string strText;
    for (const auto& pEntry : list)
        strText += pEntry->GetText(true);
    return strText;
}

TEST(CancelSubexpressions, EqualBracketsLeaveTheirRatio)
{
    SubExpressionList list = MakeList({"x+1", "/x+1"});
    CEqElm multiplierPart("2");
    const CEqElm divisorPart;
    std::string strLog;
    CancelSubexpressions(list, multiplierPart, divisorPart, strLog);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(multiplierPart.GetText(false), "+2");
    EXPECT_EQ(strLog,
              "The subexpression (x+1) occurs both as a multipler and a divisior and so may "
              "be cancelled (removed both as a multipler and a divisor subexpression).\r\n"
              "\r\n"
              "The subexpression has now become: +2\r\n\r\n");
}

TEST(CancelSubexpressions, ProportionalBracketsBecomeTheirNumber)
{
    SubExpressionList list = MakeList({"2x+2", "/x+1", "y+1"});
    CEqElm multiplierPart;
    CEqElm divisorPart;
    CEqElmVariable divisor('z');
    divisor.SetDivisor();
    divisorPart.AddElement(divisor);
    std::string strLog;
    CancelSubexpressions(list, multiplierPart, divisorPart, strLog);
    EXPECT_EQ(ListText(list), "(y+1)");
    EXPECT_EQ(strLog,
              "The subexpression (2x+2) can be divided by /(x+1) to give the scalar (number) +2 "
              "These two subexpressions can thus be canceled out and replaced with the scalar "
              "(number).\r\n\r\nThe subexpression has now become: +2(y+1)/z\r\n\r\n");
}

struct CCancelRow
{
    std::vector<const char*> m_Entries;
    const char* m_szLeft;   // the entries afterwards
    const char* m_szNumber; // the multiplier part afterwards
};

class CancelBrackets : public ::testing::TestWithParam<CCancelRow>
{
};

TEST_P(CancelBrackets, LeavesTheRightBrackets)
{
    SubExpressionList list = MakeList(GetParam().m_Entries);
    const std::string strBefore = ListText(list);
    CEqElm multiplierPart;
    std::string strLog;
    CancelSubexpressions(list, multiplierPart, CEqElm(), strLog);
    EXPECT_EQ(ListText(list), GetParam().m_szLeft) << strBefore << "\n" << strLog;
    EXPECT_EQ(multiplierPart.GetText(false), GetParam().m_szNumber) << strBefore;
    EXPECT_TRUE(g_strIndent.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CancelBrackets,
    ::testing::Values(CCancelRow{{"x+1", "/2x+2"}, "", "+%1,2$"},
                      CCancelRow{{"x+1", "/x+2"}, "(x+1)/(x+2)", "+1"},
                      CCancelRow{{"x^2!-1", "/x+1"}, "(x-1)", "+1"},
                      CCancelRow{{"x+1", "/x^2!-1"}, "/(x-1)", "+1"},
                      CCancelRow{{"x^2!+1", "/x+1"}, "(x^2!+1)/(x+1)", "+1"},
                      // same rank, not proportional: the common expression 2x+2, made x+1,
                      // is divided out
                      CCancelRow{{"x^2!-1", "/x^2!+2x+1"}, "(x-1)/(x+1)", "+1"},
                      CCancelRow{{"x^2!-x", "/x^2!+x"}, "(x-1)/(x+1)", "+1"},
                      // a written-out power: each copy is tried once, both cancel
                      CCancelRow{{"x^2!-1", "/x+1", "/x+1", "x+1"}, "(x-1)", "+1"},
                      // a single-term common expression (x) is divided out once, then the walk
                      // stops because nothing new turns up
                      CCancelRow{{"x^2!+x", "/x^2!+2x"}, "(x+1)/(x+2)", "+1"},
                      // Euclid in one variable cannot reach the common factor xy here
                      CCancelRow{{"x^2!y^2!+xy", "/x^2!y+xy"}, "(x^2!y^2!+xy)/(x^2!y+xy)", "+1"},
                      // phase 2 carries on from phase 1's inexact division (remainder 2x+2)
                      CCancelRow{{"x^3!-x", "/x^2!+2x+1"}, "(x^2!-x)/(x+1)", "+1"},
                      CCancelRow{{"x^3!+x^2!", "/x^2!-1"}, "(x^2!)/(x-1)", "+1"},
                      // the dividend of a kept division is replaced before phase 2 meets it
                      CCancelRow{{"x^3!-x", "/x^2!+2x+1", "/x-1"}, "(x)/(x+1)", "+1"}));

TEST(ProportionalityRatio, PairsTermsByPosition)
{
    EXPECT_EQ(ProportionalityRatio(CSubExpression("2x+4"), CSubExpression("x+2")).ToText(true),
              "+2");
    EXPECT_TRUE(ProportionalityRatio(CSubExpression("2x+4"), CSubExpression("x+3")).IsZero());
    EXPECT_TRUE(ProportionalityRatio(CSubExpression("x+1"), CSubExpression("x+1+y")).IsZero());
    EXPECT_TRUE(ProportionalityRatio(CSubExpression(), CSubExpression()).IsOne(true));
}

class CancelInRequest : public ::testing::TestWithParam<const char*>
{
};

// Whole requests whose brackets cancel come out equal to what they were.
TEST_P(CancelInRequest, KeepsTheValue)
{
    const CSimplifyOutcome outcome = RunSimplify(GetParam());
    ASSERT_FALSE(outcome.m_strError) << *outcome.m_strError;
    EXPECT_EQ(evaluate::CheckSimplification(GetParam(), outcome.m_strResult, outcome.m_strFurther),
              "")
        << GetParam() << " gave " << outcome.m_strResult;
    EXPECT_TRUE(g_strIndent.empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, CancelInRequest,
                         ::testing::Values("2(x+1)/(x+1)", "(x^2!-1)/(x+1)", "(x+1)/(x^2!-1)",
                                           "(x^2!-1)/(x^2!+2x+1)", "(x^2!y^2!+xy)/(xy+x^2!y)",
                                           "(x^3!-x)(x+2)/(x^2!+2x+1)/(x^2!-4)",
                                           "(xy+1)^3!/(x^2!y^2!-1)"));

} // namespace
