// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Number.h"
#include "core/SubExpression.h"
#include "driver/Explanation.h"
#include "engine/Engine.h"

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace
{

using FactorOut = std::vector<std::unique_ptr<CEqElmAtom>>;

// How many factors of the list are the same as this one, power and divisor mark included.
std::size_t CountLike(const CEqElm::FactorList& factors, const CEqElmAtom& factor)
{
    std::size_t nCount = 0;
    for (const auto& pFactor : factors)
        if (pFactor->GetKindCode() == factor.GetKindCode() && pFactor->CompareFull(factor) == 0)
            ++nCount;
    return nCount;
}

// Every distinct divisor of the terms -> the common divisor C (as divisors) and the
// multiplier M (the same factors as multipliers). A divisor that one term holds twice, as a
// written-out power does (1/(y+1)/(y+1)), goes into C twice, or a fraction stays inside.
void GatherDivisors(CSubExpression& bracket, CEqElm& common, CEqElm& multiplier)
{
    for (auto& pTerm : bracket.m_Terms)
    {
        if (pTerm->NeedsFurtherSimplification() != 2)
            continue;
        CEqElm::FactorList seenInTerm;
        for (auto pDivisor = pTerm->FirstDivisor(); pDivisor; pDivisor = pTerm->NextDivisor())
        {
            const std::size_t nSeen = CountLike(seenInTerm, *pDivisor);
            seenInTerm.push_back(pDivisor->Clone());
            if (CountLike(common.m_Elements, *pDivisor) > nSeen)
            {
                AppendEntry(bracket.m_strExplanation, "The division ", Formula(*pDivisor, true),
                            " is used in more than one division and so is not included in the "
                            "common divisor again\r\n");
                continue;
            }
            common.AddElement(*pDivisor);
            pDivisor->SetExplicitMultiply(false);
            multiplier.AddElement(*pDivisor);
        }
    }
}

// A factor raised to the bracket's power; a divisor bracket turns it over. A number whose
// power comes out negative is turned over too, so it folds as the value it stands for.
std::unique_ptr<CEqElmAtom> RaisedFactor(const CEqElmAtom& factor, const CScalar& power,
                                         bool bTurnOver)
{
    auto pFactor = factor.Clone();
    pFactor->MultiplyPower(power);
    bool bDivisor = pFactor->IsDivisor() != bTurnOver;
    if (pFactor->IsNumber() && pFactor->m_Power.m_nSign < 0)
    {
        pFactor->m_Power.Negate();
        bDivisor = !bDivisor;
    }
    // A multiplier keeps the "*" it was written with; a divisor turned over joins plainly.
    if (bDivisor)
        pFactor->SetDivisor();
    else if (pFactor->IsDivisor())
        pFactor->SetExplicitMultiply(false);
    return pFactor;
}

// A coefficient that is not one -> a number factor at the bracket's power.
void AppendCoefficient(FactorOut& out, const CEqElm& term, const CScalar& power, bool bTurnOver)
{
    std::unique_ptr<CEqElmNumber> pNumber = MakeNumber(term);
    if (pNumber->IsValueOne())
        return;
    out.push_back(RaisedFactor(*pNumber, power, bTurnOver));
}

// "Brimlet has converted: B0 into (N)/C" (or "(C)/N" for a divisor bracket).
std::string ConvertedText(const FactorOut& out, bool bDivisor, bool bDisplay)
{
    const auto textOf = [bDisplay](const CEqElmAtom& factor)
    { return bDisplay ? factor.GetDisplayText(true) : factor.GetText(true); };
    std::string strText = "(";
    if (!bDivisor)
        strText += textOf(*out[0]) + ")";
    for (std::size_t i = 1; i < out.size(); ++i)
        strText += textOf(*out[i]);
    if (bDivisor)
        strText += ")" + textOf(*out[0]);
    return strText;
}

// (a/x + b/y)^p -> ((ay + bx))^p / x^p / y^p: the bracket times xy over xy.
void BuildFromSeveralTerms(CSubExpression& bracket, FactorOut& out, const CFormula& before)
{
    CEqElm common;
    CEqElm multiplier;
    GatherDivisors(bracket, common, multiplier);
    std::string& strLog = bracket.m_strExplanation;
    AppendEntry(strLog, "The common divisor is: ", Formula(common, false), kLineEnd);
    std::unique_ptr<CSubExpression> pWidened = bracket.Clone();
    for (auto& pTerm : pWidened->m_Terms)
        pTerm->MultiplyBy(multiplier);
    AppendEntry(strLog, "Brimlet now multiplies this subexpression by: ",
                FormulaOf(multiplier.GetDisplayText(false) + common.GetDisplayText(true), [&]
                          { return ProductText(multiplier.GetText(false), common.GetText(true)); }),
                kLineEnd);
    AppendEntry(strLog, "In affect we are multiplying by 1.\r\n");
    AppendEntry(strLog,
                "Leave the divisor part outside the subexpression and Multipy each part of the "
                "subexpression by the multiplier subexpression, i.e. by ",
                Formula(multiplier, false), kLineEnd);
    AppendEntry(strLog, "The subexpression becomes:", Formula(*pWidened, false), kLineEnd);
    std::unique_ptr<CSubExpression> pSimplified = pWidened->SimplifyParts("Subexpression");
    strLog += pWidened->m_strExplanation;
    pSimplified->m_Power = bracket.m_Power;
    out.push_back(std::move(pSimplified));
    const bool bDivisor = bracket.IsDivisor();
    for (const auto& pDivisor : common.m_Elements)
        out.push_back(RaisedFactor(*pDivisor, bracket.m_Power, bDivisor));
    // A divisor that folded into C's coefficient (a plain number) must not be lost.
    AppendCoefficient(out, common, bracket.m_Power, bDivisor);
    if (bDivisor)
        AppendEntry(strLog, "Note because the original subexpression was a division the divisor "
                            "part calculated above infact becomes a multiplier.\r\n");
    AppendEntry(strLog, "Brimlet has converted: ", before, " into ",
                FormulaOf(ConvertedText(out, bDivisor, true),
                          [&] { return ConvertedText(out, bDivisor, false); }),
                "\r\n\r\n");
}

// (k f g)^p -> k^p f^p g^p, each turned over when the bracket is a divisor.
void BuildFromOneTerm(CSubExpression& bracket, FactorOut& out)
{
    bracket.m_strExplanation.clear();
    const CEqElm& term = *bracket.m_Terms.front();
    const bool bTurnOver = bracket.IsDivisor();
    AppendCoefficient(out, term, bracket.m_Power, bTurnOver);
    for (const auto& pFactor : term.m_Elements)
        out.push_back(RaisedFactor(*pFactor, bracket.m_Power, bTurnOver));
}

} // namespace

// (a/x + b/y) -> (ay + bx) /x /y: the divisions inside cleared by a common divisor
void CSubExpression::BuildCommonDivisor(std::vector<std::unique_ptr<CEqElmAtom>>& out)
{
    const CFormula before = Formula(*this, true);
    m_strExplanation.clear();
    AppendEntry(m_strExplanation, "Find all the divisions and build a common divisor\r\n");
    if (m_Terms.empty() || m_Power.IsZero())
    {
        m_strExplanation.clear(); // nothing to clear, or a power of 0: the factor is one
        return;
    }
    if (m_Terms.size() > 1)
        BuildFromSeveralTerms(*this, out, before);
    else
        BuildFromOneTerm(*this, out);
}
