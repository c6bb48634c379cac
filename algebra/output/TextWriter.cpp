// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/Writers.h"

#include "output/MathWriters.h"
#include "output/XmlText.h"

namespace
{
std::string MessagesText(const CWorkedSolution& solution, const std::string& strSeparator)
{
    std::string strText;
    for (const std::string& strError : solution.m_Errors)
        strText += (strText.empty() ? "" : strSeparator) + strError;
    return strText;
}
} // namespace

namespace
{
std::string ProblemText(const CWorkedSolution& solution)
{
    return solution.m_strProblem.empty() ? solution.m_strInput
                                         : ToDisplayMath(solution.m_strProblem);
}
} // namespace

std::string WorkedSolutionTitle(const CWorkedSolution& solution)
{
    return "Worked solution: " + ProblemText(solution);
}

std::string WriteText(const CWorkedSolution& solution, bool bWithProblem)
{
    std::string strText;
    if (bWithProblem)
        strText += "Problem: " + ProblemText(solution) + "\n";
    if (!solution.IsSolved())
        return ValidUtf8(strText + MessagesText(solution, "\n") +
                         (solution.m_Errors.empty() ? "" : "\n"));
    strText += "Result: " + solution.m_strResultDisplay.value_or("") + "\n";
    if (solution.m_strFurtherDisplay)
        strText += "Further result: " + *solution.m_strFurtherDisplay + "\n";
    if (solution.m_strSolution)
        strText += *solution.m_strSolutionLabel + ": " + *solution.m_strSolution + "\n";
    strText += "How it was done\n";
    strText += NarrativeText(solution.m_Narrative, "\n");
    return ValidUtf8(strText);
}

std::string WriteTextLine(const CWorkedSolution& solution)
{
    if (!solution.IsSolved())
    {
        const std::string strMessages = MessagesText(solution, "; ");
        return ValidUtf8(strMessages.empty() ? "\n" : "Error: " + strMessages + "\n");
    }
    std::string strLine = *solution.m_strResultDisplay;
    if (solution.m_strFurtherDisplay)
        strLine += "\tFurther: " + *solution.m_strFurtherDisplay;
    if (solution.m_strSolution)
        strLine += "\t" + *solution.m_strSolutionLabel + ": " + *solution.m_strSolution;
    return ValidUtf8(strLine + "\n");
}
