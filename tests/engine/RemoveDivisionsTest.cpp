// SPDX-License-Identifier: GPL-3.0-or-later
#include "Evaluate.h"
#include "driver/Explanation.h"
#include "driver/Expression.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

struct CFurtherRow
{
    const char* m_szExpression;
    const char* m_szFurther;
    bool m_bDivided; // the division was carried out and narrated
};

class RemoveDivisionsOf : public ::testing::TestWithParam<CFurtherRow>
{
};

TEST_P(RemoveDivisionsOf, DividesOutOrCopies)
{
    const CFurtherRow& row = GetParam();
    CExpression expression(row.m_szExpression);
    const auto pFurther = expression.RemoveDivisions();
    ASSERT_TRUE(pFurther);
    EXPECT_EQ(pFurther->GetText(true), row.m_szFurther) << row.m_szExpression;
    EXPECT_EQ(pFurther->GetKind(), CExpression::kKindExpression);
    EXPECT_EQ(expression.m_strExplanation.empty(), !row.m_bDivided) << expression.m_strExplanation;
    EXPECT_TRUE(g_strIndent.empty());
    int nChecked = 0;
    const auto points = evaluate::RandomPoints(evaluate::LettersOf(row.m_szExpression), 3, 5);
    EXPECT_EQ(
        evaluate::CheckSameValue(row.m_szExpression, pFurther->GetText(true), points, nChecked),
        "");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RemoveDivisionsOf,
    ::testing::Values(CFurtherRow{"3x/(x+1)", "3-3/(x+1)", true},
                      CFurtherRow{"(x+2)/x", "1+2/x", true},
                      CFurtherRow{"(x^2!+1)/(x+1)", "x-1+2/(x+1)", true},
                      // the coefficient of a lone bracket used to be dropped
                      CFurtherRow{"2(x^2!+1)/(x+1)", "2x-2+4/(x+1)", true},
                      CFurtherRow{"-%1,2$(x^2!-1)/(x-1)", "-%1,2$x-%1,2$", true},
                      // two terms: a copy, nothing logged
                      CFurtherRow{"x+1/x", "x+1/x", false},
                      // a refused division: a copy, nothing logged
                      CFurtherRow{"(x^3!+1)/(x^2!+x^2!y)", "(x^3!+1)/(x^2!+x^2!y)", false},
                      // no common variable between numerator and divisor: a copy
                      CFurtherRow{"x/(y+1)", "x/(y+1)", false},
                      // the divisor's letter ranks below the numerator's: a copy
                      CFurtherRow{"(xy+2)/y", "(xy+2)/y", false},
                      // a remainder still holding a division goes over the divisor all the same
                      CFurtherRow{"x^2!/(xy+1)", "x/y+(1/y^2!)/(xy+1)-1/y^2!", true}));

TEST(RemoveDivisions, NarratesTheDivisionAndTheResult)
{
    CExpression expression("(x+2)/x");
    expression.RemoveDivisions();
    const std::string& strLog = expression.m_strExplanation;
    const std::string strStart =
        "The Expression still has divisions, Brimlet has been unable to remove the divisions. The "
        "Expression could be left as it is or alternatively the division performed. Brimlet now "
        "does the division.\r\n";
    EXPECT_EQ(strLog.substr(0, strStart.size()), strStart);
    EXPECT_NE(strLog.find("\r\nDividing (x+2) by (x)\r\n"), std::string::npos) << strLog;
    const std::string strEnd =
        "The Result of the division plus the remainder divided by the divisor expression gives\r\n"
        "The final Expression: 1+2/x\r\n";
    ASSERT_GE(strLog.size(), strEnd.size());
    EXPECT_EQ(strLog.substr(strLog.size() - strEnd.size()), strEnd);
}

} // namespace
