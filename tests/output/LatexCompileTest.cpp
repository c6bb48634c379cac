// SPDX-License-Identifier: GPL-3.0-or-later
// The LaTeX documents compile with a real LaTeX, and what they set fits on the page.
#include "ExternalTool.h"
#include "Formats.h"
#include "PrintedText.h"
#include "TextReport.h"
#include "output/Writers.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <regex>

namespace
{
class LatexCompile : public testing::Test
{
protected:
    void SetUp() override
    {
        if (FindProgram("pdflatex").empty())
            GTEST_SKIP() << "pdflatex is not installed (Debian: texlive-latex-base); not compiled";
    }

    CScratchDir m_Dir;
};

// The widest box pdflatex had to let run past the margin, in points (0 for none).
double WidestOverfullBox(const std::string& strLog)
{
    const std::regex overfull("Overfull \\\\hbox \\(([0-9.]+)pt too wide\\)");
    double dWidest = 0;
    for (std::sregex_iterator it(strLog.begin(), strLog.end(), overfull), end; it != end; ++it)
        dWidest = std::max(dWidest, std::stod((*it)[1]));
    return dWidest;
}

// (x+1)^30 has 31 terms and a narrative of long lines: its result line was 1,223 pt too wide.
// The second has a division whose top is a long sum, which no line breaks inside.
TEST_F(LatexCompile, LongResultAndStepsBreakWithinThePage)
{
    for (const char* szText : {"(x+1)^30!", "(x+1)^12!-1/(x+1)"})
    {
        const std::string strDocument = WriteLatex(ToWorkedSolution(ReportText(szText)));
        const CLatexRun run = RunPdflatex(m_Dir, "long", strDocument);
        ASSERT_EQ(run.m_nStatus, 0) << run.m_strLog.substr(run.m_strLog.size() - 2000);
        EXPECT_LE(WidestOverfullBox(run.m_strLog), 10.0) << szText;
    }
}
// The whole examples sheet compiles, and the PDF holds every problem and every result.
TEST_F(LatexCompile, ExamplesSheetCompilesAndHoldsEveryProblemAndResult)
{
    if (FindProgram("pdftotext").empty())
        GTEST_SKIP() << "pdftotext is not installed (Debian: poppler-utils); PDF not read";
    std::ifstream examples(std::string(FENNORY_SOURCE_DIR) + "/tests/data/examples.txt");
    const CLatexRun run =
        RunPdflatex(m_Dir, "sheet", FormatSheet(examples, 0, EOutputFormat::Latex));
    ASSERT_EQ(run.m_nStatus, 0) << run.m_strLog.substr(run.m_strLog.size() - 3000);
    EXPECT_LE(WidestOverfullBox(run.m_strLog), 10.0);
    const CToolRun text = RunTool("pdftotext -raw -enc UTF-8 " + Quoted(run.m_Pdf.string()) + " -");
    ASSERT_EQ(text.m_nStatus, 0) << text.m_strOutput;
    const std::string strPrinted = Comparable(text.m_strOutput);
    std::ifstream lines(std::string(FENNORY_SOURCE_DIR) + "/tests/data/examples.txt");
    int nProblems = 0;
    for (std::string strLine; std::getline(lines, strLine);)
    {
        if (ClassifyBatchLine(strLine) != EBatchLine::Problem)
            continue;
        ++nProblems;
        const CWorkedSolution solution = ToWorkedSolution(ReportText(strLine));
        for (const std::optional<std::string>& strMath :
             {std::optional<std::string>(solution.m_strProblem), solution.m_strResult,
              solution.m_strFurther})
        {
            if (!strMath)
                continue;
            EXPECT_NE(strPrinted.find(Typeset(*strMath)), std::string::npos)
                << strLine << ": " << *strMath << " as " << Typeset(*strMath);
        }
    }
    EXPECT_GT(nProblems, 50);
}

// Characters LaTeX cannot set (a refused input's, a message's) no longer stop pdflatex.
TEST_F(LatexCompile, RefusedInputWithAnyCharacterCompiles)
{
    for (const char* szInput :
         {"x\xE2\x82\xAC+1", "#%x_{}\\~^", "\xF0\x9F\x98\x80\xCF\x88=\xC2\xAD"})
    {
        const CLatexRun run =
            RunPdflatex(m_Dir, "refused", WriteLatex(ToWorkedSolution(ReportText(szInput))));
        EXPECT_EQ(run.m_nStatus, 0) << szInput << run.m_strLog.substr(run.m_strLog.size() - 1500);
    }
}
} // namespace
