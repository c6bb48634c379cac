// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditKeys.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace
{
constexpr int kAtEnd = -1;

// Start from strStart with the caret at nStartCaret, run the key script, and expect the text,
// the caret and the number of beeps.
struct SKeysRow
{
    std::string strStart;
    int nStartCaret;
    std::string strKeys;
    std::string strText;
    int nCaret;
    int nBeeps;
};

std::ostream& operator<<(std::ostream& out, const SKeysRow& row)
{
    return out << '"' << row.strStart << "\" caret " << row.nStartCaret << " keys \"" << row.strKeys
               << '"';
}

class EditKeysTest : public ::testing::TestWithParam<SKeysRow>
{
};
} // namespace

TEST_P(EditKeysTest, GivesTextCaretAndBeeps)
{
    const SKeysRow& row = GetParam();
    CEditModel model;
    model.SetEquation(row.strStart);
    if (row.nStartCaret != kAtEnd)
        model.PlaceCaret(row.nStartCaret);
    CBeepCounter beeps;
    RunKeys(model, row.strKeys);
    EXPECT_EQ(model.GetText(), row.strText);
    EXPECT_EQ(model.GetCaret(), row.nCaret);
    EXPECT_EQ(beeps.Count(), row.nBeeps);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Typing, EditKeysTest, ::testing::Values(
    SKeysRow{"", kAtEnd, "2{F}", "2%,$", 2, 0},
    SKeysRow{"", kAtEnd, "2{F}1/3", "2%1,3$", 5, 0},
    SKeysRow{"", kAtEnd, "2{F}1/3{T}", "2%1,3$", 6, 0},
    SKeysRow{"", kAtEnd, "2{F}1{E}3{X}+", "2%1,3$+", 7, 0},
    SKeysRow{"", kAtEnd, "x^2+", "x^2!+", 5, 0},
    SKeysRow{"", kAtEnd, "x{P}2{T}+y", "x^2!+y", 6, 0},
    SKeysRow{"", kAtEnd, "(x+1)=y", "(x+1)=y", 7, 0},
    SKeysRow{"x", kAtEnd, "{T}", "x", 1, 0},
    SKeysRow{"", kAtEnd, "{F}a", "%,$", 2, 1},
    SKeysRow{"", kAtEnd, "{F}1+", "%1,$", 3, 1},
    SKeysRow{"", kAtEnd, "{F}1/", "%1,$", 3, 0},
    SKeysRow{"", kAtEnd, "{F}1.", "%1,$", 3, 1},
    SKeysRow{"", kAtEnd, "x^2 ", "x^2!", 4, 1},
    SKeysRow{"", kAtEnd, "x^2.", "x^2!.", 5, 0},
    SKeysRow{"", kAtEnd, "x:", "x", 1, 1},
    SKeysRow{"", kAtEnd, "3.5.", "3.5", 3, 1},
    SKeysRow{"5%1,2$", 0, ".", "5%1,2$", 0, 1},
    SKeysRow{"", kAtEnd, "3{P}", "3", 1, 1},
    SKeysRow{"", kAtEnd, "{F}1{T}2{T}{P}", "%1,2$", 5, 1},
    SKeysRow{"x", 0, "{P}", "x", 0, 1},
    // "^" needs no factor: the template goes in, and a leading one is dropped at once.
    SKeysRow{"x", 0, "^", "x", 0, 0},
    SKeysRow{"", kAtEnd, "3^", "3^!", 2, 0},
    // Refusals inside a structure: no template nests.
    SKeysRow{"", kAtEnd, "x{P}{P}", "x^!", 2, 1},
    SKeysRow{"", kAtEnd, "x{P}^", "x^!", 2, 1},
    SKeysRow{"", kAtEnd, "{F}{F}", "%,$", 1, 1},
    SKeysRow{"", kAtEnd, "{F}1{T}{F}", "%1,$", 3, 1},
    // Sequences that used to put operators, letters or templates inside a structure.
    SKeysRow{"", kAtEnd, "x^23{L}+", "x^23!+", 6, 0},
    SKeysRow{"", kAtEnd, "{F}1/23{L}y", "%1,23$y", 7, 0},
    SKeysRow{"", kAtEnd, "{F}12{L}{T}3", "%12,3$", 5, 0},
    SKeysRow{"", kAtEnd, "{F}^{T}{F}", "%,$", 2, 2},
    SKeysRow{"x^2.5!", 5, "+", "x^2.5!+", 7, 0},
    SKeysRow{"%1.5,2$", 4, "+", "%1.5,2$", 5, 1},
    // A decimal number on the main line is no structure.
    SKeysRow{"2.5x", 3, "+", "2.5+x", 4, 0},
    // Left and Right, and a repaint dropping the template the caret has left.
    SKeysRow{"", kAtEnd, "x{P}{L}{paint}", "x", 1, 0},
    SKeysRow{"", kAtEnd, "x{P}{L}y", "xy", 2, 0}));

