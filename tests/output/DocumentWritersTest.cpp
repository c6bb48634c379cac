// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/MathWriters.h"
#include "output/Writers.h"

#include <gtest/gtest.h>

namespace
{
CWorkedSolution Solved()
{
    CSimplifyOutcome outcome;
    outcome.m_strResult = "x^2!+%1,2$";
    outcome.m_strResultDisplay = "x^2+(1/2)";
    outcome.m_strExplanation = "First & <one>\r\n        Under it\r\n\r\nSecond\r\n";
    return MakeWorkedSolution("x^2!+%1,2$", "x^2!+%1,2$", outcome);
}

TEST(TextWriter, WholeSolutionWithTheProblem)
{
    EXPECT_EQ(WriteText(Solved(), true), R"(Problem: x^2+(1/2)
Result: x^2+(1/2)
How it was done
First & <one>
        Under it

Second
)");
}

TEST(TextWriter, RefusedProblemGivesItsMessages)
{
    const CWorkedSolution refused =
        MakeRefusedSolution("*x(", {"Invalid First Character", "Missing closing bracket"});
    EXPECT_EQ(WriteText(refused, true),
              "Problem: *x(\nInvalid First Character\nMissing closing bracket\n");
    EXPECT_EQ(WriteTextLine(refused), "Error: Invalid First Character; Missing closing bracket\n");
}

TEST(HtmlWriter, NarrativeLevelsBecomeNestedListsWithTheirTextEscaped)
{
    const std::string strHtml = WriteHtml(Solved());
    EXPECT_NE(strHtml.find(R"(<ul class="steps">
<li>First &amp; &lt;one&gt;<ul>
<li class="gap">Under it</li>
</ul></li>
<li>Second</li>
</ul>)"),
              std::string::npos)
        << strHtml;
    EXPECT_NE(strHtml.find("<meta charset=\"utf-8\"/>"), std::string::npos);
    EXPECT_NE(strHtml.find("@media print"), std::string::npos);
    EXPECT_EQ(strHtml.find("<script"), std::string::npos);
    EXPECT_EQ(strHtml.find("src="), std::string::npos); // nothing fetched
    EXPECT_EQ(strHtml.find("href=\"http"), std::string::npos);
}

TEST(HtmlWriter, SheetNumbersProblemsAndNotHeadings)
{
    CWorkedSheet sheet{"Worked solutions", {}};
    sheet.m_Items.push_back({std::string("Part <A>"), {}});
    sheet.m_Items.push_back({std::nullopt, Solved()});
    sheet.m_Items.push_back({std::nullopt, MakeRefusedSolution("=", {"Invalid First Character"})});
    const std::string strHtml = WriteHtmlSheet(sheet);
    EXPECT_NE(strHtml.find("<h2>Part &lt;A&gt;</h2>"), std::string::npos);
    EXPECT_NE(strHtml.find("<h3>Problem 2</h3>"), std::string::npos);
    EXPECT_EQ(strHtml.find("Problem 3"), std::string::npos);
    EXPECT_NE(strHtml.find("<li>Invalid First Character</li>"), std::string::npos);
}

// The title, the heading and the PDF's title showed the internal text (x^2!-1).
TEST(HtmlWriter, TitleAndHeadingShowTheProblemInDisplayForm)
{
    const std::string strText = "(x+1)/(x^2!-1)";
    const std::string strHtml =
        WriteHtml(MakeWorkedSolution(strText, strText, RunSimplify(strText)));
    EXPECT_NE(strHtml.find("<title>Worked solution: (x+1)/(x^2-1)</title>"), std::string::npos);
    EXPECT_NE(strHtml.find("<h1>Worked solution: (x+1)/(x^2-1)</h1>"), std::string::npos);
    EXPECT_EQ(strHtml.find("x^2!"), std::string::npos);
    EXPECT_EQ(WorkedSolutionTitle(MakeRefusedSolution("x^2!+", {"Missing term"})),
              "Worked solution: x^2!+"); // refused: as it was typed
}

// A planted fault showing the result there went unnoticed: the contents list gives the last
// word on each problem, its further result where it has one.
TEST(HtmlWriter, SheetContentsShowTheFurtherResultWhereThereIsOne)
{
    CWorkedSheet sheet{"Worked solutions", {}};
    for (const char* szText : {"x+1/x", "x+x"})
        sheet.m_Items.push_back(
            {std::nullopt, MakeWorkedSolution(szText, szText, RunSimplify(szText))});
    const std::string strHtml = WriteHtmlSheet(sheet);
    const std::string strContents = strHtml.substr(0, strHtml.find("</nav>"));
    const CWorkedSolution& withFurther = sheet.m_Items[0].m_Solution;
    ASSERT_TRUE(withFurther.m_strFurther);
    EXPECT_NE(strContents.find(ToWrappingMathML(*withFurther.m_strFurther)), std::string::npos)
        << strContents;
    EXPECT_EQ(strContents.find(ToWrappingMathML(*withFurther.m_strResult)), std::string::npos);
    EXPECT_NE(strContents.find("\xE2\x86\x92 " + ToWrappingMathML("2x") + "</li>"),
              std::string::npos); // no further result: the result
}

// Narratives go nine levels deep; LaTeX's lists stop at four.
TEST(LatexWriter, DeepNarrativeAndSpecialCharactersInProse)
{
    CSimplifyOutcome outcome;
    outcome.m_strResult = "x";
    outcome.m_strResultDisplay = "x";
    for (int i = 0; i < 9; ++i)
        outcome.m_strExplanation += std::string(8u * static_cast<size_t>(i), ' ') + "Level\r\n";
    const std::string strLatex = WriteLatex(MakeWorkedSolution("x", "x", outcome));
    EXPECT_EQ(strLatex.find("itemize"), std::string::npos);
    EXPECT_NE(strLatex.find("\\hspace*{16em}Level"), std::string::npos);

    const CWorkedSolution refused = MakeRefusedSolution("#%x_{}\\", {"50% & more"});
    const std::string strRefused = WriteLatex(refused);
    EXPECT_NE(strRefused.find("\\texttt{\\#\\%x\\_\\{\\}\\textbackslash{}}"), std::string::npos)
        << strRefused;
    EXPECT_NE(strRefused.find("50\\% \\& more"), std::string::npos);
}
} // namespace

// The roots of a solution line are typeset between its words; the plain forms keep the line.
TEST(SolutionLine, RootsAreTypesetBetweenTheWords)
{
    CSimplifyOutcome outcome;
    outcome.m_strResult = "x^2!-2=0";
    outcome.m_strSolutionLabel = "Solution";
    outcome.m_strSolution = "x = √2 or x = -√2";
    outcome.m_strMarkedSolution =
        "\x01x=\xE2\x88\x9A{2}\x02x = √2\x03 or \x01x=-\xE2\x88\x9A{2}\x02x = -√2\x03";
    const CWorkedSolution solution = MakeWorkedSolution("x^2=2", "x^2!-2=0", outcome);
    const std::string strHtml = WriteHtml(solution);
    const std::string strRoot = "<msqrt><mn>2</mn></msqrt>";
    EXPECT_NE(strHtml.find("<mo>=</mo>" + strRoot + "</mrow></math> or <math"), std::string::npos)
        << strHtml;
    EXPECT_NE(WriteMathML(solution).find(strRoot + "</mrow><mtext>&#160;or&#160;</mtext>"),
              std::string::npos);
    EXPECT_NE(WriteText(solution, true).find("Solution: x = √2 or x = -√2"), std::string::npos);
}
