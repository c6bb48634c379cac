// SPDX-License-Identifier: GPL-3.0-or-later
// fennory-cli --graph: the files it writes are read by their real consumers (xmllint, Qt's PNG
// reader, Chromium), and its option mistakes are usage errors.
#include "CommandLine.h"
#include "ExternalTool.h"

#include <gtest/gtest.h>

#include <QImage>

#include <fstream>
#include <sstream>

namespace
{
struct SGraphRun
{
    int m_nStatus;
    std::string m_strOut, m_strErr;
};

SGraphRun RunGraphCli(std::vector<std::string> args, const std::string& strInput = "")
{
    std::istringstream in(strInput);
    std::ostringstream out, err;
    const int nStatus = RunCommandLine(std::move(args), in, out, err);
    return {nStatus, out.str(), err.str()};
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

size_t Count(const std::string& strText, const std::string& strPart)
{
    size_t nCount = 0;
    for (size_t n = strText.find(strPart); n != std::string::npos; n = strText.find(strPart, n + 1))
        ++nCount;
    return nCount;
}

struct SGraphFileCase
{
    const char* m_pProblem;
    const char* m_pFile;
    const char* m_pMustHold; // in the SVG's text, "" for a PNG
};

class GraphFile : public testing::TestWithParam<SGraphFileCase>
{
};

TEST_P(GraphFile, IsWrittenAndReadBack)
{
    const SGraphFileCase& row = GetParam();
    CScratchDir dir;
    const std::filesystem::path file = dir.File(row.m_pFile);
    const SGraphRun run = RunGraphCli({"--graph", file.string(), row.m_pProblem});
    ASSERT_EQ(run.m_nStatus, 0) << row.m_pProblem << ": " << run.m_strErr;
    if (std::string(row.m_pMustHold).empty())
    {
        const QImage image(QString::fromStdString(file.string()));
        EXPECT_FALSE(image.isNull()) << row.m_pProblem;
        return;
    }
    const std::string strSvg = ReadFile(file);
    EXPECT_NE(strSvg.find(row.m_pMustHold), std::string::npos) << row.m_pProblem;
    const std::string strXmllint = FindProgram("xmllint");
    if (strXmllint.empty())
        GTEST_SKIP() << "xmllint is not installed (Debian: libxml2-utils); SVG not parsed";
    const CToolRun parse = RunTool(strXmllint + " --noout " + Quoted(file.string()));
    EXPECT_EQ(parse.m_nStatus, 0) << row.m_pProblem << ": " << parse.m_strOutput;
}

INSTANTIATE_TEST_SUITE_P(
    Files, GraphFile,
    testing::Values(SGraphFileCase{"(x^2-1)/(x+1)", "hole.svg", "(-1, -2)"},
                    SGraphFileCase{"x^3-x-1=0", "cubic.svg", "x \xE2\x89\x88 1.324717957"},
                    SGraphFileCase{"x/(x-1)=1/(x-1)", "excluded.svg", "x \xE2\x89\xA0 1"},
                    SGraphFileCase{"x+y", "letters.svg", "A graph needs a problem in one letter"},
                    SGraphFileCase{"1/x", "pole.PNG", ""}));

struct SGraphMistake
{
    std::vector<std::string> m_Args;
    int m_nStatus;
    const char* m_pMessage;
};

class GraphOptionMistake : public testing::TestWithParam<SGraphMistake>
{
};

TEST_P(GraphOptionMistake, IsReported)
{
    const SGraphMistake& row = GetParam();
    const SGraphRun run = RunGraphCli(row.m_Args);
    EXPECT_EQ(run.m_nStatus, row.m_nStatus) << run.m_strErr;
    EXPECT_NE(run.m_strErr.find(row.m_pMessage), std::string::npos) << run.m_strErr;
}

INSTANTIATE_TEST_SUITE_P(
    Mistakes, GraphOptionMistake,
    testing::Values(
        SGraphMistake{{"--graph", "x+1"}, 64, "--graph needs FILE.svg or FILE.png"},
        SGraphMistake{{"--batch", "--graph", "a.svg"}, 64, "a batch takes --format html --graph"},
        SGraphMistake{{"--graph", "/nonexistent/dir/a.png", "x+1"}, 73, "Cannot write"}));

// One graph per problem on a sheet, none for a heading; the page stays well formed XHTML, and
// a browser draws the curves.
TEST(GraphSheet, HoldsEachProblemsGraph)
{
    const SGraphRun run = RunGraphCli({"--batch", "--format", "html", "--graph"},
                                      "# Graphs\n(x^2-1)/(x+1)\nx^2-4=0\n2x+3y=6\n");
    ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;
    EXPECT_EQ(Count(run.m_strOut, "<svg"), 3u);
    CScratchDir dir;
    const std::filesystem::path page = dir.Write("sheet.html", run.m_strOut);
    if (const std::string strXmllint = FindProgram("xmllint"); !strXmllint.empty())
    {
        const CToolRun parse = RunTool(strXmllint + " --noout " + Quoted(page.string()));
        EXPECT_EQ(parse.m_nStatus, 0) << parse.m_strOutput;
    }
    const std::string strChromium = FindProgram("chromium");
    if (strChromium.empty())
        GTEST_SKIP() << "Chromium is not installed (Debian: chromium); sheet not rendered";
    const std::filesystem::path shot = dir.File("sheet.png");
    const CToolRun render =
        RunTool("timeout 120 " + strChromium +
                " --headless --no-sandbox --disable-gpu --no-first-run --hide-scrollbars"
                " --disable-background-networking --user-data-dir=" +
                Quoted(dir.File("profile").string()) + " --window-size=900,1400 --screenshot=" +
                Quoted(shot.string()) + " " + Quoted("file://" + page.string()));
    const QImage image(QString::fromStdString(shot.string()));
    ASSERT_FALSE(image.isNull()) << render.m_strOutput;
    int nCurvePixels = 0; // the first curve's blue, as the paper colours draw it
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
        {
            const QColor pixel = image.pixelColor(x, y);
            nCurvePixels += pixel.blue() > 150 && pixel.red() < 80 && pixel.green() < 130;
        }
    EXPECT_GT(nCurvePixels, 200);
}
} // namespace
