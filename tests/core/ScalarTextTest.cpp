#include "core/AlgebraError.h"
#include "core/Scalar.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
struct STextCase
{
    const char* pText;
    const char* pWritten;
    const char* pDisplayed;
    bool bDecimal;
};

std::ostream& operator<<(std::ostream& os, const STextCase& row)
{
    return os << '"' << row.pText << '"';
}

class ScalarText : public testing::TestWithParam<STextCase>
{
};

TEST_P(ScalarText, ReadsAndWritesBack)
{
    const CScalar value{std::string(GetParam().pText)};
    EXPECT_EQ(value.ToText(true), GetParam().pWritten);
    EXPECT_EQ(value.ToDisplayText(true), GetParam().pDisplayed);
    EXPECT_EQ(value.m_bDecimal, GetParam().bDecimal);
    EXPECT_TRUE(value.Equals(CScalar(value.ToText(true))));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScalarText,
    testing::Values(STextCase{"+2%1,3$", "+2%1,3$", "+(2&1/3)", false},
                    STextCase{"-%1,2$", "-%1,2$", "-(1/2)", false},
                    STextCase{"+%1,2$", "+%1,2$", "+(1/2)", false},
                    STextCase{"%1,3", "+%1,3$", "+(1/3)", false},
                    STextCase{"-7", "-7", "-7", false}, STextCase{"", "+0", "+0", false},
                    STextCase{"-", "+0", "+0", false}, STextCase{"%3,0$", "+%3,1$", "+(3/1)", false},
                    STextCase{"%0,5$", "+0", "+0", false}, STextCase{"12abc", "+12", "+12", false},
                    STextCase{"0x1A", "+0", "+0", false}, STextCase{"nan", "+0", "+0", false},
                    STextCase{"2.5", "+2.5", "+2.5", true}, STextCase{"-0.125", "-0.125", "-0.125", true},
                    STextCase{"3.0", "+3.", "+3.", true}, STextCase{"0.0", "+0.", "+0.", true},
                    STextCase{"0.00001", "+0.00001", "+0.00001", true},
                    STextCase{"0.1234567890123456789", "+0.123456789012346", "+0.123456789012346", true},
                    STextCase{"99999999999999.9", "+99999999999999.9", "+99999999999999.9", true},
                    STextCase{"9007199254740991", "+9007199254740991", "+9007199254740991", false},
                    STextCase{"9007199254740993", "+9007199254740992", "+9007199254740992", true}));

TEST(ScalarText, OneIsWrittenAsTheSignAloneUnlessDigitsAreAsked)
{
    EXPECT_EQ(CScalar("1").ToText(false), "+");
    EXPECT_EQ(CScalar("-1").ToText(false), "-");
    EXPECT_EQ(CScalar("1").ToText(true), "+1");
    EXPECT_EQ(CScalar("-1").ToText(true), "-1");
    EXPECT_EQ(CScalar("-1").ToDisplayText(false), "-");
    CScalar unset;
    unset.m_nSign = 0;
    EXPECT_EQ(unset.ToText(false), "+");
    EXPECT_EQ(unset.ToText(true), "+1");
}

TEST(ScalarText, ParsesTheFieldsOfAMixedNumber)
{
    const CScalar value("-%1,2$");
    EXPECT_EQ(value.m_nSign, -1);
    EXPECT_EQ(value.m_dWhole, 0.0);
    EXPECT_EQ(value.m_dNumerator, 1.0);
    EXPECT_EQ(value.m_dDenominator, 2.0);
}

TEST(ScalarText, ARunOfDigitsPastTheRangeOfADoubleRaisesAnError)
{
    for (const std::string& strText :
         {std::string(400, '9'), "-" + std::string(400, '9'), std::string(400, '9') + ".5",
          "%" + std::string(400, '7') + ",3$", std::string("1e400")})
    {
        try
        {
            CScalar value(strText);
            ADD_FAILURE() << strText.substr(0, 12) << "... read as " << value.ToText(true);
        }
        catch (const CAlgebraError& error)
        {
            EXPECT_STREQ(error.what(), kNumberTooLarge);
        }
    }
    EXPECT_EQ(CScalar("0." + std::string(400, '0') + "1").ToText(true), "+0.");
}

TEST(ScalarText, DisplayFormReplacesTheMarkers)
{
    EXPECT_EQ(ToDisplayForm("x^2!+3%1,2$"), "x^2+3(1/2)");
    EXPECT_EQ(ToDisplayForm(""), "");
}
} // namespace
