#include "core/SubExpression.h"
#include "driver/Explanation.h"
#include "driver/Expression.h"
#include "engine/Engine.h"

#include <cstddef>
#include <memory>
#include <utility>

namespace
{

// Euclid's steps fall in degree every time; this only guards against stale leading state.
constexpr int kMaxEuclidSteps = 64;

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

// the coefficients of all the terms -> their common factor (one for no terms)
CScalar CExpression::CommonCoefficient() const
{
    CScalar common("1");
    if (m_Terms.empty())
        return common;
    common = m_Terms.front()->m_Coefficient;
    for (std::size_t i = 1; i < m_Terms.size(); ++i)
        common = common.CommonFactor(m_Terms[i]->m_Coefficient);
    return common;
}

// every term's coefficient -> that coefficient times n, narrated
void CExpression::MultiplyByNumber(const CScalar& n)
{
    m_strExplanation.clear();
    AppendEntry(m_strExplanation, "Multiply each element of subexpression by the number ",
                n.ToDisplayText(true), kLineEnd);
    for (auto& pTerm : m_Terms)
        pTerm->MultiplyCoefficient(n);
    AppendEntry(m_strExplanation, "The subexpression has become ", GetDisplayText(true), kLineEnd);
}
