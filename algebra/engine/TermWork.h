// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working state of one SimplifyTerm call and the phases that act on it. Internal to the
// engine: other rules meet SimplifyTerm only through Engine.h.

#include "core/SubExpression.h"
#include "core/Term.h"
#include "driver/Expression.h"
#include "engine/Engine.h"

#include <cstddef>
#include <memory>
#include <string>

// Writing out and multiplying brackets is bounded by what it produces, so that a huge
// power ends in CAlgebraError(kExpressionTooLarge) instead of exhausting memory.
inline constexpr int kMaxTermsInOneProduct = 2000;
inline constexpr long kMaxProductTermsPerTerm = 20000;
// Nested SimplifyTerm calls deeper than this raise kExpressionTooLarge.
inline constexpr int kMaxSimplifyDepth = 400;
// The terms (and their factors) one outermost SimplifyTerm call may simplify in all, nested
// calls included; past it the call raises kExpressionTooLarge.
inline constexpr long kMaxSimplifyWork = 250000;

// Charges work against the budget of the outermost SimplifyTerm call under way (reset when
// one starts); raises kExpressionTooLarge past kMaxSimplifyWork.
void ChargeEngineWork(long nUnits);
// A number alone, or an exact number times distinct plain letters in alphabetic order: a
// term SimplifyTerm gives back unchanged, narrating nothing.
bool IsSettledTerm(const CEqElm& term);
// For a settled term: what SimplifyTerm does to it (depth, work budget, an emptied log), the
// term kept in place instead of copied; true. Any other term: false, and nothing done.
// pText: the term's GetText(false) when already written.
bool KeepSettledTerm(CEqElm& term, const std::string* pText);

// Drops the inexact divisions CancelSubexpressions keeps for the request under way; called
// when an outermost SimplifyTerm call begins, so one request never reads another's.
void ForgetInexactDivisions();

struct CTermWork
{
    CTermWork(CEqElm& term, CExpression::TermList& output);
    // With the term's texts already written (m_strText, m_strDisplay).
    CTermWork(CEqElm& term, CExpression::TermList& output, std::string strText,
              std::string strDisplay);

    std::string& Explanation() { return m_Term.m_strExplanation; }
    // Appends one line at the current indentation.
    template <typename... Pieces> void Line(const Pieces&... pieces);

    int CountMultiplierEntries() const;
    int CountDivisorEntries() const;
    bool HasBracketsLeft() const { return !m_List.empty() || !m_Opaque.empty(); }

    CEqElm& m_Term;
    CExpression::TermList& m_Output;
    std::size_t m_nOutputStart;
    std::string m_strText;    // the term's internal text, T
    std::string m_strDisplay; // its display text, T' (only while narrating)
    std::string m_strSign;    // "+", "-" or empty
    std::unique_ptr<CEqElm> m_pMultiplier;
    std::unique_ptr<CEqElm> m_pDivisor;
    SubExpressionList m_List;
    // Brackets whose power is not whole: they stay as they stand, beside the others.
    SubExpressionList m_Opaque;
    int m_nMultiplierCount = 0;
    int m_nDivisorCount = 0;
    int m_nPending = 0;
    bool m_bNothingOutside = false;
    long m_nProductTerms = 0;
};

#include "driver/Explanation.h"

template <typename... Pieces> void CTermWork::Line(const Pieces&... pieces)
{
    AppendEntry(Explanation(), pieces...);
}

bool IsMultiplierEntry(const CSubExpression& entry);

// The phases of SimplifyTerm, in the order it runs them.
void GatherOutsideFactors(CTermWork& work);                  // A.5 to A.7
void SimplifyEachBracket(CTermWork& work);                   // B
void WriteOutPowers(CTermWork& work, std::size_t nFirstNew); // B.7
void MultiplyBracketsTogether(CTermWork& work);              // E
void CancelOutsideFactors(CTermWork& work);                  // F
void Recombine(CTermWork& work);                             // G
void WriteSummary(CTermWork& work);                          // H

// The divisor part as it reads after the multiplier part: nothing for a unit part, else its
// own text, a folded divisor number showing as the fraction it multiplies by: (1/3)/y.
std::string DivisorPartDisplay(const CEqElm& divisorPart);
// The divisor part's equation text as DivisorPartDisplay shows it.
std::string DivisorPartText(const CEqElm& divisorPart);
// The multiplier part (its text forms with bSign) and then the divisor part, as one formula.
CFormula OutsideFormula(const CEqElm& multiplierPart, bool bSign, const CEqElm& divisorPart);
