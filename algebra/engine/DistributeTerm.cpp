// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SubExpression.h"
#include "driver/Explanation.h"
#include "engine/Engine.h"

namespace
{
// Each term of the body simplified again; every term it gives stays in the body, in place.
void SimplifyEachTermAgain(CExpression& body)
{
    CExpression::TermList simplified;
    for (auto& pTerm : body.m_Terms)
    {
        CExpression::TermList output;
        SimplifyTerm(*pTerm, output);
        const std::string& strNarrative = pTerm->GetExplanation();
        if (!strNarrative.empty())
            body.m_strExplanation += strNarrative + "\r\n";
        for (auto& pOut : output)
            simplified.push_back(std::move(pOut));
    }
    body.m_Terms = std::move(simplified);
}

// A bracket shown on its own, after "Becomes " or as what it has been simplified to, starts
// with its bracket: no term starts with a "*".
std::string WithoutLeadingStar(std::string strText)
{
    if (!strText.empty() && strText[0] == '*')
        strText.erase(0, 1);
    return strText;
}

CFormula OwnFormula(const CExpression& body)
{
    return FormulaOf(WithoutLeadingStar(body.GetDisplayText(true)),
                     [&] { return WithoutLeadingStar(body.GetText(true)); });
}

// The shared steps: every term t replaced by combine(t), shown, then simplified again.
template <typename Combine> void RewriteEachTerm(CExpression& body, Combine combine)
{
    for (auto& pTerm : body.m_Terms)
        pTerm = combine(*pTerm);
    const CFormula shown = OwnFormula(body);
    const std::string strText = body.GetText(true);
    AppendEntry(body.m_strExplanation, "Becomes ", shown, "\r\n");
    AppendEntry(body.m_strExplanation, "Make sure each term of this subexpression is simplified",
                "\r\n");
    SimplifyEachTermAgain(body);
    if (body.GetText(true) != strText)
        AppendEntry(body.m_strExplanation, "Thus ", shown, " has been simplified to ",
                    OwnFormula(body), "\r\n");
    body.m_strExplanation += "\r\n";
}
} // namespace

// 3x times (x+2) -> (3x^2+6x): the outside term multiplied into every term of the bracket.
void CExpression::MultiplyEachTerm(const CEqElm& outside)
{
    m_strExplanation.clear();
    if (outside.IsOne())
        return;
    AppendEntry(m_strExplanation,
                "Multiply each element of subexpression by the terms outside the brackets.\r\n");
    AppendEntry(m_strExplanation, "Thus ",
                FormulaOf(outside.GetDisplayText(false) + GetDisplayText(true),
                          [&] { return ProductText(outside.GetText(false), GetText(true)); }),
                "\r\n");
    RewriteEachTerm(*this, [&outside](const CEqElm& term) { return term.MultiplyTerms(outside); });
}

// (4x+2) over 2 -> (2x+1): every term of the bracket divided by the divisor term.
void CExpression::DivideEachTerm(const CEqElm& divisor)
{
    m_strExplanation.clear();
    if (divisor.IsOne())
        return;
    AppendEntry(m_strExplanation, "Divide each element of subexpression by the divisor term.\r\n");
    AppendEntry(m_strExplanation, "That is ",
                FormulaOf(GetDisplayText(true) + "/" + divisor.GetDisplayText(true),
                          [&] { return GetText(true) + "/" + divisor.GetText(true); }),
                "\r\n");
    RewriteEachTerm(*this, [&divisor](const CEqElm& term) { return term.DivideTerms(divisor); });
}
