// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SubExpression.h"
#include "driver/Explanation.h"
#include "engine/Engine.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

struct CCommonRow
{
    const char* m_szHigher;
    const char* m_szLower;
    const char* m_szCommon; // nullptr: none
};

class CommonExpressionOf : public ::testing::TestWithParam<CCommonRow>
{
};

TEST_P(CommonExpressionOf, FindsTheLastExactDivisor)
{
    const CCommonRow& row = GetParam();
    CSubExpression higher(row.m_szHigher);
    CSubExpression lower(row.m_szLower);
    ASSERT_GE(higher.CompareLeadingPower(lower), 0);
    const auto pCommon = CommonExpression(higher, lower);
    EXPECT_EQ(pCommon ? pCommon->GetText(true) : "none", row.m_szCommon ? row.m_szCommon : "none")
        << row.m_szHigher << " and " << row.m_szLower;
    EXPECT_TRUE(g_strIndent.empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, CommonExpressionOf,
                         ::testing::Values(CCommonRow{"x^2!-1", "x+1", "(x+1)"},
                                           CCommonRow{"x^2!+2x+1", "x^2!-1", "(2x+2)"},
                                           CCommonRow{"x^2!+1", "x+1", nullptr},
                                           CCommonRow{"x^2!-x", "x^2!+x", "(-2x)"},
                                           CCommonRow{"x^3!-x", "x^2!+2x+1", "(2x+2)"},
                                           // a refused division gives no common expression
                                           CCommonRow{"x^3!+1", "x^2!+x^2!y", nullptr}));

struct CCoefficientRow
{
    const char* m_szBody;
    const char* m_szCommon;
};

class CommonCoefficientOf : public ::testing::TestWithParam<CCoefficientRow>
{
};

TEST_P(CommonCoefficientOf, FoldsEveryCoefficient)
{
    const CSubExpression body(GetParam().m_szBody);
    EXPECT_EQ(body.CommonCoefficient().ToText(true), GetParam().m_szCommon) << GetParam().m_szBody;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CommonCoefficientOf,
    ::testing::Values(CCoefficientRow{"4x+6", "+2"}, CCoefficientRow{"2x", "+2"},
                      CCoefficientRow{"-2x", "-2"}, CCoefficientRow{"", "+1"},
                      CCoefficientRow{"2.5x+10", "+2.5"},
                      // exact numbers share their true common factor
                      CCoefficientRow{"2x+2", "+2"}, CCoefficientRow{"-2x-4", "-2"},
                      CCoefficientRow{"-2x+4", "+2"}, CCoefficientRow{"%1,2$x+%1,3$", "+%1,6$"},
                      CCoefficientRow{"%2,3$x+1%1,3$", "+%2,3$"}, CCoefficientRow{"3x+5", "+1"}));

TEST(MultiplyByNumber, ScalesEveryTermAndSaysSo)
{
    CSubExpression body("-2x+4");
    body.MultiplyByNumber(CScalar("-%1,2$"));
    EXPECT_EQ(body.GetText(true), "(x-2)");
    EXPECT_EQ(body.m_strExplanation,
              "Multiply each element of subexpression by the number -(1/2)\r\n"
              "The subexpression has become (x-2)\r\n");
}

} // namespace