INSTANTIATE_TEST_SUITE_P(Deleting, EditKeysTest, ::testing::Values(
    SKeysRow{"x^23!", kAtEnd, "{B}", "x", 1, 0},
    SKeysRow{"x^2!", 2, "{B}", "x", 1, 0},
    SKeysRow{"%1,2$", kAtEnd, "{B}", "", 0, 0},
    SKeysRow{"3%1,2$", 2, "{B}", "3", 1, 0},
    SKeysRow{"x%1,2", 2, "{B}", "x", 1, 0},
    SKeysRow{"%1,2$", 3, "{B}", "%1,2$", 3, 1},
    SKeysRow{"x!", kAtEnd, "{B}", "x", 1, 0},
    SKeysRow{"x^2!", 3, "{D}", "x", 1, 0},
    SKeysRow{"%1,2$", 4, "{D}", "", 0, 0},
    SKeysRow{"x%1,2", 1, "{D}", "x", 1, 0},
    SKeysRow{"1,2$", 3, "{D}", "1,2$", 3, 0},
    SKeysRow{"%1,2$", 2, "{D}", "%1,2$", 2, 1},
    SKeysRow{"x", 0, "{D}", "", 0, 0},
    SKeysRow{"xy", kAtEnd, "{D}", "xy", 2, 0},
    // Backspace at the start of a structure with text after it takes that structure only.
    SKeysRow{"3%1,2$+x", 2, "{B}", "3+x", 1, 0},
    SKeysRow{"%1,2$+x", 1, "{B}", "+x", 0, 0},
    SKeysRow{"x^2!+1", 2, "{B}", "x+1", 1, 0}));

// A pasted power with a sign is a power all the same: no key may break it.
INSTANTIATE_TEST_SUITE_P(SignedPowers, EditKeysTest, ::testing::Values(
    SKeysRow{"x^-1!", 4, "2", "x^-12!", 5, 0},
    SKeysRow{"x^-1!", 4, "+", "x^-1!+", 6, 0},
    SKeysRow{"x^-1!", 2, "2", "x^-1!", 2, 1},
    SKeysRow{"x^-1!", 4, "{B}", "x^-1!", 4, 1},
    SKeysRow{"x^-1!", 3, "{B}", "x^1!", 2, 0}));

// A key is refused when the text it leaves would hold a number with two points or a point
// right before a fraction, judged where the character lands, after any structure is left.
INSTANTIATE_TEST_SUITE_P(JoiningNumbers, EditKeysTest, ::testing::Values(
    // The point left the power and landed before ".5": x^2!..5 read as 0.
    SKeysRow{"", kAtEnd, "x^2.5{L}{L}{L}.", "x^2!.5", 3, 1},
    // The abandoned power template dropped out and joined 1.5 and .5.
    SKeysRow{"", kAtEnd, "1.5^{R}.5", "1.55", 4, 1},
    // Deleting what stood between two numbers joined them into 1.52.5.
    SKeysRow{"", kAtEnd, "1.5+2.5{L}{L}{L}{B}", "1.5+2.5", 4, 1},
    SKeysRow{"1.5+2.5", 3, "{D}", "1.5+2.5", 3, 1},
    // A fraction after 1.5 once the template dropped out: 1.5%1,2$.
    SKeysRow{"", kAtEnd, "1.5^{R}{F}1/2", "1.51/2", 6, 1},
    SKeysRow{"3.5x%1,2$", 4, "{B}", "3.5x%1,2$", 4, 1},
    SKeysRow{"x^2!%1,2$", 3, ".", "x^2!%1,2$", 3, 1},
    SKeysRow{"1.5x^2!.5", 7, "{B}", "1.5x.5", 4, 0},
    SKeysRow{"1.5^2!.5", 6, "{B}", "1.5^2!.5", 6, 1},
    // Joins that leave one point stay allowed.
    SKeysRow{"1.5+25", 4, "{B}", "1.525", 3, 0},
    SKeysRow{"x^2!+.5", 5, "{B}", "x^2!.5", 4, 0}));
// clang-format on

TEST(EditOutcomeTest, SaysWhenToRepaintAndWhenToFireShowMessage)
{
    CBeepCounter beeps;
    CEditModel model;
    EXPECT_EQ(model.TypeCharacter('x'), (CEditOutcome{true, true}));
    EXPECT_EQ(model.TypeCharacter(kCodeTab), (CEditOutcome{true, false}));
    EXPECT_EQ(model.TypeCharacter(':'), (CEditOutcome{false, false}));
    EXPECT_EQ(model.PressKey(EEditKey::Left), (CEditOutcome{true, false}));
    EXPECT_EQ(model.PressKey(EEditKey::Delete), (CEditOutcome{true, true}));
    EXPECT_EQ(model.TypeCharacter(kCodeBackspace), (CEditOutcome{false, false})); // caret 0
}

TEST(EditReadOnlyTest, TypingBeepsAndKeysDoNothingButTheMouseStillPlacesTheCaret)
{
    CEditModel model;
    model.SetEquation("x^2!");
    model.SetReadOnly(true);
    CBeepCounter beeps;
    for (const int nCode : {int{'a'}, kCodeTab, kCodeBackspace, kCodeCtrlF, kCodeCtrlP, int{'1'}})
        EXPECT_EQ(model.TypeCharacter(nCode), CEditOutcome{});
    for (const EEditKey key : {EEditKey::Left, EEditKey::Right, EEditKey::Delete})
        EXPECT_EQ(model.PressKey(key), CEditOutcome{});
    EXPECT_EQ(beeps.Count(), 6);
    EXPECT_EQ(model.GetText(), "x^2!");
    EXPECT_EQ(model.GetCaret(), 4);
    model.PlaceCaret(1);
    EXPECT_EQ(model.GetCaret(), 1);
}

TEST(EditEquationTest, WritingTheTextPutsTheCaretAtTheEndAndDropsAbandonedTemplates)
{
    CEditModel model;
    model.SetEquation("x%,$");
    EXPECT_EQ(model.GetText(), "x");
    EXPECT_EQ(model.GetCaret(), 1);
    model.SetEquation("(x");
    EXPECT_EQ(model.GetErrorMark(0), kErrorMissingClosingBracket);
    EXPECT_EQ(model.IsEquationOK(), 1);
    EXPECT_EQ(model.GetFirstError(), "Missing closing bracket");
    EXPECT_EQ(model.GetNextError(), "");
}
