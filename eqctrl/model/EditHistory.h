// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The text and caret as they stood before a change.
struct CEditSnapshot
{
    std::string m_strText;
    int m_nCaret = 0;

    bool operator==(const CEditSnapshot&) const = default;
};

// Undo and redo as two stacks of snapshots. Recording a new change forgets what could be
// redone; the oldest steps are forgotten beyond a fixed depth so a long session stays small.
class CEditHistory
{
public:
    static constexpr std::size_t kMaxSteps = 1000;

    void Record(CEditSnapshot before);
    bool CanUndo() const { return !m_Undo.empty(); }
    bool CanRedo() const { return !m_Redo.empty(); }
    // The state to go back (or forward) to; the current one goes on the other stack.
    std::optional<CEditSnapshot> Undo(CEditSnapshot current);
    std::optional<CEditSnapshot> Redo(CEditSnapshot current);
    void Clear();
    // A change joined to the last step still makes what was undone unreachable.
    void ForgetRedo() { m_Redo.clear(); }

private:
    std::vector<CEditSnapshot> m_Undo;
    std::vector<CEditSnapshot> m_Redo;
};
