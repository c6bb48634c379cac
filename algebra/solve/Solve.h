// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

class CExpression;

// One root of the solved letter.
struct CRoot
{
    std::string m_strText; // equation text of an exact rational root, else ""
    std::string m_strDisplay; // "1½", "(1 + √3)/2", "≈ 1.324717957" style display, as the solution
                              // line writes it
    std::string m_strLatex;
    // How the documents typeset a root that is not a rational (√{3}, {1+√{3}}/{2}); written only
    // while formula marks are on.
    std::string m_strMath;
    double m_dRe = 0, m_dIm = 0; // numeric value, at least 15 significant digits
    bool m_bExact = false;
    int m_nMultiplicity = 1;
};

enum class ESolutionKind
{
    Roots,
    Every,
    None,
    Unsolved
};

struct CSolution
{
    char m_cLetter = 0;
    ESolutionKind m_eKind = ESolutionKind::Unsolved;
    std::vector<CRoot> m_Roots;    // real and complex
    std::vector<CRoot> m_Excluded; // zeros of the divisors of the equation as typed
    std::vector<CRoot> m_Except;   // values excluded from an "Every" answer
    std::string m_strReason;       // for Unsolved
    std::string
        m_strNarrative; // the new part of "How it was done", lines as the engine writes them

    // Beyond what the graph needs: the answer in one line ("x = 2 or x = -2") and in LaTeX,
    // the letters of the equation (for a Solve for choice), and for an expression its
    // factored form (empty when it does not factor).
    bool m_bEquation = true;
    std::string m_strLine;
    // The line with its formulas marked, while formula marks are on.
    std::string m_strMarkedLine;
    std::string m_strLatexLine;
    std::vector<char> m_Letters;
    std::string m_strFactored;        // equation text, "(x-1)(x+1)"
    std::string m_strFactoredDisplay; // display text
    std::string m_strFactoredLatex;
};

// Solves an equation text (internal equation text, as the Simplify request receives it) for a
// letter. A letter of 0 takes the default: x when the equation holds it, else its first letter in
// alphabetical order. Never throws: an engine error is an Unsolved answer saying so.
CSolution SolveEquation(const std::string& strEquationText, char cLetter);

// The real roots of a polynomial with exact coefficients, certified, for other callers (the graph
// splits its x-range at the real zeros of every divisor): coefficients as equation-text numbers,
// lowest degree first.
std::vector<CRoot> RealRootsOfPolynomial(const std::vector<std::string>& coefficients);

// Goes on from a simplification already done: the text as typed and the last result the
// engine wrote (the further result when there is one). An equation is solved, an expression
// factored. Writes its narrative at the current indentation.
CSolution SolveSimplified(const std::string& strTyped, const CExpression& result, char cLetter);

// The letters of a text, in alphabetical order, and the one solved for by default (0 when none).
std::vector<char> LettersOfText(const std::string& strText);
char DefaultLetter(const std::vector<char>& letters);
