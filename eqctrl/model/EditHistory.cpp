// SPDX-License-Identifier: LGPL-3.0-or-later
#include "model/EditHistory.h"

void CEditHistory::Record(CEditSnapshot before)
{
    if (m_Undo.size() == kMaxSteps)
        m_Undo.erase(m_Undo.begin());
    m_Undo.push_back(std::move(before));
    m_Redo.clear();
}

std::optional<CEditSnapshot> CEditHistory::Undo(CEditSnapshot current)
{
    if (m_Undo.empty())
        return std::nullopt;
    CEditSnapshot previous = std::move(m_Undo.back());
    m_Undo.pop_back();
    m_Redo.push_back(std::move(current));
    return previous;
}

std::optional<CEditSnapshot> CEditHistory::Redo(CEditSnapshot current)
{
    if (m_Redo.empty())
        return std::nullopt;
    CEditSnapshot next = std::move(m_Redo.back());
    m_Redo.pop_back();
    m_Undo.push_back(std::move(current));
    return next;
}

void CEditHistory::Clear()
{
    m_Undo.clear();
    m_Redo.clear();
}
