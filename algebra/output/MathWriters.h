// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

// Equation text typeset as a MathML <math> element: powers raised (msup), typed fractions
// stacked (mfrac) with a mixed number's whole part before its fraction, brackets as fences.
// bBlock asks for display="block".
std::string ToMathML(const std::string& strEquationText, bool bBlock = false);
// The same without the <math> element around it, for documents holding several.
std::string ToMathMLRow(const std::string& strEquationText);

// Equation text as inline MathML that a page can wrap: one <math> per term of the outermost
// sum, a line-break opportunity (<wbr/>) between them, each later piece opening with its + or
// minus. A browser does not break inside a <math>.
std::string ToWrappingMathML(const std::string& strEquationText);
// ToMathMLRow for a document with no page to wrap in: a formula longer than nLineLength
// characters (of its display form) becomes a table of lines, broken before a + or minus.
std::string ToMathMLLines(const std::string& strEquationText, size_t nLineLength);

// Equation text as LaTeX math (without the surrounding delimiters): x^{2}, 3\frac{1}{2},
// \left( ... \right).
std::string ToLatexMath(const std::string& strEquationText);

// Equation text in the display form the narrative uses: x^2, (1/2), (3&1/2), brackets as typed.
std::string ToDisplayMath(const std::string& strEquationText);
