// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Number.h"
#include "core/SubExpression.h"
#include "driver/Explanation.h"
#include "driver/Expression.h"
#include "engine/Engine.h"

#include <memory>
#include <string>
#include <utility>

namespace
{

// The single term split apart: its numerator and its divisors.
struct CFraction
{
    CSubExpression m_Numerator;      // N
    CSubExpression m_Denominator;    // D
    CEqElm m_Divisors;               // w: the divisors, still marked as divisors
    std::string m_strDenominatorLog; // E
};

// t = k f g / h -> N = k f g (or k times the terms of a lone bracket f), w = /h, d = h.
void SplitTerm(CEqElm& term, CFraction& fraction, CEqElm& plainDivisors)
{
    CEqElm numerator;
    numerator.AddElement(*MakeNumber(term));
    std::unique_ptr<CEqElmAtom> pFirstMultiplier;
    int nMultipliers = 0;
    for (auto pFactor = term.FirstElement(); pFactor; pFactor = term.NextElement())
    {
        if (pFactor->IsDivisor())
        {
            fraction.m_Divisors.AddElement(*pFactor);
            pFactor->m_nOperation = CEqElmAtom::kJuxtaposed;
            plainDivisors.AddElement(*pFactor);
            continue;
        }
        numerator.AddElement(*pFactor);
        if (nMultipliers++ == 0)
            pFirstMultiplier = std::move(pFactor);
    }
    // A lone bracket at power one gives its terms, each keeping the term's coefficient.
    const CSubExpression* pBracket = nMultipliers == 1 && pFirstMultiplier->HasUnitPower()
                                         ? pFirstMultiplier->AsSubExpression()
                                         : nullptr;
    if (!pBracket)
    {
        fraction.m_Numerator.AppendTerm(numerator.Clone());
        return;
    }
    pBracket->AppendTermClones(fraction.m_Numerator.m_Terms);
    for (auto& pTerm : fraction.m_Numerator.m_Terms)
        pTerm->MultiplyCoefficient(term.m_Coefficient);
}

// d -> D, the divisors simplified into a sum.
void BuildDenominator(CEqElm& plainDivisors, CFraction& fraction)
{
    CExpression::TermList output;
    SimplifyTerm(plainDivisors, output);
    fraction.m_strDenominatorLog = plainDivisors.GetExplanation();
    for (auto& pTerm : output)
        fraction.m_Denominator.AppendTerm(std::move(pTerm));
}

// Q + R w: the remainder over the divisors, put in among the quotient's terms.
void AddRemainderOverDivisors(CSubExpression& quotient, const CSubExpression& remainder,
                              const CEqElm& divisors)
{
    std::unique_ptr<CEqElm> pTerm;
    if (remainder.GetDivisionState() == 0)
        pTerm = remainder.GetSingleTerm();
    if (!pTerm)
    {
        pTerm = std::make_unique<CEqElm>("1");
        pTerm->AddElement(remainder);
    }
    pTerm->MultiplyBy(divisors);
    pTerm->CancelOwnFactors();
    quotient.InsertTerm(*pTerm);
}

} // namespace

// k f / g (one term) -> quotient + remainder/g by polynomial division; otherwise a copy
std::unique_ptr<CExpression> CExpression::RemoveDivisions()
{
    if (m_Terms.size() != 1)
        return Clone();
    CFraction fraction;
    CEqElm plainDivisors;
    SplitTerm(*m_Terms.front(), fraction, plainDivisors);
    BuildDenominator(plainDivisors, fraction);
    const int nRank = fraction.m_Numerator.CompareLeadingPower(fraction.m_Denominator);
    if (nRank != 0 && nRank != 1)
        return Clone();
    std::unique_ptr<CSubExpression> pQuotient;
    std::unique_ptr<CSubExpression> pRemainder;
    fraction.m_Numerator.PolynomialDivide(fraction.m_Denominator, pQuotient, pRemainder);
    // A divisor refused as too complex leaves the expression as it is.
    if (!pQuotient)
        return Clone();
    AppendEntry(m_strExplanation,
                "The Expression still has divisions, Brimlet has been unable to remove the "
                "divisions. The Expression could be left as it is or alternatively the division "
                "performed. Brimlet now does the division.\r\n");
    m_strExplanation += fraction.m_strDenominatorLog;
    m_strExplanation += fraction.m_Numerator.m_strExplanation;
    if (pRemainder)
        AddRemainderOverDivisors(*pQuotient, *pRemainder, fraction.m_Divisors);
    std::unique_ptr<CExpression> pResult = std::make_unique<CExpression>();
    pResult->AppendTerms(*pQuotient);
    pResult->FindMainVariable(pQuotient->m_cMainVariable);
    AppendEntry(m_strExplanation,
                "The Result of the division plus the remainder divided by the divisor expression "
                "gives\r\n");
    AppendEntry(m_strExplanation, "The final Expression: ", Formula(*pResult, true), kLineEnd);
    return pResult;
}
