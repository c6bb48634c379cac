// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/AlgebraError.h"
#include "core/SubExpression.h"
#include "driver/Explanation.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

constexpr const char* kMethodLine =
    "        When Multiplying subexpressions (bracketed expressions) Take the first term of first "
    "subexpression and multiply it with each term in the second subexpression, adding the result "
    "of each multiplication together. Then take the next term in first subexpression and "
    "multiply by all the terms in the second subexpression, adding these results to the results "
    "already accumulated from the first terms multiplication and so on with each term in the "
    "first subexpression.\r\n";

struct CProductRow
{
    const char* m_szReceiver;
    const char* m_szArgument;
    const char* m_szProduct; // the receiver's internal text afterwards
    bool m_bResimplified;    // a "This now gives: " line is written
};

class BracketProduct : public ::testing::TestWithParam<CProductRow>
{
};

TEST_P(BracketProduct, MultipliesEveryTermByEveryTerm)
{
    const CProductRow& row = GetParam();
    CSubExpression receiver(row.m_szReceiver);
    const CSubExpression argument(row.m_szArgument);
    const std::string strArgumentBefore = argument.GetText(true);
    receiver.Multiply(argument);
    EXPECT_EQ(receiver.GetText(true), row.m_szProduct)
        << row.m_szReceiver << " x " << row.m_szArgument;
    EXPECT_EQ(receiver.m_strExplanation.find("This now gives: ") != std::string::npos,
              row.m_bResimplified)
        << receiver.m_strExplanation;
    EXPECT_EQ(argument.GetText(true), strArgumentBefore);
    EXPECT_TRUE(g_strIndent.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BracketProduct,
    ::testing::Values(
        // x times x merges to x^2 at once; -x and x are left for the caller to combine
        CProductRow{"x+1", "x-1", "(x^2!-x+x-1)", false},
        // x times 1/x cancels when the product is simplified again
        CProductRow{"x+1", "1/x+1", "(1+x+1/x+1)", true},
        CProductRow{"a+b", "c+d+e", "(ac+ad+ae+bc+bd+be)", false},
        CProductRow{"x+1", "x+1", "(x^2!+x+x+1)", false}, CProductRow{"2x", "3y", "(6xy)", false},
        // letters in both terms take the sum of their powers, and a power that comes to 0 goes
        CProductRow{"x^-1!+y", "x+z", "(1+x^-1!z+xy+yz)", false},
        CProductRow{"xy^2!+1", "x^2!y^-2!z+y", "(x^3!z+xy^3!+x^2!y^-2!z+y)", false},
        // a product whose coefficient alone changes does not count as changed
        CProductRow{"2", "%1,2$x", "(x)", false}));

TEST(BracketProduct, NarratesTheProductAtOneLevelIn)
{
    CSubExpression receiver("x+1");
    receiver.Multiply(CSubExpression("x-1"));
    EXPECT_EQ(receiver.m_strExplanation, std::string("We multiply (x+1) By (x-1)\r\n") +
                                             kMethodLine + "        This gives: (x^2-x+x-1)\r\n");
}

TEST(BracketProduct, ByAnEmptyBracketLosesEveryTerm)
{
    CSubExpression receiver("x+1");
    receiver.Multiply(CSubExpression());
    EXPECT_TRUE(receiver.m_Terms.empty());
    EXPECT_NE(receiver.m_strExplanation.find("This gives: (0)\r\n"), std::string::npos);
}

// A product of thousands of terms ends in a clear error with the indentation restored.
TEST(BracketProduct, TooManyProductsRaiseExpressionTooLarge)
{
    std::string strSum = "a";
    for (char cLetter = 'b'; cLetter <= 'z'; ++cLetter)
        strSum += std::string("+") + cLetter;
    CSubExpression receiver(strSum + "+" + strSum + "+" + strSum);
    const CSubExpression argument(strSum + "+" + strSum + "+" + strSum);
    try
    {
        receiver.Multiply(argument);
        FAIL() << "no error for " << 78 * 78 << " products";
    }
    catch (const CAlgebraError& error)
    {
        EXPECT_STREQ(error.what(), kExpressionTooLarge);
    }
    EXPECT_TRUE(g_strIndent.empty());
}

} // namespace
