// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/TermWork.h"

#include "core/Number.h"

#include <vector>

namespace
{
// A unit number factor (the "1" of 1/x) adds nothing to the outside texts.
bool IsUnitText(const std::string& strText)
{
    return strText == "+1" || strText == "1";
}

// The coefficient as it opens the outside texts: nothing for one, "-" for minus one.
std::string CoefficientOpening(const CScalar& coefficient)
{
    if (coefficient.IsOne(true))
        return "";
    if (coefficient.IsOne(false))
        return "-";
    return coefficient.ToDisplayText(true);
}

// The same in equation text, for the formula the outside texts show.
std::string CoefficientOpeningText(const CScalar& coefficient)
{
    if (coefficient.IsOne(true))
        return "";
    if (coefficient.IsOne(false))
        return "-";
    return coefficient.ToText(true);
}

// Only CEqElmNumber says it is a number, so a static cast does; this runs for every factor of
// every term product.
const CEqElmNumber* AsSimpleNumber(const CEqElmAtom& factor)
{
    if (!factor.IsNumber())
        return nullptr;
    const auto* pNumber = static_cast<const CEqElmNumber*>(&factor);
    return pNumber->IsSimpleNumber() ? pNumber : nullptr;
}

// Folding computed something when two numbers met (2x3 -> 6x) or a number moved or changed
// on its way into the coefficient (x2 -> 2x, /2, 2^3!); a lone leading number only prints
// differently.
bool NumbersFolded(const CEqElm& term)
{
    int nNumbers = term.m_Coefficient.IsOne(false) ? 0 : 1;
    bool bSeenOther = false;
    for (const auto& pFactor : term.m_Elements)
    {
        if (pFactor->IsSubExpression())
            continue;
        const CEqElmNumber* pNumber = AsSimpleNumber(*pFactor);
        if (!pNumber)
        {
            bSeenOther = true;
            continue;
        }
        if (bSeenOther || pNumber->IsDivisor() || !pNumber->HasUnitPower())
            return true;
        if (!pNumber->m_Value.IsOne(false))
            ++nNumbers;
    }
    return nNumbers >= 2;
}

// Whether sorting and merging moved or joined the factors that are not folded (yx -> xy,
// xx -> x^2).
bool FactorsReordered(const CEqElm& term, const CEqElm& multiplierPart, const CEqElm& divisorPart)
{
    std::vector<const CEqElmAtom*> written;
    for (const auto& pFactor : term.m_Elements)
        if (!pFactor->IsSubExpression() && !AsSimpleNumber(*pFactor))
            written.push_back(pFactor.get());
    std::vector<const CEqElmAtom*> sorted;
    for (const auto& pFactor : multiplierPart.m_Elements)
        sorted.push_back(pFactor.get());
    for (const auto& pFactor : divisorPart.m_Elements)
        sorted.push_back(pFactor.get());
    if (written.size() != sorted.size())
        return true;
    for (std::size_t i = 0; i < written.size(); ++i)
        if (written[i]->CompareFull(*sorted[i]) != 0)
            return true;
    return false;
}

// A.7: the header lines that name the outside factors and what they simplify to.
void WriteOutsideHeader(CTermWork& work, const CFormulaView& outside)
{
    bool bChanged = true;
    if (work.m_nPending == 1)
        work.Line("This part contains a subexpression (a bracketed expression), the elements "
                  "outside of the subexpression are:",
                  outside, "\r\n");
    else if (work.m_nPending > 1)
        work.Line("This part contains a  number of subexpressions (bracketed expressions), the "
                  "elements outside of the subexpressions are:",
                  outside, "\r\n");
    else
        bChanged = false;
    if (NumbersFolded(work.m_Term) ||
        FactorsReordered(work.m_Term, *work.m_pMultiplier, *work.m_pDivisor))
    {
        work.Line("Which simplifies to:",
                  OutsideFormula(*work.m_pMultiplier, true, *work.m_pDivisor), "\r\n");
    }
    if (bChanged)
        work.Explanation() += "\r\n";
}
} // namespace

// A: plain factors -> the multiplier part and the divisor part; brackets are only counted.
void GatherOutsideFactors(CTermWork& work)
{
    const bool bNarrating = Narrating();
    const std::string strOpening = CoefficientOpening(work.m_Term.m_Coefficient);
    std::string strMultiplierText = strOpening;
    std::string strOutsideDisplay = strOpening;
    const bool bMarking = bNarrating && MarkingFormulas();
    std::string strOutsideText =
        bMarking ? CoefficientOpeningText(work.m_Term.m_Coefficient) : std::string();
    std::string strDivisorText;
    for (const auto& pFactor : work.m_Term.m_Elements)
    {
        if (pFactor->IsSubExpression())
        {
            ++work.m_nPending;
            continue;
        }
        std::string strText = pFactor->GetText(true);
        std::string strDisplay = bNarrating ? pFactor->GetDisplayText(true) : std::string();
        if (IsUnitText(strText))
            strText.clear(), strDisplay.clear();
        // AddElement keeps a copy of its own where it needs one.
        if (pFactor->IsDivisor())
        {
            work.m_pDivisor->AddElement(*pFactor);
            ++work.m_nDivisorCount;
            strDivisorText += strText;
        }
        else
        {
            work.m_pMultiplier->AddElement(*pFactor);
            ++work.m_nMultiplierCount;
            strMultiplierText += strText;
        }
        strOutsideDisplay += strDisplay;
        if (bMarking)
            strOutsideText += strText;
    }
    work.m_bNothingOutside = strMultiplierText.empty() && strDivisorText.empty();
    if (!work.m_bNothingOutside && bNarrating)
        WriteOutsideHeader(work, CFormulaView{strOutsideDisplay, strOutsideText});
}
