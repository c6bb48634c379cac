#include "CommandLine.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

namespace
{
using nlohmann::json;

struct CRun
{
    int m_nStatus;
    std::string m_strOut;
    std::string m_strErr;
};

CRun RunCli(std::vector<std::string> args, const std::string& strInput = "")
{
    std::istringstream in(strInput);
    std::ostringstream out;
    std::ostringstream err;
    const int nStatus = RunCommandLine(std::move(args), in, out, err);
    return {nStatus, out.str(), err.str()};
}

std::vector<json> JsonLines(const std::string& strOut)
{
    std::vector<json> objects;
    std::istringstream lines(strOut);
    std::string strLine;
    while (std::getline(lines, strLine))
        objects.push_back(json::parse(strLine));
    return objects;
}

TEST(CommandLine, HelpNamesTheOptionsAndExitStatuses)
{
    const CRun run = RunCli({"--help"});
    EXPECT_EQ(run.m_nStatus, 0);
    for (const char* szWord : {"--json", "--batch", "--repeat", "TEXT", "Exit status"})
        EXPECT_NE(run.m_strOut.find(szWord), std::string::npos) << szWord;
}

TEST(CommandLine, BadOptionsAreUsageErrors)
{
    EXPECT_EQ(RunCli({"--frobnicate", "x"}).m_nStatus, kExitUsage);
    EXPECT_EQ(RunCli({"--json", "--repeat", "0", "x"}).m_nStatus, kExitUsage);
    EXPECT_EQ(RunCli({"--repeat", "3", "x"}).m_nStatus, kExitUsage);
    EXPECT_EQ(RunCli({}).m_nStatus, kExitUsage);
}

TEST(CommandLine, UnreadableBatchFile)
{
    const CRun run = RunCli({"--batch", "/nonexistent/fennory/input.txt"});
    EXPECT_EQ(run.m_nStatus, kExitNoInput);
    EXPECT_TRUE(run.m_strOut.empty());
}

TEST(CommandLine, RefusedTextExitsOneWithMessagesOnStandardError)
{
    const CRun run = RunCli({"(x+)"});
    EXPECT_EQ(run.m_nStatus, 1);
    EXPECT_TRUE(run.m_strOut.empty());
    EXPECT_EQ(run.m_strErr, "Operator Invalid before closing bracket\nOperator Invalid before closing bracket\n");
}

TEST(CommandLine, RefusedTextAsJsonListsErrorsInOrder)
{
    const CRun run = RunCli({"--json", "(x="});
    EXPECT_EQ(run.m_nStatus, 1);
    const json object = json::parse(run.m_strOut);
    EXPECT_EQ(object["input"], "(x=");
    EXPECT_EQ(object["errors"], json({"Missing closing bracket", "All brackets must be closed before equal sign",
                                      "Invalid Last Character"}));
    for (const char* szKey : {"result", "result_display", "further", "further_display", "error"})
        EXPECT_TRUE(object[szKey].is_null()) << szKey;
    EXPECT_EQ(object["explanation"], "");
}

TEST(CommandLine, NegativeTextIsNotTakenForAnOption)
{
    const CRun run = RunCli({"--json", "-)"});
    EXPECT_EQ(run.m_nStatus, 1);
    EXPECT_EQ(json::parse(run.m_strOut)["input"], "-)");
}

TEST(CommandLine, BatchAnswersEveryLineInOrderAndExitsZero)
{
    const CRun run = RunCli({"--batch"}, "*x\r\n\n(x+1\n)\n");
    EXPECT_EQ(run.m_nStatus, 0);
    const std::vector<json> objects = JsonLines(run.m_strOut);
    ASSERT_EQ(objects.size(), 4u);
    EXPECT_EQ(objects[0]["input"], "*x");
    EXPECT_EQ(objects[0]["errors"], json({"Invalid First Character"}));
    EXPECT_EQ(objects[1]["input"], "");
    EXPECT_TRUE(objects[1]["errors"].empty());
    EXPECT_TRUE(objects[1]["result"].is_null());
    EXPECT_EQ(objects[2]["errors"], json({"Missing closing bracket"}));
    EXPECT_EQ(objects[3]["errors"], json({"Invalid First Character"}));
}

TEST(CommandLine, BytesThatAreNotUtf8StillGiveValidJson)
{
    const CRun run = RunCli({"--batch"}, std::string("\xff\xfe+x\n", 5));
    const std::vector<json> objects = JsonLines(run.m_strOut);
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_FALSE(objects[0]["errors"].empty());
}
} // namespace
