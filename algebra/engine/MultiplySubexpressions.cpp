#include "core/AlgebraError.h"
#include "core/SubExpression.h"
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
// The products' written texts stay only while every product comes out as it went in.
bool ResimplifyProducts(CExpression& receiver, SWrittenTexts& written)
{
    bool bChanged = false;
    CExpression::TermList& terms = receiver.m_Terms;
    const bool bTextsWritten = written.HasTermTexts(terms.size());
    for (std::size_t i = 0; i < terms.size();)
    {
        CExpression::TermList output;
        const bool bSettled =
            written.HasTermTexts(terms.size())
                ? SimplifyTerm(*terms[i], output, written.m_TermTexts[i], written.m_TermDisplays[i])
                : SimplifyTerm(*terms[i], output);
        if (bTextsWritten && !bSettled)
            written.ForgetTermTexts();
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

// The products' texts, each written once for "This gives:" and for the simplification that
// follows; returns the receiver's GetDisplayText(true) built from them.
std::string WriteProductTexts(const CExpression& receiver, SWrittenTexts& written)
{
    written.m_TermTexts.reserve(receiver.m_Terms.size());
    written.m_TermDisplays.reserve(receiver.m_Terms.size());
    std::string strSum;
    for (const auto& pTerm : receiver.m_Terms)
    {
        written.m_TermTexts.push_back(pTerm->GetText(false));
        written.m_TermDisplays.push_back(pTerm->GetDisplayText(false));
        strSum += written.m_TermDisplays.back();
    }
    // As GetSumDisplayText joins them.
    if (!strSum.empty() && strSum[0] == '+')
        strSum.erase(0, 1);
    if (strSum.empty())
        strSum = "0";
    MakeDisplayForm(strSum);
    const CSubExpression* pBracket = receiver.AsSubExpression();
    return pBracket ? pBracket->TextAround(strSum, true, true, false) : strSum;
}

} // namespace

// (a+b) x (c+d) -> ac+ad+bc+bd in place, each product simplified again
void CExpression::Multiply(const CExpression& other)
{
    SWrittenTexts written;
    MultiplyBrackets(*this, other, written);
}

void MultiplyBrackets(CExpression& receiver, const CExpression& other, SWrittenTexts& written)
{
    const bool bNarrating = Narrating();
    std::string& strLog = receiver.m_strExplanation;
    strLog.clear();
    if (bNarrating)
        AppendEntry(strLog, "We multiply ",
                    written.m_strDisplay.empty() ? receiver.GetDisplayText(true)
                                                 : written.m_strDisplay,
                    " By ", other.GetDisplayText(true), kLineEnd);
    written.ForgetTermTexts();
    written.m_strDisplay.clear();
    CExplanationLevel level;
    AppendEntry(strLog, kMultiplyMethod);
    receiver.m_Terms = MultiplyAllTerms(receiver.m_Terms, other.m_Terms);
    if (bNarrating)
        AppendEntry(strLog, "This gives: ", WriteProductTexts(receiver, written), kLineEnd);
    if (!receiver.m_Terms.empty() && ResimplifyProducts(receiver, written) && bNarrating)
        AppendEntry(strLog, "This now gives: ", receiver.GetDisplayText(true), kLineEnd);
}
