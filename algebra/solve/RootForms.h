// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "driver/Explanation.h"
#include "solve/FlintAdapter.h"
#include "solve/Solve.h"

#include <gmpxx.h>

// The exact root of a quadratic factor: (m_A + m_B √m_D) / m_C, with m_C > 0, m_B not 0,
// m_D square-free and not 1 (negative for a complex root), no common factor of A, B and C.
struct CSurd
{
    mpz_class m_A, m_B, m_C, m_D;
};

// Roots as the solution line and the narrative write them. A decimal root (the equation was
// written in decimals) is written as the engine writes decimals.
CRoot RationalRoot(const mpq_class& value, bool bDecimal);
CRoot SurdRoot(const CSurd& surd);
CRoot NumericRoot(const CCertifiedRoot& root);

// The display of a rational as the solution line writes it: "1½", "-⅔", "12", "5¹⁄₁₂".
std::string RationalDisplay(const mpq_class& value);
std::string RationalLatex(const mpq_class& value);
// The value written the way the engine writes a decimal ("0.333333333333333").
std::string DecimalDisplay(double dValue);

// The two surds (A ± B√D)/C of (-b ± √disc)/(2a), simplified: disc = s²·D with D square-free
// as far as trial division finds; false when disc is a perfect square (rational roots).
bool SimplifiedSurds(const mpz_class& a, const mpz_class& b, const mpz_class& disc, CSurd& plus,
                     CSurd& minus, mpz_class& square, mpz_class& rest);

std::string SurdDisplay(const CSurd& surd);

// Values as the solver's narrative formulas hold them (see SolveFormula.h).
CFormula RationalFormula(const mpq_class& value);
CFormula RootFormula(const CRoot& root);
