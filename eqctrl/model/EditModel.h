// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "model/EditContext.h"
#include "model/Validation.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Codes of the keys that reach the editor as typed characters.
inline constexpr int kCodeCtrlF = 6;
inline constexpr int kCodeBackspace = 8;
inline constexpr int kCodeTab = 9;
inline constexpr int kCodeEnter = 13;
inline constexpr int kCodeCtrlP = 16;
inline constexpr int kCodeEscape = 27;

// The keys that reach the editor as key-downs: only the cursor-block keys, never the keypad's,
// and never with Alt held (the widget filters those out).
enum class EEditKey
{
    Left,
    Right,
    Delete,
};

// What a handler did, so the widget knows what to repaint and which event to fire.
struct CEditOutcome
{
    bool m_bInvalidate = false; // repaint the whole control
    bool m_bEdited = false;     // the text was edited and re-marked: fire ShowMessage

    bool operator==(const CEditOutcome&) const = default;
};

// The one-line editor of equation text without any platform: text, caret, keys, the context
// menu's two commands and the error marks. Refusals sound InformationBeep (model/Beep.h).
// The widget fires KeyPress / KeyDown / MouseDown itself after calling the handler.
class CEditModel
{
public:
    const std::string& GetText() const { return m_strText; }
    int GetCaret() const { return m_nCaret; }

    // Writing the Equation property: the text is replaced whole, the caret goes to its end and
    // the marking pass runs (it may drop an empty template). Fires nothing.
    void SetEquation(std::string strText);
    // Puts back a text and caret as they stood (undo, a replaced selection, a paste) and
    // re-marks the text.
    void RestoreState(std::string strText, int nCaret);

    bool IsReadOnly() const { return m_bReadOnly; }
    void SetReadOnly(bool bReadOnly) { m_bReadOnly = bReadOnly; }

    // A typed character, Tab (9), Backspace (8), Ctrl+F (6) and Ctrl+P (16) included.
    CEditOutcome TypeCharacter(int nCode);
    // Left, Right or Delete from the cursor block.
    CEditOutcome PressKey(EEditKey key);
    // A mouse click placed the caret before character nIndex (the layout's hit test).
    CEditOutcome PlaceCaret(int nIndex);

    // The context menu: whether each item is enabled, and the items themselves.
    bool IsInsertPowerEnabled();
    bool IsInsertFractionEnabled();
    CEditOutcome InsertPowerCommand();
    CEditOutcome InsertFractionCommand();

    // The marking pass, run at paint time too; it may drop templates and move the caret.
    void RunMarkingPass();
    short IsEquationOK();
    std::string GetFirstError() { return m_Validation.GetFirstError(); }
    std::string GetNextError() { return m_Validation.GetNextError(); }
    const std::vector<std::uint32_t>& GetErrorMarks() const { return m_Validation.GetMarks(); }
    std::uint32_t GetErrorMark(int nIndex) const { return m_Validation.GetMark(nIndex); }

    // The context of the last scan.
    const CEditContext& GetContext() const { return m_Context; }

private:
    CEditOutcome ActOnCharacter(int nCode);
    CEditOutcome TypeFraction();
    CEditOutcome TypePower();
    CEditOutcome TypeCaretSign();
    CEditOutcome TypeStructureKey();
    CEditOutcome TypeSlash(int nCode);
    CEditOutcome TypeDecimalPoint();
    CEditOutcome TypeOther(int nCode);
    CEditOutcome LeaveAndInsert(int nCode);

    CEditOutcome Backspace();
    CEditOutcome DeleteAtCaret();
    CEditOutcome DeleteRange(std::size_t nFrom, std::size_t nTo, std::size_t nNewCaret);

    // Takes back, with the beep, an edit that left a number the parser would misread or broke
    // a power or a fraction.
    CEditOutcome RefuseUnreadableEdit(const std::string& strBefore, int nCaretBefore,
                                      CEditOutcome outcome);
    bool KeepsNumbersReadable(std::string_view strTemplate) const;

    bool LeaveStructure(int nCode);
    bool IsPowerAllowedHere() const;
    CEditOutcome InsertTemplate(std::string_view strTemplate);
    CEditOutcome InsertCharacter(char c);
    CEditOutcome AfterEdit();
    void Rescan();

    std::string m_strText;
    int m_nCaret = 0;
    bool m_bReadOnly = false;
    CEditContext m_Context;
    CEquationValidation m_Validation;
};
