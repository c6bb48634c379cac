// SPDX-License-Identifier: GPL-3.0-or-later
// A browser renders the sheet: headless Chromium prints it to PDF, whose text pdftotext reads
// back, and takes pictures whose pixels show fractions stacked and powers raised.
#include "ExamplesSheet.h"
#include "ExternalTool.h"
#include "PrintedText.h"
#include "output/MathText.h"
#include "output/MathWriters.h"
#include "output/WorkedSolution.h"
#include "output/Writers.h"

#include <gtest/gtest.h>

#ifdef FENNORY_HAVE_QT_GUI
#include <QImage>
#endif

#include <fstream>
#include <regex>

namespace
{
class ChromiumRender : public testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* szName : {"chromium", "chromium-browser"})
            if (m_strChromium.empty())
                m_strChromium = FindProgram(szName);
        if (m_strChromium.empty())
            GTEST_SKIP() << "Chromium is not installed (Debian: chromium); HTML not rendered";
    }

    // Chromium, shut off from the network and from any profile but a fresh one.
    CToolRun Chromium(const std::string& strArguments)
    {
        return RunTool("timeout 120 " + m_strChromium +
                       " --headless --no-sandbox --disable-gpu --disable-quic --no-first-run"
                       " --disable-background-networking --disable-component-update"
                       " --disable-sync --hide-scrollbars --user-data-dir=" +
                       Quoted(m_Dir.File("profile").string()) + " " + strArguments);
    }

    std::string Url(const std::filesystem::path& page) { return Quoted("file://" + page.string()); }

    // The page printed to PDF by Chromium, and the PDF's text as pdftotext reads it.
    std::string PrintedText(const std::string& strName, const std::string& strPage)
    {
        const std::filesystem::path page = m_Dir.Write(strName + ".html", strPage);
        const std::filesystem::path pdf = m_Dir.File(strName + ".pdf");
        const CToolRun print = Chromium(
            "--no-pdf-header-footer --print-to-pdf=" + Quoted(pdf.string()) + " " + Url(page));
        EXPECT_TRUE(std::filesystem::exists(pdf)) << print.m_strOutput;
        const CToolRun text = RunTool("pdftotext -raw -enc UTF-8 " + Quoted(pdf.string()) + " -");
        EXPECT_EQ(text.m_nStatus, 0) << text.m_strOutput;
        return text.m_strOutput;
    }

    std::string m_strChromium;
    CScratchDir m_Dir;
};

// --- the printed sheet ---

// What a step prints as: its words, and each formula in it as typeset.
std::string PrintedStep(const CStep& step)
{
    if (step.m_Pieces.empty())
        return Comparable(step.m_strText);
    std::string strStep;
    for (const CStepPiece& piece : step.m_Pieces)
        strStep += piece.m_bFormula ? Typeset(piece.m_strFormula) : piece.m_strText;
    return Comparable(strStep);
}

void ExpectStepsPrinted(const std::vector<CStep>& steps, const std::string& strPrinted,
                        const std::string& strInput)
{
    for (const CStep& step : steps)
    {
        EXPECT_NE(strPrinted.find(PrintedStep(step)), std::string::npos)
            << strInput << " narrative line: " << step.m_strText;
        ExpectStepsPrinted(step.m_Steps, strPrinted, strInput);
    }
}

