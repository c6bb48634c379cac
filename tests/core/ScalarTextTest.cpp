// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlgebraErrorOf.h"
#include "core/Scalar.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace
{
// Text read, written back with digits, displayed, read as a decimal.
using TextRow = std::tuple<std::string, std::string, std::string, bool>;

class ScalarText : public testing::TestWithParam<TextRow>
{
};

TEST_P(ScalarText, ReadsAndWritesBack)
{
    const auto& [strText, strWritten, strDisplayed, bDecimal] = GetParam();
    const CScalar value(strText);
    EXPECT_EQ(value.ToText(true), strWritten);
    EXPECT_EQ(value.ToDisplayText(true), strDisplayed);
    EXPECT_EQ(value.m_bDecimal, bDecimal);
    EXPECT_TRUE(value.Equals(CScalar(value.ToText(true))));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScalarText,
    testing::Values(
        TextRow{"+2%1,3$", "+2%1,3$", "+(2&1/3)", false},
        TextRow{"-%1,2$", "-%1,2$", "-(1/2)", false}, TextRow{"%1,3", "+%1,3$", "+(1/3)", false},
        TextRow{"-7", "-7", "-7", false}, TextRow{"", "+0", "+0", false},
        TextRow{"-", "+0", "+0", false}, TextRow{"%3,$", "+3", "+3", false},
        // a fraction as written is kept in lowest terms, so it never prints as (2&4/2)
        TextRow{"%2,4$", "+%1,2$", "+(1/2)", false}, TextRow{"2%4,2$", "+4", "+4", false},
        TextRow{"1%4,3$", "+2%1,3$", "+(2&1/3)", false},
        TextRow{"-%6,4$", "-1%1,2$", "-(1&1/2)", false}, TextRow{"%0,5$", "+0", "+0", false},
        TextRow{"12abc", "+12", "+12", false}, TextRow{"0x1A", "+0", "+0", false},
        TextRow{"nan", "+0", "+0", false}, TextRow{"2.5", "+2.5", "+2.5", true},
        TextRow{"-0.125", "-0.125", "-0.125", true}, TextRow{"3.0", "+3", "+3", true},
        TextRow{"0.00001", "+0.00001", "+0.00001", true},
        TextRow{"0.1234567890123456789", "+0.123456789012346", "+0.123456789012346", true},
        TextRow{"99999999999999.9", "+99999999999999.9", "+99999999999999.9", true},
        TextRow{"9007199254740991", "+9007199254740991", "+9007199254740991", false},
        TextRow{"9007199254740993", "+9007199254740993", "+9007199254740993", false},
        // a decimal in a fraction makes the fraction decimal input (it once read as 0)
        TextRow{"%0.5,2$", "+0.25", "+0.25", true}, TextRow{"%1,0.5$", "+2", "+2", true},
        TextRow{"2%0.5,2$", "+2.25", "+2.25", true}, TextRow{"-%3,1.5$", "-2", "-2", true},
        TextRow{"%18446744073709551617,2$", "+9223372036854775808%1,2$",
                "+(9223372036854775808&1/2)", false}));

TEST(ScalarText, OneIsWrittenAsTheSignAloneUnlessDigitsAreAsked)
{
    EXPECT_EQ(CScalar("1").ToText(false), "+");
    EXPECT_EQ(CScalar("-1").ToText(false), "-");
    EXPECT_EQ(CScalar("-1").ToText(true), "-1");
    CScalar unset;
    unset.m_nSign = 0;
    EXPECT_EQ(unset.ToText(false), "+");
    EXPECT_EQ(unset.ToText(true), "+1");
}

// Whole numbers are exact at that length (the digit limit is further on); decimals are not.
TEST(ScalarText, ADecimalPastTheRangeOfADoubleRaisesNumberTooLarge)
{
    const std::string strNines(400, '9');
    EXPECT_EQ(CScalar(strNines).ToText(true), "+" + strNines);
    EXPECT_EQ(CScalar("%" + strNines + ",3$").ToText(true), "+" + std::string(400, '3'));
    for (const std::string& strText :
         {strNines + ".5", "-" + strNines + ".5", std::string("1e400")})
        EXPECT_EQ(AlgebraErrorOf([&] { CScalar{strText}; }), kNumberTooLarge)
            << strText.substr(0, 12);
    EXPECT_EQ(CScalar("0." + std::string(400, '0') + "1").ToText(true), "+0");
}

// A whole decimal wrote "2." and so results read (2.x^2+1)/x; the point goes, the value stays.
TEST(ScalarText, WholeDecimalDropsItsTrailingPoint)
{
    for (const char* szText : {"2.0", "-100.", "0.0", "1e15."})
    {
        const CScalar value(szText);
        const std::string strText = value.ToText(true);
        EXPECT_NE(strText.back(), '.') << szText;
        EXPECT_TRUE(value.Equals(CScalar(strText))) << szText << " wrote " << strText;
    }
    EXPECT_EQ(CScalar("2.0").ToText(true), "+2");
    EXPECT_EQ(CScalar("2.50").ToDisplayText(true), "+2.5");
}

TEST(ScalarText, DisplayFormReplacesTheMarkers)
{
    EXPECT_EQ(ToDisplayForm("x^2!+3%1,2$"), "x^2+3(1/2)");
}
} // namespace
