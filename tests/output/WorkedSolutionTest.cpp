// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/WorkedSolution.h"
#include "output/MathWriters.h"
#include "solve/SolveRequest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <random>
#include <string>
#include <vector>

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

// The solver's formulas are spaced, may hold √ ± ≈ and fractions written "⅔" or "¹²⁄₁₃", and
// stack divisions their own way.
bool IsSolversFormula(const CStepPiece& piece)
{
    const auto wide = [](const std::string& strText)
    {
        return std::any_of(
            strText.begin(), strText.end(),
            [](char c) { return c == ' ' || c == '{' || static_cast<unsigned char>(c) >= 0x80; });
    };
    return wide(piece.m_strText) || wide(piece.m_strFormula);
}

// What a formula says, read in order: its letters, digits and signs, each fraction's digits
// as they are written ("⅔" as 2 then 3), brackets and the layout left out.
std::string Reading(const std::string& strText)
{
    static const std::vector<std::pair<std::string, std::string>> kWide = {
        {"\xC2\xBD", "12"},       {"\xE2\x85\x93", "13"},
        {"\xE2\x85\x94", "23"},   {"\xC2\xBC", "14"},
        {"\xC2\xBE", "34"},       {"\xE2\x85\x95", "15"},
        {"\xE2\x85\x96", "25"},   {"\xE2\x85\x97", "35"},
        {"\xE2\x85\x98", "45"},   {"\xE2\x85\x99", "16"},
        {"\xE2\x85\x9A", "56"},   {"\xE2\x85\x90", "17"},
        {"\xE2\x85\x9B", "18"},   {"\xE2\x85\x9C", "38"},
        {"\xE2\x85\x9D", "58"},   {"\xE2\x85\x9E", "78"},
        {"\xE2\x85\x91", "19"},   {"\xE2\x85\x92", "110"},
        {"\xC2\xB1", "\xC2\xB1"}, {"\xE2\x89\x88", "\xE2\x89\x88"}};
    static const char* const kScripts[] = {
        "\xE2\x81\xB0", "\xC2\xB9",     "\xC2\xB2",     "\xC2\xB3",     "\xE2\x81\xB4",
        "\xE2\x81\xB5", "\xE2\x81\xB6", "\xE2\x81\xB7", "\xE2\x81\xB8", "\xE2\x81\xB9"};
    std::string strOut;
    for (size_t i = 0; i < strText.size();)
    {
        const auto starts = [&](const std::string& strSign)
        { return strText.compare(i, strSign.size(), strSign) == 0; };
        bool bWide = false;
        for (const auto& [strSign, strReading] : kWide)
            if (!bWide && starts(strSign))
            {
                strOut += strReading;
                i += strSign.size();
                bWide = true;
            }
        for (int nDigit = 0; nDigit < 10 && !bWide; ++nDigit)
        {
            const std::string strSubscript =
                "\xE2\x82" + std::string(1, static_cast<char>(0x80 + nDigit));
            if (starts(kScripts[nDigit]) || starts(strSubscript))
            {
                strOut += static_cast<char>('0' + nDigit);
                i += starts(kScripts[nDigit]) ? std::string(kScripts[nDigit]).size() : 3;
                bWide = true;
            }
        }
        if (bWide)
            continue;
        const char c = strText[i++];
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '=')
            strOut += c;
    }
    return strOut;
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
            const std::string strDisplay = ToDisplayMath(piece.m_strFormula);
            if (IsSolversFormula(piece))
            {
                EXPECT_EQ(Reading(strDisplay), Reading(piece.m_strText))
                    << strInput << ": " << piece.m_strFormula << " in " << step.m_strText;
            }
            else
            {
                EXPECT_EQ(WithoutStars(strDisplay), WithoutStars(piece.m_strText))
                    << strInput << ": " << piece.m_strFormula << " in " << step.m_strText;
            }
        }
        if (!step.m_Pieces.empty())
        {
            EXPECT_EQ(strJoined, step.m_strText) << strInput;
        }
        ExpectFormulasMarked(step.m_Steps, plain[i].m_Steps, nFormulas, strInput);
    }
}

