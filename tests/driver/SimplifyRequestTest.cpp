// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver/SimplifyRequest.h"
#include "driver/Explanation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// Parties that record every call in order, as "Call(argument)".
class CRecordingParties : public CSimplifyParties
{
public:
    CRecordingParties(int nErrors, std::string strInput)
        : m_nErrors(nErrors), m_strInput(std::move(strInput))
    {
    }

    int GetInputErrorCount() override { return m_nErrors; }
    std::string ReadInputText() override { return m_strInput; }
    void WriteResultText(const std::string& strText) override
    {
        m_Calls.push_back("Result(" + strText + ")");
    }
    void WriteFurtherText(const std::string& strText) override
    {
        m_Calls.push_back("Further(" + strText + ")");
    }
    void SetExplanation(const std::string& strText) override { m_strExplanation = strText; }
    void Beep() override { m_Calls.push_back("Beep()"); }
    void ShowEngineError(const std::string& strMessage) override
    {
        m_Calls.push_back("Error(" + strMessage + ")");
    }

    int m_nErrors;
    std::string m_strInput;
    std::string m_strExplanation = "untouched";
    std::vector<std::string> m_Calls;
};

using Calls = std::vector<std::string>;

TEST(SimplifyRequest, MarkedInputIsRefusedWithABeepAlone)
{
    for (int nErrors : {1, 2, 7})
    {
        CRecordingParties parties(nErrors, "x+");
        EXPECT_EQ(SimplifyRequest(parties), ESimplifyRequestEnd::Refused);
        EXPECT_EQ(parties.m_Calls, Calls{"Beep()"}) << nErrors;
        EXPECT_EQ(parties.m_strExplanation, "untouched");
    }
}

TEST(SimplifyRequest, EmptyInputClearsTheOutputs)
{
    CRecordingParties parties(0, "");
    EXPECT_EQ(SimplifyRequest(parties), ESimplifyRequestEnd::EmptyInput);
    EXPECT_EQ(parties.m_Calls, (Calls{"Result( )", "Further( )"}));
    EXPECT_EQ(parties.m_strExplanation, "");
}

TEST(SimplifyRequest, ExpressionWithoutDivisionsLeavesTheFurtherEditorBlank)
{
    CRecordingParties parties(0, "x+x");
    EXPECT_EQ(SimplifyRequest(parties), ESimplifyRequestEnd::Simplified);
    EXPECT_EQ(parties.m_Calls, (Calls{"Result( )", "Further( )", "Result(2x)"}));
    EXPECT_EQ(parties.m_strExplanation.rfind("Brimlet Works from left to right", 0), 0u)
        << parties.m_strExplanation;
}

TEST(SimplifyRequest, EquationWithADivisorFillsAllThreeOutputs)
{
    CRecordingParties parties(0, "3x/(x+1)=0");
    EXPECT_EQ(SimplifyRequest(parties), ESimplifyRequestEnd::Simplified);
    EXPECT_EQ(parties.m_Calls,
              (Calls{"Result( )", "Further( )", "Result(3x/(x+1)=0)", "Further(3x=0)"}));
    EXPECT_NE(parties.m_strExplanation.find("The Equation finally becomes: 3x=0\r\n"),
              std::string::npos)
        << parties.m_strExplanation;
}

TEST(SimplifyRequest, EngineErrorClearsTheOutputsAndResetsTheIndentation)
{
    CRecordingParties parties(0, "x/0");
    g_strIndent = "        "; // as an engine fault might leave it
    EXPECT_EQ(SimplifyRequest(parties), ESimplifyRequestEnd::EngineError);
    EXPECT_EQ(parties.m_Calls, (Calls{"Result( )", "Further( )", "Error(Divide by zero)"}));
    EXPECT_EQ(parties.m_strExplanation, "");
    EXPECT_EQ(g_strIndent, "");
}

// The editor's text past the size bound is refused by its size, as every other way in.
TEST(SimplifyRequest, TextPastTheSizeBoundIsTooLarge)
{
    CRecordingParties parties(0, std::string(kLongestSimplifyText + 1, 'x'));
    EXPECT_EQ(SimplifyRequest(parties), ESimplifyRequestEnd::EngineError);
    EXPECT_EQ(parties.m_Calls, (Calls{"Result( )", "Further( )", "Error(Expression too large)"}));
}

// An equation whose left side keeps divisions over several terms has no further result.
TEST(SimplifyRequest, EquationWithoutAFurtherResultSaysWhy)
{
    const CSimplifyOutcome outcome = RunSimplify("(1/x+1)^%1,2$!+y=0");
    ASSERT_FALSE(outcome.m_strError);
    EXPECT_FALSE(outcome.m_strFurther);
    EXPECT_NE(outcome.m_strExplanation.find("left side has more than one term"), std::string::npos)
        << outcome.m_strExplanation;
}

TEST(RunSimplify, GivesTextAndDisplayForms)
{
    const CSimplifyOutcome outcome = RunSimplify("x+1/x");
    ASSERT_FALSE(outcome.m_strError);
    EXPECT_EQ(outcome.m_strResult, "(x^2!+1)/x");
    EXPECT_EQ(outcome.m_strResultDisplay, "(x^2+1)/x");
    EXPECT_EQ(outcome.m_strFurther, "x+1/x");
    EXPECT_EQ(outcome.m_strFurtherDisplay, "x+1/x");
}
} // namespace
