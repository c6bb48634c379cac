// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SubExpression.h"
#include "core/Term.h"
#include "driver/Explanation.h"

#include <utility>

namespace
{
// A multiplier factor and a divisor factor of one base (x and /x, or the same bracket) can
// cancel; two factors on the same side of the line never do.
bool CanCancel(const CEqElmAtom& divisor, const CEqElmAtom& multiplier)
{
    if (divisor.IsDivisor() == multiplier.IsDivisor() || divisor.CompareBase(multiplier) != 0)
        return false;
    const CSubExpression* pBracket = divisor.AsSubExpression();
    return !pBracket || pBracket->CompareBodies(*multiplier.AsSubExpression()) == 0;
}

void Erase(CEqElm::FactorList& factors, std::size_t i)
{
    factors.erase(factors.begin() + static_cast<std::ptrdiff_t>(i));
}
} // namespace

// I: x^3 over x -> x^2 (and x over x -> nothing): this multiplier part against a divisor part.
// Returns nothing; the narrative goes into this term's own explanation.
void CEqElm::CancelCommonFactors(CEqElm& divisorPart)
{
    m_Coefficient.Multiply(divisorPart.m_Coefficient);
    divisorPart.m_Coefficient = CScalar();
    FactorList& divisors = divisorPart.m_Elements;
    std::size_t i = 0;
    while (i < divisors.size())
    {
        bool bAdvance = true;
        for (std::size_t j = 0; j < m_Elements.size(); ++j)
        {
            CEqElmAtom& d = *divisors[i];
            CEqElmAtom& f = *m_Elements[j];
            if (!CanCancel(d, f))
                continue;
            const int nCompare = f.ComparePower(d);
            if (nCompare == 0)
            {
                if (Narrating())
                    AppendEntry(
                        m_strExplanation, "Have found ", Formula(f, true),
                        " is common to both multipliers and divisors and so may be cancelled "
                        "out.\r\n");
                Erase(m_Elements, j);
                Erase(divisors, i);
                bAdvance = false;
            }
            else if (nCompare < 0)
            {
                if (Narrating())
                    AppendEntry(m_strExplanation, "Have found the multiplier ", Formula(f, true),
                                " and the divisor ", Formula(d, true),
                                " These may be combined to leave the divisor ");
                d.SubtractPower(f);
                Erase(m_Elements, j);
                if (Narrating())
                {
                    AppendFormula(m_strExplanation, Formula(d, true));
                    m_strExplanation += ".\r\n";
                }
            }
            else
            {
                if (Narrating())
                    AppendEntry(m_strExplanation, "Have found the multiplier ", Formula(f, true),
                                " and the divisor ", Formula(d, true),
                                " These may be combined to leave the multiplier ");
                f.SubtractPower(d);
                if (Narrating())
                {
                    AppendFormula(m_strExplanation, Formula(f, true));
                    m_strExplanation += ".\r\n";
                }
                Erase(divisors, i);
                bAdvance = false;
            }
            break;
        }
        if (bAdvance)
            ++i;
    }
}

// y/x/y -> 1/x: this term's multipliers cancelled against its own divisors, quietly.
void CEqElm::CancelOwnFactors()
{
    CEqElm multiplierPart;
    CEqElm divisorPart;
    multiplierPart.m_Coefficient = m_Coefficient;
    for (auto& pFactor : m_Elements)
        (pFactor->IsDivisor() ? divisorPart : multiplierPart)
            .m_Elements.push_back(std::move(pFactor));
    multiplierPart.CancelCommonFactors(divisorPart);
    m_Coefficient = multiplierPart.m_Coefficient;
    m_Elements = std::move(multiplierPart.m_Elements);
    for (auto& pFactor : divisorPart.m_Elements)
        m_Elements.push_back(std::move(pFactor));
}
