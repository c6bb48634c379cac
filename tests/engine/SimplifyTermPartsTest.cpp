// SPDX-License-Identifier: GPL-3.0-or-later
// SimplifyParts on a bracket, and distributing a term over a bracket.
#include "core/SubExpression.h"
#include "driver/Explanation.h"
#include "engine/Engine.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
struct CPartsCase
{
    const char* m_pszBody;
    bool m_bNoBrackets;
    const char* m_pszResult; // the new bracket's internal text, operator included
    const char* m_pszLine;   // a whole line of the narrative
};

class SimplifyTermPartsTest : public testing::TestWithParam<CPartsCase>
{
};

TEST_P(SimplifyTermPartsTest, SimplifiesSortsAndCombinesTheTerms)
{
    const CPartsCase& row = GetParam();
    CSubExpression bracket(row.m_pszBody);
    bracket.m_bNoBrackets = row.m_bNoBrackets;
    bracket.SetDivisor();
    auto pResult = bracket.SimplifyParts("Subexpression");
    EXPECT_EQ(pResult->GetText(true), row.m_pszResult) << row.m_pszBody;
    EXPECT_TRUE(pResult->IsDivisor());
    EXPECT_EQ(pResult->m_bNoBrackets, row.m_bNoBrackets);
    EXPECT_NE(
        ("\r\n" + bracket.m_strExplanation).find("\r\n" + std::string(row.m_pszLine) + "\r\n"),
        std::string::npos)
        << row.m_pszBody << " narrative:\n"
        << bracket.m_strExplanation;
}

const CPartsCase kParts[] = {
    {"3+x", false, "/(x+3)", "The reordered Subexpressionis:+x+3"},
    {"3+x", false, "/(x+3)",
     "Brimlet now reorders this expression, this makes the following stage and solution of the "
     "equation easier, it is not essential to reorder"},
    {"x+x", false, "/(2x)", "Combine +x with +x Giving +2x"},
    {"x+x", false, "/(2x)", "Has been simplified to: /(2x)"},
    {"x+1", false, "/(x+1)", "Could NOT be simplified."},
    {"2x3+y", false, "/(6x+y)",
     "The parts making up the Subexpression have now been "
     "simplified to:+6x+y"},
    {"x+0", false, "/(x)", "The original Subexpression (x+0)"},
    {"x-x", false, "/(0)", "Combine +x with -x Giving Nothing (they cancel each other out)"},
    {"x+1", true, "/(x+1)", "Attempting to simplify the Expression x+1"},
};

INSTANTIATE_TEST_SUITE_P(Brackets, SimplifyTermPartsTest, testing::ValuesIn(kParts));

TEST(SimplifyTermPartsTest, EmptyBracketKeepsPowerAndWritesNoAttempt)
{
    CSubExpression bracket;
    bracket.SetPowerFromText("^2");
    auto pResult = bracket.SimplifyParts("Subexpression");
    EXPECT_TRUE(pResult->m_Terms.empty());
    EXPECT_EQ(pResult->GetText(true), bracket.GetText(true));
    EXPECT_EQ(bracket.m_strExplanation.find("Attempting"), std::string::npos);
}

TEST(SimplifyTermDistributeTest, MultipliesEveryTermAndExplains)
{
    CSubExpression bracket("x+2");
    bracket.MultiplyEachTerm(CEqElm("3x"));
    EXPECT_EQ(bracket.GetText(true), "(3x^2!+6x)");
    EXPECT_EQ(bracket.m_strExplanation.rfind(
                  "Multiply each element of subexpression by the terms outside the brackets.\r\n"
                  "Thus +3x(x+2)\r\n"
                  "Becomes (3xx+6x)\r\n"
                  "Make sure each term of this subexpression is simplified\r\n",
                  0),
              0u);
    EXPECT_NE(bracket.m_strExplanation.find("Thus (3xx+6x) has been simplified to (3x^2+6x)\r\n"),
              std::string::npos);
}

TEST(SimplifyTermDistributeTest, UnitMultiplierChangesNothing)
{
    CSubExpression bracket("x+2");
    bracket.MultiplyEachTerm(CEqElm("1"));
    EXPECT_EQ(bracket.GetText(true), "(x+2)");
    EXPECT_EQ(bracket.m_strExplanation, "");
}

TEST(SimplifyTermDistributeTest, DividesEveryTerm)
{
    CSubExpression bracket("4x+2");
    bracket.DivideEachTerm(CEqElm("2"));
    EXPECT_EQ(bracket.GetText(true), "(2x+1)");
    EXPECT_EQ(
        bracket.m_strExplanation.rfind(
            "Divide each element of subexpression by the divisor term.\r\nThat is (4x+2)/2\r\n", 0),
        0u);
    EXPECT_EQ(g_strIndent, "");
}
} // namespace
