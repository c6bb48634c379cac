// SPDX-License-Identifier: GPL-3.0-or-later
// The LaTeX math parses with KaTeX, a real LaTeX-math parser, run by node from a test-only
// folder. Without node or npm, or without network for the first install, the test skips.
#include "ExternalTool.h"
#include "Formats.h"
#include "TextReport.h"
#include "output/Writers.h"

#include <gtest/gtest.h>

#include <regex>

namespace
{
std::string KatexFolder()
{
    return std::string(FENNORY_SOURCE_DIR) + "/tests/output/katex";
}

// "" when KaTeX is ready, else why not.
std::string PrepareKatex()
{
    if (FindProgram("node").empty() || FindProgram("npm").empty())
        return "node and npm are not installed; LaTeX not checked";
    if (std::filesystem::exists(KatexFolder() + "/node_modules/katex"))
        return "";
    const CToolRun run =
        RunTool("cd " + Quoted(KatexFolder()) + " && npm ci --no-audit --no-fund --silent");
    return run.m_nStatus == 0 ? "" : "npm ci could not install KaTeX: " + run.m_strOutput;
}

TEST(LatexParse, EveryMathOfTheExamplesParsesWithKatex)
{
    const std::string strWhyNot = PrepareKatex();
    if (!strWhyNot.empty())
        GTEST_SKIP() << strWhyNot;
    std::string strDocuments;
    std::ifstream examples(std::string(FENNORY_SOURCE_DIR) + "/tests/data/examples.txt");
    std::string strLine;
    while (std::getline(examples, strLine))
        if (!strLine.empty() && strLine.front() != '#')
            strDocuments += WriteLatex(
                ToWorkedSolution(ReportText(strLine, 0, 0, ENarrativeForm::WithFormulas)));
    // A long top, and the solver's roots, ± and ≈, numeric and with other letters.
    for (const char* szText : {"(x+1)^12!-1/(x+1)", "2x^2!-2x-1=0", "x^2!+x+1=0", "x^3!-2=0",
                               "ax^2!+bx+c=0", "x/2+a/3=0", "3x/(x^2!-1)=1"})
        strDocuments +=
            WriteLatex(ToWorkedSolution(ReportText(szText, 0, 0, ENarrativeForm::WithFormulas)));
    std::ifstream sheet(std::string(FENNORY_SOURCE_DIR) + "/tests/data/examples.txt");
    strDocuments += FormatSheet(sheet, 0, EOutputFormat::Latex); // its contents list too
    for (const char* szOdd : {"x^2!^3!", "(x+1", "x)", "^2!", "%1,2"})
        strDocuments += WriteLatex(MakeWorkedSolution(szOdd, szOdd, RunSimplify("x")));
    CScratchDir dir;
    const std::filesystem::path documents = dir.Write("all.tex", strDocuments);
    const CToolRun run = RunTool("node " + Quoted(KatexFolder() + "/check-latex.js") + " < " +
                                 Quoted(documents.string()));
    EXPECT_EQ(run.m_nStatus, 0) << run.m_strOutput;
    // The formulas inside the steps are among them.
    std::smatch match;
    ASSERT_TRUE(std::regex_search(run.m_strOutput, match, std::regex("\\((\\d+) inside lines\\)")))
        << run.m_strOutput;
    EXPECT_GT(std::stoi(match[1]), 500) << run.m_strOutput;
}
} // namespace
