// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SubExpression.h"
#include "driver/Explanation.h"
#include "driver/Expression.h"
#include "engine/Engine.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <numeric>
#include <utility>

namespace
{

// Euclid's steps fall in degree every time; this only guards against stale leading state.
constexpr int kMaxEuclidSteps = 64;

// The decimal way: folded pairwise, a decimal among them picks the smaller one.
CScalar FoldCommonFactors(const CExpression::TermList& terms)
{
    CScalar common = terms.front()->m_Coefficient;
    for (std::size_t i = 1; i < terms.size(); ++i)
        common = common.CommonFactor(terms[i]->m_Coefficient);
    return common;
}

} // namespace

// gcd(a, b) -> b when b divides a exactly, else gcd(b, a mod b); none when the remainder
// loses the variable, a division is refused, or the degree stops falling
std::unique_ptr<CExpression> CommonExpression(CExpression& a, CExpression& b)
{
    CExpression* pHigher = &a;
    CExpression* pLower = &b;
    std::unique_ptr<CSubExpression> pHeldHigher;
    std::unique_ptr<CSubExpression> pHeldLower;
    for (int nStep = 0; nStep < kMaxEuclidSteps; ++nStep)
    {
        std::unique_ptr<CSubExpression> pQuotient;
        std::unique_ptr<CSubExpression> pRemainder;
        pHigher->PolynomialDivide(*pLower, pQuotient, pRemainder);
        if (!pQuotient)
            return nullptr;
        if (!pRemainder)
            return pLower->Clone();
        pRemainder->FindMainVariable(pLower->m_cMainVariable);
        if (pRemainder->m_nHighestPower <= 0 ||
            pRemainder->m_nHighestPower >= pLower->m_nHighestPower)
            return nullptr;
        pHigher = pLower;
        pHeldHigher = std::move(pHeldLower);
        pHeldLower = std::move(pRemainder);
        pLower = pHeldLower.get();
    }
    return nullptr;
}

// the coefficients of all the terms -> their common factor (one for no terms): for exact
// numbers the gcd of the numerators over the lcm of the denominators, so 2x+2 gives 2 and
// (1/2)x+(1/3) gives 1/6; negative when every coefficient is
CScalar CExpression::CommonCoefficient() const
{
    if (m_Terms.empty())
        return CScalar("1");
    CExactInteger numerators = 0;
    CExactInteger denominators = 1;
    bool bAllNegative = true;
    for (const auto& pTerm : m_Terms)
    {
        const CScalar& coefficient = pTerm->m_Coefficient;
        if (coefficient.m_bDecimal || coefficient.IsUnset())
            return FoldCommonFactors(m_Terms);
        numerators = CExactInteger::Gcd(numerators, coefficient.ImproperNumerator());
        if (!coefficient.m_Denominator.IsOne())
        {
            // lcm(D, d) = D·(d / gcd(D, d))
            CExactInteger factor = coefficient.m_Denominator;
            factor.DivideExactly(CExactInteger::Gcd(denominators, factor));
            denominators = denominators * factor;
        }
        bAllNegative = bAllNegative && coefficient.m_nSign < 0;
    }
    CScalar common("1");
    if (numerators.IsZero())
        return common;
    common.SetFraction(numerators, denominators);
    if (bAllNegative)
        common.Negate();
    return common;
}

// every term's coefficient -> that coefficient times n, narrated
void CExpression::MultiplyByNumber(const CScalar& n)
{
    m_strExplanation.clear();
    AppendEntry(m_strExplanation, "Multiply each element of subexpression by the number ",
                FormulaOf(n.ToDisplayText(true), [&] { return n.ToText(true); }), kLineEnd);
    for (auto& pTerm : m_Terms)
        pTerm->MultiplyCoefficient(n);
    AppendEntry(m_strExplanation, "The subexpression has become ", Formula(*this, true), kLineEnd);
}
