// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/WorkedSolution.h"

#include "driver/Explanation.h"

#include <string_view>
#include <utility>

namespace
{
std::vector<std::string> SplitLines(const std::string& strText)
{
    std::vector<std::string> lines;
    size_t nStart = 0;
    while (nStart < strText.size())
    {
        size_t nEnd = strText.find('\n', nStart);
        if (nEnd == std::string::npos)
            nEnd = strText.size();
        std::string strLine = strText.substr(nStart, nEnd - nStart);
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        lines.push_back(std::move(strLine));
        nStart = nEnd + 1;
    }
    return lines;
}

// A line with its formulas marked -> its words and formulas; none when it holds no formula.
std::vector<CStepPiece> PiecesOf(std::string_view strLine)
{
    std::vector<CStepPiece> pieces;
    if (strLine.find(kFormulaStart) == std::string_view::npos)
        return pieces;
    size_t nPos = 0;
    while (nPos < strLine.size())
    {
        const size_t nStart = strLine.find(kFormulaStart, nPos);
        if (nStart != nPos)
        {
            const size_t nEnd = nStart == std::string_view::npos ? strLine.size() : nStart;
            pieces.push_back({std::string(strLine.substr(nPos, nEnd - nPos)), "", false});
            nPos = nEnd;
            continue;
        }
        const size_t nSplit = strLine.find(kFormulaSplit, nStart);
        const size_t nEnd = nSplit == std::string_view::npos ? std::string_view::npos
                                                             : strLine.find(kFormulaEnd, nSplit);
        if (nEnd == std::string_view::npos) // not written by a log: read as words
        {
            pieces.push_back({WithoutFormulaMarks(strLine.substr(nPos)), "", false});
            break;
        }
        CStepPiece formula{std::string(strLine.substr(nSplit + 1, nEnd - nSplit - 1)),
                           std::string(strLine.substr(nStart + 1, nSplit - nStart - 1)), true};
        if (!formula.m_strText.empty())
            pieces.push_back(std::move(formula));
        nPos = nEnd + 1;
    }
    return pieces;
}

void AppendNarrative(const std::vector<CStep>& steps, const std::string& strLineEnd,
                     std::string& strOut)
{
    for (const CStep& step : steps)
    {
        strOut +=
            std::string(static_cast<size_t>(step.m_nIndent), ' ') + step.m_strText + strLineEnd;
        if (step.m_bGapAfter)
            strOut += strLineEnd;
        AppendNarrative(step.m_Steps, strLineEnd, strOut);
    }
}
} // namespace

std::vector<CStep> ParseNarrative(const std::string& strExplanation)
{
    std::vector<CStep> roots;
    // The open ancestors of the next line; pointers stay valid because only the last
    // step's own list ever grows.
    std::vector<CStep*> open;
    for (const std::string& strLine : SplitLines(strExplanation))
    {
        const size_t nText = strLine.find_first_not_of(' ');
        if (nText == std::string::npos)
        {
            if (!open.empty())
                open.back()->m_bGapAfter = true;
            continue;
        }
        const std::string_view strMarked = std::string_view(strLine).substr(nText);
        CStep step{WithoutFormulaMarks(strMarked),
                   static_cast<int>(nText),
                   false,
                   {},
                   PiecesOf(strMarked)};
        while (!open.empty() && open.back()->m_nIndent >= step.m_nIndent)
            open.pop_back();
        std::vector<CStep>& siblings = open.empty() ? roots : open.back()->m_Steps;
        siblings.push_back(std::move(step));
        open.push_back(&siblings.back());
    }
    return roots;
}

std::vector<CStepPiece> LinePieces(std::string_view strMarked)
{
    return PiecesOf(strMarked);
}

std::string NarrativeText(const std::vector<CStep>& steps, const std::string& strLineEnd)
{
    std::string strOut;
    AppendNarrative(steps, strLineEnd, strOut);
    return strOut;
}

CWorkedSolution MakeWorkedSolution(const std::string& strInput, const std::string& strProblem,
                                   const CSimplifyOutcome& outcome)
{
    CWorkedSolution solution;
    solution.m_strInput = strInput;
    solution.m_strProblem = strProblem;
    if (outcome.m_strError)
    {
        solution.m_Errors.push_back(*outcome.m_strError);
        return solution;
    }
    if (strProblem.empty())
        return solution;
    solution.m_strResult = outcome.m_strResult;
    solution.m_strResultDisplay = outcome.m_strResultDisplay;
    solution.m_strFurther = outcome.m_strFurther;
    solution.m_strFurtherDisplay = outcome.m_strFurtherDisplay;
    if (outcome.m_strSolution && outcome.m_strSolutionLabel)
    {
        solution.m_strSolutionLabel = outcome.m_strSolutionLabel;
        solution.m_strSolution = outcome.m_strSolution;
        solution.m_strSolutionLatex = outcome.m_strSolutionLatex;
        solution.m_strSolutionText = outcome.m_strSolutionText;
        if (outcome.m_strMarkedSolution)
            solution.m_SolutionPieces = PiecesOf(*outcome.m_strMarkedSolution);
    }
    solution.m_Narrative =
        ParseNarrative(outcome.m_strMarkedExplanation.value_or(outcome.m_strExplanation));
    return solution;
}

CWorkedSolution MakeRefusedSolution(const std::string& strInput, std::vector<std::string> errors)
{
    CWorkedSolution solution;
    solution.m_strInput = strInput;
    solution.m_Errors = std::move(errors);
    return solution;
}
