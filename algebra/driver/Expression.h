// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Scalar.h"
#include "core/Term.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CSubExpression;

// A sum of owned terms with its own explanation log. The base of the equation and the
// expression side (body) of every bracketed subexpression.
class CExpression
{
public:
    using TermList = std::vector<std::unique_ptr<CEqElm>>;

    // Kinds that GetKind reports.
    static constexpr int kKindExpression = 1;
    static constexpr int kKindEquation = 2;
    static constexpr int kKindSubExpression = 3;

    CExpression() = default;
    // Parsed from equation text without "=" (empty text: no terms).
    explicit CExpression(std::string_view strText);
    virtual ~CExpression() = default;
    CExpression(const CExpression&) = delete;
    CExpression& operator=(const CExpression&) = delete;

    // The family's virtual operations, in slot order.
    // this = this x other, term by term, in place, narrating into m_strExplanation.
    virtual void Multiply(const CExpression& other);
    virtual std::string GetText(bool bWithOperator) const;
    virtual std::string GetDisplayText(bool bWithOperator) const;
    // A new simplified object; writes only this object's log.
    virtual std::unique_ptr<CExpression> Simplify();
    virtual int GetKind() const { return kKindExpression; }
    // A new copy of the terms (for a subexpression body: the whole subexpression).
    virtual std::unique_ptr<CExpression> CloneExpression() const;
    // 0 no terms or a single term without division, 1 several plain terms, 2 divisions.
    virtual int GetDivisionState() const;
    // A new object with its divisions removed (or a copy when that cannot be done).
    virtual std::unique_ptr<CExpression> RemoveDivisions();

    std::unique_ptr<CExpression> Clone() const { return CloneExpression(); }

    // The sum's own texts, whatever the subclass prints around them.
    std::string GetSumText() const;
    std::string GetSumDisplayText() const;
    // The same from the terms' GetText(false) or GetDisplayText(false), already written.
    static std::string SumOfTexts(const std::vector<std::string>& termTexts);
    static std::string SumOfDisplays(const std::vector<std::string>& termDisplays);

    void AppendTerm(std::unique_ptr<CEqElm> pTerm);
    void AppendTerms(const CExpression& other);
    void AppendNegatedTerms(const CExpression& other);
    // Inserts a clone before the first term that sorts after it.
    void InsertTerm(const CEqElm& term);
    // Stable sort by CompareElements (adjacent swaps); true when anything moved.
    static bool SortTerms(TermList& terms);
    // The same, carrying the terms' texts along where they are kept in step with the terms.
    static bool SortTerms(TermList& terms, std::vector<std::string>& texts,
                          std::vector<std::string>& displays);
    // Folds adjacent like terms of a sorted list, narrating into this log; true when
    // anything was combined.
    bool CombineLikeTerms(TermList& terms);
    // The same, keeping the terms' GetText(false) and GetDisplayText(false), already written
    // and in step with the terms, in step: a combined term's text is left empty (unwritten).
    bool CombineLikeTerms(TermList& terms, std::vector<std::string>& texts,
                          std::vector<std::string>& displays);
    // Sets m_cMainVariable and m_nHighestPower from the terms (any letter when 0).
    void FindMainVariable(char cLetter);
    // -2 to 2: how this expression's leading variable and power rank against the other's.
    int CompareLeadingPower(CExpression& other);
    bool IsZero() const;

    int GetLastTerm() const { return static_cast<int>(m_Terms.size()) - 1; }

    // The subexpression behind this body, or nullptr when it is not one.
    CSubExpression* AsSubExpression();
    const CSubExpression* AsSubExpression() const;

    // Engine operations on a body.
    // Long division of this dividend by the divisor in the divisor's main variable;
    // narrates into this log. No quotient when the divisor is refused; no remainder when
    // the division is exact.
    void PolynomialDivide(const CExpression& divisor, std::unique_ptr<CSubExpression>& pQuotient,
                          std::unique_ptr<CSubExpression>& pRemainder);
    // Every term t becomes t times (or divided by) the given term, simplified again.
    void MultiplyEachTerm(const CEqElm& outside);
    void DivideEachTerm(const CEqElm& divisor);
    // The common factor of the coefficients of all the terms.
    CScalar CommonCoefficient() const;
    // Every term's coefficient times n, narrated.
    void MultiplyByNumber(const CScalar& n);

    TermList m_Terms;
    std::string m_strExplanation;
    char m_cMainVariable = 0;
    int m_nHighestPower = 0;

protected:
    void CopyTermsFrom(const CExpression& source);
};
