// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string>

// Equation text as the rich text Qt's documents read, for the PDF and the printer.
struct CRichMath
{
    QString m_strHtml;
    bool m_bBlock = false; // tables, which stand below a label rather than beside it
};

// Powers raised, typed fractions small. A formula without stacked divisions is one run of text
// that wraps at its operators; one with divisions is a row of table cells, each division a
// small table of its top over a rule over its bottom, and a long one is cut into such rows
// before a + or minus.
CRichMath RichMath(const std::string& strEquationText);

// A formula inside a line of words (a step of the narrative): powers raised and typed fractions
// small, as one run of text, since a table would end the line.
QString RichMathInLine(const std::string& strEquationText);
