// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "output/WorkedSolution.h"

#include <string>

// One writer per format, each reading the worked-solution model.

// "Worked solution: " and the problem in display form (what was typed when it was refused),
// for the title of a page or a PDF.
std::string WorkedSolutionTitle(const CWorkedSolution& solution);

// Plain text: "Result: ", "Further result: ", "How it was done" and the narrative with its
// indentation as spaces; bWithProblem starts with "Problem: " and the problem in the same
// display form as the results (the input as typed when it was refused). A refused or
// failed problem gives its messages instead. Lines end in "\n".
std::string WriteText(const CWorkedSolution& solution, bool bWithProblem = false);

// One line for a batch: the result (and the further result), or the messages.
std::string WriteTextLine(const CWorkedSolution& solution);

// A self-contained XHTML5 page (UTF-8, style sheet inside, no scripts): the problem, result and
// further result in MathML, the narrative as nested lists.
std::string WriteHtml(const CWorkedSolution& solution);

// One page for many problems: title, numbered contents with results, headings, and every
// problem's worked solution; refused problems with their messages.
std::string WriteHtmlSheet(const CWorkedSheet& sheet);

// A LaTeX document of the worked solution; the narrative keeps its levels as indents, so its
// depth has no limit.
std::string WriteLatex(const CWorkedSolution& solution);

// One LaTeX document for many problems, as WriteHtmlSheet: title, numbered contents with the
// results, headings, and every problem's worked solution.
std::string WriteLatexSheet(const CWorkedSheet& sheet);

// A MathML document: one <math> holding a table of the problem, result and further result.
std::string WriteMathML(const CWorkedSolution& solution);
