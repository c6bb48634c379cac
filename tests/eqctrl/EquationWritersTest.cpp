// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/EquationWriters.h"
#include "model/EquationWords.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace
{
struct SWritersRow
{
    std::string strEquation;
    std::string strPlain;
    std::string strLatex;
};

std::ostream& operator<<(std::ostream& out, const SWritersRow& row)
{
    return out << '"' << row.strEquation << '"';
}

class EquationWritersTest : public ::testing::TestWithParam<SWritersRow>
{
};

TEST_P(EquationWritersTest, WritesOrdinaryNotationAndLatex)
{
    const SWritersRow& row = GetParam();
    EXPECT_EQ(WritePlainText(row.strEquation), row.strPlain);
    EXPECT_EQ(WriteLatex(row.strEquation), row.strLatex);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, EquationWritersTest,
    ::testing::Values(
        SWritersRow{"", "", ""}, SWritersRow{"x^2!+3%1,2$x", "x^2+3 1/2x", "x^{2}+3\\frac{1}{2}x"},
        SWritersRow{"%1,2$x=1", "1/2x=1", "\\frac{1}{2}x=1"},
        SWritersRow{"(x+1)^3!", "(x+1)^3", "(x+1)^{3}"},
        SWritersRow{"2*x/y", "2*x/y", "2\\cdot x/y"},
        // a number after a power or fraction must not run into it
        SWritersRow{"x^2!3", "x^2*3", "x^{2}3"}, SWritersRow{"%1,2$3", "1/2*3", "\\frac{1}{2}3"},
        // a fraction after a factor multiplies it
        SWritersRow{"x%1,2$", "x*1/2", "x\\frac{1}{2}"},
        SWritersRow{"x^2!%1,3$", "x^2*1/3", "x^{2}\\frac{1}{3}"},
        // structures still being typed stay balanced in LaTeX
        SWritersRow{"x^2", "x^2", "x^{2}"}, SWritersRow{"%1,", "1/", "\\frac{1}{}"},
        SWritersRow{"%1", "1", "\\frac{1}{}"},
        // characters LaTeX reserves, written through the property
        SWritersRow{"a#b_c&", "a#b_c&", "a\\#b\\_c\\&"}, SWritersRow{"x!,", "x!,", "x!,"}));

struct SWordsRow
{
    std::string strEquation;
    std::string strWords;
};

std::ostream& operator<<(std::ostream& out, const SWordsRow& row)
{
    return out << '"' << row.strEquation << '"';
}

class EquationWordsTest : public ::testing::TestWithParam<SWordsRow>
{
};

TEST_P(EquationWordsTest, ReadsTheEquationInWords)
{
    EXPECT_EQ(ReadEquationInWords(GetParam().strEquation), GetParam().strWords);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, EquationWordsTest,
    ::testing::Values(
        SWordsRow{"x^2!+3%1,2$x=1", "x squared plus three and a half x equals one"},
        SWordsRow{"", "empty"}, SWordsRow{"%1,2$x", "one half x"},
        SWordsRow{"%3,4$-%2,3$", "three quarters minus two thirds"},
        SWordsRow{"2%1,5$", "two and a fifth"}, SWordsRow{"%7,21$", "seven twenty-firsts"},
        SWordsRow{"%1,12$+%5,20$", "one twelfth plus five twentieths"},
        SWordsRow{"%1.5,2$", "one point five over two"}, SWordsRow{"%3,1$", "three over one"},
        SWordsRow{"%,2$", "nothing over two"}, SWordsRow{"%,$", "an empty fraction"},
        SWordsRow{"(x+1)^3!", "open bracket x plus one close bracket cubed"},
        SWordsRow{"y^10!*X/z", "y to the power of ten times capital X divided by z"},
        SWordsRow{"x^!", "x to an empty power"}, SWordsRow{"x^2", "x squared"},
        SWordsRow{"3.14", "three point one four"}, SWordsRow{".5", "point five"},
        SWordsRow{"105", "one hundred and five"}, SWordsRow{"1005", "one thousand and five"},
        SWordsRow{"2300000", "two million three hundred thousand"},
        SWordsRow{"007", "zero zero seven"},
        // too long to name: read digit by digit rather than overflow
        SWordsRow{"1234567890123456789", "one two three four five six seven eight nine zero "
                                         "one two three four five six seven eight nine"},
        SWordsRow{"%x,2$", "x over two"}));

// Each position of the equation text lands where it belongs in the ordinary notation, so a
// screen reader's caret follows the editor's.
TEST(EquationWritersTest, MapsEveryPositionIntoThePlainText)
{
    const CPlainText plain = WritePlainTextMapped("3%1,2$x");
    EXPECT_EQ(plain.m_strText, "3 1/2x");
    EXPECT_EQ(plain.m_Offsets, (std::vector<int>{0, 1, 2, 3, 4, 5, 5, 6}));
}
} // namespace
