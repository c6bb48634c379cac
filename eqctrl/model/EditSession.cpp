// SPDX-License-Identifier: LGPL-3.0-or-later
#include "model/EditSession.h"

#include "model/Beep.h"
#include "model/EquationText.h"
#include "model/OrdinaryNotation.h"
#include "model/Validation.h"

#include <algorithm>

namespace
{
// Tab, Enter and Esc only leave a structure; with a selection they just end it.
bool IsLeaveKey(int nCode)
{
    return nCode == kCodeTab || nCode == kCodeEnter || nCode == kCodeEscape;
}

std::string WithoutRange(std::string strText, const CTextRange& range)
{
    strText.erase(static_cast<std::size_t>(range.m_nFrom),
                  static_cast<std::size_t>(range.m_nTo - range.m_nFrom));
    return strText;
}

bool IsBlankByte(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlankByte(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlankByte(text.back()))
        text.remove_suffix(1);
    return text;
}

// Why a pasted text with a line break or a tab inside is refused, or "" when it has none.
// Dropping them would join what stood on two lines (x+1, y+2) into one different problem.
std::string FindLineBreakOrTab(std::string_view text)
{
    std::size_t nCharacter = 0;
    for (const char c : text)
    {
        const auto nByte = static_cast<unsigned char>(c);
        nCharacter += (nByte & 0xC0u) != 0x80u ? 1 : 0; // UTF-8 continuation bytes start none
        const std::string strAt = " at character " + std::to_string(nCharacter);
        if (c == '\n' || c == '\r')
            return "Cannot paste: the text has a line break" + strAt +
                   "; an equation is one line, so copy one equation at a time";
        if (c == '\t')
            return "Cannot paste: the text has a tab" + strAt +
                   "; an equation has no tabs, so take it out and paste again";
    }
    return "";
}
} // namespace

CTextRange CEditSession::GetSelection() const
{
    const std::string& strText = m_Model.GetText();
    if (strText != m_strSelectionText)
        return {};
    const int nAnchor = std::clamp(m_nAnchor, 0, static_cast<int>(strText.size()));
    const int nCaret = m_Model.GetCaret();
    return GrowToStructures(strText, std::min(nAnchor, nCaret), std::max(nAnchor, nCaret));
}

std::string CEditSession::GetSelectedText() const
{
    const CTextRange range = GetSelection();
    return m_Model.GetText().substr(static_cast<std::size_t>(range.m_nFrom),
                                    static_cast<std::size_t>(range.m_nTo - range.m_nFrom));
}

void CEditSession::CollapseSelection()
{
    m_nAnchor = m_Model.GetCaret();
    m_strSelectionText = m_Model.GetText();
}

void CEditSession::RecordIfChanged(CEditSnapshot before)
{
    m_nTypingRunCaret = -1;
    if (m_Model.GetText() != before.m_strText)
        m_History.Record(std::move(before));
}

// A digit or letter typed right after the previous one joins its undo step, as a word does
// in a word processor; anything else is a step of its own.
void CEditSession::RecordTyping(CEditSnapshot before, int nCode)
{
    const std::string& strText = m_Model.GetText();
    const bool bPlain =
        nCode > 0 && nCode < 128 &&
        (IsAsciiDigit(static_cast<char>(nCode)) || IsAsciiLetter(static_cast<char>(nCode))) &&
        strText.size() == before.m_strText.size() + 1 && m_Model.GetCaret() == before.m_nCaret + 1;
    const bool bJoins =
        bPlain && m_nTypingRunCaret == before.m_nCaret && m_strTypingRunText == before.m_strText;
    if (bJoins)
        m_History.ForgetRedo();
    else
        RecordIfChanged(std::move(before));
    m_nTypingRunCaret = bPlain ? m_Model.GetCaret() : -1;
    m_strTypingRunText = bPlain ? strText : std::string();
}

CEditOutcome CEditSession::TypeCharacter(int nCode)
{
    if (HasSelection() && !m_Model.IsReadOnly())
    {
        if (nCode == kCodeBackspace)
            return DeleteSelection();
        if (!IsLeaveKey(nCode))
            return ReplaceSelectionWith(nCode);
        CollapseSelection();
    }
    CEditSnapshot before = Snapshot();
    const CEditOutcome outcome = m_Model.TypeCharacter(nCode);
    RecordTyping(std::move(before), nCode);
    if (!m_Model.IsReadOnly())
        CollapseSelection();
    return outcome;
}

