// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solve/Polynomial.h"
#include "solve/PolynomialRoots.h"

#include <optional>
#include <string>
#include <vector>

class CSolveNarrative;

// The equation as typed, before any cancelling: both sides and every divisor.
struct CTypedSides
{
    CRationalFunction m_Left;
    CRationalFunction m_Right;
    std::vector<CPolynomial> m_Divisors;
    std::vector<CFormula> m_DivisorForms;
};

// Puts each root found into the equation as typed: exactly for a rational root, exactly in
// its surd for a quadratic one, numerically to the digits shown for the others. A root that
// makes a divisor zero is rejected, saying which.
class CRootCheck
{
public:
    CRootCheck(const CTypedSides& sides, char cLetter, bool bDecimal, CSolveNarrative& narrative)
        : m_Sides(sides), m_cLetter(cLetter), m_bDecimal(bDecimal), m_Narrative(narrative)
    {
    }

    bool Accepts(const CFoundRoot& root);

private:
    // letter = root (or, numeric, letter ≈ root) as the narrative writes it.
    CFormula Tried(const CFoundRoot& root, const char* szRelation) const;
    bool AcceptsRational(const CFoundRoot& root);
    bool AcceptsSurd(const CFoundRoot& root);
    bool AcceptsNumeric(const CFoundRoot& root);

    // Both sides at the last surd root, a + b√d each. Every polynomial here has rational
    // coefficients, so at the conjugate root the sides are the conjugates: the second root of a
    // quadratic factor is checked without working the sides out again.
    struct CSurdSides
    {
        CSurd m_Root;
        std::optional<std::size_t> m_ZeroDivisor;
        mpq_class m_LeftA, m_LeftB, m_RightA, m_RightB;
    };
    bool ConjugateOfLast(const CSurd& surd) const;
    void WorkOutSides(const CSurd& surd);

    const CTypedSides& m_Sides;
    char m_cLetter;
    bool m_bDecimal;
    CSolveNarrative& m_Narrative;
    std::optional<CSurdSides> m_LastSurd;
};
