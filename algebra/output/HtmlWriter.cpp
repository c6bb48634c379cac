// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/Writers.h"

#include "output/MathWriters.h"
#include "output/XmlText.h"

namespace
{
// Readable on screen, and on paper without the page breaking inside a problem's heading.
constexpr const char* kStyleSheet = R"(
body { font-family: "Liberation Serif", "Times New Roman", serif; max-width: 50em;
       margin: 2em auto; padding: 0 1em; line-height: 1.4; color: #111; background: #fff; }
h1 { font-size: 1.6em; }
h2 { font-size: 1.3em; border-bottom: 1px solid #999; margin-top: 1.6em; }
h3 { font-size: 1.1em; }
math { font-size: 1.15em; math-style: normal; } /* fractions full size, also inline */
dl.answer { display: grid; grid-template-columns: max-content auto; gap: 0.3em 1em; }
dl.answer dt { font-weight: bold; }
dl.answer dd { margin: 0; }
ul.steps, ul.steps ul { list-style: none; padding-left: 1.6em; margin: 0; }
ul.steps { padding-left: 0; }
ul.steps li.gap { margin-bottom: 0.7em; }
ul.steps li:has(mfrac) { margin: 0.3em 0; } /* a stacked line clear of its neighbours */
ul.errors { color: #a00; }
code { font-family: "Liberation Mono", monospace; }
ol.contents li { margin: 0.2em 0; }
ol.contents a { color: inherit; text-decoration: none; }
section.problem { margin-bottom: 2em; }
figure.graph { margin: 1em 0; break-inside: avoid-page; }
figure.graph svg { max-width: 100%; height: auto; }
@page { margin: 2cm; }
@media print {
  body { margin: 0; max-width: none; }
  a { color: inherit; text-decoration: none; }
  h2, h3 { break-after: avoid-page; }
  dl.answer { break-inside: avoid-page; }
}
)";

std::string Tag(const char* szTag, const std::string& strContent, const std::string& strAttr = "")
{
    return std::string("<") + szTag + strAttr + ">" + strContent + "</" + szTag + ">";
}

std::string Page(const std::string& strTitle, const std::string& strBody)
{
    return "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\">\n<head>\n"
           "<meta charset=\"utf-8\"/>\n" +
           Tag("title", XmlEscape(strTitle)) + "\n" + Tag("style", kStyleSheet) +
           "\n</head>\n<body>\n" + strBody + "</body>\n</html>\n";
}

// A step's text may hold a long formula written without blanks: it may break after + - =
// rather than run off the page.
std::string BreakableText(const std::string& strText)
{
    std::string strOut;
    for (char c : XmlEscape(strText))
    {
        strOut += c;
        if (c == '+' || c == '-' || c == '=')
            strOut += "<wbr/>";
    }
    return strOut;
}

// A line of words and formulas: the words as text, each formula typeset, broken at its + and
// minus.
std::string PiecesLine(const std::vector<CStepPiece>& pieces)
{
    std::string strLine;
    for (const CStepPiece& piece : pieces)
        strLine += piece.m_bFormula ? ToWrappingMathML(piece.m_strFormula)
                                    : BreakableText(piece.m_strText);
    return strLine;
}

std::string StepLine(const CStep& step)
{
    return step.m_Pieces.empty() ? BreakableText(step.m_strText) : PiecesLine(step.m_Pieces);
}

std::string SolutionLine(const CWorkedSolution& solution)
{
    if (solution.m_strSolutionText)
        return ToWrappingMathML(*solution.m_strSolutionText);
    if (!solution.m_SolutionPieces.empty())
        return PiecesLine(solution.m_SolutionPieces);
    return XmlEscape(*solution.m_strSolution);
}

std::string StepList(const std::vector<CStep>& steps, const std::string& strAttr = "")
{
    std::string strItems;
    for (const CStep& step : steps)
    {
        const std::string strChildren = step.m_Steps.empty() ? "" : StepList(step.m_Steps);
        strItems +=
            Tag("li", StepLine(step) + strChildren, step.m_bGapAfter ? " class=\"gap\"" : "") +
            "\n";
    }
    return "<ul" + strAttr + ">\n" + strItems + "</ul>";
}

std::string Narrative(const std::vector<CStep>& steps)
{
    if (steps.empty())
        return "";
    return Tag("h3", "How it was done") + "\n" + StepList(steps, " class=\"steps\"") + "\n";
}

std::string AnswerRow(const char* szLabel, const std::string& strMath)
{
    return Tag("dt", szLabel) + Tag("dd", strMath) + "\n";
}

std::string Errors(const CWorkedSolution& solution)
{
    std::string strItems;
    for (const std::string& strError : solution.m_Errors)
        strItems += Tag("li", XmlEscape(strError));
    return strItems.empty() ? "" : Tag("ul", strItems, " class=\"errors\"") + "\n";
}

// What the problem is called: its typeset text, or what was typed when it was refused.
std::string ProblemMath(const CWorkedSolution& solution)
{
    if (solution.m_strProblem.empty())
        return Tag("code", XmlEscape(solution.m_strInput));
    return ToWrappingMathML(solution.m_strProblem);
}

std::string SolutionBody(const CWorkedSolution& solution)
{
    std::string strRows = AnswerRow("Problem", ProblemMath(solution));
    if (solution.m_strResult)
        strRows += AnswerRow("Result", ToWrappingMathML(*solution.m_strResult));
    if (solution.m_strFurther)
        strRows += AnswerRow("Further result", ToWrappingMathML(*solution.m_strFurther));
    if (solution.m_strSolution)
        strRows += AnswerRow(solution.m_strSolutionLabel->c_str(), SolutionLine(solution));
    // The graph, drawn by the caller, is an <svg> element of its own between answer and steps.
    const std::string strGraph =
        solution.m_strGraphSvg ? Tag("figure", *solution.m_strGraphSvg, " class=\"graph\"") + "\n"
                               : "";
    return Tag("dl", "\n" + strRows, " class=\"answer\"") + "\n" + Errors(solution) + strGraph +
           Narrative(solution.m_Narrative);
}

std::string ContentsEntry(const CWorkedSolution& solution, size_t nNumber)
{
    const std::string strHref = " href=\"#problem-" + std::to_string(nNumber) + "\"";
    std::string strEntry = Tag("a", ProblemMath(solution), strHref);
    if (solution.m_strResult)
        strEntry += " \xE2\x86\x92 " +
                    ToWrappingMathML(solution.m_strFurther.value_or(*solution.m_strResult));
    else if (!solution.m_Errors.empty())
        strEntry += " (" + XmlEscape(solution.m_Errors.front()) + ")";
    return Tag("li", strEntry) + "\n";
}

std::string SheetSection(const CWorkedSolution& solution, size_t nNumber)
{
    const std::string strId = " id=\"problem-" + std::to_string(nNumber) + "\"";
    return Tag("section",
               "\n" + Tag("h3", "Problem " + std::to_string(nNumber)) + "\n" +
                   SolutionBody(solution),
               strId + " class=\"problem\"") +
           "\n";
}
} // namespace

std::string WriteHtml(const CWorkedSolution& solution)
{
    const std::string strTitle = WorkedSolutionTitle(solution);
    return Page(strTitle, Tag("h1", XmlEscape(strTitle)) + "\n" + SolutionBody(solution));
}

std::string WriteHtmlSheet(const CWorkedSheet& sheet)
{
    std::string strContents;
    std::string strSections;
    size_t nNumber = 0;
    for (const CSheetItem& item : sheet.m_Items)
    {
        if (item.m_strHeading)
        {
            strSections += Tag("h2", XmlEscape(*item.m_strHeading)) + "\n";
            continue;
        }
        ++nNumber;
        strContents += ContentsEntry(item.m_Solution, nNumber);
        strSections += SheetSection(item.m_Solution, nNumber);
    }
    const std::string strNav =
        Tag("nav", "\n" + Tag("h2", "Contents") + "\n" +
                       Tag("ol", "\n" + strContents, " class=\"contents\"") + "\n") +
        "\n";
    return Page(sheet.m_strTitle,
                Tag("h1", XmlEscape(sheet.m_strTitle)) + "\n" + strNav + strSections);
}
