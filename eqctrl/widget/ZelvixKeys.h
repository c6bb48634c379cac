// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "model/EditModel.h"

#include <Qt>

class QKeyEvent;

// What a Qt key event means to the editor: a typed character code, one of the three keys the
// control handles as key-downs, or nothing it takes.
struct CZelvixKey
{
    enum EKind
    {
        kNone,
        kCharacter,
        kEditKey
    };

    EKind m_nKind = kNone;
    int m_nCode = 0; // the character code, for kCharacter
    EEditKey m_nEditKey = EEditKey::Left;
    short m_nKeyCode = 0;        // the KeyDown event's key code, for kEditKey
    bool m_bCursorBlock = false; // the cursor-block key without Alt: the only one that acts
};

CZelvixKey TranslateKey(const QKeyEvent& event);

// The editing commands beyond typing: undo, the clipboard, selection and the line's ends.
enum class EZelvixCommand
{
    None,
    Undo,
    Redo,
    Cut,
    Copy,
    Paste,
    SelectAll,
    Home,
    End,
    SelectLeft,
    SelectRight,
};

struct CZelvixCommandKey
{
    EZelvixCommand m_nCommand = EZelvixCommand::None;
    bool m_bExtend = false; // Shift held: the selection follows the caret
    short m_nKeyCode = 0;   // the KeyDown event's key code
};

// Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z; Ctrl+X/C/V with Shift+Delete, Ctrl+Insert and Shift+Insert;
// Ctrl+A; Home and End; Shift+Left and Shift+Right. Never with Alt.
CZelvixCommandKey TranslateCommandKey(const QKeyEvent& event);

// The Shift (1), Ctrl (2) and Alt (4) bits of the KeyDown and MouseDown events.
short GetShiftState(Qt::KeyboardModifiers modifiers);
