// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/Writers.h"

#include "output/MathWriters.h"
#include "output/XmlText.h"

#include <cstdio>

namespace
{
// Narrative and messages are prose: every character LaTeX gives a meaning is written so
// that it prints as itself.
// Characters beyond ASCII: Latin-1 letters and signs (x², ½, é) pass to LaTeX's own UTF-8
// reading, the minus becomes one; any other stops pdflatex, so it is named as U+XXXX.
std::string LatexNonAscii(const std::string& strText, size_t& nPos)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(strText[i]); };
    const size_t nLength = byte(nPos) >= 0xF0 ? 4 : byte(nPos) >= 0xE0 ? 3 : 2;
    unsigned int nCode = byte(nPos) & (0x7F >> nLength);
    for (size_t i = 1; i < nLength && nPos + i < strText.size(); ++i)
        nCode = (nCode << 6) | (byte(nPos + i) & 0x3F);
    const std::string strCharacter = strText.substr(nPos, nLength);
    nPos += nLength - 1;
    if (nCode >= 0xA1 && nCode <= 0xFF && nCode != 0xAD)
        return strCharacter;
    if (nCode == 0x2212)
        return "\\ensuremath{-}";
    char szName[16];
    std::snprintf(szName, sizeof szName, "[U+%04X]", nCode);
    return szName;
}

std::string LatexProse(const std::string& strValid)
{
    const std::string strText = ValidUtf8(strValid);
    std::string strOut;
    for (size_t i = 0; i < strText.size(); ++i)
    {
        const char c = strText[i];
        if (static_cast<unsigned char>(c) >= 0x80)
        {
            strOut += LatexNonAscii(strText, i);
            continue;
        }
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
        case '+':
        case '-':
        case '=':
            // A formula in a step is one long word: it may break after an operator.
            strOut += std::string(1, c) + "\\allowbreak{}";
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

// Set as a paragraph of display-style math rather than a display, which never breaks: TeX
// breaks a long formula after a + or minus of its outermost sum.
std::string DisplayMath(const char* szLabel, const std::string& strEquationText)
{
    return std::string("\\par\\noindent\\textbf{") + szLabel +
           "}\n\\begin{flushleft}\\leftskip=2em $\\displaystyle " + ToLatexMath(strEquationText) +
           "$\\end{flushleft}\n";
}
} // namespace

namespace
{
// pdflatex is told the characters of its glyphs, big brackets too, so that text copied or
// read from the PDF is the mathematics.
constexpr const char* kPreamble =
    "\\documentclass{article}\n\\usepackage[utf8]{inputenc}\n\\usepackage{amsmath}\n"
    "\\ifdefined\\pdfgentounicode\\input{glyphtounicode}\\pdfgentounicode=1\n"
    "\\pdfglyphtounicode{parenleftbig}{0028}\\pdfglyphtounicode{parenrightbig}{0029}\n"
    "\\pdfglyphtounicode{parenleftBig}{0028}\\pdfglyphtounicode{parenrightBig}{0029}\n"
    "\\pdfglyphtounicode{parenleftbigg}{0028}\\pdfglyphtounicode{parenrightbigg}{0029}\n"
    "\\pdfglyphtounicode{parenleftBigg}{0028}\\pdfglyphtounicode{parenrightBigg}{0029}\n"
    "\\fi\n\\begin{document}\n";

// The problem, the results, the messages and the steps; szStepsHeading is the sectioning
// command the steps stand under.
std::string SolutionBody(const CWorkedSolution& solution, const char* szStepsHeading)
{
    std::string strOut;
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
    {
        // A factored form is equation text, set and broken as the results are; a solution
        // line comes with the solver's own LaTeX.
        const std::string strLabel = LatexProse(*solution.m_strSolutionLabel);
        strOut += solution.m_strSolutionText
                      ? DisplayMath(strLabel.c_str(), *solution.m_strSolutionText)
                      : "\\par\\noindent\\textbf{" + strLabel + "}\n\\[ " +
                            solution.m_strSolutionLatex.value_or("") + " \\]\n";
    }
    for (const std::string& strError : solution.m_Errors)
        strOut += "\\par\\noindent " + LatexProse(strError) + "\n";
    if (!solution.m_Narrative.empty())
    {
        // Ragged lines: a step holding a long formula has few places to break.
        strOut += std::string(szStepsHeading) + "{How it was done}\n{\\raggedright\n";
        AppendSteps(solution.m_Narrative, 0, strOut);
        strOut += "\\par}\n";
    }
    return strOut;
}

// A contents line: the problem and, after an arrow, its last word (the further result where
// there is one), or the first message of a refused problem.
std::string ContentsItem(const CWorkedSolution& solution)
{
    std::string strItem = "\\item ";
    strItem += solution.m_strProblem.empty()
                   ? "\\texttt{" + LatexProse(solution.m_strInput) + "}"
                   : "$\\displaystyle " + ToLatexMath(solution.m_strProblem) + "$";
    if (solution.m_strResult)
        strItem += " $\\rightarrow$ $\\displaystyle " +
                   ToLatexMath(solution.m_strFurther.value_or(*solution.m_strResult)) + "$";
    else if (!solution.m_Errors.empty())
        strItem += " (" + LatexProse(solution.m_Errors.front()) + ")";
    return strItem + "\n";
}
} // namespace

std::string WriteLatex(const CWorkedSolution& solution)
{
    return kPreamble + std::string("\\section*{Worked solution}\n") +
           SolutionBody(solution, "\\subsection*") + "\\end{document}\n";
}

std::string WriteLatexSheet(const CWorkedSheet& sheet)
{
    std::string strContents;
    std::string strSections;
    size_t nNumber = 0;
    for (const CSheetItem& item : sheet.m_Items)
    {
        if (item.m_strHeading)
        {
            strSections += "\\section*{" + LatexProse(*item.m_strHeading) + "}\n";
            continue;
        }
        ++nNumber;
        strContents += ContentsItem(item.m_Solution);
        strSections += "\\subsection*{Problem " + std::to_string(nNumber) + "}\n" +
                       SolutionBody(item.m_Solution, "\\subsubsection*");
    }
    const std::string strList =
        strContents.empty() ? "" : "\\begin{enumerate}\n" + strContents + "\\end{enumerate}\n";
    return kPreamble + std::string("\\title{") + LatexProse(sheet.m_strTitle) +
           "}\n\\date{}\n\\maketitle\n\\section*{Contents}\n" + strList + strSections +
           "\\end{document}\n";
}
