// SPDX-License-Identifier: GPL-3.0-or-later
// SimplifyTerm on single terms: what comes out and the narrative lines that explain it.
#include "core/AlgebraError.h"
#include "driver/Explanation.h"
#include "engine/Engine.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
struct CTermCase
{
    const char* m_pszTerm;
    const char* m_pszOutput; // the output terms' internal texts, joined
    const char* m_pszLine;   // a whole line the narrative holds; "" for an empty narrative
};

struct CTermOutcome
{
    std::string m_strOutput;
    std::string m_strNarrative;
};

CTermOutcome Simplify(const std::string& strTerm)
{
    CEqElm term(strTerm);
    CExpression::TermList output;
    SimplifyTerm(term, output);
    CTermOutcome outcome{"", term.GetExplanation()};
    for (const auto& pTerm : output)
        outcome.m_strOutput += pTerm->GetText(false);
    return outcome;
}

class SimplifyTermTest : public testing::TestWithParam<CTermCase>
{
};

TEST_P(SimplifyTermTest, GivesTheRightTermsAndExplains)
{
    const CTermCase& row = GetParam();
    const CTermOutcome outcome = Simplify(row.m_pszTerm);
    EXPECT_EQ(outcome.m_strOutput, row.m_pszOutput) << row.m_pszTerm;
    const std::string strLine = row.m_pszLine;
    if (strLine.empty())
        EXPECT_EQ(outcome.m_strNarrative, "") << row.m_pszTerm;
    else
        EXPECT_NE(outcome.m_strNarrative.find("\r\n" + strLine + "\r\n"), std::string::npos)
            << row.m_pszTerm << " narrative:\n"
            << outcome.m_strNarrative;
    EXPECT_EQ(g_strIndent, "");
}

const CTermCase kTerms[] = {
    // Nothing to do: the narrative is emptied.
    {"+5", "+5", ""},
    {"+3xy", "+3xy", ""},
    {"+2/x", "+2/x", ""},
    // Outside factors multiplied into the bracket, which is merged.
    {"+3x(x+y)", "+3x^2!+3xy",
     "        Merge the subexpression (3x^2+3xy) into the main expression, i.e. remove brackets."},
    {"-(x+1)", "-x-1",
     "        This part contains a subexpression (a bracketed expression), the elements outside "
     "of the subexpression are:-"},
    {"+(x+1)(x+1)", "+x^2!+2x+1", "                This gives: (x^2+x+x+1)"},
    {"+(x+1)^3!", "+x^3!+3x^2!+3x+1",
     "        The subexpression (x+1)^3 is raised to a power, rewrite this as:(x+1)(x+1)(x+1)"},
    // Brackets against each other.
    {"+2(x+1)/(x+1)", "+2", "        The subexpression has now become: +2"},
    {"+(x^2!-1)/(x+1)", "+x-1",
     "        Merge the subexpression (x-1) into the main expression, i.e. remove brackets."},
    // A bracket of one term joins the outside factors.
    {"+3(2x)y", "+6xy", "        Which means the term outside the brackets becomes:6xy"},
    {"+(3-2)x", "+x", "        The subexpression is in fact ONE so we do not need to show it."},
    // Plain factors cancelled, coefficients folded.
    {"+x(x+1)/x", "+x+1",
     "        Have found x is common to both multipliers and divisors and so may be cancelled "
     "out."},
    {"+2(x+1)/4", "+%1,2$x+%1,2$", "        Which simplifies to:2(1/4)"},
    {"+3y/4/x", "+%3,4$y/x", "        Which simplifies to:3y(1/4)/x"},
    {"+2x3", "+6x", "        Which simplifies to:6x"},
    {"+yx", "+xy", "        Which simplifies to:xy"},
    // A common factor of the bracket and the outside divisor keeps the bracket's coefficients.
    {"+(2x+4xy)/x", "+4y+2",
     "        The subexpression after the division is now: (4y+2) and the divisor has become: +1"},
    // A "*" before a bracket is shown wherever the bracket is named, except after "Becomes "
    // and as what the bracket has been simplified to.
    {"+2*(x+1)/x", "+(2x+2)/x", "        Thus +2*(x+1)"},
    {"+x*(x+1)", "+x^2!+x", "        Thus (xx+x) has been simplified to (x^2+x)"},
    {"+2*(x+1)(x+2)", "+2x^2!+6x+4", "        We multiply *(x+1) By (x+2)"},
    {"+x*(x+1)^2!", "+x^3!+2x^2!+x",
     "        The subexpression *(x+1)^2 is raised to a power, rewrite this as:(x+1)(x+1)"},
    {"+2*(2x+4xy)/x", "+8y+4",
     "        Brimlet has noticed that all the terms of the subexpression *(8xy+4x) and the "
     "divisor outside of expression +1/x have the common factor of: +x Brimlet now cancels the "
     "common factor out of the subexpression and divisor."},
    // Zero: a zero coefficient, or a bracket whose terms all cancel.
    {"+0x", "+0", ""},
    {"+(x-x)y", "+0", "        Which means the term outside the brackets becomes:0y"},
    // Powers of brackets: 0 is one, a negative power divides, a fractional one stays.
    {"+(x+1)^0!", "+1", "        The subexpression is in fact ONE so we do not need to show it."},
    {"+(x+1)^-1!", "+1/(x+1)",
     "        The original subexpression +(x+1)^-1 has been simplified to: +1/(x+1)"},
    {"+(x+1)^%1,2$!", "+(x+1)^%1,2$!", ""},
    {"+(2x)^2!", "+4x^2!",
     "        The subexpression is not a subexpression at all so the brackets can be removed"},
    {"+(2)^3!", "+8",
     "        The subexpression is not a subexpression at all so the brackets can be removed"},
};

INSTANTIATE_TEST_SUITE_P(Terms, SimplifyTermTest, testing::ValuesIn(kTerms));

struct CFailingCase
{
    const char* m_pszTerm;
    const char* m_pszMessage;
};

class SimplifyTermFailureTest : public testing::TestWithParam<CFailingCase>
{
};

// An error mid-term leaves the indentation as it was, ready for the next request.
TEST_P(SimplifyTermFailureTest, RaisesTheMessageAndKeepsTheIndentBalanced)
{
    const CFailingCase& row = GetParam();
    try
    {
        Simplify(row.m_pszTerm);
        ADD_FAILURE() << row.m_pszTerm << " did not raise";
    }
    catch (const CAlgebraError& error)
    {
        EXPECT_STREQ(error.what(), row.m_pszMessage) << row.m_pszTerm;
    }
    EXPECT_EQ(g_strIndent, "");
}

const CFailingCase kFailures[] = {
    {"+1/(x-x)", kDivideByZero},
    {"+y(x-x)^-2!", kDivideByZero},
    {"+(x+1)^1000000!", kExpressionTooLarge},
    {"+(x+y+1)^400!", kExpressionTooLarge},
    {"+(a+b+c+d+e+f+g+h+1)^5!", kExpressionTooLarge},
};

INSTANTIATE_TEST_SUITE_P(Terms, SimplifyTermFailureTest, testing::ValuesIn(kFailures));

// A bracketless sum that ends up beside a divisor bracket keeps its brackets in the result.
TEST(SimplifyTermTest, WholeSumBesideADivisorBracketKeepsItsBrackets)
{
    auto pResult = CExpression("4x-y/(xy+1)").Simplify();
    EXPECT_EQ(pResult->GetText(false), "(4x^2!y+4x-y)/(xy+1)");
}
} // namespace
