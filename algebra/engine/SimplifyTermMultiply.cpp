// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/TermWork.h"

#include "core/AlgebraError.h"

namespace
{
// Products are bounded by the terms they make, so a huge power fails early and cleanly.
void CheckProductSize(CTermWork& work, const CSubExpression& first, const CSubExpression& second)
{
    const long nProducts = static_cast<long>(first.m_Terms.size() * second.m_Terms.size());
    work.m_nProductTerms += nProducts;
    if (nProducts > kMaxTermsInOneProduct || work.m_nProductTerms > kMaxProductTermsPerTerm)
        throw CAlgebraError(kExpressionTooLarge);
}

std::size_t FirstMultiplierEntry(const SubExpressionList& list)
{
    std::size_t i = 0;
    while (i < list.size() && !IsMultiplierEntry(*list[i]))
        ++i;
    return i;
}
} // namespace

// E: (x+1)(x-1) -> (x^2-1): the first multiplier bracket times every later one, in order.
void MultiplyBracketsTogether(CTermWork& work)
{
    SubExpressionList& list = work.m_List;
    const std::size_t w = FirstMultiplierEntry(list);
    // Each product's texts are written once, for the narrative lines of the product, of its
    // simplification and of the next product.
    SWrittenTexts written;
    written.m_bReplacing = true;
    for (std::size_t k = w + 1; k < list.size();)
    {
        if (!IsMultiplierEntry(*list[k]))
        {
            ++k;
            continue;
        }
        CheckProductSize(work, *list[w], *list[k]);
        MultiplyBrackets(*list[w], *list[k], written);
        work.Explanation() += list[w]->m_strExplanation;
        std::unique_ptr<CSubExpression> pProduct = list[w]->SimplifyParts("Subexpression", written);
        work.Explanation() += list[w]->m_strExplanation;
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(k));
        list[w] = std::move(pProduct);
    }
}
