// The LaTeX documents compile with a real LaTeX, and what they set fits on the page.
#include "ExternalTool.h"
#include "TextReport.h"
#include "output/Writers.h"

#include <gtest/gtest.h>

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
TEST_F(LatexCompile, LongResultAndStepsBreakWithinThePage)
{
    const std::string strDocument = WriteLatex(ToWorkedSolution(ReportText("(x+1)^30!")));
    const CLatexRun run = RunPdflatex(m_Dir, "long", strDocument);
    ASSERT_EQ(run.m_nStatus, 0) << run.m_strLog.substr(run.m_strLog.size() - 2000);
    EXPECT_LE(WidestOverfullBox(run.m_strLog), 10.0);
}
} // namespace
