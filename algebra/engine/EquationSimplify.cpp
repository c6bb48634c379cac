// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Number.h"
#include "core/SubExpression.h"
#include "driver/Equation.h"
#include "driver/Explanation.h"
#include "engine/Engine.h"

namespace
{
// Right side moved over with reversed signs -> left - right = 0.
void MoveRightSideOver(CEquation& equation)
{
    if (!equation.m_pRightSide || equation.m_pRightSide->IsZero())
    {
        AppendEntry(equation.m_strExplanation, "The Equation is: ", Formula(equation, false),
                    "\r\n\r\n");
        return;
    }
    AppendEntry(equation.m_strExplanation,
                "Brimlet starts by moving the right side of equation to the left, leaving zero on "
                "the right. The signs of the elements of the right side of equation are "
                "reversed.\r\n");
    equation.AppendNegatedTerms(*equation.m_pRightSide);
    equation.m_pRightSide = std::make_unique<CExpression>("0");
    AppendEntry(equation.m_strExplanation,
                "The Equation has now become: ", Formula(equation, false), "\r\n\r\n");
}

// The numerator of the single left term -> the new left side. A lone bracket gives its terms,
// each times the term's coefficient (2(x+2)/x -> 2x+4); anything else gives one term.
void SetNumerator(CEquation& result, const CEqElm& term, const CEqElm& numerator,
                  const CEqElmAtom* pOnlyFactor)
{
    const CSubExpression* pBracket = pOnlyFactor ? pOnlyFactor->AsSubExpression() : nullptr;
    if (!pBracket || !pBracket->HasUnitPower())
    {
        result.AppendTerm(numerator.Clone());
        return;
    }
    CExpression::TermList terms;
    pBracket->AppendTermClones(terms);
    for (auto& pTerm : terms)
    {
        pTerm->MultiplyCoefficient(term.m_Coefficient);
        result.AppendTerm(std::move(pTerm));
    }
}
} // namespace

// x+1=2x-3 -> -x+4=0: the right side moved to the left, then the left side simplified.
std::unique_ptr<CExpression> CEquation::Simplify()
{
    m_strExplanation.clear();
    MoveRightSideOver(*this);
    std::unique_ptr<CExpression> pLeft = Clone();
    std::unique_ptr<CExpression> pSimplified = pLeft->Simplify();
    m_strExplanation += pLeft->m_strExplanation;
    auto pResult = std::make_unique<CEquation>(pSimplified->GetText(false) + "=0");
    AppendEntry(m_strExplanation, "Making the Equation: ", Formula(*pResult, false), "\r\n\r\n");
    return pResult;
}

// 3x/(x+1)=0 -> 3x=0: both sides multiplied by the divisors of the single left term.
std::unique_ptr<CExpression> CEquation::RemoveDivisions()
{
    if (m_Terms.size() != 1)
        return nullptr;
    CEqElm& term = *m_Terms.front();
    auto pResult = std::make_unique<CEquation>();
    CEqElm numerator;
    CEqElm divisors;
    numerator.AddElement(*MakeNumber(term));
    std::unique_ptr<CEqElmAtom> pOnlyFactor;
    int nMultipliers = 0;
    for (auto pFactor = term.FirstElement(); pFactor; pFactor = term.NextElement())
    {
        if (pFactor->IsDivisor())
        {
            pFactor->SetExplicitMultiply(false);
            divisors.AddElement(*pFactor);
            continue;
        }
        numerator.AddElement(*pFactor);
        if (nMultipliers++ == 0)
            pOnlyFactor = std::move(pFactor);
    }
    SetNumerator(*pResult, term, numerator, nMultipliers == 1 ? pOnlyFactor.get() : nullptr);
    pResult->SetRightSide("0");
    AppendEntry(m_strExplanation,
                "The Equation still has divisions, these can be removed by multiplying both sides "
                "of equation by the divisors. Multipling zero by anything (other than infinity) "
                "leaves zero, so the right side of equation remains zero. Multipling the left "
                "side of equation by the divisors ",
                Formula(divisors, false),
                " means we cancel out the divisors (with this multiplier) i.e. the divisors are "
                "removed.\r\n\r\n");
    AppendEntry(m_strExplanation, "The Equation finally becomes: ", Formula(*pResult, false),
                "\r\n");
    return pResult;
}
