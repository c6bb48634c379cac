#include "EditKeys.h"

#include "model/EditSession.h"

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
    const std::vector<std::string> pastes = {"x^2!", "%1,2$", "3", "+y", "^", "1.5", "a,"};
    CBeepCounter silence;
    for (int nSequence = 0; nSequence < 300; ++nSequence)
    {
        CEditSession session;
        std::string strLog;
        for (int nStep = 0; nStep < 40; ++nStep)
        {
            const unsigned nAction = random() % 10;
            const int nLength = static_cast<int>(session.Model().GetText().size());
            if (nAction < 5)
                TypeText(session, keys[random() % keys.size()]);
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
            // Points are left out: joining two numbers by deleting is the model's own business.
            std::string strShape = session.Model().GetText();
            std::erase(strShape, '.');
            ASSERT_EQ(CountStructureProblems(strShape), 0)
                << "seed " << nSeed << " actions " << strLog << "gave \""
                << session.Model().GetText() << '"';
        }
        while (session.CanUndo())
            session.Undo();
        ASSERT_EQ(session.Model().GetText(), "") << "seed " << nSeed << " actions " << strLog;
    }
}
} // namespace
