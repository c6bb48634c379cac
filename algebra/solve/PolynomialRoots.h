// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "driver/Explanation.h"
#include "solve/Polynomial.h"
#include "solve/RootForms.h"
#include "solve/Solve.h"

#include <gmpxx.h>

#include <chrono>
#include <string>
#include <vector>

class CSolveNarrative;

// A root as found, with the exact form it was found in, for the check by substitution.
struct CFoundRoot
{
    static constexpr int kRational = 0;
    static constexpr int kSurd = 1;
    static constexpr int kNumeric = 2;

    CRoot m_Root;
    int m_nKind = kNumeric;
    mpq_class m_Rational;
    CSurd m_Surd;
};

// Every root of a whole-number polynomial in one letter, by factoring over the rationals: the
// common factor of the letter, the common number, the rational roots (the rational root test,
// each divided out), then each remaining factor by the quadratic formula or numerically.
// Narrates when given a narrative.
class CPolynomialRoots
{
public:
    CPolynomialRoots(char cLetter, bool bDecimal, CSolveNarrative* pNarrative)
        : m_cLetter(cLetter), m_bDecimal(bDecimal), m_pNarrative(pNarrative)
    {
    }

    std::vector<CFoundRoot> Solve(std::vector<mpz_class> poly);
    void SetDeadline(std::chrono::steady_clock::time_point deadline) { m_Deadline = deadline; }
    bool TimedOut() const { return m_bTimedOut; }

    // Digits shown for a numeric root.
    static constexpr int kDigits = 10;

private:
    void TakeOutLetter(std::vector<mpz_class>& poly, std::vector<CFoundRoot>& roots);
    void TakeOutNumber(std::vector<mpz_class>& poly);
    void RationalRoots(const std::vector<mpz_class>& poly, const CIntegerFactorization& factors);
    void FactorRoots(const CIntegerFactor& factor, std::vector<CFoundRoot>& roots);
    void QuadraticRoots(const CIntegerFactor& factor, std::vector<CFoundRoot>& roots);
    void NarrateFormula(const CIntegerFactor& factor, const mpz_class& disc, const CSurd& plus,
                        const mpz_class& square, const mpz_class& rest);
    void NumericRoots(const CIntegerFactor& factor, std::vector<CFoundRoot>& roots);
    bool PastDeadline();

    CFormula Display(const std::vector<mpz_class>& poly) const;
    CFormula FactorDisplay(const std::vector<mpz_class>& poly, int nMultiplicity) const;

    char m_cLetter;
    bool m_bDecimal;
    CSolveNarrative* m_pNarrative;
    CFormula m_Factored;   // the product written so far, for the narrative
    CFormula m_LetterPart; // "x^2" when the letter was a common factor
    int m_nLetterPower = 0;
    std::chrono::steady_clock::time_point m_Deadline = std::chrono::steady_clock::time_point::max();
    bool m_bTimedOut = false;
};

// The letter as an expression in the other letters: linear (with the condition that its
// coefficient is not 0) and quadratic (the formula with the discriminant as an expression).
class CParametricRoots
{
public:
    CParametricRoots(char cLetter, CSolveNarrative& narrative)
        : m_cLetter(cLetter), m_Narrative(narrative)
    {
    }

    std::vector<CRoot> Linear(const CPolynomial& poly);
    std::vector<CRoot> Quadratic(const CPolynomial& poly);
    // What must not be 0 for the answer to hold; "" when nothing.
    const std::string& Condition() const { return m_strCondition; }
    const std::string& ConditionLatex() const { return m_strConditionLatex; }
    const CFormula& ConditionForm() const { return m_ConditionForm; }

private:
    char m_cLetter;
    CSolveNarrative& m_Narrative;
    std::string m_strCondition;
    std::string m_strConditionLatex;
    CFormula m_ConditionForm;
};

// A whole-number polynomial (lowest degree first) in a letter as a polynomial.
CPolynomial PolynomialOf(const std::vector<mpz_class>& coefficients, char cLetter);
// What PolynomialOf(coefficients, cLetter).ToDisplay() writes, without building the polynomial:
// the narrative writes each factor several times.
// Typeset, powers end in "!" as in equation text.
std::string CoefficientsDisplay(const std::vector<mpz_class>& coefficients, char cLetter,
                                bool bTypeset = false);