// The selection goes and the key acts in its place; a key the editor refuses there changes
// nothing at all, the selection included.
CEditOutcome CEditSession::ReplaceSelectionWith(int nCode)
{
    CEditSnapshot before = Snapshot();
    const CTextRange range = GetSelection();
    m_Model.RestoreState(WithoutRange(before.m_strText, range), range.m_nFrom);
    const std::string strCleared = m_Model.GetText();
    m_Model.TypeCharacter(nCode);
    if (m_Model.GetText() == strCleared)
    {
        m_Model.RestoreState(before.m_strText, before.m_nCaret);
        return {true, false};
    }
    if (IsLessReadable(m_Model.GetText(), before.m_strText))
    {
        // "1.5x.5" with x selected and 7 typed would read 1.57.5.
        m_Model.RestoreState(before.m_strText, before.m_nCaret);
        InformationBeep();
        return {true, false};
    }
    m_History.Record(std::move(before));
    CollapseSelection();
    return {true, true};
}

CEditOutcome CEditSession::PressKey(EEditKey key)
{
    switch (key)
    {
    case EEditKey::Left:
        return MoveCaret(ECaretMove::Left, false);
    case EEditKey::Right:
        return MoveCaret(ECaretMove::Right, false);
    case EEditKey::Delete:
        break;
    }
    if (HasSelection() && !m_Model.IsReadOnly())
        return DeleteSelection();
    CEditSnapshot before = Snapshot();
    const CEditOutcome outcome = m_Model.PressKey(key);
    RecordIfChanged(std::move(before));
    if (!m_Model.IsReadOnly())
        CollapseSelection();
    return outcome;
}

CEditOutcome CEditSession::MoveCaret(ECaretMove move, bool bExtend)
{
    const CTextRange range = GetSelection();
    const int nCaret = m_Model.GetCaret();
    switch (move)
    {
    case ECaretMove::Left:
        if (!bExtend && !range.IsEmpty())
            return MoveTo(range.m_nFrom, false, false);
        return MoveTo(nCaret - 1, bExtend, false);
    case ECaretMove::Right:
        if (!bExtend && !range.IsEmpty())
            return MoveTo(range.m_nTo, false, true);
        return MoveTo(nCaret + 1, bExtend, true);
    case ECaretMove::Home:
        return MoveTo(0, bExtend, false);
    case ECaretMove::End:
        return MoveTo(static_cast<int>(m_Model.GetText().size()), bExtend, true);
    }
    return {};
}

CEditOutcome CEditSession::PlaceCaret(int nIndex, bool bExtend)
{
    const bool bForward = m_Model.GetText() != m_strSelectionText || nIndex >= m_nAnchor;
    return MoveTo(nIndex, bExtend, bForward);
}

// An extending move that lands inside a power or fraction carries on to its far edge, so one
// keystroke takes in (or gives back) the whole structure.
CEditOutcome CEditSession::MoveTo(int nCaret, bool bExtend, bool bForward)
{
    const std::string& strText = m_Model.GetText();
    nCaret = std::clamp(nCaret, 0, static_cast<int>(strText.size()));
    m_nTypingRunCaret = -1;
    if (!bExtend)
    {
        const CEditOutcome outcome = m_Model.PlaceCaret(nCaret);
        CollapseSelection();
        return outcome;
    }
    if (strText != m_strSelectionText)
        CollapseSelection();
    for (const CStructureSpan& span : FindStructures(strText))
        if (span.Contains(nCaret))
            nCaret = bForward ? span.m_nEnd : span.m_nStart;
    return m_Model.PlaceCaret(nCaret);
}

CEditOutcome CEditSession::SelectAll()
{
    m_nAnchor = 0;
    m_strSelectionText = m_Model.GetText();
    return m_Model.PlaceCaret(static_cast<int>(m_strSelectionText.size()));
}

CEditOutcome CEditSession::InsertPowerCommand()
{
    if (HasSelection() && !m_Model.IsReadOnly())
        return ReplaceSelectionWith(kCodeCtrlP);
    CEditSnapshot before = Snapshot();
    const CEditOutcome outcome = m_Model.InsertPowerCommand();
    RecordIfChanged(std::move(before));
    CollapseSelection();
    return outcome;
}

CEditOutcome CEditSession::InsertFractionCommand()
{
    if (HasSelection() && !m_Model.IsReadOnly())
        return ReplaceSelectionWith(kCodeCtrlF);
    CEditSnapshot before = Snapshot();
    const CEditOutcome outcome = m_Model.InsertFractionCommand();
    RecordIfChanged(std::move(before));
    CollapseSelection();
    return outcome;
}

CEditOutcome CEditSession::DeleteSelection()
{
    if (m_Model.IsReadOnly() || !HasSelection())
    {
        InformationBeep();
        return {};
    }
    CEditSnapshot before = Snapshot();
    const CTextRange range = GetSelection();
    std::string strResult = WithoutRange(before.m_strText, range);
    // Deleting the x of 1.5x.5 would join the numbers into 1.5.5.
    if (IsLessReadable(strResult, before.m_strText))
    {
        InformationBeep();
        return {true, false};
    }
    m_Model.RestoreState(std::move(strResult), range.m_nFrom);
    m_History.Record(std::move(before));
    CollapseSelection();
    return {true, true};
}

