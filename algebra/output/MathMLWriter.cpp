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
// Words between formulas keep their blanks: a reader drops those at the ends of <mtext>.
std::string SpacedWords(const std::string& strWords)
{
    std::string strOut = XmlEscape(strWords);
    const auto nbsp = [](char c) { return c == ' ' ? std::string("&#160;") : std::string(1, c); };
    if (!strOut.empty())
        strOut = nbsp(strOut.front()) + strOut.substr(1);
    if (strOut.size() > 1 && strOut.back() == ' ')
        strOut = strOut.substr(0, strOut.size() - 1) + nbsp(' ');
    return strOut;
}

// The solution line: a factored form as the results are; roots as words and formulas, the
// words as text between them.
std::string SolutionRow(const CWorkedSolution& solution)
{
    if (solution.m_strSolutionText)
        return ToMathMLLines(*solution.m_strSolutionText, kLineLength);
    if (solution.m_SolutionPieces.empty())
        return "<mtext>" + XmlEscape(*solution.m_strSolution) + "</mtext>";
    std::string strRow;
    for (const CStepPiece& piece : solution.m_SolutionPieces)
        strRow += piece.m_bFormula ? ToMathMLRow(piece.m_strFormula)
                                   : "<mtext>" + SpacedWords(piece.m_strText) + "</mtext>";
    return "<mrow>" + strRow + "</mrow>";
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
        strRows += Row(solution.m_strSolutionLabel->c_str(), SolutionRow(solution));
    for (const std::string& strError : solution.m_Errors)
        strRows += Row("Error", "<mtext>" + XmlEscape(strError) + "</mtext>");
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<math xmlns=\"http://www.w3.org/1998/Math/MathML\" display=\"block\">\n"
           "<mtable columnalign=\"left\">\n" +
           strRows + "</mtable>\n</math>\n";
}
