// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gmpxx.h>

#include <cstddef>
#include <string>
#include <vector>

// The exact polynomial work that FLINT does for the solver, in our own types: polynomials with
// whole-number coefficients, lowest degree first. Only FlintAdapter.cpp sees FLINT itself.

struct CIntegerFactor
{
    std::vector<mpz_class> m_Coefficients;
    int m_nMultiplicity = 1;
};

// content x the product of the factors, each raised to its multiplicity. The factors are
// primitive with a positive leading coefficient; the content carries the sign.
struct CIntegerFactorization
{
    mpz_class m_Content;
    std::vector<CIntegerFactor> m_Factors;
};

// Irreducible factors over the integers (and so, up to the content, over the rationals).
CIntegerFactorization FactorOverIntegers(const std::vector<mpz_class>& poly);
// Square-free factors: each factor's roots are simple and have that factor's multiplicity.
CIntegerFactorization SquarefreeFactors(const std::vector<mpz_class>& poly);

// A root of a square-free polynomial, certified by ball arithmetic: its digits are correct
// to the last one shown (rounded), and the double values hold at least 15 significant digits.
struct CCertifiedRoot
{
    double m_dRe = 0;
    double m_dIm = 0;
    std::string m_strRe; // nDigits significant digits
    std::string m_strIm; // "" for a real root
};

// Every root of a square-free polynomial of degree 1 or more: the real ones first, ascending,
// then the complex ones in conjugate pairs (positive imaginary part first).
std::vector<CCertifiedRoot> CertifiedRoots(const std::vector<mpz_class>& poly, int nDigits);

// A polynomial in several letters: one term's coefficient and the exponent of each letter.
struct CIntegerMonomial
{
    mpz_class m_Coefficient;
    std::vector<unsigned long> m_Exponents;
};

struct CMultiFactor
{
    std::vector<CIntegerMonomial> m_Terms;
    int m_nMultiplicity = 1;
};

// Irreducible factors over the integers of a polynomial in nLetters letters; false when FLINT
// could not factor it. The constant takes what is left over.
bool FactorSeveralLetters(const std::vector<CIntegerMonomial>& poly, std::size_t nLetters,
                          mpz_class& constant, std::vector<CMultiFactor>& factors);
