// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/TermWork.h"

#include "core/AlgebraError.h"
#include "driver/Explanation.h"

#include <optional>
#include <vector>

namespace
{
// A new bracket joins the list as it was written, a "*" before it included: the lines that
// name it show it so (the term it ends up in drops the "*" again).
void AddEntry(CTermWork& work, std::unique_ptr<CSubExpression> pEntry)
{
    work.m_List.push_back(std::move(pEntry));
}

enum class EPower
{
    One,        // a power of 0: the bracket is one
    AsItStands, // a power that is not whole: neither written out nor merged
    Whole       // a whole power above 0: written out when above 1
};

// (..)^0 -> one; (..)^(1/2) -> left as it stands; (..)^-n -> the other side of the line at
// power n.
EPower ClassifyPower(CSubExpression& bracket)
{
    CScalar& power = bracket.m_Power;
    if (power.IsZero())
        return EPower::One;
    if (!power.IsWhole() && !bracket.m_Terms.empty())
        return EPower::AsItStands;
    if (power.Compare(CScalar("0")) < 0)
    {
        power.Negate();
        bracket.m_nOperation = bracket.IsDivisor() ? CEqElmAtom::kJuxtaposed : CEqElmAtom::kDivisor;
    }
    return EPower::Whole;
}

void KeepAsItStands(CTermWork& work, std::unique_ptr<CSubExpression> pBracket)
{
    if (!pBracket->IsDivisor())
        pBracket->SetExplicitMultiply(false);
    work.m_Opaque.push_back(std::move(pBracket));
}

// A bracket that a division clearing produced joins the list, or stays aside by its power.
void AdmitBracket(CTermWork& work, std::unique_ptr<CSubExpression> pBracket)
{
    switch (ClassifyPower(*pBracket))
    {
    case EPower::One:
        break;
    case EPower::AsItStands:
        KeepAsItStands(work, std::move(pBracket));
        break;
    case EPower::Whole:
        AddEntry(work, std::move(pBracket));
        break;
    }
}

// The power rules for a simplified bracket of the term; true when it needs nothing more.
bool ApplyBracketPower(CTermWork& work, std::unique_ptr<CSubExpression>& pBracket)
{
    const EPower power = ClassifyPower(*pBracket);
    if (power == EPower::Whole)
        return false;
    --work.m_nPending;
    if (power == EPower::One)
        work.Line("The subexpression is in fact ONE so we do not need to show it.\r\n");
    else
        KeepAsItStands(work, std::move(pBracket));
    return true;
}

// B.5 state 2: a bracket holding divisions -> its common divisor's factors and brackets.
void ClearDivisions(CTermWork& work, std::unique_ptr<CSubExpression> pBracket)
{
    std::string strHeading;
    AppendEntry(strHeading, "The Subexpression: ", Formula(*pBracket, false),
                " Involves division, we simplify this as follows:\r\n");
    std::vector<std::unique_ptr<CEqElmAtom>> factors;
    {
        CExplanationLevel level;
        pBracket->BuildCommonDivisor(factors);
    }
    if (!pBracket->m_strExplanation.empty())
        work.Explanation() += strHeading + pBracket->m_strExplanation;
    const std::size_t nFirstNew = work.m_List.size();
    for (auto& pFactor : factors)
    {
        if (pFactor->IsSubExpression())
            AdmitBracket(work, ToSubExpression(std::move(pFactor)));
        else if (pFactor->IsDivisor())
            work.m_pDivisor->AddElement(*pFactor), ++work.m_nDivisorCount;
        else
            work.m_pMultiplier->AddElement(*pFactor), ++work.m_nMultiplierCount;
    }
    if (work.m_List.size() > nFirstNew)
        WriteOutPowers(work, nFirstNew);
}

// The last B.6 line: how the absorbed term shows among the outside factors.
void WriteAbsorbedLine(CTermWork& work, const CEqElm& single)
{
    if (single.IsOne())
        work.Line("The subexpression is in fact ONE so we do not need to show it.\r\n");
    else if (work.m_bNothingOutside)
    {
        if (work.m_nPending >= 1)
            work.Line("Ther subexpression can now be treated as an element outside of the other "
                      "subexpressions.\r\n");
        work.m_bNothingOutside = false;
    }
    else
    {
        work.Line("The subexpression can thus be absorbed into the other elements outside of "
                  "the subexpression\r\n");
        work.Line("Which means the term outside the brackets becomes:",
                  OutsideFormula(*work.m_pMultiplier, true, *work.m_pDivisor), "\r\n");
        work.m_bNothingOutside = false;
    }
}

// B.6: a bracket of one plain term -> that term among the outside factors; a bracket whose
// terms all cancelled -> zero (and below the line, "Divide by zero").
void RemoveBrackets(CTermWork& work, const CSubExpression& bracket, bool bChanged)
{
    std::unique_ptr<CEqElm> pSingle = bracket.GetSingleTerm();
    if (!pSingle)
    {
        if (bracket.IsDivisor())
            throw CAlgebraError(kDivideByZero);
        pSingle = std::make_unique<CEqElm>();
        pSingle->m_Coefficient.SetFromParts(0, 0, 1);
    }
    if (bracket.IsDivisor())
        ++work.m_nDivisorCount, work.m_pDivisor->MultiplyBy(*pSingle);
    else
        ++work.m_nMultiplierCount, work.m_pMultiplier->MultiplyBy(*pSingle);
    if (!work.m_Term.m_bQuiet)
        work.Line(bChanged ? "The simplified subexpression is no longer a subexpression so the "
                             "brackets can be removed\r\n"
                           : "The subexpression is not a subexpression at all so the brackets "
                             "can be removed\r\n");
    --work.m_nPending;
    WriteAbsorbedLine(work, *pSingle);
}

// B.1 to B.6 for one bracket: simplified, then listed, cleared of divisions or unbracketed.
void SimplifyOneBracket(CTermWork& work, CSubExpression& bracket)
{
    const bool bAlone = work.m_strText == work.m_strSign + bracket.GetText(true);
    std::unique_ptr<CSubExpression> pSimplified;
    {
        std::optional<CExplanationLevel> level;
        if (!bAlone)
            level.emplace();
        pSimplified = bracket.SimplifyParts("Subexpression");
    }
    bool bChanged = false;
    if (pSimplified->CompareBase(bracket) != 0)
    {
        if (!bAlone)
            work.Line("The subexpression ", Formula(bracket, true), " will be simplifyed.\r\n");
        work.Explanation() += bracket.m_strExplanation;
        bChanged = true;
    }
    if (ApplyBracketPower(work, pSimplified))
        return;
    switch (pSimplified->GetDivisionState())
    {
    case 1:
        AddEntry(work, std::move(pSimplified));
        WriteOutPowers(work, work.m_List.size() - 1);
        break;
    case 2:
        ClearDivisions(work, std::move(pSimplified));
        break;
    default:
        RemoveBrackets(work, *pSimplified, bChanged);
        break;
    }
}
} // namespace

// B: every bracket of the term, in factor order.
void SimplifyEachBracket(CTermWork& work)
{
    for (auto& pFactor : work.m_Term.m_Elements)
        if (CSubExpression* pBracket = pFactor->AsSubExpression())
            SimplifyOneBracket(work, *pBracket);
}
