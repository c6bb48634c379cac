// SPDX-License-Identifier: LGPL-3.0-or-later
#include "model/Beep.h"
#include "model/EditModel.h"
#include "model/EquationStructure.h"
#include "model/EquationText.h"

// Judged on the text as the edit leaves it, after the marking pass has dropped the templates
// the caret left: "1.5^!|" + "." is "1.5." once the power template goes. A text that was
// already unreadable (written through the property) may still be edited, just not made worse;
// so may a pasted power with a sign (x^-1!), which the context scan does not see as a power.
CEditOutcome CEditModel::RefuseUnreadableEdit(const std::string& strBefore, int nCaretBefore,
                                              CEditOutcome outcome)
{
    if (m_strText == strBefore || !IsLessReadable(m_strText, strBefore))
        return outcome;
    m_strText = strBefore;
    m_nCaret = nCaretBefore;
    RunMarkingPass();
    InformationBeep();
    return {true, false};
}

// Whether a template inserted at the caret keeps every number readable once the pass runs.
bool CEditModel::KeepsNumbersReadable(std::string_view strTemplate) const
{
    std::string strText = m_strText;
    strText.insert(static_cast<std::size_t>(m_nCaret), strTemplate);
    int nCaret = m_nCaret + 1;
    MarkErrors(strText, nCaret);
    return !IsLessReadable(strText, m_strText);
}