TEST_F(ChromiumRender, PrintedSheetHoldsEveryProblemResultAndNarrativeLine)
{
    if (FindProgram("pdftotext").empty())
        GTEST_SKIP() << "pdftotext is not installed (Debian: poppler-utils); PDF not read";
    const std::string strPrinted = Comparable(PrintedText("sheet", ExamplesSheet()));

    std::ifstream examples(std::string(FENNORY_SOURCE_DIR) + "/tests/data/examples.txt");
    std::string strLine;
    int nProblems = 0;
    while (std::getline(examples, strLine))
    {
        if (strLine.empty() || strLine.front() == '#')
            continue;
        ++nProblems;
        const CTextReport report = ReportText(strLine, 0, 0, ENarrativeForm::WithFormulas);
        const CWorkedSolution solution = ToWorkedSolution(report);
        EXPECT_NE(strPrinted.find(Typeset(solution.m_strProblem)), std::string::npos) << strLine;
        EXPECT_NE(strPrinted.find(Typeset(solution.m_strResult.value_or(""))), std::string::npos)
            << strLine << " result " << solution.m_strResult.value_or("(none)");
        if (solution.m_strFurther)
        {
            EXPECT_NE(strPrinted.find(Typeset(*solution.m_strFurther)), std::string::npos)
                << strLine << " further " << *solution.m_strFurther;
        }
        ExpectStepsPrinted(solution.m_Narrative, strPrinted, strLine);
    }
    EXPECT_GT(nProblems, 50);
}

// (x+1)^30 has 31 terms: 21 of them ran off the printed page. Each term is found in its order.
TEST_F(ChromiumRender, PrintedLongResultHoldsEveryTerm)
{
    if (FindProgram("pdftotext").empty())
        GTEST_SKIP() << "pdftotext is not installed (Debian: poppler-utils); PDF not read";
    const CWorkedSolution solution = ToWorkedSolution(ReportText("(x+1)^30!"));
    const std::string strPrinted = Comparable(PrintedText("long", WriteHtml(solution)));
    const std::string strResult = solution.m_strResult.value_or("");
    size_t nFrom = 0;
    int nTerms = 0;
    for (size_t nStart = 0; nStart < strResult.size(); ++nTerms)
    {
        const size_t nEnd = strResult.find_first_of("+-", nStart + 1);
        const std::string strTerm = Typeset(strResult.substr(nStart, nEnd - nStart));
        nFrom = strPrinted.find(strTerm, nFrom);
        ASSERT_NE(nFrom, std::string::npos) << "term " << nTerms << ": " << strTerm;
        nStart = nEnd == std::string::npos ? strResult.size() : nEnd;
    }
    EXPECT_EQ(nTerms, 31);
}

// --- every fraction stacked, every power raised, measured by the browser's own boxes ---

// A test-only script, added to a copy of the sheet, writes the boxes it finds into the page.
constexpr const char* kMeasureScript = R"(<script>
window.addEventListener("load", () => {
  const box = (e) => e.getBoundingClientRect();
  let fractions = 0, stacked = 0, powers = 0, raised = 0;
  for (const f of document.getElementsByTagName("mfrac")) {
    fractions++;
    const top = box(f.children[0]), bottom = box(f.children[1]);
    if (top.height > 0 && top.bottom <= bottom.top + 1) stacked++;
  }
  for (const p of document.getElementsByTagName("msup")) {
    powers++;
    const base = box(p.children[0]), exponent = box(p.children[1]);
    if (exponent.height > 0 && exponent.bottom < base.bottom - 2 && exponent.top < base.top) raised++;
  }
  const inSteps = (tag) => document.querySelectorAll("ul.steps " + tag).length;
  document.body.setAttribute("data-measured",
    `fractions=${fractions} stacked=${stacked} powers=${powers} raised=${raised} ` +
    `steps: formulas=${inSteps("math")} fractions=${inSteps("mfrac")} powers=${inSteps("msup")}`);
});
</script>)";

// The browser's count of fractions and powers, and of those it drew stacked and raised.
std::smatch Measured(const std::string& strDom, std::string& strKeep)
{
    strKeep = strDom;
    std::smatch match;
    const std::regex measured("fractions=(\\d+) stacked=(\\d+) powers=(\\d+) raised=(\\d+)");
    std::regex_search(strKeep, match, measured);
    return match;
}

