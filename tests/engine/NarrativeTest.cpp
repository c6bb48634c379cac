// SPDX-License-Identifier: GPL-3.0-or-later
// Whole "How it was done" narratives of representative requests, letter for letter.
#include "driver/Construction.h"
#include "driver/Explanation.h"

#include "NarrativeText.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
struct CNarrativeCase
{
    const char* m_pszInput;
    const char* m_pszResult;
    const char* m_pszFurther;   // an equation's further result; "" when there is none
    const char* m_pszNarrative; // lines end in "\n" here; the engine writes "\r\n"
};

// The request's narrative: the root's log, then for an equation the further result's log.
// (An expression's further result is the polynomial division's, tested with it.)
struct CRequestOutcome
{
    std::string m_strResult;
    std::string m_strFurther;
    std::string m_strNarrative;
};

CRequestOutcome RunRequest(const std::string& strInput)
{
    CRequestOutcome outcome;
    auto pRoot = ConstructFromText(strInput);
    auto pResult = pRoot->Simplify();
    outcome.m_strResult = pResult->GetText(false);
    outcome.m_strNarrative = pRoot->m_strExplanation;
    if (pResult->GetKind() == CExpression::kKindEquation && pResult->GetDivisionState() == 2)
    {
        auto pFurther = pResult->RemoveDivisions();
        if (pFurther)
            outcome.m_strFurther = pFurther->GetText(false);
        outcome.m_strNarrative += pResult->m_strExplanation;
    }
    return outcome;
}

class NarrativeTest : public testing::TestWithParam<CNarrativeCase>
{
};

TEST_P(NarrativeTest, MatchesWordForWord)
{
    const CNarrativeCase& row = GetParam();
    const CRequestOutcome outcome = RunRequest(row.m_pszInput);
    EXPECT_EQ(outcome.m_strResult, row.m_pszResult) << row.m_pszInput;
    EXPECT_EQ(outcome.m_strFurther, row.m_pszFurther) << row.m_pszInput;
    EXPECT_EQ(outcome.m_strNarrative, WithCrLf(row.m_pszNarrative)) << row.m_pszInput;
    EXPECT_EQ(g_strIndent, "");
}

