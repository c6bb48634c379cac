// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SubExpression.h"
#include "driver/Explanation.h"
#include "engine/Engine.h"

// x+x -> 2x: the whole sum wrapped as one bracket in a quiet term and simplified as a term.
std::unique_ptr<CExpression> CExpression::Simplify()
{
    m_strExplanation.clear();
    const char* pszLabel = GetKind() == kKindExpression ? "Expression " : "Sub Expression ";
    AppendEntry(m_strExplanation, "Brimlet Works from left to right simplifying each part of ",
                pszLabel, "in turn as it finds it.\r\n\r\n");
    auto pWrapper = std::make_unique<CSubExpression>(GetText(true));
    pWrapper->m_bNoBrackets = true;
    CEqElm term;
    term.m_bQuiet = true;
    term.AddElement(*pWrapper);
    TermList output;
    SimplifyTerm(term, output);
    m_strExplanation += term.GetExplanation();
    std::string strResult;
    for (const auto& pTerm : output)
        strResult += pTerm->GetText(false);
    return std::make_unique<CExpression>(strResult);
}
