#include "core/SubExpression.h"
#include "driver/Explanation.h"
#include "engine/Engine.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace
{
// The terms' internal texts joined as a sum, without a leading "+".
std::string SumText(const CExpression::TermList& terms)
{
    std::string strText;
    for (const auto& pTerm : terms)
        strText += pTerm->GetText(false);
    if (!strText.empty() && strText[0] == '+')
        strText.erase(0, 1);
    return strText;
}

std::string SumDisplayText(const CExpression::TermList& terms)
{
    std::string strText;
    for (const auto& pTerm : terms)
        strText += pTerm->GetDisplayText(false);
    return strText;
}

// Each term's internal and display texts, written once for both the opening lines and the
// terms' own simplification.
struct STermTexts
{
    std::vector<std::string> m_Texts;
    std::vector<std::string> m_Displays;
};

STermTexts WriteTermTexts(const CExpression::TermList& terms)
{
    STermTexts texts;
    texts.m_Texts.reserve(terms.size());
    texts.m_Displays.reserve(terms.size());
    for (const auto& pTerm : terms)
    {
        texts.m_Texts.push_back(pTerm->GetText(false));
        texts.m_Displays.push_back(pTerm->GetDisplayText(false));
    }
    return texts;
}

// The pieces joined as a sum, without a leading "+".
std::string JoinedSum(const std::vector<std::string>& pieces)
{
    std::string strText;
    for (const auto& strPiece : pieces)
        strText += strPiece;
    if (!strText.empty() && strText[0] == '+')
        strText.erase(0, 1);
    return strText;
}

// A zero term adds nothing to a sum: x+0 -> x, and a bracket of zeros is empty (zero).
void DropZeroTerms(CExpression::TermList& terms)
{
    std::erase_if(terms, [](const auto& pTerm) { return pTerm->m_Coefficient.IsZero(); });
}
} // namespace

// (x+x+3) -> (2x+3): every term simplified, the terms sorted and like terms combined, as a new
// bracket of the same power and divisor mark.
std::unique_ptr<CSubExpression> CSubExpression::SimplifyParts(const std::string& strName)
{
    m_strExplanation.clear();
    const bool bNarrating = Narrating();
    const std::string strLabel = m_bNoBrackets ? "Expression " : strName;
    STermTexts before = bNarrating ? WriteTermTexts(m_Terms) : STermTexts();
    // GetDisplayText(false) and SumText(m_Terms), from the texts just written.
    std::string strBefore;
    if (bNarrating)
    {
        std::string strDisplaySum = JoinedSum(before.m_Displays);
        if (strDisplaySum.empty())
            strDisplaySum = "0";
        MakeDisplayForm(strDisplaySum);
        strBefore = TextAround(strDisplaySum, false, true, false);
    }
    const std::string strBeforeSum = bNarrating ? JoinedSum(before.m_Texts) : std::string();
    // GetText(true), from the sum just written rather than writing every term again.
    const std::string strBeforeText =
        bNarrating ? TextAround(strBeforeSum.empty() ? "0" : strBeforeSum, true, false, false)
                   : std::string();
    if (!m_Terms.empty() && bNarrating)
        AppendEntry(m_strExplanation, "Attempting to simplify the ", strLabel, strBefore,
                    "\r\n\r\n");
    TermList results;
    for (std::size_t i = 0; i < m_Terms.size(); ++i)
    {
        CEqElm& term = *m_Terms[i];
        if (bNarrating)
            SimplifyTerm(term, results, std::move(before.m_Texts[i]),
                         std::move(before.m_Displays[i]));
        else
            SimplifyTerm(term, results);
        m_strExplanation += term.GetExplanation();
    }
    if (bNarrating && SumText(results) != strBeforeSum)
        AppendEntry(m_strExplanation, "The parts making up the ", strLabel,
                    " have now been simplified to:", SumDisplayText(results), "\r\n\r\n");
    if (SortTerms(results) && bNarrating)
    {
        AppendEntry(m_strExplanation,
                    "Brimlet now reorders this expression, this makes the following stage and "
                    "solution of the equation easier, it is not essential to reorder\r\n");
        AppendEntry(m_strExplanation, "The order is in alphabetic order of the variables and when "
                                      "powers are involved in decreasing sequence of power\r\n");
        AppendEntry(m_strExplanation, "The reordered ", strLabel, "is:", SumDisplayText(results),
                    "\r\n");
    }
    CombineLikeTerms(results);
    DropZeroTerms(results);
    std::string strBody;
    for (auto& pTerm : results)
        strBody += pTerm->GetText(false);
    results.clear();
    auto pResult = std::make_unique<CSubExpression>(strBody);
    pResult->m_Power = m_Power;
    pResult->m_nOperation = m_nOperation;
    pResult->m_bNoBrackets = m_bNoBrackets;
    if (!bNarrating)
        return pResult;
    AppendEntry(m_strExplanation, "The original ", strLabel, " ", strBefore, "\r\n");
    if (pResult->GetText(true) == strBeforeText)
        AppendEntry(m_strExplanation, "Could NOT be simplified.\r\n\r\n");
    else
        AppendEntry(m_strExplanation, "Has been simplified to: ", pResult->GetDisplayText(true),
                    "\r\n\r\n");
    return pResult;
}
