// SPDX-License-Identifier: GPL-3.0-or-later
// Whole narratives of requests whose results keep the written forms (starred factors, divisor
// brackets side by side, a divisor number as its fraction) and of the further result's choice
// between a copy and a division, letter for letter, further result's log included.
#include "Evaluate.h"
#include "driver/Explanation.h"
#include "driver/SimplifyRequest.h"

#include "NarrativeText.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
struct CWrittenFormCase
{
    const char* m_pszInput;
    const char* m_pszResult;
    const char* m_pszFurther;   // nullptr when the result has no further result
    const char* m_pszNarrative; // lines end in "\n" here; the engine writes "\r\n"
};

class WrittenFormNarrative : public testing::TestWithParam<CWrittenFormCase>
{
};

TEST_P(WrittenFormNarrative, MatchesWordForWord)
{
    const CWrittenFormCase& row = GetParam();
    ExpectRequest(row.m_pszInput, row.m_pszResult, row.m_pszFurther ? row.m_pszFurther : "none",
                  row.m_pszNarrative);
}

const CWrittenFormCase kCases[] = {
    // A starred factor keeps its mark; nothing changed, so the term writes no block.
    {"2*x", "2*x", nullptr,
     R"txt(Brimlet Works from left to right simplifying each part of Expression in turn as it finds it.

)txt"},
    {"x*y+1", "x*y+1", nullptr,
     R"txt(Brimlet Works from left to right simplifying each part of Expression in turn as it finds it.

Merge the subexpression x*y+1 into the main expression, i.e. remove brackets.

)txt"},
    // The numerator leads in x, the divisor in y: the further result is a copy, unlogged.
    {"x+2/y", "(xy+2)/y", "(xy+2)/y",
     R"txt(Brimlet Works from left to right simplifying each part of Expression in turn as it finds it.

The Subexpression: x+2/y Involves division, we simplify this as follows:
        Find all the divisions and build a common divisor
        The common divisor is: +1/y
        Brimlet now multiplies this subexpression by: +y/y
        In affect we are multiplying by 1.
        Leave the divisor part outside the subexpression and Multipy each part of the subexpression by the multiplier subexpression, i.e. by +y
        The subexpression becomes:xy+2y/y
        Attempting to simplify the Expression xy+2y/y

        Simplifying +2y/y

                Have found y is common to both multipliers and divisors and so may be cancelled out.
                Which means the term becomes:
                2
                The original subexpression +2y/y has been simplified to: +2

        The parts making up the Expression  have now been simplified to:+xy+2

        The original Expression  xy+2y/y
        Has been simplified to: xy+2

        Brimlet has converted: x+2/y into (xy+2)/y


)txt"},
    // The remainder still holds a division; the division is done all the same.
    {"x^2!/(xy+1)", "x^2!/(xy+1)", "x/y+(1/y^2!)/(xy+1)-1/y^2!",
     R"txt(Brimlet Works from left to right simplifying each part of Expression in turn as it finds it.

The Expression still has divisions, Brimlet has been unable to remove the divisions. The Expression could be left as it is or alternatively the division performed. Brimlet now does the division.
Simplifying +(xy+1)

        Merge the subexpression (xy+1) into the main expression, i.e. remove brackets.

Dividing (x^2) by (xy+1)
        The Common variable between the two expressions is x and its highest power in the divisor is 1
        Before we do any divisions the the expression we are dividing into is moved to the remainder expression
        We will use the the term with highest power of the common variable from the divisor and repeatedly divide the remainder by it, this term is: +xy
        Find all the terms in the remainder for the highest power of common variable and divide them by the divisor term we found above add the result together, this gives: (x/y)
        This is added to the results expression, making the results expression: (x/y)
        It is also multiplied by the divisor expression, i.e.
        We multiply (x/y) By (xy+1)
                When Multiplying subexpressions (bracketed expressions) Take the first term of first subexpression and multiply it with each term in the second subexpression, adding the result of each multiplication together. Then take the next term in first subexpression and multiply by all the terms in the second subexpression, adding these results to the results already accumulated from the first terms multiplication and so on with each term in the first subexpression.
                This gives: (x^2y/y+x/y)
                Simplifying +x^2y/y

                        Have found y is common to both multipliers and divisors and so may be cancelled out.
                        Which means the term becomes:
                        x^2
                        The original subexpression +x^2y/y has been simplified to: +x^2


                This now gives: (x^2+x/y)
        Now subtract the result of this multiplication from the remainder which gives of a remainder of: (x^2-x^2-x/y)
                Attempting to simplify the Subexpression(x^2-x^2-x/y)

                Combine +x^2 with -x^2 Giving Nothing (they cancel each other out)

                The original Subexpression (x^2-x^2-x/y)
                Has been simplified to: (-x/y)

        Which means the remainder is now: (-x/y)
        Find all the terms in the remainder for the highest power of common variable and divide them by the divisor term we found above add the result together, this gives: (-1/y^2)
        This is added to the results expression, making the results expression: (x/y-1/y^2)
        It is also multiplied by the divisor expression, i.e.
        We multiply (-1/y^2) By (xy+1)
                When Multiplying subexpressions (bracketed expressions) Take the first term of first subexpression and multiply it with each term in the second subexpression, adding the result of each multiplication together. Then take the next term in first subexpression and multiply by all the terms in the second subexpression, adding these results to the results already accumulated from the first terms multiplication and so on with each term in the first subexpression.
                This gives: (-xy/y^2-1/y^2)
                Simplifying -xy/y^2

                        Have found the multiplier y and the divisor /y^2 These may be combined to leave the divisor /y.
                        Which means the term becomes:
                        (-1)x/y
                        The original subexpression -xy/y^2 has been simplified to: -x/y


                This now gives: (-x/y-1/y^2)
        Now subtract the result of this multiplication from the remainder which gives of a remainder of: (-x/y+x/y+1/y^2)
                Attempting to simplify the Subexpression(-x/y+x/y+1/y^2)

                Combine -x/y with +x/y Giving Nothing (they cancel each other out)

                The original Subexpression (-x/y+x/y+1/y^2)
                Has been simplified to: (1/y^2)

        Which means the remainder is now: (1/y^2)
        There are no longer terms in the remainder with the common variable to a power equal or higher than the divisor term so the division is complete and the result of division is: (x/y-1/y^2)
        With a remainder of: (1/y^2)
The Result of the division plus the remainder divided by the divisor expression gives
The final Expression: x/y+(1/y^2)/(xy+1)-1/y^2
)txt"},
    // The copies left after cancelling stay as the rewrite wrote them.
    {"(x+1)/(x+1)^3!", "1/(x+1)/(x+1)", "1/(x+1)/(x+1)",
     R"txt(Brimlet Works from left to right simplifying each part of Expression in turn as it finds it.

Attempting to simplify the Expression (x+1)/(x+1)^3

Simplifying +(x+1)/(x+1)^3

        The subexpression /(x+1)^3 is raised to a power, rewrite this as:/(x+1)/(x+1)/(x+1)
        The subexpression (x+1) occurs both as a multipler and a divisior and so may be cancelled (removed both as a multipler and a divisor subexpression).

        The subexpression has now become: +1/(x+1)/(x+1)

        The original subexpression +(x+1)/(x+1)^3 has been simplified to: +1/(x+1)/(x+1)

The parts making up the Expression  have now been simplified to:+1/(x+1)/(x+1)

The original Expression  (x+1)/(x+1)^3
Has been simplified to: 1/(x+1)/(x+1)

)txt"},
    // A folded divisor number shows as its fraction after the multipliers.
    {"3y/4", "%3,4$y", nullptr,
     R"txt(Brimlet Works from left to right simplifying each part of Expression in turn as it finds it.

Attempting to simplify the Expression 3y/4

Simplifying +3y/4

        Which simplifies to:3y(1/4)
        The original subexpression +3y/4 has been simplified to: +(3/4)y

The parts making up the Expression  have now been simplified to:+(3/4)y

The original Expression  3y/4
Has been simplified to: (3/4)y

)txt"},
    {"2(x+1)/4", "%1,2$x+%1,2$", nullptr,
     R"txt(Brimlet Works from left to right simplifying each part of Expression in turn as it finds it.

Attempting to simplify the Expression 2(x+1)/4

Simplifying +2(x+1)/4

        This part contains a subexpression (a bracketed expression), the elements outside of the subexpression are:+2/4
        Which simplifies to:2(1/4)

        Multiply each element of subexpression by the terms outside the brackets.
        Thus +(1/2)(x+1)
        Becomes ((1/2)x+(1/2))
        Make sure each term of this subexpression is simplified

        Merge the subexpression ((1/2)x+(1/2)) into the main expression, i.e. remove brackets.

The parts making up the Expression  have now been simplified to:+(1/2)x+(1/2)

The original Expression  2(x+1)/4
Has been simplified to: (1/2)x+(1/2)

Merge the subexpression (1/2)x+(1/2) into the main expression, i.e. remove brackets.

)txt"},
    // The quotient's own divisor /y and the outside /y: taken out once, by base.
    {"(x^2!+x)/(xy+y)/y", "x/y^2!", "x/y^2!",
     R"txt(Brimlet Works from left to right simplifying each part of Expression in turn as it finds it.

Attempting to simplify the Expression (x^2+x)/(xy+y)/y

Simplifying +(x^2+x)/(xy+y)/y

        This part contains a  number of subexpressions (bracketed expressions), the elements outside of the subexpressions are:/y

        The subexpression (x^2+x) can be divided by /(xy+y) to give the Subexpression (x/y) The lower ranking subexpression can thus be canceled out and the higher ranking subexpression is replaced by the result.
        Dividing (x^2+x) by /(xy+y)
                The Common variable between the two expressions is x and its highest power in the divisor is 1
                Before we do any divisions the the expression we are dividing into is moved to the remainder expression
                We will use the the term with highest power of the common variable from the divisor and repeatedly divide the remainder by it, this term is: +xy
                Find all the terms in the remainder for the highest power of common variable and divide them by the divisor term we found above add the result together, this gives: (x/y)
                This is added to the results expression, making the results expression: (x/y)
                It is also multiplied by the divisor expression, i.e.
                We multiply (x/y) By /(xy+y)
                        When Multiplying subexpressions (bracketed expressions) Take the first term of first subexpression and multiply it with each term in the second subexpression, adding the result of each multiplication together. Then take the next term in first subexpression and multiply by all the terms in the second subexpression, adding these results to the results already accumulated from the first terms multiplication and so on with each term in the first subexpression.
                        This gives: (x^2y/y+xy/y)
                        Simplifying +x^2y/y

                                Have found y is common to both multipliers and divisors and so may be cancelled out.
                                Which means the term becomes:
                                x^2
                                The original subexpression +x^2y/y has been simplified to: +x^2


                        Simplifying +xy/y

                                Have found y is common to both multipliers and divisors and so may be cancelled out.
                                Which means the term becomes:
                                x
                                The original subexpression +xy/y has been simplified to: +x


                        This now gives: (x^2+x)
                Now subtract the result of this multiplication from the remainder which gives of a remainder of: (x^2+x-x^2-x)
                        Attempting to simplify the Subexpression(x^2+x-x^2-x)

                        Brimlet now reorders this expression, this makes the following stage and solution of the equation easier, it is not essential to reorder
                        The order is in alphabetic order of the variables and when powers are involved in decreasing sequence of power
                        The reordered Subexpressionis:+x^2-x^2+x-x
                        Combine +x^2 with -x^2 Giving Nothing (they cancel each other out)
                        Combine +x with -x Giving Nothing (they cancel each other out)

                        The original Subexpression (x^2+x-x^2-x)
                        Has been simplified to: (0)

                Which means the remainder is now: (0)
                There are no longer terms in the remainder with the common variable to a power equal or higher than the divisor term so the division is complete and the result of division is: (x/y)
                The remainder is empty so the division worked, i.e. the divisor expression divided into the numerator expression exactly.

        The subexpression has now become: +1(x/y)/y

        Brimlet has noticed that all the terms of the subexpression (x/y) and the divisor outside of expression +1/y have the common factor of: +1/y Brimlet now cancels the common factor out of the subexpression and divisor.
                Divide each element of subexpression by the divisor term.
                That is (x/y)//y
                Becomes (x/y/y)
                Make sure each term of this subexpression is simplified
                Simplifying +x/y/y

                        Which simplifies to:x/y^2
                        The original subexpression +x/y/y has been simplified to: +x/y^2


                Thus (x/y/y) has been simplified to (x/y^2)

        The subexpression after the division is now: (x/y^2) and the divisor has become: +1
        Merge the subexpression (x/y^2) into the main expression, i.e. remove brackets.

        The original subexpression +(x^2+x)/(xy+y)/y has been simplified to: +x/y^2

The parts making up the Expression  have now been simplified to:+x/y^2

The original Expression  (x^2+x)/(xy+y)/y
Has been simplified to: x/y^2

)txt"},    // A "*" before a bracket stays where the bracket is named, but not after "Becomes ".
    {"2*(x+1)", "2x+2", nullptr,
     R"txt(Brimlet Works from left to right simplifying each part of Expression in turn as it finds it.

Attempting to simplify the Expression 2*(x+1)

Simplifying +2*(x+1)

        This part contains a subexpression (a bracketed expression), the elements outside of the subexpression are:+2

        Multiply each element of subexpression by the terms outside the brackets.
        Thus +2*(x+1)
        Becomes (2x+2)
        Make sure each term of this subexpression is simplified

        Merge the subexpression *(2x+2) into the main expression, i.e. remove brackets.

The parts making up the Expression  have now been simplified to:+2x+2

The original Expression  2*(x+1)
Has been simplified to: 2x+2

Merge the subexpression 2x+2 into the main expression, i.e. remove brackets.

)txt"},
    // Long division keeps the "*" of the factors it divides: the quotient is (2*y).
    {"2*y+1/y", "(2*y^2!+1)/y", "2*y+1/y",
     R"txt(Brimlet Works from left to right simplifying each part of Expression in turn as it finds it.

The Subexpression: 2*y+1/y Involves division, we simplify this as follows:
        Find all the divisions and build a common divisor
        The common divisor is: +1/y
        Brimlet now multiplies this subexpression by: +y/y
        In affect we are multiplying by 1.
        Leave the divisor part outside the subexpression and Multipy each part of the subexpression by the multiplier subexpression, i.e. by +y
        The subexpression becomes:2*y^2+1y/y
        Attempting to simplify the Expression 2*y^2+1y/y

        Simplifying +1y/y

                Have found y is common to both multipliers and divisors and so may be cancelled out.
                Which means the term becomes:
                +1
                The original subexpression +1y/y has been simplified to: +1

        The parts making up the Expression  have now been simplified to:+2*y^2+1

        The original Expression  2*y^2+1y/y
        Has been simplified to: 2*y^2+1

        Brimlet has converted: 2*y+1/y into (2*y^2+1)/y


The Expression still has divisions, Brimlet has been unable to remove the divisions. The Expression could be left as it is or alternatively the division performed. Brimlet now does the division.
Dividing (2*y^2+1) by (y)
        The Common variable between the two expressions is y and its highest power in the divisor is 1
        Before we do any divisions the the expression we are dividing into is moved to the remainder expression
        We will use the the term with highest power of the common variable from the divisor and repeatedly divide the remainder by it, this term is: +y
        Find all the terms in the remainder for the highest power of common variable and divide them by the divisor term we found above add the result together, this gives: (2*y)
        This is added to the results expression, making the results expression: (2*y)
        It is also multiplied by the divisor expression, i.e.
        We multiply (2*y) By (y)
                When Multiplying subexpressions (bracketed expressions) Take the first term of first subexpression and multiply it with each term in the second subexpression, adding the result of each multiplication together. Then take the next term in first subexpression and multiply by all the terms in the second subexpression, adding these results to the results already accumulated from the first terms multiplication and so on with each term in the first subexpression.
                This gives: (2*y^2)
        Now subtract the result of this multiplication from the remainder which gives of a remainder of: (2*y^2+1-2*y^2)
                Attempting to simplify the Subexpression(2*y^2+1-2*y^2)

                Brimlet now reorders this expression, this makes the following stage and solution of the equation easier, it is not essential to reorder
                The order is in alphabetic order of the variables and when powers are involved in decreasing sequence of power
                The reordered Subexpressionis:+2*y^2-2*y^2+1
                Combine +2*y^2 with -2*y^2 Giving Nothing (they cancel each other out)

                The original Subexpression (2*y^2+1-2*y^2)
                Has been simplified to: (1)

        Which means the remainder is now: (1)
        There are no longer terms in the remainder with the common variable to a power equal or higher than the divisor term so the division is complete and the result of division is: (2*y)
        With a remainder of: (1)
The Result of the division plus the remainder divided by the divisor expression gives
The final Expression: 2*y+1/y
)txt"},
    // The divisor part that takes in a bracket shows its folded number as the fraction.
    {"x/(2y+y)", "%1,3$x/y", "%1,3$x/y",
     R"txt(Brimlet Works from left to right simplifying each part of Expression in turn as it finds it.

Attempting to simplify the Expression x/(2y+y)

Simplifying +x/(2y+y)

        This part contains a subexpression (a bracketed expression), the elements outside of the subexpression are:x

        The subexpression /(2y+y) will be simplifyed.
                Attempting to simplify the Subexpression(2y+y)

                Combine +2y with +y Giving +3y

                The original Subexpression (2y+y)
                Has been simplified to: /(3y)

        The simplified subexpression is no longer a subexpression so the brackets can be removed
        The subexpression can thus be absorbed into the other elements outside of the subexpression
        Which means the term outside the brackets becomes:x(1/3)/y
        The original subexpression +x/(2y+y) has been simplified to: +(1/3)x/y

The parts making up the Expression  have now been simplified to:+(1/3)x/y

The original Expression  x/(2y+y)
Has been simplified to: (1/3)x/y

)txt"},
    {"(x+1)/(2y+y)/(x+1)", "%1,3$/y", "%1,3$/y",
     R"txt(Brimlet Works from left to right simplifying each part of Expression in turn as it finds it.

Attempting to simplify the Expression (x+1)/(2y+y)/(x+1)

Simplifying +(x+1)/(2y+y)/(x+1)

        The subexpression /(2y+y) will be simplifyed.
                Attempting to simplify the Subexpression(2y+y)

                Combine +2y with +y Giving +3y

                The original Subexpression (2y+y)
                Has been simplified to: /(3y)

        The simplified subexpression is no longer a subexpression so the brackets can be removed
        Ther subexpression can now be treated as an element outside of the other subexpressions.
        The subexpression (x+1) occurs both as a multipler and a divisior and so may be cancelled (removed both as a multipler and a divisor subexpression).

        The subexpression has now become: +1(1/3)/y

        The original subexpression +(x+1)/(2y+y)/(x+1) has been simplified to: +(1/3)/y

The parts making up the Expression  have now been simplified to:+(1/3)/y

The original Expression  (x+1)/(2y+y)/(x+1)
Has been simplified to: (1/3)/y

)txt"},
};

