// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/CaretGeometry.h"
#include "layout/EquationLayout.h"

#include <gtest/gtest.h>

namespace
{
// Every character 10 px wide on the main line, 5 in exponents, 7 in fractions; H = 20, so
// the main line's top is 8 and the stack offset v is 6.
class CFixedMeasurer : public CTextMeasurer
{
public:
    int GetTextWidth(EFontRole nFont, std::string_view strText) const override
    {
        return static_cast<int>(strText.size()) * Width(nFont);
    }
    int GetHeight(EFontRole nFont) const override { return 2 * Width(nFont); }
    int GetAscent(EFontRole nFont) const override { return 2 * Width(nFont) - 4; }
    int GetAverageCharWidth(EFontRole nFont) const override { return Width(nFont); }

private:
    static int Width(EFontRole nFont)
    {
        return nFont == EFontRole::Main ? 10 : nFont == EFontRole::Power ? 5 : 7;
    }
};

CEquationLayout Layout(const std::string& strText, int nCaret = 0, int nWidth = 1000,
                       std::vector<bool> marked = {}, bool bCaretVisible = false)
{
    CLayoutInput input;
    input.m_strText = strText;
    input.m_ErrorMarked = std::move(marked);
    input.m_nCaret = nCaret;
    input.m_nWidth = nWidth;
    input.m_bCaretVisible = bCaretVisible;
    return LayoutEquation(input, CFixedMeasurer());
}

struct SRecordsCase
{
    std::string strText;
    std::vector<int> x;
    std::vector<int> classes;
    std::vector<int> heights;
};

using LayoutRecordsTest = testing::TestWithParam<SRecordsCase>;

TEST_P(LayoutRecordsTest, GivesPositionClassAndHeightPerCharacter)
{
    const SRecordsCase& c = GetParam();
    const CEquationLayout layout = Layout(c.strText);
    EXPECT_EQ(layout.m_XPositions, c.x) << c.strText;
    EXPECT_EQ(layout.m_Classes, c.classes) << c.strText;
    EXPECT_EQ(layout.m_Heights, c.heights) << c.strText;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LayoutRecordsTest,
    testing::Values(
        SRecordsCase{"", {13}, {0}, {20}},
        SRecordsCase{"x+1", {17, 31, 43, 55}, {0, 0, 0, 0}, {20, 20, 20, 20}},
        SRecordsCase{"12", {15, 25, 37}, {0, 0, 0}, {20, 20, 20}},
        // The exponent's digits are measured small and the caret there is half height.
        SRecordsCase{"x^2!", {17, 17, 24, 26, 36}, {0, 0, 0, 0, 0}, {20, 10, 10, 20, 20}},
        SRecordsCase{"3%1,2$",
                     {15, 17, 26, 17, 26, 29, 39},
                     {0, -1, -1, 1, 1, 0, 0},
                     {20, 15, 15, 15, 15, 20, 20}},
        // The longer denominator decides the width; the numerator is centred over it.
        SRecordsCase{"%1,23$",
                     {3, 15, 3, 12, 19, 22, 32},
                     {-1, -1, 1, 1, 1, 0, 0},
                     {15, 15, 15, 15, 15, 20, 20}},
        SRecordsCase{"%12,3$",
                     {3, 12, 19, 3, 15, 22, 32},
                     {-1, -1, -1, 1, 1, 0, 0},
                     {15, 15, 15, 15, 15, 20, 20}},
        SRecordsCase{"%,$", {3, 3, 4, 14}, {-1, 1, 0, 0}, {15, 15, 20, 20}},
        // j and f get room before them, f after it too, ")" one pixel before.
        SRecordsCase{"fj)", {26, 44, 59, 69}, {0, 0, 0, 0}, {20, 20, 20, 20}},
        // The point splits a number into two runs and a single character.
        SRecordsCase{"3.5", {15, 31, 43, 55}, {0, 0, 0, 0}, {20, 20, 20, 20}},
        // Unfinished fraction: the numerator falls back to the main line, the denominator
        // is never placed.
        SRecordsCase{
            "%12,3", {3, 15, 25, 3, 0, 37}, {-1, 0, 0, 1, 0, 0}, {15, 15, 15, 15, 0, 15}}));

struct SDrawingCase
{
    std::string strText;
    std::vector<CLayoutText> texts;
    std::vector<CLayoutLine> bars;
};

using LayoutDrawingTest = testing::TestWithParam<SDrawingCase>;

TEST_P(LayoutDrawingTest, DrawsTheRunsAndFractionBars)
{
    const CEquationLayout layout = Layout(GetParam().strText);
    EXPECT_EQ(layout.m_Texts, GetParam().texts) << GetParam().strText;
    EXPECT_EQ(layout.m_Bars, GetParam().bars) << GetParam().strText;
}

INSTANTIATE_TEST_SUITE_P(Texts, LayoutDrawingTest,
                         testing::Values(
                             // A mixed number stacks its fraction after the whole part.
                             SDrawingCase{"3%1,2$",
                                          {{5, 8, EFontRole::Main, false, "3"},
                                           {19, 2, EFontRole::Fraction, false, "1"},
                                           {19, 18, EFontRole::Fraction, false, "2"}},
                                          {{18, 16, 28, 16}}},
                             // The narrow part is centred over (or under) the wide part.
                             SDrawingCase{"%1,23$",
                                          {{8, 2, EFontRole::Fraction, false, "1"},
                                           {5, 18, EFontRole::Fraction, false, "23"}},
                                          {{4, 16, 21, 16}}},
                             SDrawingCase{"%,$", {}, {}},
                             // A decimal number is drawn in three pieces.
                             SDrawingCase{"3.5",
                                          {{5, 8, EFontRole::Main, false, "3"},
                                           {19, 8, EFontRole::Main, false, "."},
                                           {33, 8, EFontRole::Main, false, "5"}},
                                          {}}));

TEST(LayoutColourTest, MarkedCharactersAreRedAndRunsTakeTheColourBeforeTheirFlush)
{
    // A leading power is marked whole; its run is drawn red in the exponent font.
    const CEquationLayout power = Layout("^2!x", 0, 1000, {true, true, true, false});
    const std::vector<CLayoutText> expectedPower = {{5, 8, EFontRole::Power, true, "2"},
                                                    {14, 8, EFontRole::Main, false, "x"}};
    EXPECT_EQ(power.m_Texts, expectedPower);

    // The run "2" is flushed before the marked "+" sets red.
    const CEquationLayout sum = Layout("2+", 0, 1000, {false, true});
    ASSERT_EQ(sum.m_Texts.size(), 2u);
    EXPECT_FALSE(sum.m_Texts[0].m_bRed);
    EXPECT_TRUE(sum.m_Texts[1].m_bRed);
}

struct SCaretCase
{
    std::string strText;
    int nCaret;
    CLayoutLine line;
};

using LayoutCaretTest = testing::TestWithParam<SCaretCase>;

TEST_P(LayoutCaretTest, StandsAfterTheCharacterBeforeIt)
{
    const SCaretCase& c = GetParam();
    const CEquationLayout layout = Layout(c.strText, c.nCaret, 1000, {}, true);
    ASSERT_TRUE(layout.m_bCaret) << c.strText;
    EXPECT_EQ(layout.m_Caret, c.line) << c.strText << " caret " << c.nCaret;
}

INSTANTIATE_TEST_SUITE_P(Positions, LayoutCaretTest,
                         testing::Values(SCaretCase{"", 0, {3, 8, 3, 28}},
                                         SCaretCase{"x^2!", 3, {24, 8, 24, 18}},
                                         SCaretCase{"3%1,2$", 3, {26, 2, 26, 17}},
                                         SCaretCase{"3%1,2$", 5, {26, 18, 26, 33}},
                                         SCaretCase{"3%1,2$", 6, {29, 8, 29, 28}}));

TEST(LayoutCaretTest, HiddenCaretIsNotDrawn)
{
    EXPECT_FALSE(Layout("x", 1).m_bCaret);
}

struct SScrollCase
{
    int nCaret;
    int nWidth;
    int nShift;
};

using LayoutScrollTest = testing::TestWithParam<SScrollCase>;

// Ten letters: the last one ends at 143; a shifted pass starts at minus the shift, not at 3.
TEST_P(LayoutScrollTest, ShiftsOnlyWhenTheCaretIsPastTheMiddleOfATooWideText)
{
    const SScrollCase& c = GetParam();
    const std::string strText(10, 'x');
    const CEquationLayout layout = Layout(strText, c.nCaret, c.nWidth);
    EXPECT_EQ(layout.m_nShift, c.nShift) << "caret " << c.nCaret << " width " << c.nWidth;
    EXPECT_EQ(layout.m_XPositions[9], c.nShift == 0 ? 143 : 140 - c.nShift);
}

INSTANTIATE_TEST_SUITE_P(Cases, LayoutScrollTest,
                         testing::Values(SScrollCase{10, 120, 51}, // caret at the end
                                         SScrollCase{3, 120, 0},   // caret in the left half
                                         SScrollCase{6, 120, 27},  // caret kept mid-control
                                         SScrollCase{8, 120, 51},  // but the end not pulled in
                                         SScrollCase{0, 120, 0}, SScrollCase{10, 143, 0}));

TEST(LayoutScrollTest, SecondPassStartsAtMinusTheShift)
{
    const CEquationLayout layout = Layout("xxxxxxxxxx", 10, 120, {}, true);
    ASSERT_EQ(layout.m_nShift, 51);
    EXPECT_EQ(layout.m_XPositions[0], -51 + 14);
    EXPECT_EQ(layout.m_Caret.m_nX1, 89);
}

struct SHitCase
{
    std::string strText;
    int nX;
    int nY;
    int nCaret;
};

using LayoutHitTest = testing::TestWithParam<SHitCase>;

TEST_P(LayoutHitTest, PlacesTheCaretBeforeTheFirstQualifyingCharacter)
{
    const SHitCase& c = GetParam();
    const CEquationLayout layout = Layout(c.strText);
    EXPECT_EQ(HitTestCaret(layout, c.nX, c.nY, static_cast<int>(c.strText.size())), c.nCaret)
        << c.strText << " at " << c.nX << "," << c.nY;
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, LayoutHitTest,
    testing::Values(SHitCase{"x+1", 0, 10, 0}, SHitCase{"x+1", 18, 10, 1},
                    SHitCase{"x+1", 500, 10, 3},   // past the end: limited to the length
                    SHitCase{"%1,23$", 10, 10, 1}, // above the line: numerator
                    SHitCase{"%1,23$", 10, 30, 3}, // below it: denominator
                    SHitCase{"%1,23$", 10, 25, 5}, // on it: neither part qualifies
                    SHitCase{"", 10, 10, 0}));

struct SRectCase
{
    std::vector<int> x;
    int nCaret;
    CCaretRect rect;
};

using LayoutCaretRectTest = testing::TestWithParam<SRectCase>;

TEST_P(LayoutCaretRectTest, CoversTheCaretForTheBlink)
{
    const SRectCase& c = GetParam();
    CEquationLayout layout;
    layout.m_XPositions = c.x;
    layout.m_Classes.assign(c.x.size(), 0);
    layout.m_Heights.assign(c.x.size(), 20);
    EXPECT_EQ(GetCaretRect(layout, c.nCaret, 20), c.rect) << "caret " << c.nCaret;
}

INSTANTIATE_TEST_SUITE_P(Cases, LayoutCaretRectTest,
                         testing::Values(SRectCase{{17, 27}, 0, {2, 3, 4, 40}},
                                         SRectCase{{}, 1, {}},
                                         SRectCase{{17, 27}, 1, {12, 3, 22, 40}},
                                         SRectCase{{10, 20}, 4, {15, 3, 53, 40}}));
} // namespace

