// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/TermWork.h"

#include "driver/Explanation.h"

// H: what the term became, in one line; nothing at all when it did not change.
void WriteSummary(CTermWork& work)
{
    const std::size_t nAppended = work.m_Output.size() - work.m_nOutputStart;
    if (nAppended != 1 || work.m_Term.m_bQuiet || !Narrating())
        return;
    const CEqElm& result = *work.m_Output[work.m_nOutputStart];
    if (result.GetText(false) == work.m_strText)
    {
        work.Explanation().clear();
        return;
    }
    work.Line("The original subexpression ", CFormulaView{work.m_strDisplay, work.m_strText},
              " has been simplified to: ", Formula(result, false), "\r\n\r\n");
}
