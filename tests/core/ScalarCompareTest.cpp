// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Scalar.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace
{
CScalar Unset()
{
    CScalar value;
    value.m_nSign = 0;
    return value;
}

// Left, right, the sign of left - right.
using OrderRow = std::tuple<std::string, std::string, int>;

class ScalarOrder : public testing::TestWithParam<OrderRow>
{
};

// Equals and Compare agree, both ways round.
TEST_P(ScalarOrder, ComparesAndEqualsExactly)
{
    const CScalar left(std::get<0>(GetParam()));
    const CScalar right(std::get<1>(GetParam()));
    const int nExpected = std::get<2>(GetParam());
    EXPECT_EQ(left.Compare(right), nExpected);
    EXPECT_EQ(right.Compare(left), -nExpected);
    EXPECT_EQ(left.Equals(right), nExpected == 0);
    EXPECT_EQ(right.Equals(left), nExpected == 0);
}

// Near fractions such as 1/3 and 2/5 were once equal (within half over the larger denominator).
INSTANTIATE_TEST_SUITE_P(
    Cases, ScalarOrder,
    testing::Values(OrderRow{"%1,3$", "%2,5$", -1}, OrderRow{"%5,6$", "%4,5$", 1},
                    OrderRow{"%1,2$", "%2,4$", 0}, OrderRow{"2%1,3$", "%7,3$", 0},
                    OrderRow{"0", "-%1,2$", 1}, OrderRow{"3", "3%1,999999999999$", -1},
                    OrderRow{"%1,999999999989$", "%1,999999999999$", 1},
                    OrderRow{"%999999999998,999999999999$", "%999999999997,999999999998$", 1},
                    OrderRow{"0.5", "%1,2$", 0}, OrderRow{"%1,3$", "0.333333333333333", 0},
                    OrderRow{"%1,3$", "0.3333", 1}, OrderRow{"-2.5", "-2.50000000000001", 1},
                    // a 64-bit value against one past 64 bits, both signs, in whole part and
                    // fraction
                    OrderRow{"9223372036854775807", "9223372036854775808", -1},
                    OrderRow{"-9223372036854775808", "-9223372036854775809", 1},
                    OrderRow{"5", "-18446744073709551616", 1},
                    OrderRow{"-5", "18446744073709551616", -1},
                    OrderRow{"%1,18446744073709551617$", "%1,18446744073709551616$", -1},
                    OrderRow{"-%1,3$", "-%6148914691236517205,18446744073709551616$", -1},
                    OrderRow{"%1,1000000000000000$", "%1,999999999999999$", -1}));

// Text, then a mask of IsZero, IsOne(positive only), IsOne and IsWhole ('.' for false).
using PredicateRow = std::tuple<std::string, std::string>;

class ScalarPredicates : public testing::TestWithParam<PredicateRow>
{
};

TEST_P(ScalarPredicates, TellZeroOneAndWhole)
{
    const CScalar value(std::get<0>(GetParam()));
    const std::string strMask = {value.IsZero() ? 'Z' : '.', value.IsOne(true) ? 'P' : '.',
                                 value.IsOne(false) ? 'O' : '.', value.IsWhole() ? 'W' : '.'};
    EXPECT_EQ(strMask, std::get<1>(GetParam()));
}

// Decimals within 0.1 of 0, 1 or a whole number were once taken for them, so 3 x 1.05 gave 3.
INSTANTIATE_TEST_SUITE_P(Cases, ScalarPredicates,
                         testing::Values(PredicateRow{"0", "Z..W"}, PredicateRow{"1", ".POW"},
                                         PredicateRow{"-1", "..OW"}, PredicateRow{"-%1,2$", "...."},
                                         PredicateRow{"0.0", "Z..W"},
                                         PredicateRow{"-1.000000000000001", "..OW"},
                                         PredicateRow{"1.05", "...."}, PredicateRow{"0.95", "...."},
                                         PredicateRow{"0.05", "...."}, PredicateRow{"3.0", "...W"},
                                         PredicateRow{"3.05", "...."}));

// Exact numbers share only one (signed when both signs agree); with a decimal, the smaller.
TEST(ScalarCommonFactor, IsOneForExactNumbersAndTheSmallerDecimalOtherwise)
{
    const auto Common = [](const char* pLeft, const char* pRight)
    { return CScalar(pLeft).CommonFactor(CScalar(pRight)).ToText(true); };
    EXPECT_EQ(Common("%2,3$", "%4,9$"), "+1");
    EXPECT_EQ(Common("-%2,3$", "-%4,9$"), "-1");
    EXPECT_EQ(Common("2.5", "10"), "+2.5");
    EXPECT_EQ(Common("-2.5", "10"), "-2.5");
    EXPECT_EQ(Common("0", "2.5"), "+1");
}

TEST(ScalarFromParts, NormalisesSignAndFields)
{
    CScalar value;
    for (const auto& [dWhole, dNumerator, dDenominator, pExpected] :
         {std::tuple{-2.0, 1.0, 3.0, "-2%1,3$"}, std::tuple{0.0, -1.0, 2.0, "-%1,2$"},
          std::tuple{3.0, 2.7, -4.2, "+3%2,4$"}, std::tuple{-0.25, 1.0, 3.0, "-0.25"}})
    {
        value.SetFromParts(dWhole, dNumerator, dDenominator);
        EXPECT_EQ(value.ToText(true), pExpected) << dWhole << ", " << dNumerator;
    }
    value.SetFromParts(1e20, 0, 1);
    EXPECT_EQ(value.ToText(true), "+100000000000000000000");
}

// Zero keeps the sign +1; SetUnit leaving the fraction would make 1/2 into -1 1/2.
TEST(ScalarSign, NegateAndSetUnit)
{
    EXPECT_TRUE(Unset().Equals(Unset()));
    EXPECT_FALSE(Unset().Equals(CScalar()));
    CScalar value = Unset();
    value.Negate();
    EXPECT_EQ(value.ToText(true), "-1");
    CScalar zero("0");
    zero.Negate();
    EXPECT_EQ(zero.ToText(true), "+0");
    CScalar half("%1,2$");
    half.SetUnit(-1);
    EXPECT_EQ(half.ToText(true), "-1");
}
} // namespace
