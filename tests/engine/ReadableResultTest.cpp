#include "Evaluate.h"
#include "driver/Explanation.h"
#include "driver/SimplifyRequest.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

// Results that were right but read badly, each with the display text users expect.
struct CReadableRow
{
    const char* m_szName;
    const char* m_szInput;
    const char* m_szResult;  // display form
    const char* m_szFurther; // display form; nullptr when there is no further result
};

class ReadableResult : public ::testing::TestWithParam<CReadableRow>
{
};

TEST_P(ReadableResult, ReadsAsExpectedAndKeepsTheValue)
{
    const CReadableRow& row = GetParam();
    const CSimplifyOutcome outcome = RunSimplify(row.m_szInput);
    ASSERT_FALSE(outcome.m_strError) << *outcome.m_strError;
    EXPECT_EQ(outcome.m_strResultDisplay, row.m_szResult) << row.m_szInput;
    EXPECT_EQ(outcome.m_strFurtherDisplay.value_or("none"),
              row.m_szFurther ? row.m_szFurther : "none")
        << row.m_szInput;
    EXPECT_EQ(evaluate::CheckSimplification(row.m_szInput, outcome.m_strResult,
                                            outcome.m_strFurther),
              "")
        << row.m_szInput;
    EXPECT_TRUE(g_strIndent.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReadableResult,
    ::testing::Values(
        // the common expression 2x+2 was divided out as it stood, leaving halves everywhere
        CReadableRow{"CommonExpressionMadePrimitive", "(x^2!-1)/(x^2!+2x+1)", "(x-1)/(x+1)",
                     "1-2/(x+1)"},
        CReadableRow{"CommonExpressionOfThreeBrackets", "(x^3!-x)/(x^2!+2x+1)", "(x^2-x)/(x+1)",
                     "x-2+2/(x+1)"},
        // a whole decimal wrote its point: (2.x^2+1)/x
        CReadableRow{"WholeDecimalWithoutPoint", "x/0.5+1/x=0", "(2x^2+1)/x=0", "2x^2+1=0"},
        // x^0! stayed in results as a factor
        CReadableRow{"ZeroPowerVariableIsOne", "yz^0!+4z^3!", "y+4z^3", nullptr},
        CReadableRow{"ZeroPowerKeepsTheCoefficient", "2x^0!+y^0!", "3", nullptr},
        CReadableRow{"ZeroPowerDivisorIsOne", "10*z^4!/y^0!+y^3!", "y^3+10z^4", nullptr},
        // the remainder over the divisors kept y/x/y unmerged
        CReadableRow{"QuotientTermsMergeLikeFactors", "(1/x+1/y)", "(x+y)/x/y", "1/x+1/y"},
        // the number -9 over a bracket printed in brackets of its own
        CReadableRow{"NegativeNumberOverDivisor", "-9/(x+1)", "-9/(x+1)", "-9/(x+1)"},
        CReadableRow{"NegativeNumberOverVariable", "x-(-9)/x", "(x^2+9)/x", "x+9/x"}),
    [](const auto& info) { return std::string(info.param.m_szName); });

} // namespace
