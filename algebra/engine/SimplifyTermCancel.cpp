// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/TermWork.h"

// F: plain multipliers against plain divisors (x^2/x -> x), with the resulting outside term.
void CancelOutsideFactors(CTermWork& work)
{
    CEqElm& multiplierPart = *work.m_pMultiplier;
    CEqElm& divisorPart = *work.m_pDivisor;
    if (multiplierPart.IsOne() && divisorPart.IsOne())
        return;
    multiplierPart.CancelCommonFactors(divisorPart);
    const std::string strCancelled = multiplierPart.m_strExplanation;
    work.Explanation() += strCancelled;
    if (strCancelled.empty() || !Narrating())
        return;
    work.Line(work.HasBracketsLeft() ? "Which means the term outside the brackets becomes:\r\n"
                                     : "Which means the term becomes:\r\n");
    work.Line(OutsideFormula(multiplierPart, !multiplierPart.IsOne(), divisorPart), "\r\n");
}
