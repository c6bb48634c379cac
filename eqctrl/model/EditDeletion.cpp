// SPDX-License-Identifier: LGPL-3.0-or-later
#include "model/Beep.h"
#include "model/EditModel.h"
#include "model/EquationText.h"

namespace
{
constexpr std::size_t npos = std::string::npos;

// The last cOpen before nBefore, or npos.
std::size_t LastBefore(const std::string& strText, std::size_t nBefore, char cOpen)
{
    return nBefore == 0 ? npos : strText.rfind(cOpen, nBefore - 1);
}

// The end (exclusive) of a structure that opens at nOpen: just past the first cClose at or
// after it, or the end of the text.
std::size_t StructureEnd(const std::string& strText, std::size_t nOpen, char cClose)
{
    const std::size_t nClose = strText.find(cClose, nOpen);
    return nClose == npos ? strText.size() : nClose + 1;
}
} // namespace

CEditOutcome CEditModel::DeleteRange(std::size_t nFrom, std::size_t nTo, std::size_t nNewCaret)
{
    m_strText.erase(nFrom, nTo - nFrom);
    m_nCaret = m_strText.empty() ? 0 : static_cast<int>(nNewCaret);
    return AfterEdit();
}

// Backspace: a power or fraction goes whole when the caret stands at either edge of it; the
// "," between numerator and denominator cannot be deleted.
CEditOutcome CEditModel::Backspace()
{
    if (m_nCaret == 0)
        return {};
    const std::size_t c = static_cast<std::size_t>(m_nCaret);
    const std::size_t k = c - 1;
    switch (m_strText[k])
    {
    case kPowerClose:
    case kFractionClose:
    {
        const char cOpen = m_strText[k] == kPowerClose ? kPowerOpen : kFractionOpen;
        const std::size_t p = LastBefore(m_strText, c, cOpen);
        if (p != npos)
            return DeleteRange(p, c, p);
        return DeleteRange(k, c, k);
    }
    case kFractionOpen:
        return DeleteRange(k, StructureEnd(m_strText, k, kFractionClose), k);
    case kPowerOpen:
        return DeleteRange(k, StructureEnd(m_strText, k, kPowerClose), k);
    case kFractionSeparator:
        InformationBeep();
        return {};
    default:
        return DeleteRange(k, c, k);
    }
}

// Delete: the same structure rules at the character after the caret. A "$" whose fraction
// has no "%" before it stays.
CEditOutcome CEditModel::DeleteAtCaret()
{
    const std::size_t c = static_cast<std::size_t>(m_nCaret);
    if (c >= m_strText.size())
        return {};
    switch (m_strText[c])
    {
    case kPowerClose:
    case kFractionClose:
    {
        const bool bPower = m_strText[c] == kPowerClose;
        const std::size_t p = LastBefore(m_strText, c, bPower ? kPowerOpen : kFractionOpen);
        if (p != npos)
            return DeleteRange(p, c + 1, p);
        if (bPower)
            return DeleteRange(c, c + 1, c);
        return AfterEdit();
    }
    case kFractionOpen:
        return DeleteRange(c, StructureEnd(m_strText, c, kFractionClose), c);
    case kPowerOpen:
        return DeleteRange(c, StructureEnd(m_strText, c, kPowerClose), c);
    case kFractionSeparator:
        InformationBeep();
        return {};
    default:
        return DeleteRange(c, c + 1, c);
    }
}