INSTANTIATE_TEST_SUITE_P(Requests, WrittenFormNarrative, testing::ValuesIn(kCases));

// Results only: a factor written with "*" keeps it wherever it is not the term's first.
struct CStarRow
{
    const char* m_pszInput;
    const char* m_pszResult;
    const char* m_pszFurther; // nullptr when there is none
};

class StarredFactor : public testing::TestWithParam<CStarRow>
{
};

TEST_P(StarredFactor, KeepsItsMark)
{
    const CStarRow& row = GetParam();
    const CSimplifyOutcome outcome = ExpectRequest(row.m_pszInput, row.m_pszResult,
                                                   row.m_pszFurther ? row.m_pszFurther : "none");
    EXPECT_EQ(
        evaluate::CheckSimplification(row.m_pszInput, outcome.m_strResult, outcome.m_strFurther),
        "");
}

INSTANTIATE_TEST_SUITE_P(Rows, StarredFactor,
                         testing::Values(CStarRow{"2*x", "2*x", nullptr},
                                         CStarRow{"2*x+3x", "5*x", nullptr},
                                         CStarRow{"3*x*x", "3*x^2!", nullptr},
                                         // sorted to the front, where no "*" is written
                                         CStarRow{"y*x", "xy", nullptr},
                                         CStarRow{"2*%1,2$", "1", nullptr},
                                         // through the common divisor and the further result
                                         CStarRow{"3*x/y", "3*x/y", "3*x/y"},
                                         CStarRow{"2*x/y+1", "(2*x+y)/y", "(2*x+y)/y"},
                                         CStarRow{"3*x/(x+1)=0", "3*x/(x+1)=0", "3*x=0"}));
} // namespace
