// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/AlgebraError.h"
#include "core/SubExpression.h"
#include "core/Variable.h"
#include "driver/Explanation.h"
#include "driver/Expression.h"
#include "engine/Engine.h"
#include "engine/TermWork.h"

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <utility>

namespace
{

// The state of one long division: the dividend's log, the common variable, the divisor.
struct CDivision
{
    CExpression& m_Dividend;
    const CExpression& m_Divisor;
    char m_cVariable;
    int m_nDegree; // the divisor's highest power in the variable
    std::unique_ptr<CEqElm> m_pLeading;
    std::unique_ptr<CSubExpression> m_pQuotient;
    std::unique_ptr<CSubExpression> m_pRemainder;

    template <typename... Pieces> void Line(const Pieces&... pieces)
    {
        AppendEntry(m_Dividend.m_strExplanation, pieces...);
    }
};

std::string LetterText(char cLetter)
{
    return cLetter == 0 ? std::string() : std::string(1, cLetter);
}

// The dividend -> a plain bracket at power one holding the same terms.
std::unique_ptr<CSubExpression> CopyOfDividend(const CExpression& dividend)
{
    std::unique_ptr<CSubExpression> pCopy;
    if (const CSubExpression* pBody = dividend.AsSubExpression())
        pCopy = pBody->Clone();
    else
        pCopy = std::make_unique<CSubExpression>(dividend.GetText(true));
    pCopy->m_nOperation = CEqElmAtom::kJuxtaposed;
    pCopy->m_Power = CScalar();
    return pCopy;
}

// Long division reads bracket factors as constants, which cannot make the degree fall
// reliably; such bodies are refused as too complex.
bool HoldsBrackets(const CExpression& body)
{
    for (const auto& pTerm : body.m_Terms)
        for (const auto& pFactor : pTerm->m_Elements)
            if (pFactor->IsSubExpression())
                return true;
    return false;
}

// The divisor -> its one term of highest power in v; false when there is none or several.
bool FindLeadingTerm(CDivision& division)
{
    for (const auto& pTerm : division.m_Divisor.m_Terms)
    {
        int nPower = 0;
        char cLetter = 0;
        pTerm->HighestPower(division.m_cVariable, nPower, cLetter);
        if (cLetter != division.m_cVariable || nPower != division.m_nDegree || cLetter == 0)
            continue;
        if (division.m_pLeading)
        {
            division.Line("More than one term in divisor has been found for variable with "
                          "highest power, this makes the division to complex for Brimlet.\r\n");
            division.m_pLeading.reset();
            return false;
        }
        division.m_pLeading = pTerm->Clone();
    }
    return division.m_pLeading != nullptr;
}

// A letter's power netted over the term and the leading term, and how the term wrote the
// letter when it multiplies (a "*" stays: 2*y^2 over y is 2*y).
struct SNetPower
{
    CScalar m_Power;
    int m_nOperation = CEqElmAtom::kJuxtaposed;
};

// Adds a variable's signed power (negative for a divisor) into the net powers by letter.
void AccumulatePower(std::map<char, SNetPower>& net, const CEqElmAtom& factor, bool bNegate)
{
    CScalar power = factor.m_Power;
    if (factor.IsDivisor() != bNegate)
        power.Negate();
    const int nOperation =
        bNegate || factor.IsDivisor() ? CEqElmAtom::kJuxtaposed : factor.m_nOperation;
    auto [it, bNew] = net.try_emplace(factor.GetLetter(), SNetPower{power, nOperation});
    if (!bNew)
        it->second.m_Power.Add(power);
}

// t / L -> one term with each variable's powers netted, so x^2/(xy) is x/y and the degree in
// the common variable falls by exactly the leading term's degree.
std::unique_ptr<CEqElm> DivideByLeadingTerm(const CEqElm& term, const CEqElm& leading)
{
    auto pQuotient = std::make_unique<CEqElm>();
    pQuotient->m_Coefficient = term.m_Coefficient;
    pQuotient->m_Coefficient.Divide(leading.m_Coefficient);
    std::map<char, SNetPower> net;
    for (const auto& pFactor : term.m_Elements)
        if (pFactor->IsVariable())
            AccumulatePower(net, *pFactor, false);
        else
            pQuotient->AddElement(*pFactor);
    for (const auto& pFactor : leading.m_Elements)
    {
        if (pFactor->IsVariable())
        {
            AccumulatePower(net, *pFactor, true);
            continue;
        }
        auto pFlipped = pFactor->Clone();
        pFlipped->m_nOperation =
            pFactor->IsDivisor() ? CEqElmAtom::kJuxtaposed : CEqElmAtom::kDivisor;
        pQuotient->AddElement(*pFlipped);
    }
    for (auto& [cLetter, netPower] : net)
    {
        CScalar& power = netPower.m_Power;
        if (power.IsZero())
            continue;
        CEqElmVariable variable(cLetter);
        if (power.m_nSign < 0)
        {
            power.Negate();
            variable.SetDivisor();
        }
        else
            variable.m_nOperation = netPower.m_nOperation;
        variable.m_Power = power;
        pQuotient->AddElement(variable);
    }
    return pQuotient;
}

// The remainder's terms of its highest power in v, each divided by L -> the partial quotient.
std::unique_ptr<CSubExpression> PartialQuotient(const CDivision& division)
{
    auto pPartial = std::make_unique<CSubExpression>();
    const CSubExpression& remainder = *division.m_pRemainder;
    for (const auto& pTerm : remainder.m_Terms)
    {
        int nPower = 0;
        char cLetter = 0;
        pTerm->HighestPower(division.m_cVariable, nPower, cLetter);
        if (cLetter != division.m_cVariable || nPower != remainder.m_nHighestPower)
            continue;
        pPartial->InsertTerm(*DivideByLeadingTerm(*pTerm, *division.m_pLeading));
    }
    return pPartial;
}

// remainder -> remainder - P x divisor, the quotient collecting P; one step of long division.
void DivideOnce(CDivision& division)
{
    const bool bNarrating = Narrating();
    std::unique_ptr<CSubExpression> pPartial = PartialQuotient(division);
    if (bNarrating)
        division.Line("Find all the terms in the remainder for the highest power of common "
                      "variable and divide them by the divisor term we found above add the result "
                      "together, this gives: ",
                      Formula(*pPartial, true), kLineEnd);
    division.m_pQuotient->AppendTerms(*pPartial);
    if (division.m_pQuotient->m_Terms.size() > static_cast<std::size_t>(kMaxTermsInOneProduct))
        throw CAlgebraError(kExpressionTooLarge);
    if (bNarrating)
        division.Line("This is added to the results expression, making the results expression: ",
                      Formula(*division.m_pQuotient, true), kLineEnd);
    division.Line("It is also multiplied by the divisor expression, i.e.\r\n");
    pPartial->Multiply(division.m_Divisor);
    division.m_Dividend.m_strExplanation += pPartial->m_strExplanation;
    division.m_pRemainder->AppendNegatedTerms(*pPartial);
    if (bNarrating)
        division.Line("Now subtract the result of this multiplication from the remainder which "
                      "gives of a remainder of: ",
                      Formula(*division.m_pRemainder, true), kLineEnd);
    std::unique_ptr<CSubExpression> pSimplified;
    {
        CExplanationLevel level;
        pSimplified = division.m_pRemainder->SimplifyParts("Subexpression");
    }
    division.m_Dividend.m_strExplanation += division.m_pRemainder->m_strExplanation;
    if (bNarrating)
        division.Line("Which means the remainder is now: ", Formula(*pSimplified, true), kLineEnd);
    pSimplified->FindMainVariable(division.m_cVariable);
    division.m_pRemainder = std::move(pSimplified);
}

// Every step narrates the whole quotient and remainder, so long divisions cost the square
// of their length; past this many narrated terms the division is refused as too complex.
constexpr std::size_t kMaxNarratedTerms = 100000;

// Iterates while the remainder still reaches the divisor's degree; false when the division
// grew too long. Every step keeps dividend = quotient x divisor + remainder, so a step whose
// degree does not fall (terms that refuse to cancel) ends the division with that remainder
// instead of looping.
bool DivideWhileDegreeFalls(CDivision& division)
{
    std::size_t nNarrated = 0;
    while (division.m_pRemainder->m_nHighestPower >= division.m_nDegree)
    {
        const int nBefore = division.m_pRemainder->m_nHighestPower;
        DivideOnce(division);
        nNarrated += division.m_pQuotient->m_Terms.size() + division.m_pRemainder->m_Terms.size();
        if (nNarrated > kMaxNarratedTerms)
            return false;
        if (division.m_pRemainder->m_nHighestPower >= nBefore)
            break;
    }
    return true;
}

// The finished division -> the closing lines; an empty remainder becomes none.
void ReportResult(CDivision& division)
{
    if (Narrating())
        division.Line(
            "There are no longer terms in the remainder with the common variable to a power "
            "equal or higher than the divisor term so the division is complete and the "
            "result of division is: ",
            Formula(*division.m_pQuotient, true), kLineEnd);
    if (division.m_pRemainder->IsZero())
    {
        division.Line("The remainder is empty so the division worked, i.e. the divisor expression "
                      "divided into the numerator expression exactly.\r\n");
        division.m_pRemainder.reset();
        return;
    }
    if (Narrating())
        division.Line("With a remainder of: ", Formula(*division.m_pRemainder, true), kLineEnd);
}

} // namespace

