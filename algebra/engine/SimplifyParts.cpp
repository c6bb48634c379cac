// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SubExpression.h"
#include "driver/Explanation.h"
#include "engine/Engine.h"
#include "engine/TermWork.h"

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

// The terms' internal texts joined as they are, each with its sign.
std::string SignedSumText(const CExpression::TermList& terms)
{
    std::string strText;
    for (const auto& pTerm : terms)
        strText += pTerm->GetText(false);
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
        pTerm->GetTexts(texts.m_Texts.emplace_back(), texts.m_Displays.emplace_back());
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

// The pieces joined as they are.
std::string JoinedPieces(const std::vector<std::string>& pieces)
{
    std::string strText;
    for (const auto& strPiece : pieces)
        strText += strPiece;
    return strText;
}

// The terms' texts while every term has come out of its simplification as it went in, in step
// with the terms through sorting and combining; nothing once one has not.
struct SResultTexts
{
    bool m_bKept = false;
    std::vector<std::string> m_Texts;
    std::vector<std::string> m_Displays;
};

// A zero term adds nothing to a sum: x+0 -> x, and a bracket of zeros is empty (zero).
void DropZeroTerms(CExpression::TermList& terms, SResultTexts& texts)
{
    for (std::size_t i = terms.size(); i-- > 0;)
    {
        if (!terms[i]->m_Coefficient.IsZero())
            continue;
        terms.erase(terms.begin() + static_cast<std::ptrdiff_t>(i));
        if (texts.m_bKept)
        {
            texts.m_Texts.erase(texts.m_Texts.begin() + static_cast<std::ptrdiff_t>(i));
            texts.m_Displays.erase(texts.m_Displays.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
}

bool IsWholeNumber(const CScalar& scalar)
{
    return !scalar.IsUnset() && !scalar.m_bDecimal && scalar.m_Numerator.IsZero();
}

// A settled term of a whole number and letters at whole powers reads back from its text as
// the very same term (a fraction or decimal power or number would be rewritten on the way).
bool ReadsBackAsItIs(const CEqElm& term)
{
    if (!IsSettledTerm(term) || !IsWholeNumber(term.m_Coefficient))
        return false;
    return std::all_of(term.m_Elements.begin(), term.m_Elements.end(),
                       [](const auto& pFactor) { return IsWholeNumber(pFactor->m_Power); });
}

std::string KeptOrWrittenText(const SResultTexts& texts, std::size_t i, const CEqElm& term)
{
    if (texts.m_bKept && !texts.m_Texts[i].empty())
        return texts.m_Texts[i];
    return term.GetText(false);
}
} // namespace

// (x+x+3) -> (2x+3): every term simplified, the terms sorted and like terms combined, as a new
// bracket of the same power and divisor mark.
std::unique_ptr<CSubExpression> CSubExpression::SimplifyParts(const std::string& strName)
{
    SWrittenTexts written;
    return SimplifyParts(strName, written);
}

std::unique_ptr<CSubExpression> CSubExpression::SimplifyParts(const std::string& strName,
                                                              SWrittenTexts& written)
{
    m_strExplanation.clear();
    const bool bNarrating = Narrating();
    const std::string strLabel = m_bNoBrackets ? "Expression " : strName;
    STermTexts before;
    if (bNarrating && written.HasTermTexts(m_Terms.size()))
    {
        before.m_Texts = std::move(written.m_TermTexts);
        before.m_Displays = std::move(written.m_TermDisplays);
    }
    else if (bNarrating)
        before = WriteTermTexts(m_Terms);
    written.ForgetTermTexts();
    written.m_strDisplay.clear();
    // GetDisplayText(false) and SumText(m_Terms), from the texts just written.
    const std::string strBefore =
        bNarrating ? TextAround(SumOfDisplays(before.m_Displays), false, true, false)
                   : std::string();
    const std::string strBeforeSum = bNarrating ? JoinedSum(before.m_Texts) : std::string();
    // GetText(true), from the sum just written rather than writing every term again.
    const std::string strBeforeText =
        bNarrating ? TextAround(SumOfTexts(before.m_Texts), true, false, false) : std::string();
    // GetText(false), for the formula that strBefore shows.
    const std::string strBeforeEquation =
        bNarrating && MarkingFormulas()
            ? TextAround(SumOfTexts(before.m_Texts), false, false, false)
            : std::string();
    if (!m_Terms.empty() && bNarrating)
        AppendEntry(m_strExplanation, "Attempting to simplify the ", strLabel,
                    CFormulaView{strBefore, strBeforeEquation}, "\r\n\r\n");
    TermList results;
    SResultTexts kept;
    kept.m_bKept = bNarrating;
    for (std::size_t i = 0; i < m_Terms.size(); ++i)
    {
        CEqElm& term = *m_Terms[i];
        if (written.m_bReplacing &&
            KeepSettledTerm(term, bNarrating ? &before.m_Texts[i] : nullptr))
        {
            // As it went in: the term itself, with the texts it had.
            results.push_back(std::move(m_Terms[i]));
            if (kept.m_bKept)
            {
                kept.m_Texts.push_back(std::move(before.m_Texts[i]));
                kept.m_Displays.push_back(std::move(before.m_Displays[i]));
            }
            continue;
        }
        if (bNarrating)
        {
            if (SimplifyTerm(term, results, before.m_Texts[i], before.m_Displays[i]) &&
                kept.m_bKept)
            {
                // Settled: the one term it gave has the texts it had.
                kept.m_Texts.push_back(std::move(before.m_Texts[i]));
                kept.m_Displays.push_back(std::move(before.m_Displays[i]));
            }
            else
                kept = SResultTexts();
        }
        else
            SimplifyTerm(term, results);
        m_strExplanation += term.GetExplanation();
    }
    std::erase(m_Terms, nullptr);
    // Kept texts are the texts before, so the sum has not changed.
    if (bNarrating && !kept.m_bKept && SumText(results) != strBeforeSum)
        AppendEntry(
            m_strExplanation, "The parts making up the ", strLabel, " have now been simplified to:",
            FormulaOf(SumDisplayText(results), [&] { return SignedSumText(results); }), "\r\n\r\n");
    if (SortTerms(results, kept.m_Texts, kept.m_Displays) && bNarrating)
    {
        AppendEntry(m_strExplanation,
                    "Brimlet now reorders this expression, this makes the following stage and "
                    "solution of the equation easier, it is not essential to reorder\r\n");
        AppendEntry(m_strExplanation, "The order is in alphabetic order of the variables and when "
                                      "powers are involved in decreasing sequence of power\r\n");
        AppendEntry(
            m_strExplanation, "The reordered ", strLabel, "is:",
            FormulaOf(
                kept.m_bKept ? JoinedPieces(kept.m_Displays) : SumDisplayText(results),
                [&] { return kept.m_bKept ? JoinedPieces(kept.m_Texts) : SignedSumText(results); }),
            "\r\n");
    }
    CombineLikeTerms(results, kept.m_Texts, kept.m_Displays);
    DropZeroTerms(results, kept);
    // Terms that read back from their texts as they are go into the new bracket as they
    // stand; any other is written and read again, as the bracket's text says.
    const bool bTakenAsTheyAre =
        kept.m_bKept && std::all_of(results.begin(), results.end(),
                                    [](const auto& pTerm) { return ReadsBackAsItIs(*pTerm); });
    std::unique_ptr<CSubExpression> pResult;
    if (bTakenAsTheyAre)
    {
        pResult = std::make_unique<CSubExpression>();
        pResult->m_Terms = std::move(results);
    }
    else
    {
        std::string strBody;
        for (std::size_t i = 0; i < results.size(); ++i)
            strBody += KeptOrWrittenText(kept, i, *results[i]);
        pResult = std::make_unique<CSubExpression>(strBody);
    }
    results.clear();
    pResult->m_Power = m_Power;
    pResult->m_nOperation = m_nOperation;
    pResult->m_bNoBrackets = m_bNoBrackets;
    if (!bNarrating)
        return pResult;
    AppendEntry(m_strExplanation, "The original ", strLabel, " ",
                CFormulaView{strBefore, strBeforeEquation}, "\r\n");
    // GetText(true) and GetDisplayText(true), from the kept texts of the very terms it holds
    // where it can: they are all written while narrating.
    const std::string strResultText =
        bTakenAsTheyAre ? pResult->TextAround(SumOfTexts(kept.m_Texts), true, false, false)
                        : pResult->GetText(true);
    if (strResultText == strBeforeText)
        AppendEntry(m_strExplanation, "Could NOT be simplified.\r\n\r\n");
    else
    {
        written.m_strDisplay =
            bTakenAsTheyAre ? pResult->TextAround(SumOfDisplays(kept.m_Displays), true, true, false)
                            : pResult->GetDisplayText(true);
        AppendEntry(m_strExplanation,
                    "Has been simplified to: ", CFormulaView{written.m_strDisplay, strResultText},
                    "\r\n\r\n");
    }
    return pResult;
}
