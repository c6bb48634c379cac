// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/Writers.h"

#include "output/MathWriters.h"
#include "output/XmlText.h"

namespace
{
// A MathML document has no page to wrap in: a long formula is set as lines of this many
// characters at most.
constexpr size_t kLineLength = 60;

std::string Row(const char* szLabel, const std::string& strCell)
{
    return std::string("<mtr><mtd><mtext>") + szLabel + "</mtext></mtd><mtd>" + strCell +
           "</mtd></mtr>\n";
}
} // namespace

std::string WriteMathML(const CWorkedSolution& solution)
{
    std::string strRows;
    if (solution.m_strProblem.empty())
        strRows += Row("Problem", "<mtext>" + XmlEscape(solution.m_strInput) + "</mtext>");
    else
        strRows += Row("Problem", ToMathMLLines(solution.m_strProblem, kLineLength));
    if (solution.m_strResult)
        strRows += Row("Result", ToMathMLLines(*solution.m_strResult, kLineLength));
    if (solution.m_strFurther)
        strRows += Row("Further result", ToMathMLLines(*solution.m_strFurther, kLineLength));
    if (solution.m_strSolution)
        strRows += Row(solution.m_strSolutionLabel->c_str(),
                       solution.m_strSolutionText
                           ? ToMathMLLines(*solution.m_strSolutionText, kLineLength)
                           : "<mtext>" + XmlEscape(*solution.m_strSolution) + "</mtext>");
    for (const std::string& strError : solution.m_Errors)
        strRows += Row("Error", "<mtext>" + XmlEscape(strError) + "</mtext>");
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<math xmlns=\"http://www.w3.org/1998/Math/MathML\" display=\"block\">\n"
           "<mtable columnalign=\"left\">\n" +
           strRows + "</mtable>\n</math>\n";
}
