// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/WorkedSolution.h"
#include "output/MathWriters.h"
#include "solve/SolveRequest.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

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

// The narrative with its formulas marked: the plain narrative unchanged, every line cut into
// words and formulas that make up the line, and each formula's equation text reading as its
// display text, over the examples and the steps they take.
std::string WithoutStars(std::string strText)
{
    std::erase(strText, '*');
    return strText;
}

void ExpectFormulasMarked(const std::vector<CStep>& marked, const std::vector<CStep>& plain,
                          int& nFormulas, const std::string& strInput)
{
    ASSERT_EQ(marked.size(), plain.size()) << strInput;
    for (size_t i = 0; i < marked.size(); ++i)
    {
        const CStep& step = marked[i];
        EXPECT_EQ(step.m_strText, plain[i].m_strText) << strInput;
        std::string strJoined;
        for (const CStepPiece& piece : step.m_Pieces)
        {
            strJoined += piece.m_strText;
            if (!piece.m_bFormula)
                continue;
            ++nFormulas;
            // A "*" may join two numbers the line shows side by side: 2(1/4) is 2*%1,4$.
            EXPECT_EQ(WithoutStars(ToDisplayMath(piece.m_strFormula)),
                      WithoutStars(piece.m_strText))
                << strInput << ": " << piece.m_strFormula << " in " << step.m_strText;
        }
        if (!step.m_Pieces.empty())
            EXPECT_EQ(strJoined, step.m_strText) << strInput;
        ExpectFormulasMarked(step.m_Steps, plain[i].m_Steps, nFormulas, strInput);
    }
}

TEST(WorkedSolution, FormulasOfTheStepsAreMarkedWhereTheyAreWritten)
{
    std::ifstream examples(std::string(FENNORY_SOURCE_DIR) + "/tests/data/examples.txt");
    int nFormulas = 0;
    for (std::string strLine; std::getline(examples, strLine);)
    {
        if (strLine.empty() || strLine.front() == '#')
            continue;
        // Simplified alone, and carried on by the solver, whose narrative follows.
        for (const bool bSolve : {false, true})
        {
            const auto run = [&](ENarrativeForm eForm) {
                return bSolve ? RunSimplifyAndSolve(strLine, 0, eForm)
                              : RunSimplify(strLine, eForm);
            };
            const CSimplifyOutcome plain = run(ENarrativeForm::Plain);
            const CSimplifyOutcome marked = run(ENarrativeForm::WithFormulas);
            EXPECT_EQ(marked.m_strExplanation, plain.m_strExplanation) << strLine;
            EXPECT_EQ(marked.m_strResult, plain.m_strResult) << strLine;
            EXPECT_FALSE(plain.m_strMarkedExplanation) << strLine;
            ASSERT_TRUE(marked.m_strMarkedExplanation) << strLine;
            ExpectFormulasMarked(ParseNarrative(*marked.m_strMarkedExplanation),
                                 ParseNarrative(plain.m_strExplanation), nFormulas, strLine);
        }
    }
    EXPECT_GT(nFormulas, 1000);
}
