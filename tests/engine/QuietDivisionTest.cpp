// SPDX-License-Identifier: GPL-3.0-or-later
// Divisions whose narrative would be thrown away run without one: the narratives stay those
// of the fully told work, and the forecast that picks the quiet path reads the division right.
#include "driver/Explanation.h"
#include "driver/Expression.h"
#include "driver/SimplifyRequest.h"
#include "engine/Engine.h"

#include "NarrativeText.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace
{
struct CQuietCase
{
    const char* m_pszInput;
    const char* m_pszResult;
    const char* m_pszFurther;
    const char* m_pszNarrative; // lines end in "\n" here; the engine writes "\r\n"
};

class QuietDivisionNarrative : public testing::TestWithParam<CQuietCase>
{
};

TEST_P(QuietDivisionNarrative, TellsOnlyWhatIsKept)
{
    const CQuietCase& row = GetParam();
    ExpectRequest(row.m_pszInput, row.m_pszResult, row.m_pszFurther, row.m_pszNarrative);
    EXPECT_TRUE(Narrating());
}

const CQuietCase kCases[] = {
    // Euclid finds no common expression; its divisions leave nothing in the narrative.
    {"(x+1)/(x+2)", "(x+1)/(x+2)", "1-1/(x+2)",
     R"txt(Brimlet Works from left to right simplifying each part of Expression in turn as it finds it.

The Expression still has divisions, Brimlet has been unable to remove the divisions. The Expression could be left as it is or alternatively the division performed. Brimlet now does the division.
Simplifying +(x+2)

        Merge the subexpression (x+2) into the main expression, i.e. remove brackets.

Dividing (x+1) by (x+2)
        The Common variable between the two expressions is x and its highest power in the divisor is 1
        Before we do any divisions the the expression we are dividing into is moved to the remainder expression
        We will use the the term with highest power of the common variable from the divisor and repeatedly divide the remainder by it, this term is: +x
        Find all the terms in the remainder for the highest power of common variable and divide them by the divisor term we found above add the result together, this gives: (1)
        This is added to the results expression, making the results expression: (1)
        It is also multiplied by the divisor expression, i.e.
        We multiply (1) By (x+2)
                When Multiplying subexpressions (bracketed expressions) Take the first term of first subexpression and multiply it with each term in the second subexpression, adding the result of each multiplication together. Then take the next term in first subexpression and multiply by all the terms in the second subexpression, adding these results to the results already accumulated from the first terms multiplication and so on with each term in the first subexpression.
                This gives: (x+2)
        Now subtract the result of this multiplication from the remainder which gives of a remainder of: (x+1-x-2)
                Attempting to simplify the Subexpression(x+1-x-2)

                Brimlet now reorders this expression, this makes the following stage and solution of the equation easier, it is not essential to reorder
                The order is in alphabetic order of the variables and when powers are involved in decreasing sequence of power
                The reordered Subexpressionis:+x-x+1-2
                Combine +x with -x Giving Nothing (they cancel each other out)
                Combine +1 with -2 Giving -1

                The original Subexpression (x+1-x-2)
                Has been simplified to: (-1)

        Which means the remainder is now: (-1)
        There are no longer terms in the remainder with the common variable to a power equal or higher than the divisor term so the division is complete and the result of division is: (1)
        With a remainder of: (-1)
The Result of the division plus the remainder divided by the divisor expression gives
The final Expression: 1-1/(x+2)
)txt"},
    // The division that leaves a remainder is not told; the further result's division is.
    {"(x^2!+1)/(x+1)", "(x^2!+1)/(x+1)", "x-1+2/(x+1)",
     R"txt(Brimlet Works from left to right simplifying each part of Expression in turn as it finds it.

The Expression still has divisions, Brimlet has been unable to remove the divisions. The Expression could be left as it is or alternatively the division performed. Brimlet now does the division.
Simplifying +(x+1)

        Merge the subexpression (x+1) into the main expression, i.e. remove brackets.

Dividing (x^2+1) by (x+1)
        The Common variable between the two expressions is x and its highest power in the divisor is 1
        Before we do any divisions the the expression we are dividing into is moved to the remainder expression
        We will use the the term with highest power of the common variable from the divisor and repeatedly divide the remainder by it, this term is: +x
        Find all the terms in the remainder for the highest power of common variable and divide them by the divisor term we found above add the result together, this gives: (x)
        This is added to the results expression, making the results expression: (x)
        It is also multiplied by the divisor expression, i.e.
        We multiply (x) By (x+1)
                When Multiplying subexpressions (bracketed expressions) Take the first term of first subexpression and multiply it with each term in the second subexpression, adding the result of each multiplication together. Then take the next term in first subexpression and multiply by all the terms in the second subexpression, adding these results to the results already accumulated from the first terms multiplication and so on with each term in the first subexpression.
                This gives: (x^2+x)
        Now subtract the result of this multiplication from the remainder which gives of a remainder of: (x^2+1-x^2-x)
                Attempting to simplify the Subexpression(x^2+1-x^2-x)

                Brimlet now reorders this expression, this makes the following stage and solution of the equation easier, it is not essential to reorder
                The order is in alphabetic order of the variables and when powers are involved in decreasing sequence of power
                The reordered Subexpressionis:+x^2-x^2-x+1
                Combine +x^2 with -x^2 Giving Nothing (they cancel each other out)

                The original Subexpression (x^2+1-x^2-x)
                Has been simplified to: (-x+1)

        Which means the remainder is now: (-x+1)
        Find all the terms in the remainder for the highest power of common variable and divide them by the divisor term we found above add the result together, this gives: (-1)
        This is added to the results expression, making the results expression: (x-1)
        It is also multiplied by the divisor expression, i.e.
        We multiply (-1) By (x+1)
                When Multiplying subexpressions (bracketed expressions) Take the first term of first subexpression and multiply it with each term in the second subexpression, adding the result of each multiplication together. Then take the next term in first subexpression and multiply by all the terms in the second subexpression, adding these results to the results already accumulated from the first terms multiplication and so on with each term in the first subexpression.
                This gives: (-x-1)
        Now subtract the result of this multiplication from the remainder which gives of a remainder of: (-x+1+x+1)
                Attempting to simplify the Subexpression(-x+1+x+1)

                Brimlet now reorders this expression, this makes the following stage and solution of the equation easier, it is not essential to reorder
                The order is in alphabetic order of the variables and when powers are involved in decreasing sequence of power
                The reordered Subexpressionis:-x+x+1+1
                Combine -x with +x Giving Nothing (they cancel each other out)
                Combine +1 with +1 Giving +2

                The original Subexpression (-x+1+x+1)
                Has been simplified to: (2)

        Which means the remainder is now: (2)
        There are no longer terms in the remainder with the common variable to a power equal or higher than the divisor term so the division is complete and the result of division is: (x-1)
        With a remainder of: (2)
The Result of the division plus the remainder divided by the divisor expression gives
The final Expression: x-1+2/(x+1)
)txt"},
};

INSTANTIATE_TEST_SUITE_P(Requests, QuietDivisionNarrative, testing::ValuesIn(kCases));

struct CForecastRow
{
    const char* m_pszDividend;
    const char* m_pszDivisor;
    bool m_bInexact;
};

class DivisionForecast : public testing::TestWithParam<CForecastRow>
{
};

// The forecast against the engine's own division of the same pair.
TEST_P(DivisionForecast, AgreesWithTheDivision)
{
    const CForecastRow& row = GetParam();
    CExpression dividend(row.m_pszDividend);
    CExpression divisor(row.m_pszDivisor);
    dividend.CompareLeadingPower(divisor);
    EXPECT_EQ(LooksInexact(dividend, divisor), row.m_bInexact)
        << row.m_pszDividend << " by " << row.m_pszDivisor;
    std::unique_ptr<CSubExpression> pQuotient;
    std::unique_ptr<CSubExpression> pRemainder;
    dividend.PolynomialDivide(divisor, pQuotient, pRemainder);
    ASSERT_TRUE(pQuotient);
    EXPECT_EQ(pRemainder != nullptr, row.m_bInexact);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, DivisionForecast,
    testing::Values(
        CForecastRow{"x^2!-1", "x+1", false}, CForecastRow{"x^2!+1", "x+1", true},
        CForecastRow{"x^2!+2x+1", "x^2!-1", true}, CForecastRow{"x^2!-1", "2x+2", false},
        // other letters as coefficients
        CForecastRow{"x^2!y+x^2!z", "x+1", true}, CForecastRow{"x^2!y-y", "xy+y", false},
        CForecastRow{"x^2!-y^2!", "x+y", false}, CForecastRow{"x^2!+y^2!", "x+y", true},
        // fractions and a divisor letter that is not the variable
        CForecastRow{"%1,2$x^2!-%1,2$", "x-1", false}, CForecastRow{"x^2!/y+x/y", "x+1", false},
        CForecastRow{"x^10!-1", "x-1", false}, CForecastRow{"x^10!", "x-1", true}));

// What the forecast does not read (a bracket, the variable below the line) it does not call
// inexact, so the division is told as before.
TEST(DivisionForecast, UnreadTermsCountAsExact)
{
    CExpression bracketed("x(y+1)+1");
    CExpression divided("x+1/x");
    CExpression divisor("x+1");
    divisor.FindMainVariable(0);
    EXPECT_FALSE(LooksInexact(bracketed, divisor));
    EXPECT_FALSE(LooksInexact(divided, divisor));
}
} // namespace
