// SPDX-License-Identifier: GPL-3.0-or-later
#include "Evaluate.h"
#include "core/AlgebraError.h"
#include "core/SubExpression.h"
#include "driver/Explanation.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace
{

struct CDivisionRow
{
    const char* m_szDividend;
    const char* m_szDivisor;
    const char* m_szQuotient;  // nullptr: refused
    const char* m_szRemainder; // nullptr: exact
};

struct CDivided
{
    std::unique_ptr<CSubExpression> m_pQuotient;
    std::unique_ptr<CSubExpression> m_pRemainder;
    std::string m_strExplanation;
};

// Ranks the two bodies as the callers do (which sets the common variable), then divides.
CDivided Divide(const std::string& strDividend, const std::string& strDivisor)
{
    CSubExpression dividend(strDividend);
    CSubExpression divisor(strDivisor);
    dividend.CompareLeadingPower(divisor);
    CDivided result;
    dividend.PolynomialDivide(divisor, result.m_pQuotient, result.m_pRemainder);
    result.m_strExplanation = dividend.m_strExplanation;
    return result;
}

std::string TextOf(const std::unique_ptr<CSubExpression>& pBody)
{
    return pBody ? pBody->GetText(true) : "none";
}

class PolynomialDivision : public ::testing::TestWithParam<CDivisionRow>
{
};

TEST_P(PolynomialDivision, GivesQuotientAndRemainderThatRebuildTheDividend)
{
    const CDivisionRow& row = GetParam();
    const CDivided divided = Divide(row.m_szDividend, row.m_szDivisor);
    const std::string strCase = std::string(row.m_szDividend) + " / " + row.m_szDivisor;
    EXPECT_EQ(TextOf(divided.m_pQuotient), row.m_szQuotient ? row.m_szQuotient : "none") << strCase;
    EXPECT_EQ(TextOf(divided.m_pRemainder), row.m_szRemainder ? row.m_szRemainder : "none")
        << strCase;
    EXPECT_TRUE(g_strIndent.empty()) << strCase;
    if (!divided.m_pQuotient)
        return;
    // dividend = quotient x divisor + remainder, read by the independent evaluator.
    std::string strRebuilt = TextOf(divided.m_pQuotient) + "(" + row.m_szDivisor + ")";
    if (divided.m_pRemainder)
        strRebuilt += "+" + TextOf(divided.m_pRemainder);
    int nChecked = 0;
    const auto points = evaluate::RandomPoints(evaluate::LettersOf(strRebuilt), 7, 5);
    EXPECT_EQ(evaluate::CheckSameValue(row.m_szDividend, strRebuilt, points, nChecked), "")
        << strCase;
    EXPECT_GT(nChecked, 0) << strCase;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PolynomialDivision,
    ::testing::Values(CDivisionRow{"x^2!-1", "x+1", "(x-1)", nullptr},
                      CDivisionRow{"x^2!+1", "x+1", "(x-1)", "(2)"},
                      CDivisionRow{"2x^2!+3x+1", "2x+1", "(x+1)", nullptr},
                      CDivisionRow{"x^2!-y^2!", "x-y", "(x+y)", nullptr},
                      // several remainder terms of the highest power divided in one step
                      CDivisionRow{"x^2!y+x^2!z", "x+1", "(xy+xz-y-z)", "(y+z)"},
                      // a leading term with another variable: x^2/(xy) is x/y, so the
                      // degree falls and the division ends
                      CDivisionRow{"x^2!+1", "xy+1", "(x/y-1/y^2!)", "(1+1/y^2!)"},
                      CDivisionRow{"x^2!", "xy+3", "(x/y-3/y^2!)", "(9/y^2!)"},
                      // a dividend of lower degree: no step, the whole dividend remains
                      CDivisionRow{"x", "x^2!+1", "(0)", "(x)"},
                      // two divisor terms of the highest power: refused, dividend kept
                      CDivisionRow{"x^3!+1", "x^2!+x^2!y", nullptr, "(x^3!+1)"},
                      // a divisor without the variable has no leading term: refused
                      CDivisionRow{"x+1", "2", nullptr, "(x+1)"},
                      // bracket factors hide the degree: refused
                      CDivisionRow{"x(x+1)^%1,2$!+1", "x+1", nullptr, "(x(x+1)^%1,2$!+1)"}));

TEST(PolynomialDivide, RefusedDivisorIsExplainedAndLeavesNoIndentation)
{
    const CDivided divided = Divide("x^3!+1", "x^2!+x^2!y");
    EXPECT_EQ(divided.m_strExplanation,
              "Dividing (x^3+1) by (x^2+x^2y)\r\n"
              "        The Common variable between the two expressions is x and its highest power "
              "in the divisor is 2\r\n"
              "        More than one term in divisor has been found for variable with highest "
              "power, this makes the division to complex for Brimlet.\r\n");
}

TEST(PolynomialDivide, NarratesEachStepAtItsLevel)
{
    const std::string strLog = Divide("x^2!+1", "x+1").m_strExplanation;
    for (const char* szLine :
         {"Dividing (x^2+1) by (x+1)\r\n",
          "\n        We will use the the term with highest power of the common variable from the "
          "divisor and repeatedly divide the remainder by it, this term is: +x\r\n",
          "\n        Find all the terms in the remainder for the highest power of common variable "
          "and divide them by the divisor term we found above add the result together, this "
          "gives: (x)\r\n",
          "\n        This is added to the results expression, making the results expression: "
          "(x-1)\r\n",
          "\n        Now subtract the result of this multiplication from the remainder which gives "
          "of a remainder of: (x^2+1-x^2-x)\r\n",
          "\n        Which means the remainder is now: (-x+1)\r\n",
          "\n        With a remainder of: (2)\r\n"})
        EXPECT_NE(strLog.find(szLine), std::string::npos) << szLine << "\nin\n" << strLog;
}

// An error raised mid-division leaves the indentation as it was (and, under the sanitizers,
// no object behind).
TEST(PolynomialDivide, ZeroLeadingTermRaisesDivideByZeroAndRestoresIndentation)
{
    try
    {
        Divide("x^2!+1", "0x+1");
        FAIL() << "no error for a leading term of 0x";
    }
    catch (const CAlgebraError& error)
    {
        EXPECT_STREQ(error.what(), kDivideByZero);
    }
    EXPECT_TRUE(g_strIndent.empty());
}

// x^n/(x-1) narrates its whole quotient at every step; a huge n used to run for minutes.
TEST(PolynomialDivide, HugeDegreeIsRefusedInsteadOfRunningOn)
{
    const CDivided divided = Divide("x^1000000!", "x-1");
    EXPECT_EQ(TextOf(divided.m_pQuotient), "none");
    EXPECT_EQ(TextOf(divided.m_pRemainder), "(x^1000000!)");
    EXPECT_TRUE(g_strIndent.empty());
}

} // namespace
