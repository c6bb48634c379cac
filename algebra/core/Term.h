// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Atom.h"
#include "core/Scalar.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// One term of an expression: a coefficient times an ordered list of owned factors.
// Factors added with AddElement go into canonical order and merge where they can, so
// two like terms built that way have equal factor lists.
class CEqElm
{
public:
    using FactorList = std::vector<std::unique_ptr<CEqElmAtom>>;

    CEqElm() = default;
    // One term's text, its leading sign included.
    explicit CEqElm(std::string_view strText);
    virtual ~CEqElm() = default;
    CEqElm(const CEqElm&) = delete;
    CEqElm& operator=(const CEqElm&) = delete;

    std::unique_ptr<CEqElm> Clone() const;
    // Factors of this term then of the other, appended as they are; coefficients multiplied.
    std::unique_ptr<CEqElm> MultiplyTerms(const CEqElm& other) const;
    // The same with every factor of the other made a divisor and its coefficient inverted.
    std::unique_ptr<CEqElm> DivideTerms(const CEqElm& other) const;
    const std::string& GetExplanation() const { return m_strExplanation; }

    std::string GetText(bool bBracketSign) const;
    std::string GetDisplayText(bool bBracketSign) const;
    // GetText(false) and GetDisplayText(false) at once: where they differ only by the marks
    // (whole numbers and powers, letters), the display is the text with its marks rewritten.
    void GetTexts(std::string& strText, std::string& strDisplay) const;

    // Inserts a clone in canonical order, folding simple numbers into the coefficient and
    // merging a variable into the same variable.
    void AddElement(const CEqElmAtom& factor);
    void MultiplyBy(const CEqElm& other);
    // A consistent total order over factor lists; 0 exactly for like terms.
    int CompareElements(const CEqElm& other) const;
    // Adds the other's coefficient into this like term and says whether the sum is zero.
    // Unlike terms are left alone (false); callers test CompareElements first.
    bool CombineLike(const CEqElm& other);
    // This coefficient over the other's when the factor lists are like; zero otherwise
    // (also when the other's coefficient is zero, which has no ratio).
    CScalar CoefficientRatio(const CEqElm& other) const;
    // 2 when a factor is a subexpression or a variable divisor, else 0.
    int NeedsFurtherSimplification() const;

    // Walks over the divisor factors, or over all factors, handing out clones.
    std::unique_ptr<CEqElmAtom> FirstDivisor();
    std::unique_ptr<CEqElmAtom> NextDivisor();
    std::unique_ptr<CEqElmAtom> FirstElement();
    std::unique_ptr<CEqElmAtom> NextElement();

    bool HasLikeElement(const CEqElmAtom& factor) const;
    bool IsOne() const;
    bool IsZero() const;
    // The largest whole power (above 0) among the factors with this letter (any factor
    // when the letter is 0), and the letter of the first factor that has it.
    void HighestPower(char cLetter, int& nPower, char& cFoundLetter) const;
    // Keeps only the factors this term shares with the other, each at the smaller power.
    void KeepCommonFactors(const CEqElm& other);
    void NegateCoefficient() { m_Coefficient.Negate(); }
    void MultiplyCoefficient(const CScalar& scalar) { m_Coefficient.Multiply(scalar); }
    // 1 / this term: coefficient inverted, every factor's divisor mark flipped.
    void Invert();

    // Engine: this term is a multiplier part, the argument a divisor part. Moves the
    // divisor part's coefficient into this one and cancels like factors, narrating into
    // this term's own explanation.
    void CancelCommonFactors(CEqElm& divisorPart);
    // The same within this one term: its multipliers against its own divisors (y/x/y -> 1/x).
    void CancelOwnFactors();

    int GetLastElement() const { return static_cast<int>(m_Elements.size()) - 1; }
    bool HasFactors() const { return !m_Elements.empty(); }

    CScalar m_Coefficient;
    FactorList m_Elements;
    std::string m_strExplanation;
    bool m_bQuiet = false;

private:
    std::string TextForm(bool bBracketSign, bool bDisplay) const;
    void FoldIntoCoefficient(const CEqElmAtom& number);
    void InsertByKind(const CEqElmAtom& factor);
    void InsertVariable(const CEqElmAtom& variable);

    int m_nDivisorCursor = -1;
    int m_nElementCursor = -1;
};
