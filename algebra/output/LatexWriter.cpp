// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/Writers.h"

#include "output/MathWriters.h"
#include "output/XmlText.h"

namespace
{
// Narrative and messages are prose: every character LaTeX gives a meaning is written so
// that it prints as itself.
std::string LatexProse(const std::string& strText)
{
    std::string strOut;
    for (char c : ValidUtf8(strText))
    {
        switch (c)
        {
        case '\\':
            strOut += "\\textbackslash{}";
            break;
        case '^':
            strOut += "\\textasciicircum{}";
            break;
        case '~':
            strOut += "\\textasciitilde{}";
            break;
        case '#':
        case '$':
        case '%':
        case '&':
        case '_':
        case '{':
        case '}':
            strOut += std::string("\\") + c;
            break;
        default:
            strOut += c;
        }
    }
    return strOut;
}

// A step's line: its words as prose, each formula in it as inline math.
std::string StepLine(const CStep& step)
{
    if (step.m_Pieces.empty())
        return LatexProse(step.m_strText);
    std::string strLine;
    for (const CStepPiece& piece : step.m_Pieces)
        strLine += piece.m_bFormula ? "\\(" + ToLatexMath(piece.m_strFormula) + "\\)"
                                    : LatexProse(piece.m_strText);
    return strLine;
}

// Each step is a paragraph set in by its level; lists would stop at LaTeX's fourth level.
void AppendSteps(const std::vector<CStep>& steps, int nLevel, std::string& strOut)
{
    for (const CStep& step : steps)
    {
        strOut += "\\par\\noindent\\hangindent=" + std::to_string(2 * nLevel + 2) + "em\\hspace*{" +
                  std::to_string(2 * nLevel) + "em}" + StepLine(step) + "\n";
        if (step.m_bGapAfter)
            strOut += "\\par\\medskip\n";
        AppendSteps(step.m_Steps, nLevel + 1, strOut);
    }
}

std::string DisplayMath(const char* szLabel, const std::string& strEquationText)
{
    return std::string("\\par\\noindent\\textbf{") + szLabel + "}\n\\[ " +
           ToLatexMath(strEquationText) + " \\]\n";
}
} // namespace

std::string WriteLatex(const CWorkedSolution& solution)
{
    std::string strOut = "\\documentclass{article}\n\\usepackage[utf8]{inputenc}\n"
                         "\\usepackage{amsmath}\n\\begin{document}\n"
                         "\\section*{Worked solution}\n";
    if (solution.m_strProblem.empty())
        strOut +=
            "\\par\\noindent\\textbf{Problem} \\texttt{" + LatexProse(solution.m_strInput) + "}\n";
    else
        strOut += DisplayMath("Problem", solution.m_strProblem);
    if (solution.m_strResult)
        strOut += DisplayMath("Result", *solution.m_strResult);
    if (solution.m_strFurther)
        strOut += DisplayMath("Further result", *solution.m_strFurther);
    if (solution.m_strSolution)
        strOut += "\\par\\noindent\\textbf{" + LatexProse(*solution.m_strSolutionLabel) +
                  "}\n\\[ " +
                  (solution.m_strSolutionText ? ToLatexMath(*solution.m_strSolutionText)
                                              : solution.m_strSolutionLatex.value_or("")) +
                  " \\]\n";
    for (const std::string& strError : solution.m_Errors)
        strOut += "\\par\\noindent " + LatexProse(strError) + "\n";
    if (!solution.m_Narrative.empty())
    {
        strOut += "\\subsection*{How it was done}\n";
        AppendSteps(solution.m_Narrative, 0, strOut);
    }
    return strOut + "\\end{document}\n";
}
