// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SubExpression.h"
#include "driver/Explanation.h"
#include "driver/SimplifyRequest.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace
{

struct CDivisorRow
{
    const char* m_szBody;
    bool m_bDivisor;
    const char* m_szPower;
    const char* m_szFactors; // the factors handed out, each as its internal text in brackets
};

std::string BuildFactors(CSubExpression& bracket)
{
    std::vector<std::unique_ptr<CEqElmAtom>> out;
    bracket.BuildCommonDivisor(out);
    std::string strFactors;
    for (const auto& pFactor : out)
        strFactors += "[" + pFactor->GetText(true) + "]";
    return strFactors;
}

class CommonDivisorOf : public ::testing::TestWithParam<CDivisorRow>
{
};

TEST_P(CommonDivisorOf, HandsOutTheReplacingFactors)
{
    const CDivisorRow& row = GetParam();
    CSubExpression bracket(row.m_szBody);
    if (row.m_bDivisor)
        bracket.SetDivisor();
    bracket.m_Power = CScalar(row.m_szPower);
    EXPECT_EQ(BuildFactors(bracket), row.m_szFactors) << row.m_szBody;
    EXPECT_TRUE(g_strIndent.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CommonDivisorOf,
    ::testing::Values(CDivisorRow{"1/x+1/y", false, "1", "[(x+y)][/x][/y]"},
                      CDivisorRow{"1/x+2/x", false, "1", "[(3)][/x]"},
                      CDivisorRow{"1/x+1/y", true, "1", "[/(x+y)][x][y]"},
                      CDivisorRow{"1/x+1/y", false, "2", "[(x+y)^2!][/x^2!][/y^2!]"},
                      CDivisorRow{"3x", false, "1", "[3][x]"}, CDivisorRow{"x", false, "1", "[x]"},
                      // one term keeps the bracket's power and divisor mark
                      CDivisorRow{"2x/y", false, "2", "[2^2!][x^2!][/y^2!]"},
                      CDivisorRow{"x/y", true, "1", "[/x][y]"},
                      CDivisorRow{"2x/y", true, "2", "[/2^2!][/x^2!][y^2!]"},
                      // a number divisor, as a body parsed from text holds it, folds into the
                      // common divisor's coefficient and is handed out as a factor of its own
                      CDivisorRow{"1/x+1/2/y", false, "1", "[(x+2y)][/x][/y][%1,2$]"},
                      CDivisorRow{"1/x+1/2/y", true, "2", "[/(x+2y)^2!][x^2!][y^2!][/%1,2$^2!]"}));

TEST(CommonDivisor, NarratesTheCommonDivisor)
{
    CSubExpression bracket("1/x+2/x");
    BuildFactors(bracket);
    const std::string& strLog = bracket.m_strExplanation;
    const std::string strStart = "Find all the divisions and build a common divisor\r\n"
                                 "The division /x is used in more than one division and so is "
                                 "not included in the common divisor again\r\n"
                                 "The common divisor is: +1/x\r\n"
                                 "Brimlet now multiplies this subexpression by: +x/x\r\n"
                                 "In affect we are multiplying by 1.\r\n"
                                 "Leave the divisor part outside the subexpression and Multipy "
                                 "each part of the subexpression by the multiplier subexpression, "
                                 "i.e. by +x\r\n"
                                 "The subexpression becomes:(1x/x+2x/x)\r\n";
    EXPECT_EQ(strLog.substr(0, strStart.size()), strStart);
    const std::string strEnd = "Brimlet has converted: (1/x+2/x) into ((3))/x\r\n\r\n";
    ASSERT_GE(strLog.size(), strEnd.size());
    EXPECT_EQ(strLog.substr(strLog.size() - strEnd.size()), strEnd);
}

TEST(CommonDivisor, DivisorBracketShowsTheMultipliersFirst)
{
    CSubExpression bracket("1/x+1/y");
    bracket.SetDivisor();
    BuildFactors(bracket);
    EXPECT_NE(bracket.m_strExplanation.find(
                  "Note because the original subexpression was a division the divisor part "
                  "calculated above infact becomes a multiplier.\r\n"
                  "Brimlet has converted: /(1/x+1/y) into (xy)/(x+y)\r\n\r\n"),
              std::string::npos)
        << bracket.m_strExplanation;
}

struct CRequestRow
{
    const char* m_szInput;
    const char* m_szResult;
};

class DivisionInsideBracket : public ::testing::TestWithParam<CRequestRow>
{
};

// 1/(1/x) used to give 1/x and x/y/(x/y) gave x^2/y^2: the one-term bracket dropped its mark.
TEST_P(DivisionInsideBracket, SimplifiesToWhatItMeans)
{
    const CSimplifyOutcome outcome = RunSimplify(GetParam().m_szInput);
    EXPECT_FALSE(outcome.m_strError) << *outcome.m_strError;
    EXPECT_EQ(outcome.m_strResult, GetParam().m_szResult) << GetParam().m_szInput;
}

INSTANTIATE_TEST_SUITE_P(Rows, DivisionInsideBracket,
                         ::testing::Values(CRequestRow{"1/(1/x)", "x"},
                                           CRequestRow{"x/y/(x/y)", "1"},
                                           CRequestRow{"(1/x+1/y)", "(x+y)/x/y"},
                                           CRequestRow{"y/(1/x+1/y)", "xy^2!/(x+y)"}));

} // namespace