TEST_F(ChromiumRender, EveryFractionOfTheExamplesIsStackedAndEveryPowerRaised)
{
    std::string strSheet = ExamplesSheet();
    strSheet.insert(strSheet.find("</head>"), kMeasureScript);
    const std::filesystem::path page = m_Dir.Write("measured.html", strSheet);
    const CToolRun run = Chromium("--dump-dom " + Url(page));
    std::smatch match;
    const std::regex measured("fractions=(\\d+) stacked=(\\d+) powers=(\\d+) raised=(\\d+) "
                              "steps: formulas=(\\d+) fractions=(\\d+) powers=(\\d+)");
    ASSERT_TRUE(std::regex_search(run.m_strOutput, match, measured))
        << run.m_strOutput.substr(0, 2000);
    // Typed fractions and, three times as many, the divisions of problems and results.
    EXPECT_GT(std::stoi(match[1]), 150);
    EXPECT_EQ(match[2], match[1]) << match[0];
    EXPECT_GT(std::stoi(match[3]), 10);
    EXPECT_EQ(match[4], match[3]) << match[0];
    // The formulas inside the steps are typeset too, and counted among those above.
    EXPECT_GT(std::stoi(match[5]), 500) << match[0];
    EXPECT_GT(std::stoi(match[6]), 10) << match[0];
    EXPECT_GT(std::stoi(match[7]), 100) << match[0];
}

// Each division of these is one stacked fraction (two for 1/x+1/y), its power raised.
TEST_F(ChromiumRender, DivisionsOfTheTermsAreStacked)
{
    std::string strBody;
    for (const char* szText :
         {"(x^2!-1)/(x^2!+2x+1)", "1/x+1/y", "x^2!/(xy+1)", "(x+1)/(x+1)^3!", "3%1,2$x/(x+1)"})
        strBody += "<p>" + ToMathML(szText) + "</p>";
    const std::string strPage =
        "<!DOCTYPE html><html xmlns=\"http://www.w3.org/1999/xhtml\"><head>" +
        std::string(kMeasureScript) + "</head><body>" + strBody + "</body></html>";
    std::string strDom;
    const std::smatch match = Measured(
        Chromium("--dump-dom " + Url(m_Dir.Write("done.html", strPage))).m_strOutput, strDom);
    ASSERT_FALSE(match.empty()) << strDom.substr(0, 2000);
    EXPECT_EQ(match[0], "fractions=6 stacked=6 powers=4 raised=4");
}

// --- a picture ---

#ifdef FENNORY_HAVE_QT_GUI
// Rows of the picture holding any dark pixel, top to bottom.
int InkHeight(const QImage& image)
{
    int nTop = -1;
    int nBottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 160)
            {
                nTop = nTop < 0 ? y : nTop;
                nBottom = y;
                break;
            }
    return nTop < 0 ? 0 : nBottom - nTop + 1;
}

TEST_F(ChromiumRender, PictureOfAStackedFractionIsTallerThanALineOfText)
{
    const auto picture = [&](const std::string& strName, const std::string& strBody)
    {
        const std::string strPage =
            "<!DOCTYPE html><html xmlns=\"http://www.w3.org/1999/xhtml\"><head><meta "
            "charset=\"utf-8\"/><style>body{margin:20px;font-size:40px;background:#fff} "
            "math{math-style:normal}</style></head><body>" +
            strBody + "</body></html>";
        const std::filesystem::path page = m_Dir.Write(strName + ".html", strPage);
        const std::filesystem::path png = m_Dir.File(strName + ".png");
        const CToolRun run = Chromium("--window-size=400,300 --screenshot=" + Quoted(png.string()) +
                                      " " + Url(page));
        const QImage image(QString::fromStdString(png.string()));
        EXPECT_FALSE(image.isNull()) << run.m_strOutput;
        return InkHeight(image);
    };
    const int nLine = picture("line", "Hy(x)");
    const int nMixed = picture("mixed", ToMathML("3%1,2$x"));
    EXPECT_GT(nLine, 20);
    EXPECT_GT(nMixed, nLine * 5 / 4) << "line " << nLine;
}
#endif
} // namespace
