// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/MathWriters.h"
#include "driver/SimplifyRequest.h"
#include "output/MathText.h"
#include "output/XmlText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace
{
struct CMathCase
{
    const char* m_szText;
    const char* m_szMathML; // inside <math><mrow>...</mrow></math>
    const char* m_szLatex;
};

void PrintTo(const CMathCase& row, std::ostream* pOut)
{
    *pOut << row.m_szText;
}

class MathFromEquationText : public testing::TestWithParam<CMathCase>
{
};

TEST_P(MathFromEquationText, MathML)
{
    const std::string strExpected =
        std::string("<math xmlns=\"http://www.w3.org/1998/Math/MathML\">"
                    "<mrow>") +
        GetParam().m_szMathML + "</mrow></math>";
    EXPECT_EQ(ToMathML(GetParam().m_szText), strExpected);
}

TEST_P(MathFromEquationText, Latex)
{
    EXPECT_EQ(ToLatexMath(GetParam().m_szText), GetParam().m_szLatex);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, MathFromEquationText,
    testing::Values(
        CMathCase{"x^2!+2x+1",
                  "<msup><mi>x</mi><mn>2</mn></msup><mo>+</mo><mn>2</mn><mi>x</mi><mo>+</mo>"
                  "<mn>1</mn>",
                  "x^{2}+2x+1"},
        CMathCase{"3%1,2$", "<mrow><mn>3</mn><mfrac><mn>1</mn><mn>2</mn></mfrac></mrow>",
                  "3\\frac{1}{2}"},
        CMathCase{"%1,2$x", "<mfrac><mn>1</mn><mn>2</mn></mfrac><mi>x</mi>", "\\frac{1}{2}x"},
        CMathCase{"(x+1)^3!",
                  "<msup><mrow><mo fence=\"true\" "
                  "stretchy=\"false\">(</mo><mi>x</mi><mo>+</mo><mn>1</mn><mo fence=\"true\" "
                  "stretchy=\"false\">)</mo></mrow>"
                  "<mn>3</mn></msup>",
                  "\\left(x+1\\right)^{3}"},
        CMathCase{"2*x-y=0",
                  "<mn>2</mn><mo>\xC2\xB7</mo><mi>x</mi><mo>\xE2\x88\x92</mo><mi>y</mi>"
                  "<mo>=</mo><mn>0</mn>",
                  "2\\cdot x-y=0"},
        CMathCase{"3x/(x+1)",
                  "<mfrac><mrow><mn>3</mn><mi>x</mi></mrow><mrow><mi>x</mi><mo>+</mo><mn>1</mn>"
                  "</mrow></mfrac>",
                  "\\frac{3x}{x+1}"},
        // Brackets grow only around a stacked division.
        CMathCase{
            "(1/x)",
            "<mrow><mo fence=\"true\" stretchy=\"true\">(</mo><mfrac><mrow><mn>1</mn></mrow>"
            "<mrow><mi>x</mi></mrow></mfrac><mo fence=\"true\" stretchy=\"true\">)</mo></mrow>",
            "\\left(\\frac{1}{x}\\right)"},
        CMathCase{"x^1%1,2$!",
                  "<msup><mi>x</mi><mrow><mn>1</mn><mfrac><mn>1</mn><mn>2</mn></mfrac></mrow>"
                  "</msup>",
                  "x^{1\\frac{1}{2}}"},
        // Raised twice: the first power is the base of the second, never a double superscript.
        CMathCase{"x^2!^3!",
                  "<msup><mrow><msup><mi>x</mi><mn>2</mn></msup></mrow><mn>3</mn></msup>",
                  "{x^{2}}^{3}"},
        CMathCase{"2.5", "<mn>2.5</mn>", "2.5"}, CMathCase{" ", "", ""}));

// Texts set through the property need not follow the grammar; the output must still parse.
INSTANTIATE_TEST_SUITE_P(
    Unbalanced, MathFromEquationText,
    testing::Values(CMathCase{"(x+1",
                              "<mrow><mo fence=\"true\" "
                              "stretchy=\"false\">(</mo><mi>x</mi><mo>+</mo><mn>1</mn></mrow>",
                              "\\left(x+1\\right."},
                    CMathCase{"x)", "<mi>x</mi><mo>)</mo>", "x)"},
                    CMathCase{"%1,2", "<mfrac><mn>1</mn><mn>2</mn></mfrac>", "\\frac{1}{2}"},
                    CMathCase{"^2!", "<msup><mi></mi><mn>2</mn></msup>", "{}^{2}"},
                    CMathCase{"x^", "<msup><mi>x</mi><mrow></mrow></msup>", "x^{}"},
                    CMathCase{"x<&", "<mi>x</mi><mtext>&lt;</mtext><mtext>&amp;</mtext>",
                              "x?\\&"}));

// The solver's own signs: a root, a division set stacked as it was written, ± and ≈ (a sign
// after an operator set close to what it signs); braces left open or closed twice still give
// math that parses.
INSTANTIATE_TEST_SUITE_P(
    SolverSigns, MathFromEquationText,
    testing::Values(
        CMathCase{
            "{1+\xE2\x88\x9A{3}}/{2}",
            "<mfrac><mrow><mn>1</mn><mo>+</mo><msqrt><mn>3</mn></msqrt></mrow><mrow><mn>2</mn>"
            "</mrow></mfrac>",
            "\\frac{1+\\sqrt{3}}{2}"},
        CMathCase{"x\xE2\x89\x88-0.5+1.2i",
                  "<mi>x</mi><mo>\xE2\x89\x88</mo><mo "
                  "form=\"prefix\">\xE2\x88\x92</mo><mn>0.5</mn><mo>+</mo>"
                  "<mn>1.2</mn><mi>i</mi>",
                  "x\\approx -0.5+1.2i"},
        CMathCase{"\xC2\xB1{2\xE2\x88\x9A{6}}/{2}",
                  "<mo "
                  "form=\"prefix\">\xC2\xB1</mo><mfrac><mrow><mn>2</mn><msqrt><mn>6</mn></msqrt></"
                  "mrow><mrow>"
                  "<mn>2</mn></mrow></mfrac>",
                  "\\pm \\frac{2\\sqrt{6}}{2}"},
        CMathCase{"4\xC2\xB7"
                  "a",
                  "<mn>4</mn><mo>\xC2\xB7</mo><mi>a</mi>", "4\\cdot a"},
        CMathCase{"{x}/{y", "<mfrac><mrow><mi>x</mi></mrow><mrow><mi>y</mi></mrow></mfrac>",
                  "\\frac{x}{y}"},
        CMathCase{"x}/y", "<mi>x</mi><mtext>}</mtext><mo>/</mo><mi>y</mi>", "x\\}/y"},
        CMathCase{"\xE2\x88\x9A"
                  "3",
                  "<mtext>\xE2\x88\x9A</mtext><mn>3</mn>", "?3"}));

// One rule stacks every division, read from the terms: sign in front, the coefficient's
// numerator and the multipliers on top, its denominator and the divisors below; brackets that
// only grouped a whole top or bottom go. A text the terms do not write back as it stands (an
// equation with 0 on the left, a fragment) is set as it reads.
TEST(StackedDivisions, LatexOfEveryShape)
{
    const std::pair<const char*, const char*> rows[] = {
        {"1-2/(x+1)", "1-\\frac{2}{x+1}"},
        {"(x-1)/(x+1)", "\\frac{x-1}{x+1}"},
        {"3x/4/y", "\\frac{3x}{4y}"},
        {"x/y/z", "\\frac{x}{yz}"},
        {"3x/4y", "\\frac{3xy}{4}"}, // reads as (3/4)xy
        {"(x^2!-1)/(x^2!+2x+1)", "\\frac{x^{2}-1}{x^{2}+2x+1}"},
        {"1/x+1/y", "\\frac{1}{x}+\\frac{1}{y}"},
        {"x^2!/(xy+1)", "\\frac{x^{2}}{xy+1}"},
        {"(x+1)/(x+1)^3!", "\\frac{x+1}{\\left(x+1\\right)^{3}}"},
        {"3%1,2$x/(x+1)", "\\frac{7x}{2\\left(x+1\\right)}"},
        {"3%1,2$x", "3\\frac{1}{2}x"}, // mixed without divisors stays mixed
        {"-%3,4$x/y", "-\\frac{3x}{4y}"},
        {"x/2/3", "\\frac{x}{2\\cdot 3}"},
        {"2(x+1)/(x-1)", "\\frac{2\\left(x+1\\right)}{x-1}"},
        {"(x/y)^2!", "\\left(\\frac{x}{y}\\right)^{2}"},
        {"1/(1/x+1/y)", "\\frac{1}{\\frac{1}{x}+\\frac{1}{y}}"},
        {"2.5x/y=x", "\\frac{2.5x}{y}=x"},
        {"0=x/y", "0=x/y"},
        {"x/", "x/"}};
    for (const auto& [szText, szLatex] : rows)
        EXPECT_EQ(ToLatexMath(szText), szLatex) << szText;
}

// Random texts built of the shapes a result has: whatever stacks, the LaTeX holds every
// letter and digit of the text, as many times.
TEST(StackedDivisions, RandomTextsKeepEveryLetterAndDigit)
{
    const unsigned nSeed = 20261208;
    std::mt19937 random(nSeed);
    const std::vector<std::string> atoms = {"x", "y", "2", "3x", "4y", "(x+1)", "x^2!", "(y-2)^3!"};
    const auto pick = [&] { return atoms[random() % atoms.size()]; };
    const auto count = [](const std::string& strOut, char c)
    { return std::count(strOut.begin(), strOut.end(), c); };
    for (int nCase = 0; nCase < 300; ++nCase)
    {
        std::string strText = pick();
        for (unsigned i = random() % 4; i > 0; --i)
            strText += std::string(1, "+-/"[random() % 3]) + pick();
        const std::string strLatex = ToLatexMath(strText);
        for (char c : std::string("xy1234"))
            ASSERT_EQ(count(strLatex, c), count(strText, c))
                << "seed " << nSeed << " case " << nCase << ": " << strText << " -> " << strLatex;
    }
}

// A long formula breaks before a + or minus that joins two terms, never inside a bracket nor
// after another operator.
TEST(SplitAtTerms, PiecesStartAtTheOperatorsBetweenTerms)
{
    const std::pair<const char*, size_t> rows[] = {
        {"x^2!+2x+1", 3}, {"-x-1", 2},    {"(x+1)(x-1)", 1}, {"x-1=-2x+3", 3},
        {"3x/(x+1)", 1},  {"x^-1!+1", 2}, {"", 1},           {"x+", 2}};
    for (const auto& [szText, nPieces] : rows)
        EXPECT_EQ(SplitAtTerms(ParseMathText(szText)).size(), nPieces) << szText;
    EXPECT_EQ(ToWrappingMathML("x-1"),
              "<math xmlns=\"http://www.w3.org/1998/Math/MathML\"><mrow><mi>x</mi></mrow></math>"
              "<wbr/><math xmlns=\"http://www.w3.org/1998/Math/MathML\"><mrow><mo "
              "form=\"infix\">\xE2\x88\x92</mo><mn>1</mn></mrow></math>");
}

TEST(MathMLLines, LongFormulaBecomesATableOfLinesShortOneStaysARow)
{
    EXPECT_EQ(ToMathMLLines("x+1", 3), ToMathMLRow("x+1"));
    EXPECT_EQ(ToMathMLLines("x+1", 2),
              "<mtable columnalign=\"left\"><mtr><mtd style=\"text-align: left\"><mrow><mi>x</mi>"
              "</mrow></mtd></mtr><mtr><mtd style=\"text-align: left\"><mrow><mo form=\"infix\">+"
              "</mo><mn>1</mn></mrow></mtd></mtr></mtable>");
}

// The display form is the one the engine writes into the narrative and the results.
TEST(DisplayMath, MatchesTheEnginesDisplayText)
{
    for (const char* szText : {"x^2!+3%1,2$x", "%1,2$x", "(x+1)^3!-2*y", "3x/(x+1)=0", "2.5x"})
    {
        const CSimplifyOutcome outcome = RunSimplify(szText);
        EXPECT_EQ(ToDisplayMath(outcome.m_strResult), outcome.m_strResultDisplay) << szText;
    }
    EXPECT_EQ(ToDisplayMath("x^1%1,2$!"), "x^(1&1/2)");
}

TEST(XmlEscape, MarkupCharactersAreEscaped)
{
    EXPECT_EQ(XmlEscape("a<b & \"c\">"), "a&lt;b &amp; &quot;c&quot;&gt;");
}

TEST(XmlEscape, BrokenUtf8AndControlCharactersBecomeReplacementCharacters)
{
    const std::string strReplacement = "\xEF\xBF\xBD";
    EXPECT_EQ(XmlEscape(std::string("\xff", 1)), strReplacement);
    EXPECT_EQ(XmlEscape("\xC3"), strReplacement);                      // cut off before its end
    EXPECT_EQ(XmlEscape("\xC0\xAF"), strReplacement + strReplacement); // overlong "/"
    EXPECT_EQ(XmlEscape("\xED\xA0\x80"), strReplacement + strReplacement + strReplacement);
    EXPECT_EQ(XmlEscape(std::string("a\0b\x1f", 4)), "a" + strReplacement + "b" + strReplacement);
    EXPECT_EQ(XmlEscape("\xC3\xA9\xE2\x88\x92\xF0\x9F\x98\x80\t"),
              "\xC3\xA9\xE2\x88\x92\xF0\x9F\x98\x80\t");
}
} // namespace