// Simplified alone, or carried on by the solver, whose narrative follows: the marked
// narrative against the plain one. Gives the marked narrative.
std::string ExpectMarkedMatchesPlain(const std::string& strLine, bool bSolve, int& nFormulas)
{
    const auto run = [&](ENarrativeForm eForm)
    { return bSolve ? RunSimplifyAndSolve(strLine, 0, eForm) : RunSimplify(strLine, eForm); };
    const CSimplifyOutcome plain = run(ENarrativeForm::Plain);
    const CSimplifyOutcome marked = run(ENarrativeForm::WithFormulas);
    EXPECT_EQ(marked.m_strExplanation, plain.m_strExplanation) << strLine;
    EXPECT_EQ(marked.m_strResult, plain.m_strResult) << strLine;
    EXPECT_FALSE(plain.m_strMarkedExplanation) << strLine;
    if (!marked.m_strMarkedExplanation)
    {
        ADD_FAILURE() << "no marked narrative: " << strLine;
        return {};
    }
    ExpectFormulasMarked(ParseNarrative(*marked.m_strMarkedExplanation),
                         ParseNarrative(plain.m_strExplanation), nFormulas, strLine);
    return *marked.m_strMarkedExplanation;
}

TEST(WorkedSolution, FormulasOfTheStepsAreMarkedWhereTheyAreWritten)
{
    std::ifstream examples(std::string(FENNORY_SOURCE_DIR) + "/tests/data/examples.txt");
    int nFormulas = 0;
    for (std::string strLine; std::getline(examples, strLine);)
    {
        if (strLine.empty() || strLine.front() == '#')
            continue;
        for (const bool bSolve : {false, true})
            ExpectMarkedMatchesPlain(strLine, bSolve, nFormulas);
    }
    EXPECT_GT(nFormulas, 1000);
}

// The solver's working is typeset from what it knows: roots and divisions as they are to be
// set, never its display text read back.
TEST(WorkedSolution, SolversWorkingIsMarkedInItsTypesetForm)
{
    const std::pair<const char*, std::vector<const char*>> rows[] = {
        {"2x^2!-2x-1=0",
         {"x={-b\xC2\xB1\xE2\x88\x9A{b^2!-4ac}}/{2a}",
          "x = {-(-2) \xC2\xB1 \xE2\x88\x9A{(-2)^2!-4\xC2\xB7"
          "2\xC2\xB7(-1)}}/{2\xC2\xB7"
          "2}",
          "\xE2\x88\x9A{12} = 2\xE2\x88\x9A{3}", "x = {1 + \xE2\x88\x9A{3}}/{2}"}},
        {"x^2!+1=0", {"i=\xE2\x88\x9A{-1}", "\xC2\xB1{2i}/{2} = \xC2\xB1i", "x = -i"}},
        {"x^2!=2", {"x = -\xE2\x88\x9A{2}"}},
        {"x^3!-2=0", {"x^3!-2", "x \xE2\x89\x88 1.259921050"}},
        {"x^2!/3+x/2-1=0", {"2x^2!+3x-6 = 0", "x = {-3 + \xE2\x88\x9A{57}}/{4}"}},
        {"1/x=2", {"x = %1,2$"}},
        {"(x-1)/(x+1)=2", {"(x+1)", "x = -1"}},
        {"x/2+a/3=0", {"%1,2$x = -%1,3$a", "x = -%2,3$a"}},
        {"ax^2!+bx+c=0", {"x = {-b + \xE2\x88\x9A{-4ac+b^2!}}/{2a}"}},
        {"ax+b=0", {"x = {-b}/{a}", "a"}},
        {"0.5x+0.3=1", {"0.5x = 0.7", "x = 1.4"}}};
    int nFormulas = 0;
    for (const auto& [szLine, formulas] : rows)
    {
        const std::string strMarked = ExpectMarkedMatchesPlain(szLine, true, nFormulas);
        for (const char* szFormula : formulas)
            EXPECT_NE(strMarked.find(std::string(1, '\x01') + szFormula + '\x02'),
                      std::string::npos)
                << szLine << ": no formula " << szFormula;
    }
}

// Random equations of every kind the solver takes: the marked narrative reads as the plain one.
TEST(WorkedSolution, RandomEquationsMarkTheSolversFormulas)
{
    std::mt19937 random(20261208);
    const char* const kNumbers[] = {"-5", "-2",    "-1",  "1", "2", "3",
                                    "7",  "%1,2$", "0.5", "a", "2b"};
    const auto number = [&] { return std::string(kNumbers[random() % std::size(kNumbers)]); };
    int nFormulas = 0;
    for (int i = 0; i < 150; ++i)
    {
        std::string strLine;
        const int nDegree = 1 + static_cast<int>(random() % 4);
        for (int nPower = nDegree; nPower >= 0; --nPower)
            strLine += (nPower == nDegree ? "" : "+") + number() + (nPower > 0 ? "x" : "") +
                       (nPower > 1 ? "^" + std::to_string(nPower) + "!" : "");
        strLine += random() % 3 == 0 ? "=1/(x-" + number() + ")" : "=0";
        ExpectMarkedMatchesPlain(strLine, true, nFormulas);
    }
    EXPECT_GT(nFormulas, 1000);
}
