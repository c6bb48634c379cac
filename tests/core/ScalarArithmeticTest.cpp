#include "core/AlgebraError.h"
#include "core/Scalar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace
{
struct SArithmeticCase
{
    const char* pLeft;
    char cOperation;
    const char* pRight;
    const char* pExpected;
};

std::ostream& operator<<(std::ostream& os, const SArithmeticCase& row)
{
    return os << row.pLeft << ' ' << row.cOperation << ' ' << row.pRight;
}

CScalar Apply(const SArithmeticCase& row)
{
    CScalar result{std::string(row.pLeft)};
    const CScalar right{std::string(row.pRight)};
    switch (row.cOperation)
    {
    case '+':
        result.Add(right);
        break;
    case '-':
        result.Subtract(right);
        break;
    case '*':
        result.Multiply(right);
        break;
    default:
        result.Divide(right);
    }
    return result;
}

class ScalarArithmetic : public testing::TestWithParam<SArithmeticCase>
{
};

TEST_P(ScalarArithmetic, GivesTheReducedMixedNumber)
{
    EXPECT_EQ(Apply(GetParam()).ToText(true), GetParam().pExpected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScalarArithmetic,
    testing::Values(SArithmeticCase{"%1,2$", '+', "%1,3$", "+%5,6$"},
                    SArithmeticCase{"%1,4$", '+', "%1,4$", "+%1,2$"},
                    SArithmeticCase{"%1,4$", '+', "%1,2$", "+%3,4$"},
                    SArithmeticCase{"2%1,3$", '+', "-%1,3$", "+2"},
                    SArithmeticCase{"%1,3$", '+', "-2", "-1%2,3$"},
                    SArithmeticCase{"%5,6$", '+', "%1,6$", "+1"},
                    SArithmeticCase{"%1,6$", '+', "%1,10$", "+%4,15$"},
                    SArithmeticCase{"3", '-', "3", "+0"},
                    SArithmeticCase{"1", '-', "%1,4$", "+%3,4$"},
                    SArithmeticCase{"%2,3$", '*', "%3,4$", "+%1,2$"},
                    SArithmeticCase{"-%2,3$", '*', "4%1,2$", "-3"},
                    SArithmeticCase{"-3", '*', "-%1,9$", "+%1,3$"},
                    SArithmeticCase{"0", '*', "-5", "+0"},
                    SArithmeticCase{"1%1,2$", '/', "%3,4$", "+2"},
                    SArithmeticCase{"7", '/', "-2", "-3%1,2$"},
                    SArithmeticCase{"2.5", '+', "%1,2$", "+3."},
                    SArithmeticCase{"2.5", '*', "4", "+10."},
                    SArithmeticCase{"0.1", '+', "0.2", "+0.3"},
                    SArithmeticCase{"%1,3$", '+', "0.5", "+0.833333333333333"}));

// The one shortcuts: one times x is x, x times one is x, unset counts as one.
TEST(ScalarArithmeticOne, MultiplyByOneKeepsTheOtherOperand)
{
    CScalar one;
    one.Multiply(CScalar("%2,7$"));
    EXPECT_EQ(one.ToText(true), "+%2,7$");
    CScalar value("-4%1,3$");
    value.Multiply(CScalar());
    EXPECT_EQ(value.ToText(true), "-4%1,3$");
}

TEST(ScalarReciprocal, TurnsAMixedNumberOver)
{
    EXPECT_EQ(CScalar("2%1,3$").Reciprocal().ToText(true), "+%3,7$");
    EXPECT_EQ(CScalar("-%2,7$").Reciprocal().ToText(true), "-3%1,2$");
    EXPECT_EQ(CScalar("-4").Reciprocal().ToText(true), "-%1,4$");
    EXPECT_EQ(CScalar("-0.5").Reciprocal().ToText(true), "-2.");
}

TEST(ScalarReciprocal, OfZeroRaisesDivideByZero)
{
    for (const char* pZero : {"0", "0.0", "-%0,3$"})
    {
        try
        {
            (void)CScalar(pZero).Reciprocal();
            ADD_FAILURE() << pZero << " gave no error";
        }
        catch (const CAlgebraError& error)
        {
            EXPECT_STREQ(error.what(), "Divide by zero") << pZero;
        }
    }
    CScalar value("5");
    EXPECT_THROW(value.Divide(CScalar("0")), CAlgebraError);
}

TEST(ScalarLimits, ADenominatorPastTheLimitBecomesADecimal)
{
    CScalar value("%1,1000033$");
    value.Multiply(CScalar("%1,1000003$"));
    EXPECT_TRUE(value.m_bDecimal);
    EXPECT_DOUBLE_EQ(value.ToDouble(), 1.0 / 1000033.0 / 1000003.0);

    CScalar sum("%1,1000033$");
    sum.Add(CScalar("%1,1000003$"));
    EXPECT_TRUE(sum.m_bDecimal);
    EXPECT_DOUBLE_EQ(sum.ToDouble(), 1.0 / 1000033.0 + 1.0 / 1000003.0);
}

// Products past 2^53 were once kept as (wrong) exact integers.
TEST(ScalarLimits, AProductPastTwoToThe53BecomesADecimal)
{
    CScalar value("94906267");
    value.Multiply(CScalar("94906267"));
    EXPECT_TRUE(value.m_bDecimal);
    EXPECT_DOUBLE_EQ(value.ToDouble(), 94906267.0 * 94906267.0);

    CScalar exact("94906265");
    exact.Multiply(CScalar("94906265"));
    EXPECT_FALSE(exact.m_bDecimal);
    EXPECT_EQ(exact.ToText(true), "+9007199136250225");

    CScalar mixed("9007199254740000%1,3$");
    mixed.Add(CScalar("%1,7$"));
    EXPECT_TRUE(mixed.m_bDecimal);
}

TEST(ScalarLimits, ResultsPastTheRangeOfADoubleRaiseAnError)
{
    CScalar huge("1e300.");
    EXPECT_THROW(huge.Multiply(CScalar("1e300.")), CAlgebraError);
    CScalar big(std::string(300, '9'));
    try
    {
        big.Multiply(CScalar(std::string(300, '9')));
        ADD_FAILURE() << "no error";
    }
    catch (const CAlgebraError& error)
    {
        EXPECT_STREQ(error.what(), kNumberTooLarge);
    }
    EXPECT_THROW((void)CScalar("1e-320.").Reciprocal(), CAlgebraError);
}
} // namespace
