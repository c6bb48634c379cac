#include "core/AlgebraError.h"
#include "driver/Explanation.h"
#include "driver/Expression.h"
#include "engine/Engine.h"
#include "engine/TermWork.h"

#include <cstddef>
#include <iterator>
#include <memory>
#include <utility>

namespace
{

constexpr const char* kMultiplyMethod =
    "When Multiplying subexpressions (bracketed expressions) Take the first term of first "
    "subexpression and multiply it with each term in the second subexpression, adding the "
    "result of each multiplication together. Then take the next term in first subexpression "
    "and multiply by all the terms in the second subexpression, adding these results to the "
    "results already accumulated from the first terms multiplication and so on with each term "
    "in the first subexpression.\r\n";

// a x b -> one term: coefficients multiplied, every factor added in canonical order, so that
// x times x is x^2 at once.
std::unique_ptr<CEqElm> MultiplyMerged(const CEqElm& a, const CEqElm& b)
{
    auto pProduct = std::make_unique<CEqElm>();
    pProduct->m_Coefficient = a.m_Coefficient;
    pProduct->m_Coefficient.Multiply(b.m_Coefficient);
    for (const auto& pFactor : a.m_Elements)
        pProduct->AddElement(*pFactor);
    for (const auto& pFactor : b.m_Elements)
        pProduct->AddElement(*pFactor);
    return pProduct;
}

// (a+b)(c+d) -> ac, ad, bc, bd: every term of the first times every term of the second.
CExpression::TermList MultiplyAllTerms(const CExpression::TermList& first,
                                       const CExpression::TermList& second)
{
    if (first.size() * second.size() > static_cast<std::size_t>(kMaxTermsInOneProduct))
        throw CAlgebraError(kExpressionTooLarge);
    CExpression::TermList products;
    products.reserve(first.size() * second.size());
    for (const auto& pLeft : first)
        for (const auto& pRight : second)
            products.push_back(MultiplyMerged(*pLeft, *pRight));
    return products;
}

// Each product term -> its simplified terms, in place; true when any product changed shape.
bool ResimplifyProducts(CExpression& receiver)
{
    bool bChanged = false;
    CExpression::TermList& terms = receiver.m_Terms;
    for (std::size_t i = 0; i < terms.size();)
    {
        CExpression::TermList output;
        SimplifyTerm(*terms[i], output);
        if (Narrating() && (output.size() != 1 || output.front()->CompareElements(*terms[i]) != 0))
        {
            receiver.m_strExplanation += terms[i]->GetExplanation();
            receiver.m_strExplanation += kLineEnd;
            bChanged = true;
        }
        const std::size_t nProduced = output.size();
        terms.erase(terms.begin() + static_cast<std::ptrdiff_t>(i));
        terms.insert(terms.begin() + static_cast<std::ptrdiff_t>(i),
                     std::make_move_iterator(output.begin()),
                     std::make_move_iterator(output.end()));
        i += nProduced;
    }
    return bChanged;
}

} // namespace

// (a+b) x (c+d) -> ac+ad+bc+bd in place, each product simplified again
void CExpression::Multiply(const CExpression& other)
{
    const bool bNarrating = Narrating();
    m_strExplanation.clear();
    if (bNarrating)
        AppendEntry(m_strExplanation, "We multiply ", GetDisplayText(true), " By ",
                    other.GetDisplayText(true), kLineEnd);
    CExplanationLevel level;
    AppendEntry(m_strExplanation, kMultiplyMethod);
    m_Terms = MultiplyAllTerms(m_Terms, other.m_Terms);
    if (bNarrating)
        AppendEntry(m_strExplanation, "This gives: ", GetDisplayText(true), kLineEnd);
    if (!m_Terms.empty() && ResimplifyProducts(*this) && bNarrating)
        AppendEntry(m_strExplanation, "This now gives: ", GetDisplayText(true), kLineEnd);
}
