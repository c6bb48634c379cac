// SPDX-License-Identifier: GPL-3.0-or-later
// Products of several brackets, as a power written out or a row of brackets gives them: each
// product's texts are written once and handed on to its simplification and to the next
// product. What is handed on must be exactly what the bracket would write for itself.
#include "core/SubExpression.h"
#include "driver/Explanation.h"
#include "engine/Engine.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace
{
// Brackets whose terms are settled (a whole number times letters), and brackets whose terms
// are not: fractions, decimals, powers that are not whole, divisors, starred factors, brackets.
const char* const kBrackets[] = {
    "x+1",      "x-1",    "2x+3",        "x^2!-x+1",
    "a+b+c",    "y-x",    "-x-1",        "x^-1!+1",
    "%1,2$x+1", "1.5x+2", "x^%1,2$!+1",  "2x+y/x",
    "x*y+1",    "3",      "x^2!y-xy^2!", "123456789012345678901x+1",
};

struct CChainStep
{
    std::string m_strMultiplyLog;
    std::string m_strSimplifyLog;
    std::string m_strResult;
};

// first x second x second: the bracket multiplied, simplified, and multiplied again, with or
// without the texts handed on.
std::vector<CChainStep> RunChain(const char* pszFirst, const char* pszSecond, bool bHandOn)
{
    const CSubExpression second(pszSecond);
    auto pBracket = std::make_unique<CSubExpression>(pszFirst);
    SWrittenTexts written;
    // As a chain does it: each bracket is replaced by its simplified copy.
    written.m_bReplacing = true;
    std::vector<CChainStep> steps;
    for (int nStep = 0; nStep < 2; ++nStep)
    {
        CChainStep step;
        if (bHandOn)
            MultiplyBrackets(*pBracket, second, written);
        else
            pBracket->Multiply(second);
        step.m_strMultiplyLog = pBracket->m_strExplanation;
        std::unique_ptr<CSubExpression> pProduct =
            bHandOn ? pBracket->SimplifyParts("Subexpression", written)
                    : pBracket->SimplifyParts("Subexpression");
        step.m_strSimplifyLog = pBracket->m_strExplanation;
        step.m_strResult = pProduct->GetText(true);
        steps.push_back(step);
        pBracket = std::move(pProduct);
    }
    return steps;
}

TEST(ProductChain, HandedOnTextsAreTheBracketsOwn)
{
    for (const char* pszFirst : kBrackets)
        for (const char* pszSecond : kBrackets)
        {
            const std::vector<CChainStep> plain = RunChain(pszFirst, pszSecond, false);
            const std::vector<CChainStep> handedOn = RunChain(pszFirst, pszSecond, true);
            ASSERT_EQ(plain.size(), handedOn.size());
            for (std::size_t i = 0; i < plain.size(); ++i)
            {
                const std::string strWhere = std::string(pszFirst) + " x " + pszSecond +
                                             ", product " + std::to_string(i + 1);
                EXPECT_EQ(handedOn[i].m_strMultiplyLog, plain[i].m_strMultiplyLog) << strWhere;
                EXPECT_EQ(handedOn[i].m_strSimplifyLog, plain[i].m_strSimplifyLog) << strWhere;
                EXPECT_EQ(handedOn[i].m_strResult, plain[i].m_strResult) << strWhere;
            }
            EXPECT_TRUE(g_strIndent.empty());
        }
}

// Kept texts go through combining in step with their terms: runs of like terms, pairs that
// cancel, and a like term after a cancelled pair (which starts afresh).
TEST(ProductChain, CombiningKeepsTextsInStep)
{
    const char* const kSums[] = {
        "x+x+x+y", "x-x+x", "2x+x-3x+y", "x-x-x-x", "y+x+x-2x", "3+4-7", "x^2!+x^2!-2x^2!+x+x-x",
        "a+b"};
    for (const char* pszSum : kSums)
    {
        CExpression plain(pszSum);
        CExpression kept(pszSum);
        std::vector<std::string> texts;
        std::vector<std::string> displays;
        for (const auto& pTerm : kept.m_Terms)
        {
            texts.push_back(pTerm->GetText(false));
            displays.push_back(pTerm->GetDisplayText(false));
        }
        const bool bPlain = plain.CombineLikeTerms(plain.m_Terms);
        const bool bKept = kept.CombineLikeTerms(kept.m_Terms, texts, displays);
        EXPECT_EQ(bKept, bPlain) << pszSum;
        EXPECT_EQ(kept.m_strExplanation, plain.m_strExplanation) << pszSum;
        EXPECT_EQ(kept.GetSumText(), plain.GetSumText()) << pszSum;
        ASSERT_EQ(texts.size(), kept.m_Terms.size()) << pszSum;
        ASSERT_EQ(displays.size(), kept.m_Terms.size()) << pszSum;
        for (std::size_t i = 0; i < texts.size(); ++i)
        {
            EXPECT_EQ(texts[i], kept.m_Terms[i]->GetText(false)) << pszSum << " term " << i;
            EXPECT_EQ(displays[i], kept.m_Terms[i]->GetDisplayText(false))
                << pszSum << " term " << i;
        }
    }
}

TEST(ProductChain, ACancelledPairLeavesTheTermBeforeIt)
{
    CExpression sum("x+x-2x+x");
    sum.CombineLikeTerms(sum.m_Terms);
    // x+x gives 2x, 2x-2x cancels, and the last x stands alone.
    EXPECT_EQ(sum.GetSumText(), "x");
}

struct CTermRow
{
    const char* m_pszTerm;
    const char* m_pszResult;
    bool m_bSettled; // comes out as it went in, without the phases
};

// Only a term the phases would give back unchanged skips them; a term they would reorder,
// merge or drop a factor of goes through them.
TEST(ProductChain, OnlyTermsAlreadySimpleSkipThePhases)
{
    const CTermRow kRows[] = {
        {"+3x^2!y", "+3x^2!y", true}, {"-7", "-7", true},        {"+1.5", "+1.5", true},
        {"+x^-1!y", "+x^-1!y", true}, {"-x", "-x", true},        {"+%1,2$x", "+%1,2$x", true},
        {"+1.5x", "+1.5x", false},    {"+x/yz", "+xz/y", false}, {"+yx", "+xy", false},
        {"+xx", "+x^2!", false},      {"+x^0!y", "+y", false},   {"+2*x", "+2*x", false},
        {"+0x", "+0", false}};
    for (const CTermRow& row : kRows)
    {
        CEqElm term(row.m_pszTerm);
        CExpression::TermList output;
        EXPECT_EQ(SimplifyTerm(term, output), row.m_bSettled) << row.m_pszTerm;
        ASSERT_EQ(output.size(), 1U) << row.m_pszTerm;
        EXPECT_EQ(output.front()->GetText(false), row.m_pszResult) << row.m_pszTerm;
        if (row.m_bSettled)
        {
            EXPECT_TRUE(term.GetExplanation().empty()) << row.m_pszTerm;
        }
    }
    EXPECT_TRUE(g_strIndent.empty());
}

} // namespace
