// SPDX-License-Identifier: LGPL-3.0-or-later
#include "model/Beep.h"
#include "model/EditModel.h"
#include "model/EquationText.h"

namespace
{
// Printable characters that mean nothing in an equation: refused outright.
bool IsRefusedPunctuation(int nCode)
{
    return (nCode >= 58 && nCode <= 60) || (nCode >= 62 && nCode <= 64) ||
           (nCode >= 91 && nCode <= 93) || nCode == 95 || nCode == 96;
}

// Of the codes that reach the last row of the table only "=" and the letters lie here.
bool IsInsertableOther(int nCode)
{
    return nCode >= 48 && nCode <= 122;
}

const CEditOutcome kInvalidate{true, false};
} // namespace

CEditOutcome CEditModel::TypeCharacter(int nCode)
{
    if (m_bReadOnly)
    {
        InformationBeep();
        return {};
    }
    Rescan();
    const std::string strBefore = m_strText;
    const int nCaretBefore = m_nCaret;
    const CEditOutcome outcome = ActOnCharacter(nCode);
    Rescan();
    return RefuseUnreadableEdit(strBefore, nCaretBefore, outcome);
}

CEditOutcome CEditModel::ActOnCharacter(int nCode)
{
    switch (nCode)
    {
    case kCodeCtrlF:
        return TypeFraction();
    case kCodeCtrlP:
        return TypePower();
    case kCodeBackspace:
        return Backspace();
    case kCodeTab:
    case kCodeEnter:
    case kCodeEscape:
        return TypeStructureKey();
    case '(':
    case ')':
    case '*':
    case '+':
    case '-':
        return LeaveAndInsert(nCode);
    case '/':
        return TypeSlash(nCode);
    case kDecimalPoint:
        return TypeDecimalPoint();
    case kPowerOpen:
        return TypeCaretSign();
    default:
        break;
    }
    if (nCode >= '0' && nCode <= '9')
        return InsertCharacter(static_cast<char>(nCode));
    if (IsRefusedPunctuation(nCode))
    {
        InformationBeep();
        return {};
    }
    return TypeOther(nCode);
}

// Ctrl+F: a fraction anywhere but inside a power, a fraction or a decimal number.
CEditOutcome CEditModel::TypeFraction()
{
    if (m_Context.AnySet())
    {
        InformationBeep();
        return {};
    }
    return InsertTemplate(kFractionTemplate);
}

// Ctrl+P: a power only where there is a factor before the caret to raise.
CEditOutcome CEditModel::TypePower()
{
    if (!IsPowerAllowedHere())
    {
        InformationBeep();
        return {};
    }
    return InsertTemplate(kPowerTemplate);
}

// "^" inserts a power wherever the caret stands, except inside a power or a fraction: those
// hold numbers only.
CEditOutcome CEditModel::TypeCaretSign()
{
    if (m_Context.InStructure())
    {
        InformationBeep();
        return {};
    }
    return InsertTemplate(kPowerTemplate);
}

// Tab, Enter and Esc: out of the structure (or from a numerator into its denominator).
CEditOutcome CEditModel::TypeStructureKey()
{
    LeaveStructure(kCodeEscape);
    return kInvalidate;
}

// "/" in a numerator moves on to the denominator; elsewhere it is an operator.
CEditOutcome CEditModel::TypeSlash(int nCode)
{
    if (m_Context.m_bInNumerator)
    {
        LeaveStructure(nCode);
        return kInvalidate;
    }
    return LeaveAndInsert(nCode);
}

// One point per number: refused after a point, and before digits that already hold one or
// that carry a fraction.
CEditOutcome CEditModel::TypeDecimalPoint()
{
    if (m_Context.m_bAfterDecimalPoint)
    {
        InformationBeep();
        return {};
    }
    std::size_t i = static_cast<std::size_t>(m_nCaret);
    while (i < m_strText.size() && IsAsciiDigit(m_strText[i]))
        ++i;
    if (i < m_strText.size() && (m_strText[i] == kDecimalPoint || m_strText[i] == kFractionOpen))
    {
        InformationBeep();
        return {};
    }
    return TypeSlash(kDecimalPoint);
}

// Operators and brackets go outside any power or fraction.
CEditOutcome CEditModel::LeaveAndInsert(int nCode)
{
    if (!LeaveStructure(nCode))
        return kInvalidate;
    return InsertCharacter(static_cast<char>(nCode));
}

// Letters and "=" go in like operators; anything else only leaves the structure and beeps.
CEditOutcome CEditModel::TypeOther(int nCode)
{
    if (!LeaveStructure(nCode))
        return kInvalidate;
    if (IsInsertableOther(nCode))
        return InsertCharacter(static_cast<char>(nCode));
    InformationBeep();
    return kInvalidate;
}