// dividend / divisor -> quotient and remainder by long division in the divisor's main variable
void CExpression::PolynomialDivide(const CExpression& divisor,
                                   std::unique_ptr<CSubExpression>& pQuotient,
                                   std::unique_ptr<CSubExpression>& pRemainder)
{
    pQuotient.reset();
    pRemainder.reset();
    m_strExplanation.clear();
    CDivision division{*this,   divisor, divisor.m_cMainVariable, divisor.m_nHighestPower, nullptr,
                       nullptr, nullptr};
    if (Narrating())
        division.Line("Dividing ", Formula(*this, true), " by ", Formula(divisor, true), kLineEnd);
    CExplanationLevel level;
    division.m_pQuotient = std::make_unique<CSubExpression>();
    division.m_pRemainder = CopyOfDividend(*this);
    division.Line("The Common variable between the two expressions is ",
                  LetterText(division.m_cVariable), " and its highest power in the divisor is ",
                  std::to_string(division.m_nDegree), kLineEnd);
    if (HoldsBrackets(*this) || HoldsBrackets(divisor) || !FindLeadingTerm(division))
    {
        pRemainder = std::move(division.m_pRemainder);
        return;
    }
    division.m_pRemainder->FindMainVariable(division.m_cVariable);
    division.Line("Before we do any divisions the the expression we are dividing into is moved "
                  "to the remainder expression\r\n");
    if (Narrating())
        division.Line("We will use the the term with highest power of the common variable from "
                      "the divisor and repeatedly divide the remainder by it, this term is: ",
                      Formula(*division.m_pLeading, false), kLineEnd);
    if (!DivideWhileDegreeFalls(division))
    {
        pRemainder = CopyOfDividend(*this);
        return;
    }
    ReportResult(division);
    pQuotient = std::move(division.m_pQuotient);
    pRemainder = std::move(division.m_pRemainder);
}
