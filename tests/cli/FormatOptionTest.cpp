// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "RunCli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace
{
bool Contains(const std::string& strText, const std::string& strPart)
{
    return strText.find(strPart) != std::string::npos;
}

TEST(FormatOption, JsonFormatIsTheJsonFlag)
{
    EXPECT_EQ(RunCli({"--format", "json", "x+x"}).m_strOut, RunCli({"--json", "x+x"}).m_strOut);
    EXPECT_EQ(RunCli({"--format=text", "x+x"}).m_strOut, RunCli({"x+x"}).m_strOut);
}

TEST(FormatOption, UnknownOrConflictingFormatsAreUsageErrors)
{
    EXPECT_EQ(RunCli({"--format", "pdf", "x"}).m_nStatus, kExitUsage);
    EXPECT_EQ(RunCli({"--json", "--format", "html", "x"}).m_nStatus, kExitUsage);
    // A planted fault that let this through went unnoticed: one sheet has no MathML form.
    EXPECT_EQ(RunCli({"--batch", "--format", "mathml"}, "x\n").m_nStatus, kExitUsage);
    EXPECT_EQ(RunCli({"--batch", "--format", "latex", "--repeat", "2"}, "x\n").m_nStatus,
              kExitUsage);
    EXPECT_EQ(RunCli({"--format", "html", "--repeat", "2", "x"}).m_nStatus, kExitUsage);
}

TEST(FormatOption, HtmlTypesetsTheProblemAndNestsTheNarrative)
{
    const CRun run = RunCli({"--format", "html", "3%1,2$x^2!"});
    EXPECT_EQ(run.m_nStatus, 0);
    EXPECT_EQ(run.m_strOut.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_TRUE(Contains(run.m_strOut, "<mn>3</mn><mfrac><mn>1</mn><mn>2</mn></mfrac>"));
    EXPECT_TRUE(Contains(run.m_strOut, "<msup><mi>x</mi><mn>2</mn></msup>"));
    EXPECT_TRUE(Contains(run.m_strOut, "<ul class=\"steps\">"));
    EXPECT_FALSE(Contains(run.m_strOut, "<script"));
}

TEST(FormatOption, RefusedTextStillGivesADocumentThatSaysWhy)
{
    const CRun run = RunCli({"--format", "html", "*x<"});
    EXPECT_EQ(run.m_nStatus, 1);
    EXPECT_TRUE(Contains(run.m_strOut, "<code>*x&lt;</code>"));
    EXPECT_TRUE(Contains(run.m_strOut, "at character 3 cannot be read"));
}

TEST(FormatOption, LatexAndMathMLOfAnEquation)
{
    const CRun latex = RunCli({"--format", "latex", "3x/(x+1)=0"});
    EXPECT_TRUE(Contains(latex.m_strOut, "$\\displaystyle \\frac{3x}{x+1}=0$"));
    EXPECT_TRUE(Contains(latex.m_strOut, "$\\displaystyle 3x=0$"));
    const CRun mathml = RunCli({"--format", "mathml", "x/2"});
    EXPECT_EQ(mathml.m_strOut.rfind("<?xml", 0), 0u);
    EXPECT_TRUE(Contains(mathml.m_strOut, "<mfrac><mn>1</mn><mn>2</mn></mfrac><mi>x</mi>"));
}

// Comment and heading lines are no problems: they get no answer line (they used to be refused).
TEST(FormatOption, BatchTextAnswersEveryLineOnItsOwnLine)
{
    const CRun run = RunCli({"--batch", "--format", "text"}, "x+x\n# note\n## Part\n\n*x\nx+1/x\n");
    EXPECT_EQ(run.m_strOut, "2x\n"
                            "Error: Nothing to simplify: the text is empty\n"
                            "Error: Invalid First Character\n"
                            "(x^2+1)/x\tFurther: x+1/x\n");
}

TEST(FormatOption, BatchJsonLeavesOutCommentsAndHeadingsAsTheSheetDoes)
{
    const CRun run = RunCli({"--batch"}, "# Inputs, one a line\n## Sums\nx+x\n");
    EXPECT_EQ(std::count(run.m_strOut.begin(), run.m_strOut.end(), '\n'), 1) << run.m_strOut;
    EXPECT_TRUE(Contains(run.m_strOut, "\"input\":\"x+x\"")) << run.m_strOut;
}

TEST(FormatOption, BatchSheetHasContentsHeadingsAndErrors)
{
    const CRun run = RunCli({"--batch", "--format", "html"},
                            "# A comment\n## Fractions\nx/2\n*x\n\n#\n##\nx+x\n");
    const std::string& strSheet = run.m_strOut;
    EXPECT_EQ(run.m_nStatus, 1); // *x was refused
    EXPECT_TRUE(Contains(strSheet, "<h1>Worked solutions</h1>"));
    EXPECT_TRUE(Contains(strSheet, "<h2>Fractions</h2>"));
    EXPECT_FALSE(
        Contains(strSheet, "comment")); // a comment line (as the examples have) is no heading
    EXPECT_TRUE(Contains(strSheet, "<a href=\"#problem-3\">"));
    EXPECT_FALSE(Contains(strSheet, "problem-4")); // headings and blank lines are no problems
    EXPECT_TRUE(Contains(strSheet, "<code>*x</code></a> (Invalid First Character)"));
    EXPECT_LT(strSheet.find("Fractions"), strSheet.find("id=\"problem-1\""));
}

TEST(FormatOption, BatchLatexIsOneDocumentForTheWholeSheet)
{
    const CRun run = RunCli({"--batch", "--format", "latex"}, "## Fractions\nx/2\n*x\nx+1/x\n");
    const std::string& strSheet = run.m_strOut;
    EXPECT_EQ(run.m_nStatus, 1) << run.m_strErr; // *x was refused
    EXPECT_EQ(strSheet.rfind("\\documentclass", 0), 0u);
    EXPECT_EQ(strSheet.find("\\documentclass", 1), std::string::npos);
    EXPECT_TRUE(Contains(strSheet, "\\section*{Fractions}"));
    EXPECT_TRUE(Contains(strSheet, "\\subsection*{Problem 3}"));
    EXPECT_TRUE(Contains(strSheet, "\\item \\texttt{*x} (Invalid First Character)"));
    EXPECT_TRUE(Contains(strSheet, "\\item $\\displaystyle x+\\frac{1}{x}$ $\\rightarrow$ "
                                   "$\\displaystyle x+\\frac{1}{x}$"));
    EXPECT_LT(strSheet.find("Fractions"), strSheet.find("Problem 1"));
}

TEST(FormatOption, OutputGoesToTheFile)
{
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("fennory-out-" + std::to_string(std::random_device()()));
    const CRun run = RunCli({"--format", "html", "--output", file.string(), "x+x"});
    EXPECT_EQ(run.m_nStatus, 0);
    EXPECT_TRUE(run.m_strOut.empty());
    std::ifstream written(file);
    std::stringstream content;
    content << written.rdbuf();
    EXPECT_EQ(content.str().rfind("<!DOCTYPE html>", 0), 0u);
    std::filesystem::remove(file);
}

// The answer is gathered before the output is opened: in an unnamed file, or in memory when
// no such file can be made. Either way a batch file given as its own output is read first.
TEST(FormatOption, BatchFileAsItsOwnOutputIsReadFirst)
{
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("fennory-self-" + std::to_string(std::random_device()()));
    for (const char* szGatherIn : {"", "/nonexistent/fennory"})
    {
        SCOPED_TRACE(szGatherIn);
        std::ofstream(file) << "x+x\n2x\n";
        if (*szGatherIn)
            setenv("TMPDIR", szGatherIn, 1);
        const CRun run = RunCli({"--batch", file.string(), "--output", file.string()});
        unsetenv("TMPDIR");
        EXPECT_EQ(run.m_nStatus, 0) << run.m_strErr;
        std::ifstream written(file);
        std::stringstream content;
        content << written.rdbuf();
        EXPECT_TRUE(Contains(content.str(), "\"input\":\"x+x\""));
        EXPECT_TRUE(Contains(content.str(), "\"input\":\"2x\""));
    }
    std::filesystem::remove(file);
}

TEST(FormatOption, UnwritableOutputIsReportedNotSilent)
{
    const CRun run = RunCli({"--output", "/nonexistent/fennory/out.txt", "x+x"});
    EXPECT_EQ(run.m_nStatus, kExitCannotWrite);
    EXPECT_TRUE(Contains(run.m_strErr, "Cannot write /nonexistent/fennory/out.txt"));
}

TEST(FormatOption, OutputFileNameStartingWithMinusIsNotTakenForText)
{
    const std::string strName = "-fennory-test-" + std::to_string(std::random_device()()) + ".txt";
    const CRun run = RunCli({"--output", strName, "x+x"});
    EXPECT_EQ(run.m_nStatus, 0) << run.m_strErr;
    EXPECT_TRUE(std::filesystem::exists(strName));
    std::filesystem::remove(strName);
}
} // namespace
