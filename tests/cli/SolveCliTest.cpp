// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunCli.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace
{
using json = nlohmann::json;

struct CDoneWhen
{
    std::vector<std::string> m_Args;
    const char* m_pLine;     // the Solution line of the text answer
    const char* m_pKind;     // "kind" in JSON
    const char* m_pDisplays; // the roots' "display" in JSON, joined by "|"
    const char* m_pExcluded; // the excluded values' "display", joined by "|"
    const char* m_pStep;     // one line the narrative must hold
};

// The equations an answer must be right for, with a step of each kind of working.
const CDoneWhen kDoneWhen[] = {
    {{"2x+3=7"}, "x = 2", "roots", "2", "", "Brimlet divides both sides by 2: x = 2"},
    {{"x^2=4"},
     "x = 2 or x = -2",
     "roots",
     "2|-2",
     "",
     "A product is zero when one of its factors is zero"},
    {{"x^2+2x+1=0"}, "x = -1, a double root", "roots", "-1", "", "(x+1)^2 = 0 gives x = -1"},
    {{"x^2-2=0"}, "x = √2 or x = -√2", "roots", "√2|-√2", "", "√8 = 2√2"},
    {{"x^2+1=0"}, "no real solution: x = i or x = -i", "roots", "i|-i", "", "no real solution"},
    {{"x^3-x-1=0"},
     "x ≈ 1.324717957 or x ≈ -0.6623589786 + 0.5622795121i or x ≈ -0.6623589786 - 0.5622795121i",
     "roots",
     "≈ 1.324717957|≈ -0.6623589786 + 0.5622795121i|≈ -0.6623589786 - 0.5622795121i",
     "",
     "interval arithmetic"},
    {{"3x/(x+1)=2"}, "x = 2", "roots", "2", "-1", "so x = -1 is an excluded value"},
    {{"x/(x-1)=1/(x-1)"}, "no solution", "none", "", "1", "so x = 1 is an excluded value"},
    {{"x/(x-1)-1/(x-1)=1"},
     "true for every x except 1",
     "every",
     "",
     "1",
     "Both sides are equal whatever value x takes"},
    {{"2x+3y=6", "--solve-for", "y"},
     "y = -⅔x+2",
     "roots",
     "-⅔x+2",
     "",
     "Brimlet divides both sides by 3"},
    {{"6x^3-11x^2+6x-1=0"},
     "x = ½ or x = 1 or x = ⅓",
     "roots",
     "½|1|⅓",
     "",
     "The rational root test"},
};

std::string Joined(const json& roots)
{
    std::string strText;
    for (const json& root : roots)
        strText += (strText.empty() ? "" : "|") + root["display"].get<std::string>();
    return strText;
}
} // namespace

TEST(SolveCli, DoneWhenEquationsAnswerInTextAndJson)
{
    for (const CDoneWhen& row : kDoneWhen)
    {
        SCOPED_TRACE(row.m_Args.front());
        const CRun text = RunCli(row.m_Args);
        EXPECT_EQ(text.m_nStatus, 0);
        EXPECT_NE(text.m_strOut.find(std::string("\nSolution: ") + row.m_pLine + "\n"),
                  std::string::npos)
            << text.m_strOut;
        EXPECT_NE(text.m_strOut.find(row.m_pStep), std::string::npos) << text.m_strOut;
        EXPECT_NE(text.m_strOut.find(std::string("So ") + row.m_pLine + "\n"), std::string::npos);

        std::vector<std::string> args = row.m_Args;
        args.insert(args.begin(), "--json");
        const json object = json::parse(RunCli(args).m_strOut);
        const json& solution = object["solution"];
        EXPECT_EQ(solution["kind"], row.m_pKind);
        EXPECT_EQ(Joined(solution["roots"]), row.m_pDisplays);
        EXPECT_EQ(Joined(solution["excluded"]), row.m_pExcluded);
        EXPECT_TRUE(object["factored"].is_null());
        for (const json& root : solution["roots"])
        {
            EXPECT_EQ(root["value"].size(), 2u);
            const std::string strDisplay = root["display"];
            const bool bRational = strDisplay.find("√") == std::string::npos &&
                                   strDisplay.find("≈") == std::string::npos &&
                                   strDisplay.find_first_of("ixy") == std::string::npos;
            EXPECT_EQ(root["text"].is_null(), !bRational) << strDisplay;
        }
    }
}

TEST(SolveCli, SolveForAndFactoredFormAndBadLetters)
{
    const json x = json::parse(RunCli({"--json", "x/(x-1)=1"}).m_strOut)["solution"];
    EXPECT_EQ(x["letter"], "x");
    const json exact = json::parse(RunCli({"--json", "2x=3"}).m_strOut)["solution"]["roots"][0];
    EXPECT_EQ(exact["text"], "1%1,2$");
    EXPECT_EQ(exact["display"], "1½");
    EXPECT_EQ(exact["value"][0], 1.5);

    const json expression = json::parse(RunCli({"--json", "2x^2+4xy"}).m_strOut);
    EXPECT_EQ(expression["factored"], "2x(x+2y)");
    EXPECT_TRUE(expression["solution"].is_null());
    EXPECT_NE(RunCli({"x^2-1"}).m_strOut.find("\nFactored form: (x-1)(x+1)\n"), std::string::npos);
    EXPECT_TRUE(json::parse(RunCli({"--json", "x+1"}).m_strOut)["factored"].is_null());

    const CRun unknown = RunCli({"--solve-for", "z", "2x+3y=6"});
    EXPECT_EQ(unknown.m_nStatus, 64);
    EXPECT_NE(unknown.m_strErr.find("the letter z is not in the equation"), std::string::npos);
    EXPECT_TRUE(unknown.m_strOut.empty());
    EXPECT_EQ(RunCli({"--solve-for", "xy", "2x=1"}).m_nStatus, 64);
    const json big = json::parse(RunCli({"--json", "x^101=1"}).m_strOut)["solution"];
    EXPECT_EQ(big["kind"], "unsolved");
    EXPECT_EQ(big["reason"], "its degree in x is more than 100");
}

TEST(SolveCli, EveryFormatCarriesTheAnswer)
{
    const std::string strX = "<mrow><mi>x</mi><mo>=</mo>";
    const std::string strMinus = "<mo form=\"prefix\">\xE2\x88\x92</mo>";
    const std::string kFormats[][3] = {
        {"html", "x^2=4",
         "<dd><math xmlns=\"http://www.w3.org/1998/Math/MathML\">" + strX +
             "<mn>2</mn></mrow></math> or <math"},
        {"latex", "x^2=4", "\\textbf{Solution}\n\\[ x = 2 \\text{ or } x = -2 \\]"},
        {"mathml", "x^2=4",
         "<mtext>Solution</mtext></mtd><mtd><mrow>" + strX +
             "<mn>2</mn></mrow><mtext>&#160;or&#160;</mtext>" + strX + strMinus +
             "<mn>2</mn></mrow></mrow>"},
        {"latex", "x^2!+2x+1=0", "\\[ x = -1\\text{, a double root} \\]"},
        {"mathml", "x^2!+2x+1=0", strMinus + "<mn>1</mn></mrow><mtext>, a double root</mtext>"}};
    for (const auto& [pFormat, pText, pAnswer] : kFormats)
        EXPECT_NE(RunCli({"--format", pFormat.c_str(), pText.c_str()}).m_strOut.find(pAnswer),
                  std::string::npos)
            << pFormat << " " << pText;
}
