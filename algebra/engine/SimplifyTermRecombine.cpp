// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/TermWork.h"

#include "core/AlgebraError.h"
#include "driver/Explanation.h"

namespace
{
// Beside other factors a bracket always shows its brackets and never a leading "*".
const CEqElmAtom& AsFactor(CSubExpression& bracket)
{
    bracket.m_bNoBrackets = false;
    if (!bracket.IsDivisor())
        bracket.SetExplicitMultiply(false);
    return bracket;
}

// Brackets left as they stand (powers that are not whole) join the finished term.
void AddOpaqueBrackets(CTermWork& work, CEqElm& term)
{
    for (auto& pBracket : work.m_Opaque)
        term.AddElement(AsFactor(*pBracket));
    work.m_Opaque.clear();
}

CSubExpression* LastMultiplierEntry(const SubExpressionList& list)
{
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        if (IsMultiplierEntry(**it))
            return it->get();
    return nullptr;
}

// The divisor part's factors that stand below the line; a factor an inverted bracket put
// there as a multiplier (y of /(x/y)) cannot take a common factor out of the bracket.
std::unique_ptr<CEqElm> DivisorsBelowTheLine(const CEqElm& divisorPart)
{
    auto pDivisors = std::make_unique<CEqElm>();
    for (const auto& pFactor : divisorPart.m_Elements)
        if (pFactor->IsDivisor())
            pDivisors->m_Elements.push_back(pFactor->Clone());
    return pDivisors;
}

bool SameBase(const CEqElmAtom& a, const CEqElmAtom& b)
{
    const CSubExpression* pA = a.AsSubExpression();
    const CSubExpression* pB = b.AsSubExpression();
    if (pA || pB)
        return pA && pB && pA->CompareBodies(*pB) == 0;
    return a.CompareBase(b) == 0;
}

// The bracket was divided by each common factor's base at its power (whichever side of the
// line the factor stood on in the bracket), so the divisor of that base outside gives up as
// much: /y^3 less y becomes /y^2, /y less y goes.
void TakeCommonFactorFromDivisors(CEqElm& divisorPart, const CEqElm& common)
{
    for (const auto& pCommon : common.m_Elements)
    {
        auto& divisors = divisorPart.m_Elements;
        for (auto it = divisors.begin(); it != divisors.end(); ++it)
        {
            if (!(*it)->IsDivisor() || !SameBase(**it, *pCommon))
                continue;
            (*it)->SubtractPower(*pCommon);
            if ((*it)->m_Power.IsZero())
                divisors.erase(it);
            break;
        }
    }
}

// G.3.a: (2x+4xy)/x -> (1+2y): a factor shared by every term of the bracket and the outside
// divisor is divided out of both; (x/y)/y -> (x/y^2), the divisor matched by its base. The
// bracket's coefficients stay where they are.
bool DivideOutCommonFactor(CTermWork& work, CSubExpression& bracket)
{
    CEqElm& divisorPart = *work.m_pDivisor;
    std::unique_ptr<CEqElm> pCommon = bracket.CommonFactorOfTerms();
    if (!pCommon || !pCommon->HasFactors())
        return false;
    pCommon->m_Coefficient = CScalar();
    pCommon->KeepCommonFactors(*DivisorsBelowTheLine(divisorPart));
    if (!pCommon->HasFactors())
        return false;
    work.Line("Brimlet has noticed that all the terms of the subexpression ",
              Formula(bracket, true), " and the divisor outside of expression ",
              Formula(divisorPart, false), " have the common factor of: ", Formula(*pCommon, false),
              " Brimlet now cancels the common factor out of the subexpression and divisor.\r\n");
    {
        CExplanationLevel level;
        bracket.DivideEachTerm(*pCommon);
        work.Explanation() += bracket.m_strExplanation;
    }
    TakeCommonFactorFromDivisors(divisorPart, *pCommon);
    work.Line("The subexpression after the division is now: ", Formula(bracket, true),
              " and the divisor has become: ", Formula(divisorPart, false), "\r\n");
    return true;
}

// G.1: no brackets left -> the outside factors are the one term.
void RecombineWithoutBrackets(CTermWork& work)
{
    std::unique_ptr<CEqElm> pTerm = std::move(work.m_pMultiplier);
    pTerm->MultiplyBy(*work.m_pDivisor);
    work.m_pDivisor.reset();
    AddOpaqueBrackets(work, *pTerm);
    work.m_Output.push_back(std::move(pTerm));
}

// G.3: brackets below the line (or left as they stand) -> one term holding them all.
void RecombineIntoOneTerm(CTermWork& work)
{
    CSubExpression* pLast = LastMultiplierEntry(work.m_List);
    if (pLast && work.m_pDivisor->HasFactors())
        DivideOutCommonFactor(work, *pLast);
    std::unique_ptr<CEqElm> pTerm;
    if (pLast && !work.m_pMultiplier->IsOne())
    {
        pLast->MultiplyEachTerm(*work.m_pMultiplier);
        work.Explanation() += pLast->m_strExplanation;
        work.m_pMultiplier.reset();
        pTerm = std::make_unique<CEqElm>("1");
    }
    else
        pTerm = std::move(work.m_pMultiplier);
    if (pLast)
        pTerm->AddElement(AsFactor(*pLast));
    pTerm->MultiplyBy(*work.m_pDivisor);
    work.m_pDivisor.reset();
    for (auto& pEntry : work.m_List)
    {
        if (!pEntry->IsDivisor())
            continue;
        if (pEntry->m_Terms.empty())
            throw CAlgebraError(kDivideByZero);
        pTerm->AddElement(AsFactor(*pEntry));
    }
    work.m_List.clear();
    AddOpaqueBrackets(work, *pTerm);
    work.m_Output.push_back(std::move(pTerm));
}

// G.4.b: the outside factors are inside the bracket -> its terms join the expression.
void MergeIntoExpression(CTermWork& work, CSubExpression& bracket)
{
    bracket.MultiplyEachTerm(*work.m_pDivisor);
    work.Explanation() += bracket.m_strExplanation;
    bracket.AppendTermClones(work.m_Output);
    work.Line("Merge the subexpression ", Formula(bracket, true),
              " into the main expression, i.e. remove brackets.\r\n");
}

// G.4.c: a divisor that stays outside -> the bracket over that divisor, as one term.
void KeepOverDivisor(CTermWork& work, const CSubExpression& bracket)
{
    std::string strText = bracket.GetText(true);
    if (bracket.m_bNoBrackets)
        strText = "(" + strText + ")";
    strText += work.m_pDivisor->GetText(true);
    work.m_Output.push_back(std::make_unique<CEqElm>(strText));
}

// G.4: one multiplier bracket and nothing else bracketed -> 3x(x+2) becomes 3x^2+6x.
void DistributeIntoBracket(CTermWork& work)
{
    CSubExpression& bracket = *work.m_List.front();
    if (!work.m_pMultiplier->IsOne())
    {
        bracket.MultiplyEachTerm(*work.m_pMultiplier);
        work.Explanation() += bracket.m_strExplanation;
    }
    work.m_pMultiplier.reset();
    if (!work.m_pDivisor->HasFactors() ||
        (DivideOutCommonFactor(work, bracket) && !work.m_pDivisor->HasFactors()))
        MergeIntoExpression(work, bracket);
    else
        KeepOverDivisor(work, bracket);
    work.m_List.clear();
    work.m_pDivisor.reset();
    work.Explanation() += "\r\n";
}
} // namespace

// G: the outside factors and the brackets left -> the output term(s).
void Recombine(CTermWork& work)
{
    if (work.m_List.empty())
        RecombineWithoutBrackets(work);
    else if (work.CountDivisorEntries() > 0 || !work.m_Opaque.empty())
        RecombineIntoOneTerm(work);
    else
        DistributeIntoBracket(work);
}
