// SPDX-License-Identifier: GPL-3.0-or-later
// Every XML the writers produce is read by a real XML parser.
#include "ExamplesSheet.h"
#include "ExternalTool.h"
#include "TextReport.h"
#include "output/Writers.h"

#include <gtest/gtest.h>

namespace
{
class WellFormed : public testing::Test
{
protected:
    void SetUp() override
    {
        m_strXmllint = FindProgram("xmllint");
        if (m_strXmllint.empty())
            GTEST_SKIP() << "xmllint is not installed (Debian: libxml2-utils); XML not checked";
    }

    void ExpectWellFormed(const std::string& strName, const std::string& strXml)
    {
        const CToolRun run =
            RunTool(m_strXmllint + " --noout " + Quoted(m_Dir.Write(strName, strXml)));
        EXPECT_EQ(run.m_nStatus, 0) << run.m_strOutput;
    }

    std::string m_strXmllint;
    CScratchDir m_Dir;
};

TEST_F(WellFormed, SheetOfTheExamples)
{
    ExpectWellFormed("sheet.html", ExamplesSheet());
}

// Markup, quotes, control characters and bytes that are not UTF-8, typed or in a heading.
TEST_F(WellFormed, HostileInputsOnASheetAndAlone)
{
    const std::string strHostile = std::string("<b>&\"x\x01\xff\xc3", 9);
    std::istringstream lines("## " + strHostile + "\n" + strHostile + "\nx+1\n" + "(x+1\n");
    ExpectWellFormed("hostile-sheet.html", FormatSheet(lines, 0));
    const CWorkedSolution solution = ToWorkedSolution(ReportText(strHostile));
    ExpectWellFormed("hostile.html", WriteHtml(solution));
    ExpectWellFormed("hostile.mml", WriteMathML(solution));
}

// Validation lets 5000 nested brackets through (the engine then refuses them); typeset as
// nested elements they broke every XML parser's depth limit.
TEST_F(WellFormed, ThousandsOfNestedBracketsStayParseable)
{
    const std::string strDeep = std::string(5000, '(') + "x" + std::string(5000, ')') + "^2!";
    std::istringstream lines(strDeep + "\n");
    ExpectWellFormed("deep-sheet.html", FormatSheet(lines, 0));
    ExpectWellFormed("deep.mml", WriteMathML(MakeWorkedSolution(strDeep, strDeep, {})));
}

TEST_F(WellFormed, MathMLOfEveryShape)
{
    for (const char* szText :
         {"3x/(x+1)=0", "x^2!^3!", "x^1%1,2$!", "2%1,3$x-%1,2$", "x/0", "(x+1)^30!"})
        ExpectWellFormed("one.mml", WriteMathML(ToWorkedSolution(ReportText(szText))));
}
} // namespace
