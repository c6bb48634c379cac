// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "driver/SimplifyRequest.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A run of a narrative line: words, or a formula the engine wrote into it.
struct CStepPiece
{
    std::string m_strText;    // the words, or the formula's display text, as the line shows them
    std::string m_strFormula; // the formula's equation text, for typesetting; "" for words
    bool m_bFormula = false;

    bool operator==(const CStepPiece&) const = default;
};

// One line of the narrative and the lines indented under it.
struct CStep
{
    std::string m_strText;    // the line without its leading spaces, as the engine wrote it
    int m_nIndent = 0;        // its leading spaces (eight a level)
    bool m_bGapAfter = false; // an empty line followed this very line (before any step under it)
    std::vector<CStep> m_Steps;
    // The line as words and formulas, m_strText piece by piece; empty when the narrative came
    // without its formulas marked, or the line holds none.
    std::vector<CStepPiece> m_Pieces;

    bool operator==(const CStep&) const = default;
};

// A worked solution as every output format sees it: the problem, what became of it and how.
// Texts of the problem and results are equation text; the writers typeset them.
struct CWorkedSolution
{
    std::string m_strInput;   // what the user typed (may be ordinary notation, may be refused)
    std::string m_strProblem; // the equation text that was simplified ("" when refused)
    std::vector<std::string> m_Errors; // validation messages, or the engine's error
    std::optional<std::string> m_strResult;
    std::optional<std::string> m_strResultDisplay;
    std::optional<std::string> m_strFurther;
    std::optional<std::string> m_strFurtherDisplay;
    std::vector<CStep> m_Narrative;
    // The answer line after the results ("Solution", "Factored form"), when there is one: in
    // display form, in LaTeX, and as equation text when it is one.
    std::optional<std::string> m_strSolutionLabel;
    std::optional<std::string> m_strSolution;
    std::optional<std::string> m_strSolutionLatex;
    std::optional<std::string> m_strSolutionText;
    // The solution line as words and formulas, when its formulas were marked.
    std::vector<CStepPiece> m_SolutionPieces;
    // The problem's graph as an <svg> element, when the caller drew one (HTML shows it).
    std::optional<std::string> m_strGraphSvg;

    bool IsSolved() const { return m_strResult.has_value(); }
};

// A sheet of several worked solutions under a title; a heading stands between problems.
struct CSheetItem
{
    std::optional<std::string> m_strHeading; // set for a heading, else the item is a problem
    CWorkedSolution m_Solution;
};

struct CWorkedSheet
{
    std::string m_strTitle;
    std::vector<CSheetItem> m_Items;
};

// Turns the narrative's indentation into a tree: a line is a step of the nearest line
// above it that is indented less. Empty lines close blocks and make no step. A narrative
// with its formulas marked (CSimplifyOutcome::m_strMarkedExplanation) gives the same steps,
// each also cut into its pieces.
std::vector<CStep> ParseNarrative(const std::string& strExplanation);

// A line with its formulas marked as its words and formulas; none when it holds no formula.
std::vector<CStepPiece> LinePieces(std::string_view strMarked);

// The narrative again, line by line with its indentation and its empty lines, each line
// ending in strLineEnd.
std::string NarrativeText(const std::vector<CStep>& steps, const std::string& strLineEnd);

// A simplified problem; an outcome with an error gives a solution with that error only.
CWorkedSolution MakeWorkedSolution(const std::string& strInput, const std::string& strProblem,
                                   const CSimplifyOutcome& outcome);

// A problem that validation refused, with its messages in order.
CWorkedSolution MakeRefusedSolution(const std::string& strInput, std::vector<std::string> errors);
