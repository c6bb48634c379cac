// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/WorkedSolution.h"

#include <gtest/gtest.h>

namespace
{
TEST(Narrative, IndentedLinesBecomeStepsOfTheLineAbove)
{
    const std::vector<CStep> steps = ParseNarrative("A\r\n        B\r\n                C\r\n"
                                                    "        D\r\nE\r\n");
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].m_strText, "A");
    ASSERT_EQ(steps[0].m_Steps.size(), 2u);
    EXPECT_EQ(steps[0].m_Steps[0].m_strText, "B");
    EXPECT_EQ(steps[0].m_Steps[0].m_nIndent, 8);
    ASSERT_EQ(steps[0].m_Steps[0].m_Steps.size(), 1u);
    EXPECT_EQ(steps[0].m_Steps[0].m_Steps[0].m_strText, "C");
    EXPECT_EQ(steps[0].m_Steps[1].m_strText, "D");
    EXPECT_TRUE(steps[1].m_Steps.empty());
}

TEST(Narrative, LineTwoLevelsDeeperStillBelongsToTheLineAbove)
{
    const std::vector<CStep> steps = ParseNarrative("A\r\n                C\r\n        B\r\n");
    ASSERT_EQ(steps.size(), 1u);
    ASSERT_EQ(steps[0].m_Steps.size(), 2u);
    EXPECT_EQ(steps[0].m_Steps[0].m_strText, "C");
    EXPECT_EQ(steps[0].m_Steps[1].m_strText, "B");
}

TEST(Narrative, NarrativeStartingIndentedHasIndentedRoots)
{
    const std::vector<CStep> steps = ParseNarrative("        A\r\nB\r\n");
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].m_nIndent, 8);
}

// Text kept exactly: gaps between blocks, a gap before the steps under a line, no final end.
TEST(Narrative, WritingTheTreeGivesTheNarrativeBack)
{
    const std::string strNarrative = R"(Brimlet Works
        Term x

        Giving x
                Deeper  with  inner  blanks
Last

)";
    EXPECT_EQ(NarrativeText(ParseNarrative(strNarrative), "\n"), strNarrative);
}

TEST(Narrative, EmptyAndBlankTextsGiveNoSteps)
{
    EXPECT_TRUE(ParseNarrative("").empty());
    EXPECT_TRUE(ParseNarrative("\r\n   \r\n").empty());
}

TEST(WorkedSolution, EngineErrorKeepsOnlyItsMessage)
{
    CSimplifyOutcome outcome;
    outcome.m_strError = "Divide by zero";
    outcome.m_strExplanation = "half a narrative\r\n";
    const CWorkedSolution solution = MakeWorkedSolution("x/0", "x/0", outcome);
    EXPECT_FALSE(solution.IsSolved());
    EXPECT_EQ(solution.m_Errors, std::vector<std::string>{"Divide by zero"});
    EXPECT_TRUE(solution.m_Narrative.empty());
}

TEST(WorkedSolution, SimplifiedProblemCarriesResultsAndSteps)
{
    const std::string strText = "x+1/x";
    const CWorkedSolution solution = MakeWorkedSolution(strText, strText, RunSimplify(strText));
    ASSERT_TRUE(solution.IsSolved());
    EXPECT_EQ(*solution.m_strResultDisplay, "(x^2+1)/x");
    EXPECT_EQ(solution.m_strFurtherDisplay.value_or(""), "x+1/x");
    EXPECT_FALSE(solution.m_Narrative.empty());
}
} // namespace
