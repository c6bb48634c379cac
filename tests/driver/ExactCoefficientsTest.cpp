// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecimalDigits.h"
#include "driver/SimplifyRequest.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace
{
// Powers of x and y -> coefficient digits, read from a result such as "x^2!+2xy+y^2!".
using Coefficients = std::map<std::pair<int, int>, std::string>;

int ReadPower(const std::string& strTerm, size_t& nPos)
{
    if (nPos >= strTerm.size() || strTerm[nPos] != '^')
        return 1;
    const size_t nEnd = strTerm.find('!', nPos);
    const int nPower = std::stoi(strTerm.substr(nPos + 1, nEnd - nPos - 1));
    nPos = nEnd + 1;
    return nPower;
}

Coefficients ReadCoefficients(const std::string& strResult)
{
    Coefficients coefficients;
    size_t nStart = 0;
    while (nStart < strResult.size())
    {
        const size_t nEnd = std::min(strResult.find('+', nStart), strResult.size());
        const std::string strTerm = strResult.substr(nStart, nEnd - nStart);
        size_t nPos = 0;
        while (nPos < strTerm.size() && std::isdigit(static_cast<unsigned char>(strTerm[nPos])))
            ++nPos;
        const std::string strDigits = nPos == 0 ? "1" : strTerm.substr(0, nPos);
        int nX = 0, nY = 0;
        while (nPos < strTerm.size())
        {
            const char cLetter = strTerm[nPos++];
            (cLetter == 'x' ? nX : nY) = ReadPower(strTerm, nPos);
        }
        coefficients[{nX, nY}] = strDigits;
        nStart = nEnd + 1;
    }
    return coefficients;
}

// (x+y)^n by Pascal's triangle on digit strings; bLetterY false gives (x+1)^n.
Coefficients BinomialCoefficients(int n, bool bLetterY)
{
    std::vector<std::string> row{"1"};
    for (int i = 0; i < n; ++i)
    {
        std::vector<std::string> next{"1"};
        for (size_t k = 1; k < row.size(); ++k)
            next.push_back(DecimalSum(row[k - 1], row[k]));
        next.push_back("1");
        row = std::move(next);
    }
    Coefficients coefficients;
    for (int k = 0; k <= n; ++k)
        coefficients[{n - k, bLetterY ? k : 0}] = row[static_cast<size_t>(k)];
    return coefficients;
}

// Coefficients past 2^53 once lost their last digits: (x+1)^60 gave 36052387482172424x^36.
TEST(ExactCoefficients, PowerOfXPlusOneHasEveryBinomialExact)
{
    const CSimplifyOutcome outcome = RunSimplify("(x+1)^60!");
    ASSERT_FALSE(outcome.m_strError) << *outcome.m_strError;
    const Coefficients coefficients = ReadCoefficients(outcome.m_strResult);
    EXPECT_EQ(coefficients, BinomialCoefficients(60, false));
    EXPECT_EQ(coefficients.at({36, 0}), "36052387482172425");
    EXPECT_NE(outcome.m_strExplanation.find("+36052387482172425x^36"), std::string::npos);
}

TEST(ExactCoefficients, PowerOfXPlusYHasEveryBinomialExact)
{
    const CSimplifyOutcome outcome = RunSimplify("(x+y)^40!");
    ASSERT_FALSE(outcome.m_strError) << *outcome.m_strError;
    EXPECT_EQ(ReadCoefficients(outcome.m_strResult), BinomialCoefficients(40, true));
}

// Typed numbers past 2^64 multiply exactly inside a term and across brackets.
TEST(ExactCoefficients, ProductsOfLargeTypedNumbersAreExact)
{
    const std::string strLeft = "98765432109876543210987";
    const std::string strRight = "12345678901234567890123";
    const CSimplifyOutcome product = RunSimplify(strLeft + "x*" + strRight);
    ASSERT_FALSE(product.m_strError) << *product.m_strError;
    EXPECT_EQ(product.m_strResult, DecimalProduct(strLeft, strRight) + "x");
    const CSimplifyOutcome brackets = RunSimplify("(" + strLeft + "x+1)(" + strRight + "x+1)");
    ASSERT_FALSE(brackets.m_strError) << *brackets.m_strError;
    EXPECT_EQ(brackets.m_strResult,
              DecimalProduct(strLeft, strRight) + "x^2!+" + DecimalSum(strLeft, strRight) + "x+1");
}

// The limit on digits ends a runaway power with the message instead of ever longer work.
TEST(ExactCoefficients, APowerPastTheDigitLimitRaisesNumberTooLarge)
{
    const CSimplifyOutcome outcome = RunSimplify("2^40000!x");
    ASSERT_TRUE(outcome.m_strError);
    EXPECT_EQ(*outcome.m_strError, "Number too large");
    const CSimplifyOutcome allowed = RunSimplify("2^30000!x");
    ASSERT_FALSE(allowed.m_strError) << *allowed.m_strError;
    EXPECT_EQ(allowed.m_strResult.size(), 9031u + 1u); // 2^30000 has 9031 digits
}

std::string PowerOfTwo(int n)
{
    std::string strPower = "1";
    for (int i = 0; i < n; ++i)
        strPower = DecimalSum(strPower, strPower);
    return strPower;
}

std::string PowerOfTen(int n)
{
    return "1" + std::string(static_cast<size_t>(n), '0');
}

// Input, result, further result ("" for none).
using ExactRow = std::tuple<std::string, std::string, std::string>;

class ExactPastTwelveDigits : public testing::TestWithParam<ExactRow>
{
};

// Past a denominator of 999999999999 numbers once turned into doubles: terms were dropped,
// digits changed, an equation lost its solution; reciprocals of numbers past the range of a
// double raised "Number too large". Decimal input alone computes in doubles.
TEST_P(ExactPastTwelveDigits, GivesTheExactResult)
{
    const auto& [strInput, strResult, strFurther] = GetParam();
    const CSimplifyOutcome outcome = RunSimplify(strInput);
    ASSERT_FALSE(outcome.m_strError) << *outcome.m_strError;
    EXPECT_EQ(outcome.m_strResult, strResult);
    EXPECT_EQ(outcome.m_strFurther.value_or(""), strFurther);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExactPastTwelveDigits,
    testing::Values(
        ExactRow{"9007199254740993+1/(1000000000000x+1)",
                 "(9007199254740993000000000000x+9007199254740994)/(1000000000000x+1)",
                 "9007199254740993+1/(1000000000000x+1)"},
        ExactRow{"1/(1000000000000x+1)=1000000000000",
                 "(-1000000000000000000000000x-999999999999)/(1000000000000x+1)=0",
                 "-1000000000000000000000000x-999999999999=0"},
        ExactRow{"9007199254740993x+1/(1000000000000x+1)",
                 "(9007199254740993000000000000x^2!+9007199254740993x+1)/(1000000000000x+1)",
                 "9007199254740993x+1/(1000000000000x+1)"},
        ExactRow{"123456789012345678901234567890x/123456789012345678901234567891",
                 "%123456789012345678901234567890,123456789012345678901234567891$x", ""},
        ExactRow{"1000000000000001/1000000000000000", "1%1,1000000000000000$", ""},
        ExactRow{"10^309!/10^309!", "1", ""}, ExactRow{"2^1024!x/2^1023!", "2x", ""},
        ExactRow{"x/10^309!", "%1," + PowerOfTen(309) + "$x", ""},
        ExactRow{"x/2^1100!", "%1," + PowerOfTwo(1100) + "$x", ""},
        ExactRow{"10^6000!x/10^5999!", "10x", ""}, ExactRow{"1.00000000000000001-1", "0", ""},
        ExactRow{"%0.5,2$", "0.25", ""}, ExactRow{"%1,0.5$x", "2x", ""},
        ExactRow{"2%0.5,2$", "2.25", ""}));
} // namespace
