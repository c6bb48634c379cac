// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlgebraErrorOf.h"
#include "DecimalDigits.h"
#include "core/Scalar.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace
{
std::string RandomDigits(std::mt19937& random, int nLength)
{
    std::string strDigits(1, static_cast<char>('1' + random() % 9));
    while (static_cast<int>(strDigits.size()) < nLength)
        strDigits += static_cast<char>('0' + random() % 10);
    return strDigits;
}

// 2^53 + 1 was the first whole number a double could not hold: it read as 2^53.
TEST(ScalarExact, WholeNumbersPastTwoToThe53KeepEveryDigit)
{
    for (const char* pText :
         {"9007199254740993", "-18446744073709551617", "123456789012345678901234567890123456789"})
    {
        const CScalar value(pText);
        EXPECT_FALSE(value.m_bDecimal) << pText;
        const std::string strDigits = pText[0] == '-' ? pText : std::string("+") + pText;
        EXPECT_EQ(value.ToText(true), strDigits);
    }
}

TEST(ScalarExact, TwoToThe200IsExact)
{
    CScalar power("1");
    std::string strExpected = "1";
    for (int i = 0; i < 200; ++i)
    {
        power.Multiply(CScalar("2"));
        strExpected = DecimalSum(strExpected, strExpected);
    }
    EXPECT_EQ(strExpected.substr(0, 10), "1606938044"); // 2^200 = 1.606938e60
    EXPECT_EQ(power.ToText(true), "+" + strExpected);
}

// Products and sums of typed numbers of 10 to 60 digits against schoolbook arithmetic, with
// signs, and a division within the denominator limit.
TEST(ScalarExact, ProductsAndSumsOfLargeNumbersMatchSchoolbookArithmetic)
{
    const unsigned nSeed = 8061;
    std::mt19937 random(nSeed);
    for (int i = 0; i < 300; ++i)
    {
        const std::string strLeft = RandomDigits(random, 10 + static_cast<int>(random() % 51));
        const std::string strRight = RandomDigits(random, 10 + static_cast<int>(random() % 51));
        const std::string strCase =
            "seed " + std::to_string(nSeed) + ": " + strLeft + ", " + strRight;
        CScalar product(strLeft);
        product.Multiply(CScalar("-" + strRight));
        EXPECT_EQ(product.ToText(true), "-" + DecimalProduct(strLeft, strRight)) << strCase;
        CScalar sum(strLeft);
        sum.Add(CScalar(strRight));
        EXPECT_EQ(sum.ToText(true), "+" + DecimalSum(strLeft, strRight)) << strCase;
        // Dividing by a whole number within the denominator limit stays exact.
        CScalar quotient(DecimalProduct(strLeft, "999999999989"));
        quotient.Divide(CScalar("-999999999989"));
        EXPECT_EQ(quotient.ToText(true), "-" + strLeft) << strCase;
        EXPECT_EQ(sum.Compare(CScalar(strLeft)), 1) << strCase;
    }
}

// A large whole part with a fraction stays exact through arithmetic and comparison.
TEST(ScalarExact, LargeMixedNumbersStayExact)
{
    const std::string strWhole = "123456789012345678901";
    CScalar value(strWhole + "%1,3$");
    value.Multiply(CScalar("3"));
    EXPECT_EQ(value.ToText(true), "+" + DecimalSum(DecimalProduct(strWhole, "3"), "1"));
    CScalar third(strWhole + "%1,3$");
    third.Add(CScalar("%2,3$"));
    EXPECT_EQ(third.ToText(true), "+" + DecimalSum(strWhole, "1"));
    EXPECT_EQ(CScalar(strWhole + "%1,3$").Compare(CScalar(strWhole + "%1,2$")), -1);
    EXPECT_FALSE(CScalar(strWhole + "%1,3$").Equals(CScalar(strWhole)));
    // Reciprocals once went through a double and so turned into decimals.
    const std::string strImproper = DecimalSum(DecimalProduct(strWhole, "3"), "1");
    EXPECT_EQ(CScalar(strWhole + "%1,3$").Reciprocal().ToText(true), "+%3," + strImproper + "$");
    EXPECT_EQ(CScalar("%3," + strImproper + "$").Reciprocal().ToText(true),
              "+" + strWhole + "%1,3$");
}

// Past a denominator of 999999999999 fractions once turned into decimals, so 10^15+1 over
// 10^15 was 1; also beside a large whole part they stay exact.
TEST(ScalarExact, DenominatorsPastTwelveDigitsStayExact)
{
    CScalar large("100000000000000000000%1,1000033$");
    large.Add(CScalar("%1,1000003$"));
    EXPECT_EQ(large.ToText(true), "+100000000000000000000%2000036,1000036000099$");
    const std::string strDenominator = "1" + std::string(30, '0');
    CScalar tiny("%1," + strDenominator + "$");
    tiny.Multiply(CScalar(strDenominator));
    EXPECT_EQ(tiny.ToText(true), "+1");
    EXPECT_EQ(CScalar("%1," + strDenominator + "$").ToDouble(), 1e-30);
}

TEST(ScalarExact, NumbersPastTenThousandDigitsRaiseNumberTooLarge)
{
    const std::string strLongest = "1" + std::string(9999, '0');
    EXPECT_EQ(CScalar(strLongest).ToText(true), "+" + strLongest);
    EXPECT_EQ(AlgebraErrorOf([&] { CScalar{strLongest + "0"}; }), kNumberTooLarge);
    EXPECT_EQ(AlgebraErrorOf([&] { CScalar{"%" + strLongest + "0,7$"}; }), kNumberTooLarge);
    EXPECT_EQ(CScalar(std::string(20000, '0') + "12").ToText(true), "+12");
    const std::string strHalf = "9" + std::string(5999, '0');
    EXPECT_EQ(AlgebraErrorOf([&] { CScalar(strHalf).Multiply(CScalar(strHalf)); }),
              kNumberTooLarge);
    CScalar almost(std::string(10000, '9'));
    EXPECT_EQ(AlgebraErrorOf([&] { almost.Add(CScalar("1")); }), kNumberTooLarge);
}
} // namespace
