// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "model/EditHistory.h"
#include "model/EditModel.h"
#include "model/EquationStructure.h"

#include <string>
#include <string_view>

// Caret movements beyond the single steps of the editing model.
enum class ECaretMove
{
    Left,
    Right,
    Home,
    End,
};

// A paste the session took, or the reason it refused one ("" when it only beeped).
struct CPasteOutcome
{
    CEditOutcome m_Outcome;
    std::string m_strRefusal;
};

// The editor as people use it: the editing model plus a selection, undo and redo, and paste.
// Every change of the text made here can be undone, caret included; a selection always holds
// whole powers and fractions, and typing or deleting replaces it.
class CEditSession
{
public:
    // Longer pastes are refused: every undo step keeps a copy of the text.
    static constexpr std::size_t kLongestPaste = 10000;
    // Typed text (ordinary notation) longer than this, in bytes, is refused before it is read,
    // so that a huge clipboard costs no time or memory; the same bound as Fennory's requests.
    static constexpr std::size_t kLongestTypedPaste = 32768;
    static constexpr const char* kTypedPasteTooLong = "Cannot paste: Expression too large";

    CEditModel& Model() { return m_Model; }
    const CEditModel& Model() const { return m_Model; }

    // The selection grown to whole structures; empty when nothing is selected.
    CTextRange GetSelection() const;
    bool HasSelection() const { return !GetSelection().IsEmpty(); }
    std::string GetSelectedText() const;

    CEditOutcome TypeCharacter(int nCode);
    // Delete, or Left and Right without Shift (they close a selection at its own end).
    CEditOutcome PressKey(EEditKey key);
    // Moves the caret; with bExtend the selection follows it. Read-only editors move too, so a
    // long text can be read whole.
    CEditOutcome MoveCaret(ECaretMove move, bool bExtend);
    CEditOutcome PlaceCaret(int nIndex, bool bExtend);
    CEditOutcome SelectAll();

    CEditOutcome InsertPowerCommand();
    CEditOutcome InsertFractionCommand();
    // Removes the selection (the second half of Cut); beeps when there is none.
    CEditOutcome DeleteSelection();
    // Inserts equation text at the caret in place of the selection, unless it would break a
    // power, a fraction or a number that was whole.
    CPasteOutcome Paste(std::string_view equationText);
    // Text from elsewhere, in ordinary notation (UTF-8): read by the converter the command line
    // uses, so what it accepts pastes too; blanks at the ends go, a line break or a tab inside
    // is refused.
    CPasteOutcome PasteOrdinary(std::string_view typed);

    // The host's write of the text; a change can be undone like any other.
    void SetEquation(std::string strText);

    CEditOutcome Undo();
    CEditOutcome Redo();
    bool CanUndo() const { return m_History.CanUndo(); }
    bool CanRedo() const { return m_History.CanRedo(); }
    void ClearUndo() { m_History.Clear(); }

    // A message for the host that comes before the error messages until it is cleared (why a
    // paste was refused).
    void SetNotice(std::string strNotice);
    void ClearNotice() { m_strNotice.clear(); }
    std::string GetFirstError();
    std::string GetNextError();
    // The first message the error list would give, without moving its cursor.
    std::string PeekFirstError() const;

private:
    CEditSnapshot Snapshot() const { return {m_Model.GetText(), m_Model.GetCaret()}; }
    void RecordIfChanged(CEditSnapshot before);
    void RecordTyping(CEditSnapshot before, int nCode);
    void CollapseSelection();
    CEditOutcome ReplaceSelectionWith(int nCode);
    CEditOutcome MoveTo(int nCaret, bool bExtend, bool bForward);
    CEditOutcome Restore(const CEditSnapshot& state);
    static std::string WhyPasteBreaks(const std::string& strResult, const std::string& strBefore);

    CEditModel m_Model;
    CEditHistory m_History;
    int m_nAnchor = 0;
    std::string m_strSelectionText; // the text the anchor was set in; a change ends the selection
    std::string m_strNotice;
    bool m_bNoticeGiven = false;
    // The end of the last run of digits and letters typed one after another, which undoes as
    // one step; the text then, so any other change starts a new run.
    int m_nTypingRunCaret = -1;
    std::string m_strTypingRunText;
};
