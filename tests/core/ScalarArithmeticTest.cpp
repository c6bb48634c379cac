#include "core/AlgebraError.h"
#include "core/Scalar.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace
{
// Left operand, operation, right operand, the result written with digits.
using ArithmeticRow = std::tuple<std::string, char, std::string, std::string>;

class ScalarArithmetic : public testing::TestWithParam<ArithmeticRow>
{
};

TEST_P(ScalarArithmetic, GivesTheReducedMixedNumber)
{
    const auto [pLeft, cOperation, pRight, pExpected] = GetParam();
    CScalar result(pLeft);
    const CScalar right(pRight);
    if (cOperation == '+')
        result.Add(right);
    else if (cOperation == '-')
        result.Subtract(right);
    else if (cOperation == '*')
        result.Multiply(right);
    else
        result.Divide(right);
    EXPECT_EQ(result.ToText(true), pExpected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScalarArithmetic,
    testing::Values(
        ArithmeticRow{"%1,2$", '+', "%1,3$", "+%5,6$"},
        ArithmeticRow{"%1,4$", '+', "%1,4$", "+%1,2$"},
        ArithmeticRow{"%1,4$", '+', "%1,2$", "+%3,4$"},
        ArithmeticRow{"2%1,3$", '+', "-%1,3$", "+2"}, ArithmeticRow{"%1,3$", '+', "-2", "-1%2,3$"},
        ArithmeticRow{"%1,6$", '+', "%1,10$", "+%4,15$"}, ArithmeticRow{"3", '-', "3", "+0"},
        ArithmeticRow{"1", '-', "%1,4$", "+%3,4$"}, ArithmeticRow{"%2,3$", '*', "%3,4$", "+%1,2$"},
        ArithmeticRow{"-%2,3$", '*', "4%1,2$", "-3"}, ArithmeticRow{"-3", '*', "-%1,9$", "+%1,3$"},
        ArithmeticRow{"0", '*', "-5", "+0"}, ArithmeticRow{"1", '*', "%2,7$", "+%2,7$"},
        ArithmeticRow{"1%1,2$", '/', "%3,4$", "+2"}, ArithmeticRow{"7", '/', "-2", "-3%1,2$"},
        ArithmeticRow{"2.5", '+', "%1,2$", "+3."}, ArithmeticRow{"2.5", '*', "4", "+10."},
        ArithmeticRow{"0.1", '+', "0.2", "+0.3"},
        ArithmeticRow{"%1,3$", '+', "0.5", "+0.833333333333333"},
        ArithmeticRow{"3", '*', "1.05", "+3.15"},
        // Past the denominator limit, or past 2^53 where integers stop being exact: decimals.
        ArithmeticRow{"%1,1000033$", '*', "%1,1000003$", "+0.00000000000099996400119696"},
        ArithmeticRow{"%1,1000033$", '+', "%1,1000003$", "+0.00000199996400109796"},
        ArithmeticRow{"94906265", '*', "94906265", "+9007199136250225"},
        ArithmeticRow{"-94906267", '*', "94906267", "-9007199515875288"},
        ArithmeticRow{"9007199254740000%1,3$", '+', "%1,7$", "+9007199254740000"}));

// Such products were once kept as exact integers, wrong past 2^53.
TEST(ScalarLimits, ProductsPastTwoToThe53AreDecimals)
{
    CScalar value("94906267");
    value.Multiply(CScalar("94906267"));
    EXPECT_TRUE(value.m_bDecimal);
    CScalar exact("94906265");
    exact.Multiply(CScalar("94906265"));
    EXPECT_FALSE(exact.m_bDecimal);
}

TEST(ScalarReciprocal, TurnsAMixedNumberOver)
{
    EXPECT_EQ(CScalar("2%1,3$").Reciprocal().ToText(true), "+%3,7$");
    EXPECT_EQ(CScalar("-%2,7$").Reciprocal().ToText(true), "-3%1,2$");
    EXPECT_EQ(CScalar("-0.5").Reciprocal().ToText(true), "-2.");
}

TEST(ScalarErrors, DividingByZeroRaisesDivideByZero)
{
    for (const char* pZero : {"0", "0.0", "-%0,3$"})
    {
        try
        {
            CScalar("5").Divide(CScalar(pZero));
            ADD_FAILURE() << pZero << " gave no error";
        }
        catch (const CAlgebraError& error)
        {
            EXPECT_STREQ(error.what(), "Divide by zero") << pZero;
        }
    }
}

TEST(ScalarErrors, ResultsPastTheRangeOfADoubleRaiseNumberTooLarge)
{
    const std::string strNines(300, '9');
    for (const auto& [strLeft, strRight] : {std::pair<std::string, std::string>{"1e300.", "1e300."},
                                            {strNines, strNines},
                                            {"1e-320.", "-1e-320."}})
    {
        try
        {
            CScalar value(strLeft);
            value.Multiply(CScalar(strRight).Reciprocal().Reciprocal());
            value.Divide(CScalar(strRight));
            ADD_FAILURE() << strLeft.substr(0, 12) << " gave " << value.ToText(true);
        }
        catch (const CAlgebraError& error)
        {
            EXPECT_STREQ(error.what(), kNumberTooLarge) << strLeft.substr(0, 12);
        }
    }
}
} // namespace
