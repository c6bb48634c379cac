// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

// The term structure of an equation text, as the stacked drawing of a division reads it: sides
// of terms, each term a sign, a numeric coefficient and the factors it is multiplied and
// divided by. Every piece keeps the range of the text it came from, so the drawing can say
// which character each glyph stands for.

struct CTermSide;

// One factor: a number (with its fraction), a fraction alone, a letter or a bracket, with its
// power. [m_nStart, m_nEnd) holds all of it, the power included.
struct CTermFactor
{
    int m_nStart = 0;
    int m_nEnd = 0;
    int m_nPowerStart = -1;              // the "^" of its power, or -1
    std::unique_ptr<CTermSide> m_pInner; // a bracket's contents, between its two brackets

    bool IsBracket() const { return m_pInner != nullptr; }
    bool HasPower() const { return m_nPowerStart >= 0; }
    // Where the factor ends without its power.
    int BaseEnd() const { return HasPower() ? m_nPowerStart : m_nEnd; }
};

struct CTerm
{
    int m_nSign = -1; // the index of the "+" or "-" before it, or -1
    int m_nStart = 0; // the first character after the sign
    int m_nEnd = 0;
    // A number, mixed number or fraction written first, without a power.
    std::optional<CTermFactor> m_Coefficient;
    std::vector<CTermFactor> m_Multipliers;
    std::vector<CTermFactor> m_Divisors; // each written after a "/"
};

struct CTermSide
{
    int m_nStart = 0;
    int m_nEnd = 0;
    std::vector<CTerm> m_Terms;

    // Whether a term here or in a bracket inside divides by something.
    bool HasDivision() const;
};

struct CTermEquation
{
    std::vector<CTermSide> m_Sides; // one, or two around the "="
    int m_nEquals = -1;
};

// Reads a whole text of the editor's format; nothing when it does not keep to the formal shape
// (an error, an open structure, a character of no class), so the caller can draw it as it
// stands.
std::optional<CTermEquation> ReadTerms(std::string_view text);
