// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

// Equation text read into its structure, for the formats that typeset it: numbers, typed
// fractions (with the whole part of a mixed number), letters, operators and brackets, each
// perhaps raised to a power. Formulas the solver writes into its narrative add signs that no
// typed text holds: √{...} a square root, {top}/{bottom} a division as it is to be stacked,
// and the operators ±, ≈ and · (read as *).
enum class EMathKind
{
    Number,   // m_strText: digits and the decimal point
    Fraction, // m_strText: the whole part ("" for none); numerator and denominator
    Letter,   // m_strText: one letter, or "" for a power with nothing before it
    Operator, // m_strText: one of + - * / = ± ≈ or a stray ")"
    Other,    // m_strText: a character the format has no meaning for
    Group,    // a bracket: m_Children inside; m_bClosed when its ")" is there
    Bracket,  // m_strText: "(" or ")" standing alone, for brackets nested past kMaxGroupDepth
    Stacked,  // a division: m_Children on top, m_Below below
    Root      // a square root of m_Children
};

struct CMathNode
{
    EMathKind m_eKind = EMathKind::Other;
    std::string m_strText;
    std::string m_strNumerator;
    std::string m_strDenominator;
    std::vector<CMathNode> m_Children;
    bool m_bBracketed = true; // a group without brackets holds a base that is raised twice
    bool m_bClosed = true;
    std::optional<std::string> m_strExponent;
    std::vector<CMathNode> m_Below;
};

// Brackets deeper than this are read as single bracket characters, so that no writer (nor any
// XML parser reading what it wrote) has to follow thousands of levels.
inline constexpr size_t kMaxGroupDepth = 32;

// Reads any text without failing: an unclosed bracket or fraction ends with the text, a
// ")" without its "(" is an operator, blanks are skipped.
std::vector<CMathNode> ParseMathText(const std::string& strText);

// The formula as the algebra's terms hold it, divisions stacked: each term with divisor
// factors a Stacked node, its sign before it, its coefficient's numerator and its multiplier
// factors on top, its coefficient's denominator and its divisor factors below; brackets that
// only grouped a whole top or bottom dropped. Nothing when the text does not construct into
// terms that write it back as it stands (a fragment of a narrative line, say).
std::optional<std::vector<CMathNode>> TermMathNodes(const std::string& strText);
// What the typesetting writers show: the terms' formula, else the text read as it stands.
std::vector<CMathNode> MathNodes(const std::string& strText);

// A division stands stacked somewhere in the nodes (in brackets too), outside any power.
bool HoldsStacked(const std::vector<CMathNode>& nodes);

// The + - or ± at nodes[i] opens its row or follows another operator: a sign, set close to
// what it signs ((−2), = −1), not an operator between terms.
bool IsSign(const std::vector<CMathNode>& nodes, size_t i);

// A formula cut where a long one may break across lines: before each + or - that joins two
// terms of the outermost sum (or of a side of an equation). A formula of one term is one piece.
std::vector<std::vector<CMathNode>> SplitAtTerms(std::vector<CMathNode> nodes);
