// SPDX-License-Identifier: GPL-3.0-or-later
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
    EXPECT_EQ(
        evaluate::CheckSimplification(row.m_szInput, outcome.m_strResult, outcome.m_strFurther), "")
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
        CReadableRow{"ZeroPowerDivisorIsOne", "10*z^4!/y^0!+y^3!", "y^3+10*z^4", nullptr},
        // the remainder over the divisors kept y/x/y unmerged
        CReadableRow{"QuotientTermsMergeLikeFactors", "(1/x+1/y)", "(x+y)/x/y", "1/x+1/y"},
        // the number -9 over a bracket printed in brackets of its own
        CReadableRow{"NegativeNumberOverDivisor", "-9/(x+1)", "-9/(x+1)", "-9/(x+1)"},
        CReadableRow{"NegativeNumberOverVariable", "x-(-9)/x", "(x^2+9)/x", "x+9/x"},
        // a fraction never combined kept the form it was typed in: (2&4/2), (3/6)
        CReadableRow{"FractionAsWrittenReduced", "2%4,2$+%1,3$/x", "(4x+(1/3))/x", "4+(1/3)/x"},
        CReadableRow{"FractionCoefficientReduced", "%3,6$x+1%4,3$", "(1/2)x+(2&1/3)", nullptr},
        // the numerator leads in another letter than the divisor: the further result is the
        // result as it stands, with no division back to the sum it came from
        CReadableRow{"FurtherLeftWhenNumeratorLeadsInOtherVariable", "z*y^2!-1.2/x",
                     "(xy^2z-1.2)/x", "(xy^2z-1.2)/x"},
        CReadableRow{"FurtherLeftWhenNumeratorLeadsInOtherVariableOfEqualDegree", "6.1y*x-2/z",
                     "(6.1*xyz-2)/z", "(6.1*xyz-2)/z"},
        // a divisor held twice by one term went into the common divisor once, leaving a
        // fraction inside the bracket: (xy+x+1/(y+1))/(y+1)
        CReadableRow{"RepeatedDivisorInOneTerm", "x+1/(y+1)^2!", "(xy^2+2xy+x+1)/(y+1)/(y+1)",
                     "x+1/(y+1)/(y+1)"},
        CReadableRow{"RepeatedDivisorInOneTermOfEquation", "x+1/(y+1)^2!=0",
                     "(xy^2+2xy+x+1)/(y+1)/(y+1)=0", "xy^2+2xy+x+1=0"},
        // the copies of a written-out power stay side by side, as the narrative rewrote them
        CReadableRow{"EqualDivisorBracketsStayApart", "x/(x+1)/(x+1)", "x/(x+1)/(x+1)",
                     "x/(x+1)/(x+1)"},
        CReadableRow{"EqualDivisorBracketsAfterCancelling", "(x+1)/(x+1)^3!", "1/(x+1)/(x+1)",
                     "1/(x+1)/(x+1)"},
        // dividing by a leading term with a letter in it leaves a remainder that still holds a
        // division; the division is done all the same
        CReadableRow{"FurtherDividesWhenRemainderHoldsDivisions", "x/(zx-yz-6)", "x/(xz-yz-6)",
                     "(y+6/z)/(xz-yz-6)+1/z"},
        CReadableRow{"FurtherDividesIntoRemainderOverDivisor", "x^2!/(xy+1)", "x^2/(xy+1)",
                     "x/y+(1/y^2)/(xy+1)-1/y^2"},
        CReadableRow{"FurtherLeftWhenDivisorLeadsInOtherVariable", "x+2/y", "(xy+2)/y", "(xy+2)/y"},
        // decimals that should cancel left 0.00000000000042632564145606y^3 behind
        CReadableRow{"DecimalRoundingCancels", "0.1x+0.2x-0.3x+y", "y", nullptr}),
    [](const auto& info) { return std::string(info.param.m_szName); });

} // namespace
