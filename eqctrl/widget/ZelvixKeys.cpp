// SPDX-License-Identifier: LGPL-3.0-or-later
#include "widget/ZelvixKeys.h"

#include "widget/ZelvixIds.h"

#include <QKeyEvent>

#include <algorithm>

namespace
{
CZelvixKey Character(int nCode)
{
    return {CZelvixKey::kCharacter, nCode, EEditKey::Left, 0, false};
}

CZelvixKey EditKey(const QKeyEvent& event, EEditKey nKey, short nKeyCode)
{
    // The keypad's arrows and Delete arrive with the keypad modifier; they never edit.
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool bCursorBlock =
        !modifiers.testFlag(Qt::KeypadModifier) && !modifiers.testFlag(Qt::AltModifier);
    return {CZelvixKey::kEditKey, 0, nKey, nKeyCode, bCursorBlock};
}

// Ctrl with a letter types the control character of that letter (Ctrl+P is 16).
int ControlLetterCode(int nKey)
{
    return nKey - Qt::Key_A + 1;
}

CZelvixKey TextCharacter(const QKeyEvent& event)
{
    const QString strText = event.text();
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool bAltOnly =
        modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier);
    if (strText.isEmpty() || bAltOnly || modifiers.testFlag(Qt::ControlModifier))
        return {};
    const int nCode = strText.at(0).unicode();
    if (nCode < 32 || nCode == 127)
        return {};
    return Character(std::min(nCode, 0x7fff));
}
} // namespace

CZelvixKey TranslateKey(const QKeyEvent& event)
{
    const int nKey = event.key();
    switch (nKey)
    {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return Character(kCodeTab);
    case Qt::Key_Backspace:
        return Character(kCodeBackspace);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Character(kCodeEnter);
    case Qt::Key_Escape:
        return Character(kCodeEscape);
    case Qt::Key_Left:
        return EditKey(event, EEditKey::Left, kKeyCodeLeft);
    case Qt::Key_Right:
        return EditKey(event, EEditKey::Right, kKeyCodeRight);
    case Qt::Key_Delete:
        return EditKey(event, EEditKey::Delete, kKeyCodeDelete);
    default:
        break;
    }
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::AltModifier) &&
        nKey >= Qt::Key_A && nKey <= Qt::Key_Z)
        return Character(ControlLetterCode(nKey));
    return TextCharacter(event);
}

namespace
{
CZelvixCommandKey ControlLetterCommand(int nKey, bool bShift)
{
    const auto code = static_cast<short>(nKey - Qt::Key_A + 'A');
    switch (nKey)
    {
    case Qt::Key_Z:
        return {bShift ? EZelvixCommand::Redo : EZelvixCommand::Undo, false, code};
    case Qt::Key_Y:
        return {EZelvixCommand::Redo, false, code};
    case Qt::Key_X:
        return {EZelvixCommand::Cut, false, code};
    case Qt::Key_C:
        return {EZelvixCommand::Copy, false, code};
    case Qt::Key_V:
        return {EZelvixCommand::Paste, false, code};
    case Qt::Key_A:
        return {EZelvixCommand::SelectAll, false, code};
    default:
        return {};
    }
}

CZelvixCommandKey BlockKeyCommand(int nKey, bool bShift, bool bControl)
{
    switch (nKey)
    {
    case Qt::Key_Home:
        return {EZelvixCommand::Home, bShift, kKeyCodeHome};
    case Qt::Key_End:
        return {EZelvixCommand::End, bShift, kKeyCodeEnd};
    case Qt::Key_Insert:
        if (bShift)
            return {EZelvixCommand::Paste, false, kKeyCodeInsert};
        if (bControl)
            return {EZelvixCommand::Copy, false, kKeyCodeInsert};
        return {};
    case Qt::Key_Delete:
        return bShift ? CZelvixCommandKey{EZelvixCommand::Cut, false, kKeyCodeDelete}
                      : CZelvixCommandKey{};
    case Qt::Key_Left:
        return bShift ? CZelvixCommandKey{EZelvixCommand::SelectLeft, true, kKeyCodeLeft}
                      : CZelvixCommandKey{};
    case Qt::Key_Right:
        return bShift ? CZelvixCommandKey{EZelvixCommand::SelectRight, true, kKeyCodeRight}
                      : CZelvixCommandKey{};
    default:
        return {};
    }
}
} // namespace

CZelvixCommandKey TranslateCommandKey(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers.testFlag(Qt::AltModifier))
        return {};
    const bool bShift = modifiers.testFlag(Qt::ShiftModifier);
    const bool bControl = modifiers.testFlag(Qt::ControlModifier);
    const int nKey = event.key();
    if (bControl && nKey >= Qt::Key_A && nKey <= Qt::Key_Z)
        return ControlLetterCommand(nKey, bShift);
    // The keypad's arrows never select, as they never move the caret.
    if ((nKey == Qt::Key_Left || nKey == Qt::Key_Right) && modifiers.testFlag(Qt::KeypadModifier))
        return {};
    return BlockKeyCommand(nKey, bShift, bControl);
}

short GetShiftState(Qt::KeyboardModifiers modifiers)
{
    short nShift = 0;
    if (modifiers.testFlag(Qt::ShiftModifier))
        nShift |= kShiftMaskShift;
    if (modifiers.testFlag(Qt::ControlModifier))
        nShift |= kShiftMaskCtrl;
    if (modifiers.testFlag(Qt::AltModifier))
        nShift |= kShiftMaskAlt;
    return nShift;
}
