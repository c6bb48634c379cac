#include "model/EquationText.h"

#include <gtest/gtest.h>

#include <string>

struct SClassRow
{
    std::string strCharacters;
    ECharClass nClass;
};

class TextClassesTest : public ::testing::TestWithParam<SClassRow>
{
};

TEST_P(TextClassesTest, EveryCharacterOfTheRowHasTheClass)
{
    for (const char c : GetParam().strCharacters)
        EXPECT_EQ(GetCharClass(c), GetParam().nClass) << "character '" << c << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TextClassesTest,
    ::testing::Values(SClassRow{"AMZamz", kClassLetter}, SClassRow{"0123456789.", kClassDigit},
                      SClassRow{"+-", kClassAdditive}, SClassRow{"*/", kClassMultiplicative},
                      SClassRow{"=", kClassEquals}, SClassRow{"(", kClassOpenBracket},
                      SClassRow{")", kClassCloseBracket}, SClassRow{"^", kClassPowerOpen},
                      SClassRow{"!", kClassPowerClose}, SClassRow{"%", kClassFractionOpen},
                      SClassRow{",", kClassFractionSeparator},
                      SClassRow{"$", kClassFractionClose},
                      SClassRow{std::string(" #&:;<>?@[]_`{|}~\x7f\x80\xff\n") + '\0',
                                kClassInvalid}));

TEST(TextClassesTest, EveryByteHasExactlyTheClassOfItsRow)
{
    int nClassified = 0;
    for (int n = 0; n < 256; ++n)
        if (GetCharClass(static_cast<char>(n)) != kClassInvalid)
            ++nClassified;
    EXPECT_EQ(nClassified, 52 + 11 + 2 + 2 + 1 + 2 + 2 + 3);
}
