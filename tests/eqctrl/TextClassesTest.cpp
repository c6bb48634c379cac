// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/EquationText.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

TEST(TextClassesTest, EveryByteHasTheClassOfItsRow)
{
    const std::vector<std::pair<std::string, ECharClass>> rows = {
        {"AZaz", kClassLetter},
        {"09.", kClassDigit},
        {"+-", kClassAdditive},
        {"*/", kClassMultiplicative},
        {"=", kClassEquals},
        {"(", kClassOpenBracket},
        {")", kClassCloseBracket},
        {"^", kClassPowerOpen},
        {"!", kClassPowerClose},
        {"%", kClassFractionOpen},
        {",", kClassFractionSeparator},
        {"$", kClassFractionClose},
        {" #:@[`{~\x7f\xff", kClassInvalid}};
    for (const auto& [strCharacters, nClass] : rows)
        for (const char c : strCharacters)
            EXPECT_EQ(GetCharClass(c), nClass) << "character '" << c << "'";
    int nClassified = 0;
    for (int n = 0; n < 256; ++n)
        nClassified += GetCharClass(static_cast<char>(n)) != kClassInvalid ? 1 : 0;
    EXPECT_EQ(nClassified, 52 + 11 + 12);
}
