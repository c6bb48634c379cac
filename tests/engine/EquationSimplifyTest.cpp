// SPDX-License-Identifier: GPL-3.0-or-later
// The equation's Simplify (right side moved over) and RemoveDivisions (divisors cleared).
#include "core/AlgebraError.h"
#include "driver/Equation.h"
#include "driver/Explanation.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
struct CEquationCase
{
    const char* m_pszEquation;
    const char* m_pszResult;
    const char* m_pszLine; // a whole line of the narrative
};

class EquationSimplifyTest : public testing::TestWithParam<CEquationCase>
{
};

TEST_P(EquationSimplifyTest, MovesTheRightSideOverAndSimplifies)
{
    const CEquationCase& row = GetParam();
    CEquation equation(row.m_pszEquation);
    auto pResult = equation.Simplify();
    EXPECT_EQ(pResult->GetKind(), CExpression::kKindEquation);
    EXPECT_EQ(pResult->GetText(false), row.m_pszResult) << row.m_pszEquation;
    EXPECT_NE(("\r\n" + equation.m_strExplanation).find("\r\n" + std::string(row.m_pszLine)),
              std::string::npos)
        << row.m_pszEquation << " narrative:\n"
        << equation.m_strExplanation;
    EXPECT_EQ(equation.m_pRightSide->GetText(false), "0");
}

const CEquationCase kEquations[] = {
    {"x^2!+2x+1=0", "x^2!+2x+1=0", "The Equation is: x^2+2x+1=0\r\n\r\n"},
    {"x+1=y+2", "x-y-1=0", "The Equation has now become: x+1-y-2=0\r\n\r\n"},
    {"x+1=x+1", "0=0", "Making the Equation: 0=0\r\n\r\n"},
    {"2x+3=7", "2x-4=0", "Making the Equation: 2x-4=0\r\n\r\n"},
    {"(x^2!-1)/(x+1)=x", "-1=0", "Making the Equation: -1=0\r\n\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Equations, EquationSimplifyTest, testing::ValuesIn(kEquations));

struct CDivisionsCase
{
    const char* m_pszEquation;
    const char* m_pszFurther; // "" when there is no further result
};

class EquationRemoveDivisionsTest : public testing::TestWithParam<CDivisionsCase>
{
};

TEST_P(EquationRemoveDivisionsTest, MultipliesBothSidesByTheDivisors)
{
    const CDivisionsCase& row = GetParam();
    CEquation equation(row.m_pszEquation);
    auto pFurther = equation.RemoveDivisions();
    ASSERT_EQ(pFurther != nullptr, *row.m_pszFurther != 0) << row.m_pszEquation;
    if (pFurther)
        EXPECT_EQ(pFurther->GetText(false), row.m_pszFurther) << row.m_pszEquation;
    else
        EXPECT_EQ(equation.m_strExplanation, "");
}

const CDivisionsCase kDivisions[] = {
    {"3x/(x+1)=0", "3x=0"},
    {"(x+2)/x=0", "x+2=0"},
    // The coefficient of a lone bracket over a divisor is kept.
    {"2(x+2)/x=0", "2x+4=0"},
    {"-(x+2)/x/y=0", "-x-2=0"},
    {"x/y^2!=0", "x=0"},
    {"x+1/x=0", ""},
};

INSTANTIATE_TEST_SUITE_P(Equations, EquationRemoveDivisionsTest, testing::ValuesIn(kDivisions));

TEST(EquationRemoveDivisionsTest, NamesTheDivisorsAndTheFinalEquation)
{
    CEquation equation("3x/(x+1)=0");
    auto pFurther = equation.RemoveDivisions();
    EXPECT_NE(equation.m_strExplanation.find(
                  " Multipling the left side of equation by the divisors +(x+1) means we cancel "
                  "out the divisors (with this multiplier) i.e. the divisors are removed.\r\n\r\n"
                  "The Equation finally becomes: 3x=0\r\n"),
              std::string::npos);
}

TEST(EquationSimplifyTest, DivisionByZeroLeavesTheIndentBalanced)
{
    CEquation equation("1/(x-x)=y");
    EXPECT_THROW(equation.Simplify(), CAlgebraError);
    EXPECT_EQ(g_strIndent, "");
}
} // namespace
