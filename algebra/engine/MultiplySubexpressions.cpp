// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/AlgebraError.h"
#include "core/SubExpression.h"
#include "core/Variable.h"
#include "driver/Explanation.h"
#include "driver/Expression.h"
#include "engine/Engine.h"
#include "engine/TermWork.h"

#include <cstddef>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

namespace
{

constexpr const char* kMultiplyMethod =
    "When Multiplying subexpressions (bracketed expressions) Take the first term of first "
    "subexpression and multiply it with each term in the second subexpression, adding the "
    "result of each multiplication together. Then take the next term in first subexpression "
    "and multiply by all the terms in the second subexpression, adding these results to the "
    "results already accumulated from the first terms multiplication and so on with each term "
    "in the first subexpression.\r\n";

// Two settled terms (letters in order, each once): their factor lists merged by letter, as
// adding the factors one by one would insert them, a letter in both taking the sum of powers.
std::unique_ptr<CEqElm> MultiplySettled(const CEqElm& a, const CEqElm& b)
{
    auto pProduct = std::make_unique<CEqElm>();
    pProduct->m_Coefficient = a.m_Coefficient;
    pProduct->m_Coefficient.Multiply(b.m_Coefficient);
    CEqElm::FactorList& factors = pProduct->m_Elements;
    factors.reserve(a.m_Elements.size() + b.m_Elements.size());
    const auto letter = [](const CEqElm::FactorList& list, std::size_t i)
    { return static_cast<signed char>(list[i]->GetLetter()); };
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.m_Elements.size() || j < b.m_Elements.size())
    {
        if (j == b.m_Elements.size() ||
            (i < a.m_Elements.size() && letter(a.m_Elements, i) < letter(b.m_Elements, j)))
            factors.push_back(a.m_Elements[i++]->Clone());
        else if (i == a.m_Elements.size() || letter(b.m_Elements, j) < letter(a.m_Elements, i))
            factors.push_back(b.m_Elements[j++]->Clone());
        else
        {
            std::unique_ptr<CEqElmAtom> pFactor = a.m_Elements[i++]->Clone();
            static_cast<CEqElmVariable&>(*pFactor).AddPower(*b.m_Elements[j++]);
            if (!pFactor->m_Power.IsZero()) // x^2 times x^-2 is one
                factors.push_back(std::move(pFactor));
        }
    }
    return pProduct;
}

// a x b -> one term: coefficients multiplied, every factor added in canonical order, so that
// x times x is x^2 at once. Two settled terms merge their letters instead.
std::unique_ptr<CEqElm> MultiplyMerged(const CEqElm& a, const CEqElm& b, bool bBothSettled)
{
    if (bBothSettled)
        return MultiplySettled(a, b);
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
    // Each term is looked at once, not once for every term it meets.
    std::vector<bool> secondSettled;
    secondSettled.reserve(second.size());
    for (const auto& pRight : second)
        secondSettled.push_back(IsSettledTerm(*pRight));
    CExpression::TermList products;
    products.reserve(first.size() * second.size());
    for (const auto& pLeft : first)
    {
        const bool bLeftSettled = IsSettledTerm(*pLeft);
        for (std::size_t j = 0; j < second.size(); ++j)
            products.push_back(
                MultiplyMerged(*pLeft, *second[j], bLeftSettled && secondSettled[j]));
    }
    return products;
}

// Each product term -> its simplified terms, in place; true when any product changed shape.
// The products' written texts stay only while every product comes out as it went in.
bool ResimplifyProducts(CExpression& receiver, SWrittenTexts& written)
{
    bool bChanged = false;
    CExpression::TermList& terms = receiver.m_Terms;
    for (std::size_t i = 0; i < terms.size();)
    {
        const bool bTextsWritten = written.HasTermTexts(terms.size());
        if (KeepSettledTerm(*terms[i], bTextsWritten ? &written.m_TermTexts[i] : nullptr))
        {
            ++i;
            continue;
        }
        CExpression::TermList output;
        if (bTextsWritten)
        {
            SimplifyTerm(*terms[i], output, written.m_TermTexts[i], written.m_TermDisplays[i]);
            written.ForgetTermTexts();
        }
        else
            SimplifyTerm(*terms[i], output);
        if (Narrating() && (output.size() != 1 || output.front()->CompareElements(*terms[i]) != 0))
        {
            receiver.m_strExplanation += terms[i]->GetExplanation();
            receiver.m_strExplanation += kLineEnd;
            bChanged = true;
        }
        const std::size_t nProduced = output.size();
        if (nProduced == 1)
            terms[i] = std::move(output.front());
        else
        {
            terms.erase(terms.begin() + static_cast<std::ptrdiff_t>(i));
            terms.insert(terms.begin() + static_cast<std::ptrdiff_t>(i),
                         std::make_move_iterator(output.begin()),
                         std::make_move_iterator(output.end()));
        }
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
    for (const auto& pTerm : receiver.m_Terms)
        pTerm->GetTexts(written.m_TermTexts.emplace_back(), written.m_TermDisplays.emplace_back());
    const std::string strSum = CExpression::SumOfDisplays(written.m_TermDisplays);
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
                    FormulaOf(written.m_strDisplay.empty() ? receiver.GetDisplayText(true)
                                                           : written.m_strDisplay,
                              [&] { return receiver.GetText(true); }),
                    " By ", Formula(other, true), kLineEnd);
    written.ForgetTermTexts();
    written.m_strDisplay.clear();
    CExplanationLevel level;
    AppendEntry(strLog, kMultiplyMethod);
    receiver.m_Terms = MultiplyAllTerms(receiver.m_Terms, other.m_Terms);
    if (bNarrating)
        AppendEntry(
            strLog, "This gives: ",
            FormulaOf(WriteProductTexts(receiver, written), [&] { return receiver.GetText(true); }),
            kLineEnd);
    if (!receiver.m_Terms.empty() && ResimplifyProducts(receiver, written) && bNarrating)
        AppendEntry(strLog, "This now gives: ", Formula(receiver, true), kLineEnd);
}