CPasteOutcome CEditSession::Paste(std::string_view equationText)
{
    if (m_Model.IsReadOnly())
    {
        InformationBeep();
        return {};
    }
    if (equationText.empty())
    {
        InformationBeep();
        return {{}, "Nothing to paste"};
    }
    if (equationText.size() > kLongestPaste)
    {
        InformationBeep();
        return {{}, "Cannot paste: the text is too long for an equation"};
    }
    CEditSnapshot before = Snapshot();
    const CTextRange range = GetSelection();
    const int nAt = range.IsEmpty() ? before.m_nCaret : range.m_nFrom;
    const std::string strBase =
        range.IsEmpty() ? before.m_strText : WithoutRange(before.m_strText, range);
    std::string strResult = strBase;
    strResult.insert(static_cast<std::size_t>(nAt), equationText);
    const std::string strRefusal = WhyPasteBreaks(strResult, before.m_strText);
    if (!strRefusal.empty())
    {
        InformationBeep();
        return {{}, strRefusal};
    }
    m_Model.RestoreState(std::move(strResult), nAt + static_cast<int>(equationText.size()));
    RecordIfChanged(std::move(before));
    CollapseSelection();
    return {{true, true}, ""};
}

// Judged against the text as it stood, selection included, like any other edit.
std::string CEditSession::WhyPasteBreaks(const std::string& strResult, const std::string& strBefore)
{
    if (FindMisreadPoints(strResult).size() > FindMisreadPoints(strBefore).size())
        return "Cannot paste here: it would join two numbers into one that cannot be read; put "
               "an operator between them";
    if (CountStructureProblems(strResult) > CountStructureProblems(strBefore))
        return "Cannot paste here: only a number can go inside a power or a fraction; move the "
               "caret out of it first";
    return "";
}

CPasteOutcome CEditSession::PasteOrdinary(std::string_view typed)
{
    if (m_Model.IsReadOnly())
    {
        InformationBeep();
        return {};
    }
    const std::string_view trimmed = TrimBlanks(typed);
    std::string strRefusal = FindLineBreakOrTab(trimmed);
    const SOrdinaryConversion conversion =
        strRefusal.empty() ? ConvertOrdinaryNotation(trimmed) : SOrdinaryConversion{};
    if (strRefusal.empty() && !conversion.m_bOk)
        strRefusal = "Cannot paste: " + conversion.m_strMessage;
    if (!strRefusal.empty())
    {
        InformationBeep();
        return {{}, strRefusal};
    }
    return Paste(conversion.m_strText);
}

void CEditSession::SetEquation(std::string strText)
{
    CEditSnapshot before = Snapshot();
    m_Model.SetEquation(std::move(strText));
    RecordIfChanged(std::move(before));
    CollapseSelection();
}

CEditOutcome CEditSession::Restore(const CEditSnapshot& state)
{
    m_nTypingRunCaret = -1;
    m_Model.RestoreState(state.m_strText, state.m_nCaret);
    CollapseSelection();
    return {true, true};
}

CEditOutcome CEditSession::Undo()
{
    const auto state = m_Model.IsReadOnly() ? std::nullopt : m_History.Undo(Snapshot());
    if (!state)
    {
        InformationBeep();
        return {};
    }
    return Restore(*state);
}

CEditOutcome CEditSession::Redo()
{
    const auto state = m_Model.IsReadOnly() ? std::nullopt : m_History.Redo(Snapshot());
    if (!state)
    {
        InformationBeep();
        return {};
    }
    return Restore(*state);
}

void CEditSession::SetNotice(std::string strNotice)
{
    m_strNotice = std::move(strNotice);
    m_bNoticeGiven = false;
}

std::string CEditSession::GetFirstError()
{
    if (m_strNotice.empty())
        return m_Model.GetFirstError();
    m_bNoticeGiven = true;
    return m_strNotice;
}

std::string CEditSession::GetNextError()
{
    if (!m_bNoticeGiven)
        return m_Model.GetNextError();
    m_bNoticeGiven = false;
    return m_Model.GetFirstError();
}

std::string CEditSession::PeekFirstError() const
{
    if (!m_strNotice.empty())
        return m_strNotice;
    for (const std::uint32_t nWord : m_Model.GetErrorMarks())
        for (int nBit = 0; nWord != 0 && nBit < 32; ++nBit)
            if ((nWord & (1u << nBit)) != 0)
                return GetErrorMessage(nBit);
    return "";
}
