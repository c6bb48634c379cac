// SPDX-License-Identifier: LGPL-3.0-or-later
#include "model/EditModel.h"

#include "model/Beep.h"
#include "model/EquationText.h"

#include <algorithm>

void CEditModel::SetEquation(std::string strText)
{
    m_strText = std::move(strText);
    m_nCaret = static_cast<int>(m_strText.size());
    RunMarkingPass();
}

void CEditModel::RestoreState(std::string strText, int nCaret)
{
    m_strText = std::move(strText);
    m_nCaret = std::clamp(nCaret, 0, static_cast<int>(m_strText.size()));
    RunMarkingPass();
}

void CEditModel::RunMarkingPass()
{
    m_Validation.RunMarkingPass(m_strText, m_nCaret);
    Rescan();
}

short CEditModel::IsEquationOK()
{
    RunMarkingPass();
    return m_Validation.CountMarkedCharacters();
}

void CEditModel::Rescan()
{
    m_nCaret = std::clamp(m_nCaret, 0, static_cast<int>(m_strText.size()));
    m_Context = ScanContext(m_strText, m_nCaret);
}

CEditOutcome CEditModel::PlaceCaret(int nIndex)
{
    m_nCaret = nIndex;
    Rescan();
    return {true, false};
}

CEditOutcome CEditModel::PressKey(EEditKey key)
{
    if (m_bReadOnly)
        return {};
    switch (key)
    {
    case EEditKey::Left:
        return PlaceCaret(m_nCaret > 0 ? m_nCaret - 1 : m_nCaret);
    case EEditKey::Right:
        return PlaceCaret(m_nCaret < static_cast<int>(m_strText.size()) ? m_nCaret + 1 : m_nCaret);
    case EEditKey::Delete:
    {
        const std::string strBefore = m_strText;
        const int nCaretBefore = m_nCaret;
        return RefuseUnreadableEdit(strBefore, nCaretBefore, DeleteAtCaret());
    }
    }
    return {};
}

// A power raises the factor before it: not at the start, not after a number or a fraction,
// and never inside another power or a fraction.
bool CEditModel::IsPowerAllowedHere() const
{
    if (m_Context.AnySet() || m_nCaret == 0)
        return false;
    const char cBefore = m_strText[static_cast<std::size_t>(m_nCaret - 1)];
    return cBefore != kFractionClose && cBefore != kDecimalPoint && !IsAsciiDigit(cBefore);
}

// A read-only editor offers neither item: its text is not the user's to change.
bool CEditModel::IsInsertPowerEnabled()
{
    Rescan();
    return !m_bReadOnly && IsPowerAllowedHere() && KeepsNumbersReadable(kPowerTemplate);
}

bool CEditModel::IsInsertFractionEnabled()
{
    Rescan();
    return !m_bReadOnly && !m_Context.AnySet() && KeepsNumbersReadable(kFractionTemplate);
}

CEditOutcome CEditModel::InsertPowerCommand()
{
    if (!IsInsertPowerEnabled())
    {
        InformationBeep();
        return {};
    }
    return InsertTemplate(kPowerTemplate);
}

CEditOutcome CEditModel::InsertFractionCommand()
{
    if (!IsInsertFractionEnabled())
    {
        InformationBeep();
        return {};
    }
    return InsertTemplate(kFractionTemplate);
}

// "ab" + "^!" at the caret -> "a^!b" with the caret just inside the template.
CEditOutcome CEditModel::InsertTemplate(std::string_view strTemplate)
{
    m_strText.insert(static_cast<std::size_t>(m_nCaret), strTemplate);
    ++m_nCaret;
    return AfterEdit();
}

CEditOutcome CEditModel::InsertCharacter(char c)
{
    m_strText.insert(static_cast<std::size_t>(m_nCaret), 1, c);
    ++m_nCaret;
    return AfterEdit();
}

// Every edit re-marks the text (dropping templates the caret has left) and tells the host.
CEditOutcome CEditModel::AfterEdit()
{
    RunMarkingPass();
    return {true, true};
}
