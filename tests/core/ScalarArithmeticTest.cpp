// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlgebraErrorOf.h"
#include "core/Scalar.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>
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
        ArithmeticRow{"%1,4$", '+', "%1,2$", "+%3,4$"}, ArithmeticRow{"3", '-', "3", "+0"},
        ArithmeticRow{"1", '-', "%1,4$", "+%3,4$"}, ArithmeticRow{"%2,3$", '*', "%3,4$", "+%1,2$"},
        ArithmeticRow{"-%2,3$", '*', "4%1,2$", "-3"}, ArithmeticRow{"1", '*', "%2,7$", "+%2,7$"},
        ArithmeticRow{"2.5", '+', "%1,2$", "+3"}, ArithmeticRow{"2.5", '*', "4", "+10"},
        ArithmeticRow{"0.1", '+', "0.2", "+0.3"},
        ArithmeticRow{"%1,3$", '+', "0.5", "+0.833333333333333"},
        ArithmeticRow{"3", '*', "1.05", "+3.15"},
        // Denominators past 999999999999 and whole numbers past 2^53 stay exact.
        ArithmeticRow{"%1,1000033$", '*', "%1,1000003$", "+%1,1000036000099$"},
        ArithmeticRow{"%1,1000033$", '+', "%1,1000003$", "+%2000036,1000036000099$"},
        ArithmeticRow{"1000000000000001", '/', "1000000000000000", "+1%1,1000000000000000$"},
        ArithmeticRow{"94906265", '*', "94906265", "+9007199136250225"},
        ArithmeticRow{"-94906267", '*', "94906267", "-9007199515875289"},
        ArithmeticRow{"9007199254740000%1,3$", '+', "%1,7$", "+9007199254740000%10,21$"}));

// A reference fraction in 64-bit integers, reduced, written as the scalar writes it.
struct SFraction
{
    long long nNumerator;
    long long nDenominator;

    SFraction Reduced() const
    {
        const long long nCommon = std::gcd(nNumerator, nDenominator) * (nDenominator < 0 ? -1 : 1);
        return {nNumerator / nCommon, nDenominator / nCommon};
    }
    std::string Text() const
    {
        const long long nMagnitude = std::abs(nNumerator);
        std::string strText = nNumerator < 0 ? "-" : "+";
        if (nMagnitude >= nDenominator)
            strText += std::to_string(nMagnitude / nDenominator);
        if (nMagnitude % nDenominator != 0)
            strText += "%" + std::to_string(nMagnitude % nDenominator) + "," +
                       std::to_string(nDenominator) + "$";
        return strText.size() == 1 ? strText + "0" : strText;
    }
};

// Random mixed numbers: sums, products, quotients and order agree with exact integer arithmetic.
TEST(ScalarProperty, ArithmeticMatchesExactFractions)
{
    const unsigned nSeed = 20261207;
    std::mt19937 random(nSeed);
    const auto Draw = [&random]
    {
        const long long nDenominator = std::uniform_int_distribution<long long>(1, 60)(random);
        const long long nNumerator =
            std::uniform_int_distribution<long long>(-40 * nDenominator, 40 * nDenominator)(random);
        return SFraction{nNumerator, nDenominator}.Reduced();
    };
    for (int i = 0; i < 2000; ++i)
    {
        const SFraction a = Draw(), b = Draw();
        const CScalar left(a.Text()), right(b.Text());
        CScalar sum = left, product = left, quotient = left;
        sum.Add(right);
        product.Multiply(right);
        const std::string strCase =
            "seed " + std::to_string(nSeed) + ": " + a.Text() + ", " + b.Text();
        EXPECT_EQ(sum.ToText(true),
                  (SFraction{a.nNumerator * b.nDenominator + b.nNumerator * a.nDenominator,
                             a.nDenominator * b.nDenominator}
                       .Reduced()
                       .Text()))
            << strCase;
        EXPECT_EQ(product.ToText(true),
                  (SFraction{a.nNumerator * b.nNumerator, a.nDenominator * b.nDenominator}
                       .Reduced()
                       .Text()))
            << strCase;
        const long long nDifference = a.nNumerator * b.nDenominator - b.nNumerator * a.nDenominator;
        EXPECT_EQ(left.Compare(right), (nDifference > 0) - (nDifference < 0)) << strCase;
        if (b.nNumerator == 0)
            continue;
        quotient.Divide(right);
        EXPECT_EQ(quotient.ToText(true),
                  (SFraction{a.nNumerator * b.nDenominator, a.nDenominator * b.nNumerator}
                       .Reduced()
                       .Text()))
            << strCase;
    }
}

// Such products once lost their last digit in a double (...288 for ...289).
TEST(ScalarLimits, ProductsPastTwoToThe53StayExact)
{
    CScalar value("94906267");
    value.Multiply(CScalar("94906267"));
    EXPECT_FALSE(value.m_bDecimal);
    EXPECT_EQ(value.ToText(true), "+9007199515875289");
}

// 0.1 + 0.2 - 0.3 left 5.6e-17 behind, which printed as a stray term in results.
TEST(ScalarDecimalSum, RoundingLeftOverCancelsToZero)
{
    CScalar sum("0.1");
    sum.Add(CScalar("0.2"));
    sum.Add(CScalar("-0.3"));
    EXPECT_TRUE(sum.IsZero()) << sum.ToText(true);
    CScalar small("1.00000000001");
    small.Add(CScalar("-1"));
    EXPECT_FALSE(small.IsZero()) << "a real difference in the eleventh place stays";
}

TEST(ScalarReciprocal, TurnsAMixedNumberOver)
{
    EXPECT_EQ(CScalar("2%1,3$").Reciprocal().ToText(true), "+%3,7$");
    EXPECT_EQ(CScalar("-%2,7$").Reciprocal().ToText(true), "-3%1,2$");
    EXPECT_EQ(CScalar("-0.5").Reciprocal().ToText(true), "-2");
}

TEST(ScalarErrors, DividingByZeroRaisesDivideByZero)
{
    for (const char* pZero : {"0", "0.0", "-%0,3$"})
        EXPECT_EQ(AlgebraErrorOf([pZero] { CScalar("5").Divide(CScalar(pZero)); }),
                  "Divide by zero")
            << pZero;
}

// A written zero denominator used to read as one, so %1,0$ was 1.
TEST(ScalarErrors, AWrittenZeroDenominatorRaisesDivideByZero)
{
    for (const char* pText : {"%1,0$", "2%3,0$", "-%1,00$", "%0.5,0$", "%1,0.0$"})
        EXPECT_EQ(AlgebraErrorOf([pText] { CScalar{pText}; }), "Divide by zero") << pText;
}

TEST(ScalarErrors, ResultsPastTheRangeOfADoubleRaiseNumberTooLarge)
{
    for (const auto& [strLeft, strRight] :
         {std::pair<std::string, std::string>{"1e300.", "1e300."}, {"1e-320.", "-1e-320."}})
        EXPECT_EQ(AlgebraErrorOf(
                      [&]
                      {
                          CScalar value(strLeft);
                          value.Multiply(CScalar(strRight).Reciprocal().Reciprocal());
                          value.Divide(CScalar(strRight));
                      }),
                  kNumberTooLarge)
            << strLeft.substr(0, 12);
}
} // namespace