const CNarrativeCase kNarratives[] = {
    {"2x+3x-5x+y", "y", "",
     R"txt(Brimlet Works from left to right simplifying each part of Expression in turn as it finds it.

Attempting to simplify the Expression 2x+3x-5x+y

Combine +2x with +3x Giving +5x
Combine +5x with -5x Giving Nothing (they cancel each other out)

The original Expression  2x+3x-5x+y
Has been simplified to: y

)txt"},
    {"3x(x+2)", "3x^2!+6x", "",
     R"txt(Brimlet Works from left to right simplifying each part of Expression in turn as it finds it.

Attempting to simplify the Expression 3x(x+2)

Simplifying +3x(x+2)

        This part contains a subexpression (a bracketed expression), the elements outside of the subexpression are:+3x

        Multiply each element of subexpression by the terms outside the brackets.
        Thus +3x(x+2)
        Becomes (3xx+6x)
        Make sure each term of this subexpression is simplified
        Simplifying +3xx

                Which simplifies to:3x^2
                The original subexpression +3xx has been simplified to: +3x^2


        Thus (3xx+6x) has been simplified to (3x^2+6x)

        Merge the subexpression (3x^2+6x) into the main expression, i.e. remove brackets.

The parts making up the Expression  have now been simplified to:+3x^2+6x

The original Expression  3x(x+2)
Has been simplified to: 3x^2+6x

Merge the subexpression 3x^2+6x into the main expression, i.e. remove brackets.

)txt"},
    {"(x+1)(x-1)", "x^2!-1", "",
     R"txt(Brimlet Works from left to right simplifying each part of Expression in turn as it finds it.

Attempting to simplify the Expression (x+1)(x-1)

Simplifying +(x+1)(x-1)

        We multiply (x+1) By (x-1)
                When Multiplying subexpressions (bracketed expressions) Take the first term of first subexpression and multiply it with each term in the second subexpression, adding the result of each multiplication together. Then take the next term in first subexpression and multiply by all the terms in the second subexpression, adding these results to the results already accumulated from the first terms multiplication and so on with each term in the first subexpression.
                This gives: (x^2-x+x-1)
        Attempting to simplify the Subexpression(x^2-x+x-1)

        Combine -x with +x Giving Nothing (they cancel each other out)

        The original Subexpression (x^2-x+x-1)
        Has been simplified to: (x^2-1)

        Merge the subexpression (x^2-1) into the main expression, i.e. remove brackets.

The parts making up the Expression  have now been simplified to:+x^2-1

The original Expression  (x+1)(x-1)
Has been simplified to: x^2-1

Merge the subexpression x^2-1 into the main expression, i.e. remove brackets.

)txt"},
    {"(x^2!-1)/(x+1)", "x-1", "",
     R"txt(Brimlet Works from left to right simplifying each part of Expression in turn as it finds it.

Attempting to simplify the Expression (x^2-1)/(x+1)

Simplifying +(x^2-1)/(x+1)

        The subexpression (x^2-1) can be divided by /(x+1) to give the Subexpression (x-1) The lower ranking subexpression can thus be canceled out and the higher ranking subexpression is replaced by the result.
        Dividing (x^2-1) by /(x+1)
                The Common variable between the two expressions is x and its highest power in the divisor is 1
                Before we do any divisions the the expression we are dividing into is moved to the remainder expression
                We will use the the term with highest power of the common variable from the divisor and repeatedly divide the remainder by it, this term is: +x
                Find all the terms in the remainder for the highest power of common variable and divide them by the divisor term we found above add the result together, this gives: (x)
                This is added to the results expression, making the results expression: (x)
                It is also multiplied by the divisor expression, i.e.
                We multiply (x) By /(x+1)
                        When Multiplying subexpressions (bracketed expressions) Take the first term of first subexpression and multiply it with each term in the second subexpression, adding the result of each multiplication together. Then take the next term in first subexpression and multiply by all the terms in the second subexpression, adding these results to the results already accumulated from the first terms multiplication and so on with each term in the first subexpression.
                        This gives: (x^2+x)
                Now subtract the result of this multiplication from the remainder which gives of a remainder of: (x^2-1-x^2-x)
                        Attempting to simplify the Subexpression(x^2-1-x^2-x)

                        Brimlet now reorders this expression, this makes the following stage and solution of the equation easier, it is not essential to reorder
                        The order is in alphabetic order of the variables and when powers are involved in decreasing sequence of power
                        The reordered Subexpressionis:+x^2-x^2-x-1
                        Combine +x^2 with -x^2 Giving Nothing (they cancel each other out)

                        The original Subexpression (x^2-1-x^2-x)
                        Has been simplified to: (-x-1)

                Which means the remainder is now: (-x-1)
                Find all the terms in the remainder for the highest power of common variable and divide them by the divisor term we found above add the result together, this gives: (-1)
                This is added to the results expression, making the results expression: (x-1)
                It is also multiplied by the divisor expression, i.e.
                We multiply (-1) By /(x+1)
                        When Multiplying subexpressions (bracketed expressions) Take the first term of first subexpression and multiply it with each term in the second subexpression, adding the result of each multiplication together. Then take the next term in first subexpression and multiply by all the terms in the second subexpression, adding these results to the results already accumulated from the first terms multiplication and so on with each term in the first subexpression.
                        This gives: (-x-1)
                Now subtract the result of this multiplication from the remainder which gives of a remainder of: (-x-1+x+1)
                        Attempting to simplify the Subexpression(-x-1+x+1)

                        Brimlet now reorders this expression, this makes the following stage and solution of the equation easier, it is not essential to reorder
                        The order is in alphabetic order of the variables and when powers are involved in decreasing sequence of power
                        The reordered Subexpressionis:-x+x-1+1
                        Combine -x with +x Giving Nothing (they cancel each other out)
                        Combine -1 with +1 Giving Nothing (they cancel each other out)

                        The original Subexpression (-x-1+x+1)
                        Has been simplified to: (0)

                Which means the remainder is now: (0)
                There are no longer terms in the remainder with the common variable to a power equal or higher than the divisor term so the division is complete and the result of division is: (x-1)
                The remainder is empty so the division worked, i.e. the divisor expression divided into the numerator expression exactly.

        The subexpression has now become: +1(x-1)

        Merge the subexpression (x-1) into the main expression, i.e. remove brackets.

The parts making up the Expression  have now been simplified to:+x-1

The original Expression  (x^2-1)/(x+1)
Has been simplified to: x-1

Merge the subexpression x-1 into the main expression, i.e. remove brackets.

)txt"},
    {"2(x+1)/(x+1)", "2", "",
     R"txt(Brimlet Works from left to right simplifying each part of Expression in turn as it finds it.

Attempting to simplify the Expression 2(x+1)/(x+1)

Simplifying +2(x+1)/(x+1)

        This part contains a  number of subexpressions (bracketed expressions), the elements outside of the subexpressions are:+2

        The subexpression (x+1) occurs both as a multipler and a divisior and so may be cancelled (removed both as a multipler and a divisor subexpression).

        The subexpression has now become: +2

        The original subexpression +2(x+1)/(x+1) has been simplified to: +2

The parts making up the Expression  have now been simplified to:+2

The original Expression  2(x+1)/(x+1)
Has been simplified to: 2

)txt"},
    {"(1/x+1/y)", "(x+y)/x/y", "",
     R"txt(Brimlet Works from left to right simplifying each part of Expression in turn as it finds it.

Attempting to simplify the Expression (1/x+1/y)

Simplifying +(1/x+1/y)

        The Subexpression: (1/x+1/y) Involves division, we simplify this as follows:
                Find all the divisions and build a common divisor
                The common divisor is: +1/x/y
                Brimlet now multiplies this subexpression by: +xy/x/y
                In affect we are multiplying by 1.
                Leave the divisor part outside the subexpression and Multipy each part of the subexpression by the multiplier subexpression, i.e. by +xy
                The subexpression becomes:(1xy/x+1xy/y)
                Attempting to simplify the Subexpression(1xy/x+1xy/y)

                Simplifying +1xy/x

                        Have found x is common to both multipliers and divisors and so may be cancelled out.
                        Which means the term becomes:
                        y
                        The original subexpression +1xy/x has been simplified to: +y

                Simplifying +1xy/y

                        Have found y is common to both multipliers and divisors and so may be cancelled out.
                        Which means the term becomes:
                        x
                        The original subexpression +1xy/y has been simplified to: +x

                The parts making up the Subexpression have now been simplified to:+y+x

                Brimlet now reorders this expression, this makes the following stage and solution of the equation easier, it is not essential to reorder
                The order is in alphabetic order of the variables and when powers are involved in decreasing sequence of power
                The reordered Subexpressionis:+x+y
                The original Subexpression (1xy/x+1xy/y)
                Has been simplified to: (x+y)

                Brimlet has converted: (1/x+1/y) into ((x+y))/x/y


        The original subexpression +(1/x+1/y) has been simplified to: +(x+y)/x/y

The parts making up the Expression  have now been simplified to:+(x+y)/x/y

The original Expression  (1/x+1/y)
Has been simplified to: (x+y)/x/y


)txt"},
    {"x+1=2x-3", "-x+4=0", "",
     R"txt(Brimlet starts by moving the right side of equation to the left, leaving zero on the right. The signs of the elements of the right side of equation are reversed.
The Equation has now become: x+1-2x+3=0

Brimlet Works from left to right simplifying each part of Expression in turn as it finds it.

Attempting to simplify the Expression x+1-2x+3

Brimlet now reorders this expression, this makes the following stage and solution of the equation easier, it is not essential to reorder
The order is in alphabetic order of the variables and when powers are involved in decreasing sequence of power
The reordered Expression is:+x-2x+1+3
Combine +x with -2x Giving -x
Combine +1 with +3 Giving +4

The original Expression  x+1-2x+3
Has been simplified to: -x+4

Merge the subexpression -x+4 into the main expression, i.e. remove brackets.

Making the Equation: -x+4=0

)txt"},
    {"(x+2)/x=0", "(x+2)/x=0", "x+2=0",
     R"txt(The Equation is: (x+2)/x=0

Brimlet Works from left to right simplifying each part of Expression in turn as it finds it.


Making the Equation: (x+2)/x=0

The Equation still has divisions, these can be removed by multiplying both sides of equation by the divisors. Multipling zero by anything (other than infinity) leaves zero, so the right side of equation remains zero. Multipling the left side of equation by the divisors +x means we cancel out the divisors (with this multiplier) i.e. the divisors are removed.

The Equation finally becomes: x+2=0
)txt"},
    // Chains of products on the rarer paths: a pair that cancels and a product that could not
    // be simplified, a reordered bracket, and powers that are not whole (written and read).
    {"(x+1)(x-1)(x+1)", "x^3!+x^2!-x-1", "",
     R"txt(Brimlet Works from left to right simplifying each part of Expression in turn as it finds it.

Attempting to simplify the Expression (x+1)(x-1)(x+1)

Simplifying +(x+1)(x-1)(x+1)

        We multiply (x+1) By (x-1)
                When Multiplying subexpressions (bracketed expressions) Take the first term of first subexpression and multiply it with each term in the second subexpression, adding the result of each multiplication together. Then take the next term in first subexpression and multiply by all the terms in the second subexpression, adding these results to the results already accumulated from the first terms multiplication and so on with each term in the first subexpression.
                This gives: (x^2-x+x-1)
        Attempting to simplify the Subexpression(x^2-x+x-1)

        Combine -x with +x Giving Nothing (they cancel each other out)

        The original Subexpression (x^2-x+x-1)
        Has been simplified to: (x^2-1)

        We multiply (x^2-1) By (x+1)
                When Multiplying subexpressions (bracketed expressions) Take the first term of first subexpression and multiply it with each term in the second subexpression, adding the result of each multiplication together. Then take the next term in first subexpression and multiply by all the terms in the second subexpression, adding these results to the results already accumulated from the first terms multiplication and so on with each term in the first subexpression.
                This gives: (x^3+x^2-x-1)
        Attempting to simplify the Subexpression(x^3+x^2-x-1)

        The original Subexpression (x^3+x^2-x-1)
        Could NOT be simplified.

        Merge the subexpression (x^3+x^2-x-1) into the main expression, i.e. remove brackets.

The parts making up the Expression  have now been simplified to:+x^3+x^2-x-1

The original Expression  (x+1)(x-1)(x+1)
Has been simplified to: x^3+x^2-x-1

Merge the subexpression x^3+x^2-x-1 into the main expression, i.e. remove brackets.

)txt"},
    {"(y-x)(x+y)(x-y)", "-x^3!+x^2!y+xy^2!-y^3!", "",
     R"txt(Brimlet Works from left to right simplifying each part of Expression in turn as it finds it.

Attempting to simplify the Expression (y-x)(x+y)(x-y)

Simplifying +(y-x)(x+y)(x-y)

        The subexpression (y-x) will be simplifyed.
                Attempting to simplify the Subexpression(y-x)

                Brimlet now reorders this expression, this makes the following stage and solution of the equation easier, it is not essential to reorder
                The order is in alphabetic order of the variables and when powers are involved in decreasing sequence of power
                The reordered Subexpressionis:-x+y
                The original Subexpression (y-x)
                Has been simplified to: (-x+y)

        We multiply (-x+y) By (x+y)
                When Multiplying subexpressions (bracketed expressions) Take the first term of first subexpression and multiply it with each term in the second subexpression, adding the result of each multiplication together. Then take the next term in first subexpression and multiply by all the terms in the second subexpression, adding these results to the results already accumulated from the first terms multiplication and so on with each term in the first subexpression.
                This gives: (-x^2-xy+xy+y^2)
        Attempting to simplify the Subexpression(-x^2-xy+xy+y^2)

        Combine -xy with +xy Giving Nothing (they cancel each other out)

        The original Subexpression (-x^2-xy+xy+y^2)
        Has been simplified to: (-x^2+y^2)

        We multiply (-x^2+y^2) By (x-y)
                When Multiplying subexpressions (bracketed expressions) Take the first term of first subexpression and multiply it with each term in the second subexpression, adding the result of each multiplication together. Then take the next term in first subexpression and multiply by all the terms in the second subexpression, adding these results to the results already accumulated from the first terms multiplication and so on with each term in the first subexpression.
                This gives: (-x^3+x^2y+xy^2-y^3)
        Attempting to simplify the Subexpression(-x^3+x^2y+xy^2-y^3)

        The original Subexpression (-x^3+x^2y+xy^2-y^3)
        Could NOT be simplified.

        Merge the subexpression (-x^3+x^2y+xy^2-y^3) into the main expression, i.e. remove brackets.

The parts making up the Expression  have now been simplified to:-x^3+x^2y+xy^2-y^3

The original Expression  (y-x)(x+y)(x-y)
Has been simplified to: -x^3+x^2y+xy^2-y^3

Merge the subexpression -x^3+x^2y+xy^2-y^3 into the main expression, i.e. remove brackets.

)txt"},
    {"(x^%1,2$!+1)^2!", "x+2x^%1,2$!+1", "",
     R"txt(Brimlet Works from left to right simplifying each part of Expression in turn as it finds it.

Attempting to simplify the Expression (x^(1/2)+1)^2

Simplifying +(x^(1/2)+1)^2

        The subexpression (x^(1/2)+1)^2 is raised to a power, rewrite this as:(x^(1/2)+1)(x^(1/2)+1)
        We multiply (x^(1/2)+1) By (x^(1/2)+1)
                When Multiplying subexpressions (bracketed expressions) Take the first term of first subexpression and multiply it with each term in the second subexpression, adding the result of each multiplication together. Then take the next term in first subexpression and multiply by all the terms in the second subexpression, adding these results to the results already accumulated from the first terms multiplication and so on with each term in the first subexpression.
                This gives: (x+x^(1/2)+x^(1/2)+1)
        Attempting to simplify the Subexpression(x+x^(1/2)+x^(1/2)+1)

        Combine +x^(1/2) with +x^(1/2) Giving +2x^(1/2)

        The original Subexpression (x+x^(1/2)+x^(1/2)+1)
        Has been simplified to: (x+2x^(1/2)+1)

        Merge the subexpression (x+2x^(1/2)+1) into the main expression, i.e. remove brackets.

The parts making up the Expression  have now been simplified to:+x+2x^(1/2)+1

The original Expression  (x^(1/2)+1)^2
Has been simplified to: x+2x^(1/2)+1

Merge the subexpression x+2x^(1/2)+1 into the main expression, i.e. remove brackets.

)txt"},
    // Each pair is tried in its turn: the second pair of the same texts is divided out too.
    {"(x^2!+x)^2!/(x^2!+2x)^2!", "(x^2!+2x+1)/(x+2)/(x+2)", "",
     R"txt(Brimlet Works from left to right simplifying each part of Expression in turn as it finds it.

Attempting to simplify the Expression (x^2+x)^2/(x^2+2x)^2

Simplifying +(x^2+x)^2/(x^2+2x)^2

        The subexpression (x^2+x)^2 is raised to a power, rewrite this as:(x^2+x)(x^2+x)
        The subexpression /(x^2+2x)^2 is raised to a power, rewrite this as:/(x^2+2x)/(x^2+2x)
        Brimlet has found the common expression (x)Between the subexpressions (x^2+x) and /(x^2+2x)
        We will divide out the common expression from these two subexpressions
        Dividing (x^2+x) by (x)
                The Common variable between the two expressions is x and its highest power in the divisor is 1
                Before we do any divisions the the expression we are dividing into is moved to the remainder expression
                We will use the the term with highest power of the common variable from the divisor and repeatedly divide the remainder by it, this term is: +x
                Find all the terms in the remainder for the highest power of common variable and divide them by the divisor term we found above add the result together, this gives: (x)
                This is added to the results expression, making the results expression: (x)
                It is also multiplied by the divisor expression, i.e.
                We multiply (x) By (x)
                        When Multiplying subexpressions (bracketed expressions) Take the first term of first subexpression and multiply it with each term in the second subexpression, adding the result of each multiplication together. Then take the next term in first subexpression and multiply by all the terms in the second subexpression, adding these results to the results already accumulated from the first terms multiplication and so on with each term in the first subexpression.
                        This gives: (x^2)
                Now subtract the result of this multiplication from the remainder which gives of a remainder of: (x^2+x-x^2)
                        Attempting to simplify the Subexpression(x^2+x-x^2)

                        Brimlet now reorders this expression, this makes the following stage and solution of the equation easier, it is not essential to reorder
                        The order is in alphabetic order of the variables and when powers are involved in decreasing sequence of power
                        The reordered Subexpressionis:+x^2-x^2+x
                        Combine +x^2 with -x^2 Giving Nothing (they cancel each other out)

                        The original Subexpression (x^2+x-x^2)
                        Has been simplified to: (x)

                Which means the remainder is now: (x)
                Find all the terms in the remainder for the highest power of common variable and divide them by the divisor term we found above add the result together, this gives: (1)
                This is added to the results expression, making the results expression: (x+1)
                It is also multiplied by the divisor expression, i.e.
                We multiply (1) By (x)
                        When Multiplying subexpressions (bracketed expressions) Take the first term of first subexpression and multiply it with each term in the second subexpression, adding the result of each multiplication together. Then take the next term in first subexpression and multiply by all the terms in the second subexpression, adding these results to the results already accumulated from the first terms multiplication and so on with each term in the first subexpression.
                        This gives: (x)
                Now subtract the result of this multiplication from the remainder which gives of a remainder of: (x-x)
                        Attempting to simplify the Subexpression(x-x)

                        Combine +x with -x Giving Nothing (they cancel each other out)

                        The original Subexpression (x-x)
                        Has been simplified to: (0)

                Which means the remainder is now: (0)
                There are no longer terms in the remainder with the common variable to a power equal or higher than the divisor term so the division is complete and the result of division is: (x+1)
                The remainder is empty so the division worked, i.e. the divisor expression divided into the numerator expression exactly.
        Dividing /(x^2+2x) by (x)
                The Common variable between the two expressions is x and its highest power in the divisor is 1
                Before we do any divisions the the expression we are dividing into is moved to the remainder expression
                We will use the the term with highest power of the common variable from the divisor and repeatedly divide the remainder by it, this term is: +x
                Find all the terms in the remainder for the highest power of common variable and divide them by the divisor term we found above add the result together, this gives: (x)
                This is added to the results expression, making the results expression: (x)
                It is also multiplied by the divisor expression, i.e.
                We multiply (x) By (x)
                        When Multiplying subexpressions (bracketed expressions) Take the first term of first subexpression and multiply it with each term in the second subexpression, adding the result of each multiplication together. Then take the next term in first subexpression and multiply by all the terms in the second subexpression, adding these results to the results already accumulated from the first terms multiplication and so on with each term in the first subexpression.
                        This gives: (x^2)
                Now subtract the result of this multiplication from the remainder which gives of a remainder of: (x^2+2x-x^2)
                        Attempting to simplify the Subexpression(x^2+2x-x^2)

                        Brimlet now reorders this expression, this makes the following stage and solution of the equation easier, it is not essential to reorder
                        The order is in alphabetic order of the variables and when powers are involved in decreasing sequence of power
                        The reordered Subexpressionis:+x^2-x^2+2x
                        Combine +x^2 with -x^2 Giving Nothing (they cancel each other out)

                        The original Subexpression (x^2+2x-x^2)
                        Has been simplified to: (2x)

                Which means the remainder is now: (2x)
                Find all the terms in the remainder for the highest power of common variable and divide them by the divisor term we found above add the result together, this gives: (2)
                This is added to the results expression, making the results expression: (x+2)
                It is also multiplied by the divisor expression, i.e.
                We multiply (2) By (x)
                        When Multiplying subexpressions (bracketed expressions) Take the first term of first subexpression and multiply it with each term in the second subexpression, adding the result of each multiplication together. Then take the next term in first subexpression and multiply by all the terms in the second subexpression, adding these results to the results already accumulated from the first terms multiplication and so on with each term in the first subexpression.
                        This gives: (2x)
                Now subtract the result of this multiplication from the remainder which gives of a remainder of: (2x-2x)
                        Attempting to simplify the Subexpression(2x-2x)

                        Combine +2x with -2x Giving Nothing (they cancel each other out)

                        The original Subexpression (2x-2x)
                        Has been simplified to: (0)

                Which means the remainder is now: (0)
                There are no longer terms in the remainder with the common variable to a power equal or higher than the divisor term so the division is complete and the result of division is: (x+2)
                The remainder is empty so the division worked, i.e. the divisor expression divided into the numerator expression exactly.
        Brimlet has found the common expression (x)Between the subexpressions (x^2+x) and /(x^2+2x)
        We will divide out the common expression from these two subexpressions
        Dividing (x^2+x) by (x)
                The Common variable between the two expressions is x and its highest power in the divisor is 1
                Before we do any divisions the the expression we are dividing into is moved to the remainder expression
                We will use the the term with highest power of the common variable from the divisor and repeatedly divide the remainder by it, this term is: +x
                Find all the terms in the remainder for the highest power of common variable and divide them by the divisor term we found above add the result together, this gives: (x)
                This is added to the results expression, making the results expression: (x)
                It is also multiplied by the divisor expression, i.e.
                We multiply (x) By (x)
                        When Multiplying subexpressions (bracketed expressions) Take the first term of first subexpression and multiply it with each term in the second subexpression, adding the result of each multiplication together. Then take the next term in first subexpression and multiply by all the terms in the second subexpression, adding these results to the results already accumulated from the first terms multiplication and so on with each term in the first subexpression.
                        This gives: (x^2)
                Now subtract the result of this multiplication from the remainder which gives of a remainder of: (x^2+x-x^2)
                        Attempting to simplify the Subexpression(x^2+x-x^2)

                        Brimlet now reorders this expression, this makes the following stage and solution of the equation easier, it is not essential to reorder
                        The order is in alphabetic order of the variables and when powers are involved in decreasing sequence of power
                        The reordered Subexpressionis:+x^2-x^2+x
                        Combine +x^2 with -x^2 Giving Nothing (they cancel each other out)

                        The original Subexpression (x^2+x-x^2)
                        Has been simplified to: (x)

                Which means the remainder is now: (x)
                Find all the terms in the remainder for the highest power of common variable and divide them by the divisor term we found above add the result together, this gives: (1)
                This is added to the results expression, making the results expression: (x+1)
                It is also multiplied by the divisor expression, i.e.
                We multiply (1) By (x)
                        When Multiplying subexpressions (bracketed expressions) Take the first term of first subexpression and multiply it with each term in the second subexpression, adding the result of each multiplication together. Then take the next term in first subexpression and multiply by all the terms in the second subexpression, adding these results to the results already accumulated from the first terms multiplication and so on with each term in the first subexpression.
                        This gives: (x)
                Now subtract the result of this multiplication from the remainder which gives of a remainder of: (x-x)
                        Attempting to simplify the Subexpression(x-x)

                        Combine +x with -x Giving Nothing (they cancel each other out)

                        The original Subexpression (x-x)
                        Has been simplified to: (0)

                Which means the remainder is now: (0)
                There are no longer terms in the remainder with the common variable to a power equal or higher than the divisor term so the division is complete and the result of division is: (x+1)
                The remainder is empty so the division worked, i.e. the divisor expression divided into the numerator expression exactly.
        Dividing /(x^2+2x) by (x)
                The Common variable between the two expressions is x and its highest power in the divisor is 1
                Before we do any divisions the the expression we are dividing into is moved to the remainder expression
                We will use the the term with highest power of the common variable from the divisor and repeatedly divide the remainder by it, this term is: +x
                Find all the terms in the remainder for the highest power of common variable and divide them by the divisor term we found above add the result together, this gives: (x)
                This is added to the results expression, making the results expression: (x)
                It is also multiplied by the divisor expression, i.e.
                We multiply (x) By (x)
                        When Multiplying subexpressions (bracketed expressions) Take the first term of first subexpression and multiply it with each term in the second subexpression, adding the result of each multiplication together. Then take the next term in first subexpression and multiply by all the terms in the second subexpression, adding these results to the results already accumulated from the first terms multiplication and so on with each term in the first subexpression.
                        This gives: (x^2)
                Now subtract the result of this multiplication from the remainder which gives of a remainder of: (x^2+2x-x^2)
                        Attempting to simplify the Subexpression(x^2+2x-x^2)

                        Brimlet now reorders this expression, this makes the following stage and solution of the equation easier, it is not essential to reorder
                        The order is in alphabetic order of the variables and when powers are involved in decreasing sequence of power
                        The reordered Subexpressionis:+x^2-x^2+2x
                        Combine +x^2 with -x^2 Giving Nothing (they cancel each other out)

                        The original Subexpression (x^2+2x-x^2)
                        Has been simplified to: (2x)

                Which means the remainder is now: (2x)
                Find all the terms in the remainder for the highest power of common variable and divide them by the divisor term we found above add the result together, this gives: (2)
                This is added to the results expression, making the results expression: (x+2)
                It is also multiplied by the divisor expression, i.e.
                We multiply (2) By (x)
                        When Multiplying subexpressions (bracketed expressions) Take the first term of first subexpression and multiply it with each term in the second subexpression, adding the result of each multiplication together. Then take the next term in first subexpression and multiply by all the terms in the second subexpression, adding these results to the results already accumulated from the first terms multiplication and so on with each term in the first subexpression.
                        This gives: (2x)
                Now subtract the result of this multiplication from the remainder which gives of a remainder of: (2x-2x)
                        Attempting to simplify the Subexpression(2x-2x)

                        Combine +2x with -2x Giving Nothing (they cancel each other out)

                        The original Subexpression (2x-2x)
                        Has been simplified to: (0)

                Which means the remainder is now: (0)
                There are no longer terms in the remainder with the common variable to a power equal or higher than the divisor term so the division is complete and the result of division is: (x+2)
                The remainder is empty so the division worked, i.e. the divisor expression divided into the numerator expression exactly.

        The subexpression has now become: +1(x+1)(x+1)/(x+2)/(x+2)

        We multiply (x+1) By (x+1)
                When Multiplying subexpressions (bracketed expressions) Take the first term of first subexpression and multiply it with each term in the second subexpression, adding the result of each multiplication together. Then take the next term in first subexpression and multiply by all the terms in the second subexpression, adding these results to the results already accumulated from the first terms multiplication and so on with each term in the first subexpression.
                This gives: (x^2+x+x+1)
        Attempting to simplify the Subexpression(x^2+x+x+1)

        Combine +x with +x Giving +2x

        The original Subexpression (x^2+x+x+1)
        Has been simplified to: (x^2+2x+1)

        The original subexpression +(x^2+x)^2/(x^2+2x)^2 has been simplified to: +(x^2+2x+1)/(x+2)/(x+2)

The parts making up the Expression  have now been simplified to:+(x^2+2x+1)/(x+2)/(x+2)

The original Expression  (x^2+x)^2/(x^2+2x)^2
Has been simplified to: (x^2+2x+1)/(x+2)/(x+2)

)txt"},
};

INSTANTIATE_TEST_SUITE_P(Requests, NarrativeTest, testing::ValuesIn(kNarratives));
} // namespace
