// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "driver/Explanation.h"

#include <string>

// The formulas of the solver's narrative, built in both forms at once: the display text the
// plain narrative shows and, only while formula marks are on, the text the documents typeset.
// That text is equation text ("x^2!", "%1,2$") with the solver's own signs: √{3} a square
// root, {1+√{3}}/{2} a division as it is to be stacked, and ± ≈ · as they are displayed.

// A piece the same in both forms: a letter, a number, " = ".
inline CFormula Same(std::string strText)
{
    CFormula formula{std::move(strText), {}};
    if (MarkingFormulas())
        formula.m_strText = formula.m_strDisplay;
    return formula;
}

// A piece written by a writer that takes whether it writes the typeset form.
template <typename Writer> CFormula BothForms(Writer write)
{
    CFormula formula{write(false), {}};
    if (MarkingFormulas())
        formula.m_strText = write(true);
    return formula;
}

inline void AddToFormula(CFormula& formula, const CFormula& piece)
{
    formula.m_strDisplay += piece.m_strDisplay;
    if (MarkingFormulas())
        formula.m_strText += piece.m_strText;
}

inline void AddToFormula(CFormula& formula, const char* szSame)
{
    formula.m_strDisplay += szSame;
    if (MarkingFormulas())
        formula.m_strText += szSame;
}

// The pieces one after another: formulas, and literal texts that are the same in both forms.
template <typename... Pieces> CFormula Chained(const Pieces&... pieces)
{
    CFormula formula;
    (AddToFormula(formula, pieces), ...);
    return formula;
}

// letter = value (or letter ≈ value: a value not exact brings its own sign).
inline CFormula LetterIs(char cLetter, const CFormula& value, const char* szRelation = " = ")
{
    return Chained(Same(std::string(1, cLetter)), szRelation, value);
}