namespace
{
CEquationLayout StackedLayout(const std::string& strText, int nCaret = -1, int nWidth = 1000)
{
    CLayoutInput input;
    input.m_strText = strText;
    input.m_nCaret = nCaret < 0 ? static_cast<int>(strText.size()) : nCaret;
    input.m_nWidth = nWidth;
    input.m_bReadOnly = true;
    input.m_bStackedDivisions = true;
    return LayoutEquation(input, CFixedMeasurer());
}

// With the fake measurer a letter's run is 14 wide (2 before, 10, 2 after), H = 20, v = 6: a
// fraction's bar lies 8 below its line top, its top's foot on the bar, its bottom 2 under it.
struct SStackedCase
{
    std::string strText;
    int nWidth;  // the unshifted x after the last entry
    int nBottom; // the lowest pixel drawn
    std::vector<CLayoutLine> bars;
};

std::ostream& operator<<(std::ostream& out, const SStackedCase& c)
{
    return out << '"' << c.strText << '"';
}

using StackedLayoutTest = testing::TestWithParam<SStackedCase>;

TEST_P(StackedLayoutTest, StacksEachDivisionOverItsBar)
{
    const SStackedCase& c = GetParam();
    const CEquationLayout layout = StackedLayout(c.strText);
    EXPECT_TRUE(layout.m_bStacked) << c;
    EXPECT_EQ(layout.m_nContentWidth, c.nWidth) << c;
    EXPECT_EQ(layout.m_nContentBottom, c.nBottom) << c;
    EXPECT_EQ(layout.m_Bars, c.bars) << c;
    EXPECT_EQ(layout.m_XPositions.size(), c.strText.size() + 1) << c;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StackedLayoutTest,
    testing::Values(
        // x over y: the line top moves down to 15 to make room for the top.
        SStackedCase{"x/y", 32, 45, {{4, 23, 21, 23}}},
        // 3xy over 4, the 4 centred; x over yz.
        SStackedCase{"3x/4y", 60, 45, {{4, 23, 49, 23}}},
        SStackedCase{"x/y/z", 46, 45, {{4, 23, 35, 23}}},
        // 1 minus 2 over x+1: the bracket only grouped the bottom.
        SStackedCase{"1-2/(x+1)", 88, 45, {{32, 23, 77, 23}}},
        // The bracket with a power is needed and stays, its exponent small.
        SStackedCase{"(x+1)/(x+1)^3!", 98, 45, {{4, 23, 87, 23}}},
        // 3 1/2 x over x+1 is 7x over 2(x+1).
        SStackedCase{"3%1,2$x/(x+1)", 103, 45, {{4, 23, 92, 23}}},
        // A fraction inside a top: its bar 22 above the outer one.
        SStackedCase{"(1/x+1)/y", 65, 67, {{6, 23, 23, 23}, {4, 45, 54, 45}}},
        // A fraction in a power's base: brackets as tall as it, the power at their top.
        SStackedCase{"((1/x)/y)^2!", 70, 69, {{18, 24, 35, 24}, {16, 46, 38, 46}}}));

TEST(StackedLayoutTest, DrawsTallBracketsAndTheTopsDigitsSideBySide)
{
    const CEquationLayout power = StackedLayout("((1/x)/y)^2!");
    const std::vector<CLayoutBracket> brackets = {{4, 3, 69, 10, true}, {40, 3, 69, 10, false}};
    EXPECT_EQ(power.m_Brackets, brackets);
    // 7 and 2 are worked out from 3 1/2; the 2 and the bracket below stand side by side.
    std::vector<std::string> texts;
    for (const CLayoutText& text : StackedLayout("3%1,2$x/(x+1)").m_Texts)
        texts.push_back(text.m_strText);
    EXPECT_EQ(texts, (std::vector<std::string>{"7", "x", "2", "(", "x", "+", "1", ")"}));
    // x over 3 times 4: a dot keeps 3 and 4 from reading 34.
    texts.clear();
    for (const CLayoutText& text : StackedLayout("x/3/4").m_Texts)
        texts.push_back(text.m_strText);
    EXPECT_EQ(texts, (std::vector<std::string>{"x", "3", "\xB7", "4"}));
}

// Texts that divide nowhere, or that leave the formal shape, are drawn as they stand; so is
// an editable control's text, and a mixed number stays mixed beside a fraction.
TEST(StackedLayoutTest, TextsWithoutADivisionAreDrawnAsTheyStand)
{
    const std::string strDeep = std::string(5000, '(') + "1/x" + std::string(5000, ')');
    for (const std::string strText :
         {std::string("x^2!+3%1,2$x"), std::string("x/("), std::string("x//y"), std::string(" "),
          std::string(), strDeep})
    {
        const CEquationLayout stacked = StackedLayout(strText);
        const CEquationLayout flat = Layout(strText, static_cast<int>(strText.size()));
        EXPECT_FALSE(stacked.m_bStacked) << strText;
        EXPECT_EQ(stacked.m_XPositions, flat.m_XPositions) << strText;
        EXPECT_EQ(stacked.m_Texts, flat.m_Texts) << strText;
    }
    int nSmall = 0;
    for (const CLayoutText& text : StackedLayout("3%1,2$x+1/y").m_Texts)
        nSmall += text.m_nFont == EFontRole::Fraction ? 1 : 0;
    EXPECT_EQ(nSmall, 2);
}

TEST(StackedLayoutTest, ClicksAndTheCaretFindTheirLine)
{
    const CEquationLayout layout = StackedLayout("x/y", 3);
    EXPECT_EQ(HitTestCaret(layout, 19, 5, 3), 1);  // on the top, after x
    EXPECT_EQ(HitTestCaret(layout, 19, 35, 3), 3); // on the bottom, after y
    EXPECT_EQ(HitTestCaret(layout, 0, 20, 3), 0);
    EXPECT_EQ(layout.m_Tops[0], 3);
    EXPECT_EQ(layout.m_Tops[2], 25);
    EXPECT_EQ(GetCaretRect(layout, 3, 20), (CCaretRect{14, 3, 24, 46}));
}

// Ten fractions side by side in a control 100 wide: the end shows with the caret there, the
// start with the caret at 0, and the caret's fraction mid-control in between.
TEST(StackedLayoutTest, ALongStackedTextScrollsToTheCaret)
{
    std::string strText = "1/x";
    for (int i = 0; i < 9; ++i)
        strText += "+1/x";
    const int nLength = static_cast<int>(strText.size());
    const CEquationLayout atEnd = StackedLayout(strText, nLength, 100);
    EXPECT_EQ(atEnd.m_nShift, atEnd.m_nContentWidth - 100);
    EXPECT_LE(atEnd.m_Bars.back().m_nX2, 100);
    EXPECT_EQ(StackedLayout(strText, 0, 100).m_nShift, 0);
    const CEquationLayout middle = StackedLayout(strText, nLength / 2, 100);
    EXPECT_GT(middle.m_nShift, 0);
    EXPECT_LT(middle.m_nShift, atEnd.m_nShift);
    EXPECT_EQ(middle.m_XPositions[static_cast<std::size_t>(nLength / 2 - 1)], 50);
}
} // namespace
