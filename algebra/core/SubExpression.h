// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Atom.h"
#include "driver/Expression.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A bracketed expression used as one factor of a term: an expression (its body, the
// first base) and a factor (the second base) at once.
// Texts already written for a bracket in a chain of products (a power written out), so that
// each is written once: the terms' GetText(false) and GetDisplayText(false), in term order,
// and the whole bracket's GetDisplayText(true). An empty member means not written.
struct SWrittenTexts
{
    std::vector<std::string> m_TermTexts;
    std::vector<std::string> m_TermDisplays;
    std::string m_strDisplay;
    // The bracket is about to be replaced by its simplified copy (a product in a chain): the
    // terms that are already as simple as they get move into the copy instead of being
    // copied, and the bracket keeps only its other terms.
    bool m_bReplacing = false;

    bool HasTermTexts(std::size_t nTerms) const
    {
        return m_TermTexts.size() == nTerms && m_TermDisplays.size() == nTerms && nTerms > 0;
    }
    void ForgetTermTexts()
    {
        m_TermTexts.clear();
        m_TermDisplays.clear();
    }
};

class CSubExpression : public CExpression, public CEqElmAtom
{
public:
    CSubExpression();
    // The body parsed from the text between the brackets.
    explicit CSubExpression(std::string_view strText);

    // Both bases print the same text: brackets (unless m_bNoBrackets), operator, power.
    std::string GetText(bool bWithOperator) const override;
    std::string GetDisplayText(bool bWithOperator) const override;
    // The same with the brackets always written, as when it stands beside other factors.
    std::string GetBracketedText(bool bWithOperator) const;
    std::string GetBracketedDisplayText(bool bWithOperator) const;

    // Factor side.
    bool IsSubExpression() const override { return true; }
    int GetKindCode() const override { return IsDivisor() ? 140 : 40; }
    int CompareBase(const CEqElmAtom& other) const override;
    int CompareFull(const CEqElmAtom& other) const override;
    std::unique_ptr<CEqElmAtom> CloneAtom() const override;

    // Expression side.
    int GetKind() const override { return kKindSubExpression; }
    std::unique_ptr<CExpression> CloneExpression() const override;

    std::unique_ptr<CSubExpression> Clone() const;
    void AppendTermClones(CExpression::TermList& terms) const;
    // A whole power above one is to be written out as repeated factors.
    bool HasRepeatPower();
    // The next copy of the bracket at power one (keeping the divisor mark), or nullptr.
    std::unique_ptr<CSubExpression> TakeOneRepeat();
    // The body's only term raised to the bracket's power, inverted for a divisor; nullptr
    // when the body does not hold exactly one term or the power is not whole.
    std::unique_ptr<CEqElm> GetSingleTerm() const;
    // k with this body = k x the other body term by term; zero when there is none.
    CScalar RatioTo(const CSubExpression& other) const;
    // The factors common to every term (coefficient: the first term's); nullptr if none.
    std::unique_ptr<CEqElm> CommonFactorOfTerms() const;
    // Orders two bodies: shape, then coefficients; 0 only for the same terms.
    int CompareBodies(const CSubExpression& other) const;

    // Engine operations.
    // A new, simplified copy; only this subexpression's explanation is rewritten.
    std::unique_ptr<CSubExpression> SimplifyParts(const std::string& strName);
    // The same, taking the terms' texts from a caller that has written them and leaving the
    // copy's GetDisplayText(true) there (see SWrittenTexts).
    std::unique_ptr<CSubExpression> SimplifyParts(const std::string& strName,
                                                  SWrittenTexts& written);
    // Clears the divisions inside by a common divisor; appends the replacing factors.
    void BuildCommonDivisor(std::vector<std::unique_ptr<CEqElmAtom>>& out);

    double m_dRepeatsLeft = 0.0;
    bool m_bNoBrackets = false;

    // The text form around a body already written (GetSumText or GetSumDisplayText).
    std::string TextAround(const std::string& strBody, bool bWithOperator, bool bDisplay,
                           bool bForceBrackets) const;

private:
    std::string TextForm(bool bWithOperator, bool bDisplay, bool bForceBrackets) const;
};

// Takes ownership of a factor that is a subexpression; nullptr (and the factor
// destroyed) when it is not one.
std::unique_ptr<CSubExpression> ToSubExpression(std::unique_ptr<CEqElmAtom> pFactor);
