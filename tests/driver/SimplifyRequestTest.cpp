#include "driver/Explanation.h"
#include "driver/SimplifyRequest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// Parties that record every call in order, as "Call(argument)".
class CRecordingParties : public CSimplifyParties
{
public:
    CRecordingParties(int nErrors, std::string strInput) : m_nErrors(nErrors), m_strInput(std::move(strInput)) {}

    int GetInputErrorCount() override { return m_nErrors; }
    std::string ReadInputText() override { return m_strInput; }
    void WriteResultText(const std::string& strText) override { m_Calls.push_back("Result(" + strText + ")"); }
    void WriteFurtherText(const std::string& strText) override { m_Calls.push_back("Further(" + strText + ")"); }
    void SetExplanation(const std::string& strText) override { m_strExplanation = strText; }
    void Beep() override { m_Calls.push_back("Beep()"); }
    void ShowEngineError(const std::string& strMessage) override { m_Calls.push_back("Error(" + strMessage + ")"); }

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
} // namespace
