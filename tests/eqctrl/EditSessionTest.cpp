// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditKeys.h"

#include "model/EditSession.h"
#include "model/EquationText.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace
{
void TypeText(CEditSession& session, std::string_view text)
{
    for (const char c : text)
        session.TypeCharacter(static_cast<unsigned char>(c));
}

TEST(EditSessionTest, UndoAndRedoRestoreTextAndCaret)
{
    CBeepCounter beeps;
    CEditSession session;
    TypeText(session, "x+1");
    session.MoveCaret(ECaretMove::Home, false);
    session.TypeCharacter('2');
    ASSERT_EQ(session.Model().GetText(), "2x+1");

    session.Undo();
    EXPECT_EQ(session.Model().GetText(), "x+1");
    EXPECT_EQ(session.Model().GetCaret(), 0); // where it stood before the 2 was typed
    session.Undo();
    EXPECT_EQ(session.Model().GetText(), "x+");
    EXPECT_EQ(session.Model().GetCaret(), 2);
    session.Redo();
    session.Redo();
    EXPECT_EQ(session.Model().GetText(), "2x+1");
    EXPECT_EQ(session.Model().GetCaret(), 1);
    EXPECT_EQ(beeps.Count(), 0);
    session.Redo(); // nothing left to redo
    EXPECT_EQ(beeps.Count(), 1);
}

TEST(EditSessionTest, DigitsAndLettersTypedInARowUndoTogether)
{
    CEditSession session;
    TypeText(session, "12x+y3");
    session.Undo();
    EXPECT_EQ(session.Model().GetText(), "12x+");
    session.Undo();
    EXPECT_EQ(session.Model().GetText(), "12x");
    session.Undo();
    EXPECT_EQ(session.Model().GetText(), "");
}

TEST(EditSessionTest, TypingAfterAnUndoStartsANewStep)
{
    CEditSession session;
    TypeText(session, "x+y");
    session.Undo();
    session.Undo();
    TypeText(session, "z");
    session.Undo();
    EXPECT_EQ(session.Model().GetText(), "x");
}

TEST(EditSessionTest, MovingTheCaretEndsATypingRun)
{
    CEditSession session;
    TypeText(session, "12");
    session.MoveCaret(ECaretMove::Home, false);
    TypeText(session, "3");
    session.Undo();
    EXPECT_EQ(session.Model().GetText(), "12");
    EXPECT_EQ(session.Model().GetCaret(), 0);
}

TEST(EditSessionTest, ANewChangeForgetsWhatCouldBeRedone)
{
    CBeepCounter beeps;
    CEditSession session;
    TypeText(session, "x+");
    session.Undo();
    session.TypeCharacter('z');
    EXPECT_FALSE(session.CanRedo());
    EXPECT_EQ(session.Model().GetText(), "xz");
}

TEST(EditSessionTest, HostWritesCanBeUndone)
{
    CEditSession session;
    TypeText(session, "x=1");
    session.SetEquation("");
    session.Undo();
    EXPECT_EQ(session.Model().GetText(), "x=1");
}

TEST(EditSessionTest, ReadOnlyRefusesUndo)
{
    CBeepCounter beeps;
    CEditSession session;
    session.SetEquation("x");
    session.Model().SetReadOnly(true);
    session.Undo();
    EXPECT_EQ(session.Model().GetText(), "x");
    EXPECT_EQ(beeps.Count(), 1);
}

TEST(EditSessionTest, ShiftLeftIntoAPowerTakesTheWholePower)
{
    CEditSession session;
    session.SetEquation("y+x^23!");
    session.MoveCaret(ECaretMove::Left, true);
    EXPECT_EQ(session.Model().GetCaret(), 3);
    EXPECT_EQ(session.GetSelectedText(), "^23!");
    session.MoveCaret(ECaretMove::Right, true); // gives the power back in one step
    EXPECT_FALSE(session.HasSelection());
    EXPECT_EQ(session.Model().GetCaret(), 7);
}

TEST(EditSessionTest, ASelectionStartedInsideAFractionGrowsToTheFraction)
{
    CEditSession session;
    session.SetEquation("2+%13,4$");
    session.PlaceCaret(4, false); // between 1 and 3
    session.PlaceCaret(1, true);
    EXPECT_EQ(session.GetSelectedText(), "+%13,4$");
}

TEST(EditSessionTest, TypingReplacesTheSelectionAsOneUndoStep)
{
    CEditSession session;
    session.SetEquation("x^2!+1");
    session.SelectAll();
    session.TypeCharacter('y');
    EXPECT_EQ(session.Model().GetText(), "y");
    session.Undo();
    EXPECT_EQ(session.Model().GetText(), "x^2!+1");
}

TEST(EditSessionTest, BackspaceAndDeleteRemoveTheSelection)
{
    CEditSession session;
    session.SetEquation("a+b+c");
    session.PlaceCaret(1, false);
    session.PlaceCaret(3, true);
    session.TypeCharacter(kCodeBackspace);
    EXPECT_EQ(session.Model().GetText(), "a+c");
    session.MoveCaret(ECaretMove::End, false);
    session.MoveCaret(ECaretMove::Home, true);
    session.PressKey(EEditKey::Delete);
    EXPECT_EQ(session.Model().GetText(), "");
}

// A key the editor refuses must not eat the selection on its way to the beep.
TEST(EditSessionTest, ARefusedKeyKeepsTheSelectionAndTheText)
{
    CBeepCounter beeps;
    CEditSession session;
    session.SetEquation("x+y");
    session.SelectAll();
    session.TypeCharacter('?');
    EXPECT_EQ(session.Model().GetText(), "x+y");
    EXPECT_EQ(session.GetSelectedText(), "x+y");
    EXPECT_EQ(beeps.Count(), 1);
    EXPECT_FALSE(session.CanUndo() && session.Model().GetText() != "x+y");
}

TEST(EditSessionTest, LeftAndRightCloseASelectionAtItsEnds)
{
    CEditSession session;
    session.SetEquation("abcd");
    session.PlaceCaret(1, false);
    session.PlaceCaret(3, true);
    session.MoveCaret(ECaretMove::Left, false);
    EXPECT_EQ(session.Model().GetCaret(), 1);
    session.PlaceCaret(3, true);
    session.MoveCaret(ECaretMove::Right, false);
    EXPECT_EQ(session.Model().GetCaret(), 3);
    EXPECT_FALSE(session.HasSelection());
}

TEST(EditSessionTest, ReadOnlyCaretMovesSoALongTextCanBeRead)
{
    CEditSession session;
    session.SetEquation("x+1");
    session.Model().SetReadOnly(true);
    session.MoveCaret(ECaretMove::Home, false);
    EXPECT_EQ(session.Model().GetCaret(), 0);
    session.MoveCaret(ECaretMove::End, true);
    EXPECT_EQ(session.GetSelectedText(), "x+1");
}

struct SPasteRow
{
    std::string strStart;
    int nCaret;
    std::string strPasted;
    std::string strText; // equal to strStart when the paste is refused
};

std::ostream& operator<<(std::ostream& out, const SPasteRow& row)
{
    return out << '"' << row.strPasted << "\" into \"" << row.strStart << "\" at " << row.nCaret;
}

class EditPasteTest : public ::testing::TestWithParam<SPasteRow>
{
};

TEST_P(EditPasteTest, PastesOnlyWhatKeepsTheStructuresWhole)
{
    const SPasteRow& row = GetParam();
    CBeepCounter beeps;
    CEditSession session;
    session.SetEquation(row.strStart);
    session.PlaceCaret(row.nCaret, false);
    const CPasteOutcome outcome = session.Paste(row.strPasted);
    EXPECT_EQ(session.Model().GetText(), row.strText);
    const bool bRefused = row.strText == row.strStart;
    EXPECT_EQ(beeps.Count(), bRefused ? 1 : 0);
    EXPECT_EQ(outcome.m_strRefusal.empty(), !bRefused);
    EXPECT_EQ(outcome.m_Outcome.m_bEdited, !bRefused);
}

INSTANTIATE_TEST_SUITE_P(
    Pastes, EditPasteTest,
    ::testing::Values(SPasteRow{"", 0, "x^2!+%1,2$", "x^2!+%1,2$"},
                      SPasteRow{"x=1", 1, "+y", "x+y=1"},
                      SPasteRow{"x^1!", 3, "23", "x^123!"}, // digits into an exponent
                      SPasteRow{"x^1!", 3, "y", "x^1!"},    // a letter never goes there
                      SPasteRow{"%1,$", 3, "2+3", "%1,$"},
                      SPasteRow{"3.5", 3, ".2", "3.5"}, // a second point in one number
                      SPasteRow{"x", 1, "^2", "x"},     // a power left open
                      SPasteRow{"x", 1, "a b", "x"},    // a blank has no place
                      SPasteRow{"x", 1, "", "x"},
                      SPasteRow{"x", 1, std::string(CEditSession::kLongestPaste + 1, '1'), "x"}));

// An edit of a selection goes through the same number check as a single key.
constexpr int kDeleteKey = -1;

struct SSelectionEditRow
{
    std::string strStart;
    int nAnchor;
    int nCaret;
    int nCode; // a typed character, or kDeleteKey
    std::string strText;
    int nBeeps;
};

std::ostream& operator<<(std::ostream& out, const SSelectionEditRow& row)
{
    return out << '"' << row.strStart << "\" selected " << row.nAnchor << ".." << row.nCaret
               << " code " << row.nCode;
}

class SelectionEditTest : public ::testing::TestWithParam<SSelectionEditRow>
{
};

TEST_P(SelectionEditTest, NeverJoinsNumbersIntoOneThatReadsWrong)
{
    const SSelectionEditRow& row = GetParam();
    CBeepCounter beeps;
    CEditSession session;
    session.SetEquation(row.strStart);
    session.PlaceCaret(row.nAnchor, false);
    session.PlaceCaret(row.nCaret, true);
    if (row.nCode == kDeleteKey)
        session.PressKey(EEditKey::Delete);
    else
        session.TypeCharacter(row.nCode);
    EXPECT_EQ(session.Model().GetText(), row.strText);
    EXPECT_EQ(beeps.Count(), row.nBeeps);
    if (row.nBeeps > 0)
        EXPECT_TRUE(session.HasSelection()); // a refusal keeps the selection too
}

INSTANTIATE_TEST_SUITE_P(
    Edits, SelectionEditTest,
    ::testing::Values(SSelectionEditRow{"1.5x.5", 4, 3, kDeleteKey, "1.5x.5", 1},
                      SSelectionEditRow{"1.5x.5", 4, 3, kCodeBackspace, "1.5x.5", 1},
                      SSelectionEditRow{"1.5x.5", 4, 3, '7', "1.5x.5", 1},
                      SSelectionEditRow{"1.5x%1,2$", 4, 3, kDeleteKey, "1.5x%1,2$", 1},
                      SSelectionEditRow{"1.5x%1,2$", 4, 3, '7', "1.5x%1,2$", 1},
                      SSelectionEditRow{"1.5x", 4, 3, kCodeCtrlF, "1.5x", 1},
                      SSelectionEditRow{"1.5x.5", 4, 3, '+', "1.5+.5", 0},
                      SSelectionEditRow{"1.5x+2", 3, 5, kDeleteKey, "1.52", 0}));

struct SOrdinaryPasteRow
{
    std::string strStart;
    int nCaret;
    std::string strPasted;
    std::string strText;
    std::string strRefusal; // "" when the paste is taken
};

std::ostream& operator<<(std::ostream& out, const SOrdinaryPasteRow& row)
{
    return out << '"' << row.strPasted << "\" into \"" << row.strStart << "\" at " << row.nCaret;
}

class OrdinaryPasteTest : public ::testing::TestWithParam<SOrdinaryPasteRow>
{
};

TEST_P(OrdinaryPasteTest, TakesWhatTheConverterReadsOrSaysWhy)
{
    const SOrdinaryPasteRow& row = GetParam();
    CBeepCounter beeps;
    CEditSession session;
    session.SetEquation(row.strStart);
    session.PlaceCaret(row.nCaret, false);
    const CPasteOutcome outcome = session.PasteOrdinary(row.strPasted);
    EXPECT_EQ(session.Model().GetText(), row.strText);
    EXPECT_EQ(outcome.m_strRefusal, row.strRefusal);
    EXPECT_EQ(beeps.Count(), row.strRefusal.empty() ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Pastes, OrdinaryPasteTest,
    ::testing::Values(
        SOrdinaryPasteRow{"", 0, "x^-1", "x^-1!", ""},
        SOrdinaryPasteRow{"y+", 2, "x^%1,2$", "y+x^%1,2$!", ""},
        SOrdinaryPasteRow{"", 0, " x+1\r\n", "x+1", ""},
        SOrdinaryPasteRow{"", 0, "x+1\ny+2", "",
                          "Cannot paste: the text has a line break at character 4; an equation "
                          "is one line, so copy one equation at a time"},
        SOrdinaryPasteRow{"", 0, "x²\ty", "",
                          "Cannot paste: the text has a tab at character 3; an equation has no "
                          "tabs, so take it out and paste again"},
        SOrdinaryPasteRow{"", 0, "2,5", "",
                          "Cannot paste: \",\" at character 2 cannot be read here: write a "
                          "decimal number with a point, as 2.5, and a product with \"*\""},
        SOrdinaryPasteRow{"1.5", 3, "½", "1.5",
                          "Cannot paste here: it would join two numbers into one that cannot be "
                          "read; put an operator between them"},
        SOrdinaryPasteRow{"x^1!", 3, "y", "x^1!",
                          "Cannot paste here: only a number can go inside a power or a "
                          "fraction; move the caret out of it first"}));

class RefusedWithSelectionTest : public ::testing::TestWithParam<int>
{
};

// The refused characters at the ends of their ranges, typed over a selection.
TEST_P(RefusedWithSelectionTest, KeepsTheSelectionAndTheText)
{
    CBeepCounter beeps;
    CEditSession session;
    session.SetEquation("x+%1,2$");
    session.PlaceCaret(1, false);
    session.MoveCaret(ECaretMove::End, true);
    session.TypeCharacter(GetParam());
    EXPECT_EQ(session.Model().GetText(), "x+%1,2$");
    EXPECT_EQ(session.GetSelectedText(), "+%1,2$");
    EXPECT_EQ(beeps.Count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Codes, RefusedWithSelectionTest,
                         ::testing::Values(' ', '\'', ':', '<', '>', '@', '[', ']', '_', '`', '{',
                                           '~', 127, 200));

TEST(EditSessionTest, BackspaceOnASelectedPowerKeepsTheTextAfterIt)
{
    CEditSession session;
    session.SetEquation("x^2!+1");
    session.PlaceCaret(4, false);
    session.MoveCaret(ECaretMove::Left, true);
    session.TypeCharacter(kCodeBackspace);
    EXPECT_EQ(session.Model().GetText(), "x+1");
    EXPECT_EQ(session.Model().GetCaret(), 1);
}

TEST(EditSessionTest, PasteReplacesTheSelectionAndUndoesInOneStep)
{
    CEditSession session;
    session.SetEquation("a+b");
    session.PlaceCaret(2, false);
    session.PlaceCaret(3, true);
    session.Paste("%1,2$");
    EXPECT_EQ(session.Model().GetText(), "a+%1,2$");
    EXPECT_EQ(session.Model().GetCaret(), 7);
    session.Undo();
    EXPECT_EQ(session.Model().GetText(), "a+b");
}

TEST(EditSessionTest, ANoticeComesBeforeTheErrorsUntilCleared)
{
    CEditSession session;
    session.SetEquation("(x");
    session.SetNotice("Cannot paste");
    EXPECT_EQ(session.PeekFirstError(), "Cannot paste");
    EXPECT_EQ(session.GetFirstError(), "Cannot paste");
    EXPECT_EQ(session.GetNextError(), "Missing closing bracket");
    EXPECT_EQ(session.GetNextError(), "");
    session.ClearNotice();
    EXPECT_EQ(session.GetFirstError(), "Missing closing bracket");
    EXPECT_EQ(session.PeekFirstError(), "Missing closing bracket");
}

// Any mix of typing, selecting, deleting, pasting and undoing leaves powers and fractions
// whole, and undoing everything gets back to the empty text the editor started with.
TEST(EditSessionTest, RandomEditingKeepsStructuresAndUndoesToEmpty)
{
    const unsigned nSeed = 909;
    std::mt19937 random(nSeed);
    const std::vector<std::string> keys = {"1", "5", ".", "x", "+", "-",    "/",    "(",  ")", "=",
                                           "^", "%", ",", "$", " ", "\x10", "\x06", "\b", "\t"};
    // Every other sequence is mostly decimals with letters between them, where deleting or
    // replacing a selection can join two numbers.
    const std::vector<std::string> decimals = {"1.5", ".5", "2.",   "5",  ".",
                                               "x",   "x",  "\x06", "\b", "+"};
    const std::vector<std::string> pastes = {"x^2!", "%1,2$", "3",  "+y",   "^",
                                             "1.5",  "a,",    ".5", "x^-1!"};
    CBeepCounter silence;
    for (int nSequence = 0; nSequence < 600; ++nSequence)
    {
        const std::vector<std::string>& typed = nSequence % 2 == 0 ? keys : decimals;
        CEditSession session;
        std::string strLog;
        for (int nStep = 0; nStep < 40; ++nStep)
        {
            const unsigned nAction = random() % 10;
            const int nLength = static_cast<int>(session.Model().GetText().size());
            if (nAction < 5)
                TypeText(session, typed[random() % typed.size()]);
            else if (nAction == 5)
                session.PlaceCaret(static_cast<int>(random() % (nLength + 1)), random() % 2 == 0);
            else if (nAction == 6)
                session.MoveCaret(random() % 2 ? ECaretMove::Left : ECaretMove::Home, true);
            else if (nAction == 7)
                session.Paste(pastes[random() % pastes.size()]);
            else if (nAction == 8)
                random() % 2 ? session.Undo() : session.Redo();
            else
                session.PressKey(EEditKey::Delete);
            if (random() % 4 == 0)
                session.Model().RunMarkingPass(); // a repaint
            strLog += std::to_string(nAction) + ' ';
            ASSERT_EQ(CountStructureProblems(session.Model().GetText()), 0)
                << "seed " << nSeed << " actions " << strLog << "gave \""
                << session.Model().GetText() << '"';
            ASSERT_TRUE(FindMisreadPoints(session.Model().GetText()).empty())
                << "seed " << nSeed << " actions " << strLog << "gave \""
                << session.Model().GetText() << '"';
        }
        while (session.CanUndo())
            session.Undo();
        ASSERT_EQ(session.Model().GetText(), "") << "seed " << nSeed << " actions " << strLog;
    }
}
} // namespace
