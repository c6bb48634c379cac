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
