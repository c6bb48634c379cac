// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "driver/Explanation.h"

#include <gmpxx.h>

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

class CExpression;
class CEqElm;
class CEqElmAtom;

// A product of letters at whole powers above zero, the letters in ascending order.
using CMonomial = std::vector<std::pair<char, int>>;

// A polynomial in any letters with exact rational coefficients: the solver's own exact
// arithmetic, kept apart from the engine's terms so that reading them changes nothing.
class CPolynomial
{
public:
    CPolynomial() = default;
    static CPolynomial Constant(const mpq_class& value);
    static CPolynomial Letter(char cLetter);

    bool IsZero() const { return m_Terms.empty(); }
    bool IsConstant() const;
    // The constant term (0 when there is none).
    mpq_class ConstantValue() const;
    bool HasLetter(char cLetter) const { return Degree(cLetter) > 0; }
    int Degree(char cLetter) const;
    int TotalDegree() const;
    std::set<char> Letters() const;
    // The coefficient of letter^nPower, a polynomial in the other letters.
    CPolynomial CoefficientOf(char cLetter, int nPower) const;
    // Coefficients in the letter, lowest power first.
    std::vector<CPolynomial> CoefficientsIn(char cLetter) const;
    // The value with the letter given a rational value.
    CPolynomial Substitute(char cLetter, const mpq_class& value) const;

    CPolynomial& operator+=(const CPolynomial& other);
    CPolynomial& operator-=(const CPolynomial& other);
    CPolynomial operator*(const CPolynomial& other) const;
    CPolynomial& operator*=(const mpq_class& factor);
    CPolynomial Power(int nPower) const;
    CPolynomial Negated() const;
    bool operator==(const CPolynomial& other) const { return m_Terms == other.m_Terms; }

    // How a polynomial is written: equation text ("2x^2!-%1,2$y+3"), the engine's display text
    // ("2x^2-(1/2)y+3"), LaTeX, the solution line's display ("2x^2-½y+3") and that with its
    // numbers as the engine writes decimals.
    enum class EForm
    {
        Text,
        Display,
        Latex,
        Line,
        Decimal
    };
    // The highest power of cMain first (0: of the first letter), then the other letters'; "0"
    // for zero.
    std::string Written(EForm eForm, char cMain = 0) const;
    std::string ToText() const { return Written(EForm::Text); }
    std::string ToDisplay() const { return Written(EForm::Display); }
    std::string ToLatex() const { return Written(EForm::Latex); }
    // Written in the form for the narrative's plain line, and typeset from its equation text
    // (the decimal form keeps its decimals, its powers closed as equation text closes them).
    CFormula Formula(EForm eForm, char cMain = 0) const;

    // The largest number of decimal digits in any numerator or denominator.
    std::size_t LargestDigits() const;

    std::map<CMonomial, mpq_class> m_Terms; // no zero coefficients
};

// A quotient of polynomials, as a term or a side of an equation reads.
struct CRationalFunction
{
    CPolynomial m_Top;
    CPolynomial m_Bottom = CPolynomial::Constant(1);
};

// Why a text is not a polynomial the solver can take (a power that is not whole, a letter
// raised to a letter's power, too large): the sentence ends the "cannot solve" reason.
class CNotPolynomial : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Reads the engine's terms into rational functions, through their text forms for numbers.
// Every divisor met, the bracketed ones inside others included, is kept in m_Divisors (as
// the top of its own rational function: the divisor is zero where that is zero).
class CTermReader
{
public:
    CRationalFunction ReadExpression(const CExpression& expression);
    CRationalFunction ReadTerm(const CEqElm& term);
    // Left side minus right side of an equation, or the expression.
    CRationalFunction ReadEquation(const CExpression& root);

    std::vector<CPolynomial> m_Divisors;
    std::vector<CFormula> m_DivisorForms; // as the narrative writes them
    bool m_bDecimal = false;              // a number was written as a decimal

    // Past these the solver says it cannot solve rather than working on.
    static constexpr int kMaxDegree = 100;
    static constexpr std::size_t kMaxDigits = 10000;

private:
    CRationalFunction ReadFactor(const CEqElmAtom& factor);
    int m_nDepth = 0;
};

// An equation-text number ("+2%1,3$", "-7", "2.5", "+") as an exact rational; a decimal is
// the number its digits write. bDecimal is set when it was one.
mpq_class ReadNumberText(const std::string& strText, bool& bDecimal);
// The equation-text number of a rational: "2", "-1%1,2$", "%2,3$".
std::string RationalText(const mpq_class& value);
