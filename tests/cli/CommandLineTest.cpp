// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"
#include "FennoryVersion.h"
#include "driver/SimplifyRequest.h"

#include "RunCli.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <chrono>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace
{
using nlohmann::json;

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
    for (const char* szWord : {"--json", "--batch", "--repeat N", "TEXT", "Exit status", "73"})
        EXPECT_NE(run.m_strOut.find(szWord), std::string::npos) << szWord;
    EXPECT_EQ(run.m_strOut.find("TEXT TEXT"), std::string::npos) << run.m_strOut;
}

TEST(CommandLine, BadOptionsAreUsageErrors)
{
    EXPECT_EQ(RunCli({"--frobnicate", "x"}).m_nStatus, kExitUsage);
    EXPECT_EQ(RunCli({"--json", "--repeat", "0", "x"}).m_nStatus, kExitUsage);
    EXPECT_EQ(RunCli({"--repeat", "3", "x"}).m_nStatus, kExitUsage);
    EXPECT_EQ(RunCli({}).m_nStatus, kExitUsage);
}

// A folder was read as an empty batch (nothing printed, exit 0).
TEST(CommandLine, BatchFileThatCannotBeReadIsAnError)
{
    for (const char* szFile : {"/nonexistent/fennory/input.txt", "/tmp"})
    {
        const CRun run = RunCli({"--batch", szFile});
        EXPECT_EQ(run.m_nStatus, kExitNoInput) << szFile;
        EXPECT_TRUE(run.m_strOut.empty()) << szFile;
        EXPECT_EQ(run.m_strErr.rfind(std::string("Cannot read ") + szFile + ": ", 0), 0u)
            << run.m_strErr;
    }
}

struct SBatchStatusRow
{
    const char* m_szFormat;
    const char* m_szLines;
    int m_nStatus;
};

class BatchStatus : public ::testing::TestWithParam<SBatchStatusRow>
{
};

// A batch whose every line failed exited 0; now the worst line decides, blank lines aside.
TEST_P(BatchStatus, IsTheWorstOfItsLines)
{
    const SBatchStatusRow& row = GetParam();
    const CRun run = RunCli({"--batch", "--format", row.m_szFormat}, row.m_szLines);
    EXPECT_EQ(run.m_nStatus, row.m_nStatus) << row.m_szFormat << ": " << row.m_szLines;
}

INSTANTIATE_TEST_SUITE_P(Rows, BatchStatus,
                         ::testing::Values(SBatchStatusRow{"json", "x+x\n\n  \ny\n", 0},
                                           SBatchStatusRow{"json", "*x\n)\n", 1},
                                           SBatchStatusRow{"json", "x+x\n*x\n", 1},
                                           SBatchStatusRow{"json", "x/(y-y)\n*x\nx\n", 2},
                                           SBatchStatusRow{"text", "*x\n", 1},
                                           SBatchStatusRow{"text", "x\n", 0},
                                           SBatchStatusRow{"html", "# T\nx\n\n", 0},
                                           SBatchStatusRow{"html", "x\nx/0\n", 2}));

TEST(CommandLine, RefusedTextExitsOneWithMessagesOnStandardError)
{
    const CRun run = RunCli({"(x+)"});
    EXPECT_EQ(run.m_nStatus, 1);
    EXPECT_TRUE(run.m_strOut.empty());
    EXPECT_EQ(run.m_strErr,
              "Operator Invalid before closing bracket\nOperator Invalid before closing bracket\n");
}

TEST(CommandLine, RefusedTextAsJsonListsErrorsInOrder)
{
    const CRun run = RunCli({"--json", "(x="});
    EXPECT_EQ(run.m_nStatus, 1);
    const json object = json::parse(run.m_strOut);
    EXPECT_EQ(object["input"], "(x=");
    EXPECT_EQ(object["errors"],
              json({"Missing closing bracket", "All brackets must be closed before equal sign",
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

TEST(CommandLine, VersionNamesTheProgramAndItsVersion)
{
    const CRun run = RunCli({"--version"});
    EXPECT_EQ(run.m_nStatus, 0);
    EXPECT_EQ(run.m_strOut, std::string("fennory-cli ") + FENNORY_VERSION + "\n");
}

// "--frobnicate" alone used to be simplified as a text and refused as two operators.
TEST(CommandLine, UnknownOptionIsAUsageError)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--frobnicate"}, {"--json", "--verbose", "x"}, {"--x+1"}})
    {
        const CRun run = RunCli(args);
        EXPECT_EQ(run.m_nStatus, kExitUsage) << args.front();
        EXPECT_NE(run.m_strErr.find("unknown option"), std::string::npos) << run.m_strErr;
        EXPECT_TRUE(run.m_strOut.empty());
    }
    // After "--" it is a text, refused as one.
    EXPECT_EQ(RunCli({"--", "--x"}).m_nStatus, 1);
}

TEST(CommandLine, EmptyTextIsRefusedWithAMessage)
{
    for (const char* szText : {"", "   ", "%,$"})
    {
        const CRun run = RunCli({szText});
        EXPECT_EQ(run.m_nStatus, 1) << '"' << szText << '"';
        EXPECT_EQ(run.m_strErr, "Nothing to simplify: the text is empty\n");
        EXPECT_TRUE(run.m_strOut.empty());
    }
}

// Each of these used to simplify to a wrong value with no error shown.
TEST(CommandLine, NumberWithTwoPointsIsRefused)
{
    const CRun run = RunCli({"3.5.2"});
    EXPECT_EQ(run.m_nStatus, 1);
    EXPECT_EQ(run.m_strErr, "Invalid in fraction or power (numerics only allowed)\n");
    EXPECT_TRUE(run.m_strOut.empty());
    EXPECT_EQ(RunCli({"1.5%1,2$"}).m_nStatus, 1);
}

TEST(CommandLine, OrdinaryCharactersAreRead)
{
    const CRun times = RunCli({"3×4"});
    EXPECT_EQ(times.m_nStatus, 0);
    EXPECT_EQ(times.m_strOut.rfind("Result: 12\n", 0), 0u) << times.m_strOut;
    for (const char c : times.m_strOut)
        EXPECT_LT(static_cast<unsigned char>(c), 0x80u) << times.m_strOut;
    const json square = json::parse(RunCli({"--json", "x²−2x·x+3½"}).m_strOut);
    EXPECT_EQ(square["result"], "-x^2!+3%1,2$");
    EXPECT_EQ(json::parse(RunCli({"--json", "x^2-1"}).m_strOut)["result"], "x^2!-1");
    EXPECT_EQ(json::parse(RunCli({"--json", "3 1/2x"}).m_strOut)["result"], "3%1,2$x");
}

TEST(CommandLine, UnreadableCharacterIsRefusedWithItsPosition)
{
    const CRun run = RunCli({"2#x"});
    EXPECT_EQ(run.m_nStatus, 1);
    EXPECT_EQ(run.m_strErr, "\"#\" (U+0023) at character 2 cannot be read in an equation\n");
    const json object = json::parse(RunCli({"--json", "x×2€"}).m_strOut);
    EXPECT_EQ(object["errors"],
              json({"\"€\" (U+20AC) at character 4 cannot be read in an equation"}));
    EXPECT_TRUE(object["result"].is_null());
}

TEST(CommandLine, BatchAnswersEveryLineInOrder)
{
    const CRun run = RunCli({"--batch"}, "*x\r\n\n(x+1\n)\n");
    EXPECT_EQ(run.m_nStatus, 1);
    const std::vector<json> objects = JsonLines(run.m_strOut);
    ASSERT_EQ(objects.size(), 4u);
    EXPECT_EQ(objects[0]["input"], "*x");
    EXPECT_EQ(objects[0]["errors"], json({"Invalid First Character"}));
    EXPECT_EQ(objects[1]["input"], "");
    EXPECT_EQ(objects[1]["errors"], json({"Nothing to simplify: the text is empty"}));
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

TEST(CommandLine, SimplifiedTextPrintsResultAndNarrative)
{
    const CRun run = RunCli({"x + 1/x"});
    EXPECT_EQ(run.m_nStatus, 0);
    EXPECT_EQ(run.m_strOut.rfind(
                  "Result: (x^2+1)/x\nFurther result: x+1/x\nHow it was done\nBrimlet Works", 0),
              0u)
        << run.m_strOut;
    EXPECT_EQ(run.m_strOut.find('\r'), std::string::npos);
    EXPECT_TRUE(run.m_strErr.empty());
}

TEST(CommandLine, OrdinaryPowersAreAccepted)
{
    const json object = json::parse(RunCli({"--json", "(x+1)^2"}).m_strOut);
    EXPECT_EQ(object["input"], "(x+1)^2");
    EXPECT_EQ(object["result"], "x^2!+2x+1");
    EXPECT_EQ(object["result_display"], "x^2+2x+1");
}

TEST(CommandLine, EngineErrorExitsTwoWithTheMessage)
{
    const CRun run = RunCli({"--json", "x/(y-y)"});
    EXPECT_EQ(run.m_nStatus, 2);
    EXPECT_EQ(run.m_strErr, "Divide by zero\n");
    const json object = json::parse(run.m_strOut);
    EXPECT_EQ(object["error"], "Divide by zero");
    EXPECT_TRUE(object["result"].is_null());
    EXPECT_TRUE(object["errors"].empty());
}

TEST(CommandLine, JsonKeepsItsKeysInOrderAndTheLineEnds)
{
    const CRun run = RunCli({"--json", "3x/(x+1)=0"});
    EXPECT_EQ(run.m_nStatus, 0);
    const json object = json::parse(run.m_strOut);
    const nlohmann::ordered_json ordered = nlohmann::ordered_json::parse(run.m_strOut);
    std::vector<std::string> keys;
    for (const auto& [key, value] : ordered.items())
        keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string>{"input", "errors", "result", "result_display",
                                              "further", "further_display", "explanation", "error",
                                              "solution", "factored"}));
    EXPECT_EQ(object["result"], "3x/(x+1)=0");
    EXPECT_EQ(object["further"], "3x=0");
    EXPECT_NE(object["explanation"].get<std::string>().find("\r\n"), std::string::npos);
}

TEST(CommandLine, RepeatAddsTheMedianTime)
{
    const std::vector<json> objects =
        JsonLines(RunCli({"--batch", "--repeat", "3"}, "x+x\n*x\n").m_strOut);
    ASSERT_EQ(objects.size(), 2u);
    ASSERT_TRUE(objects[0].contains("micros"));
    EXPECT_GT(objects[0]["micros"].get<double>(), 0.0);
    EXPECT_FALSE(objects[1].contains("micros")); // refused: nothing was run
}

// A text past the size bound is refused by its size, the same way on every route, before
// anything is read from it; one byte less still goes through (the blanks are dropped).
TEST(CommandLine, TextPastTheSizeBoundIsRefusedBeforeItIsRead)
{
    const std::string strAtBound = "x+1" + std::string(kLongestSimplifyText - 3, ' ');
    EXPECT_EQ(json::parse(RunCli({"--json", strAtBound}).m_strOut)["result"], "x+1");
    const std::string strHuge = strAtBound + " ";
    const CRun argument = RunCli({strHuge});
    EXPECT_EQ(argument.m_nStatus, 2);
    EXPECT_EQ(argument.m_strErr, "Expression too large\n");
    const CRun batch = RunCli({"--batch"}, "x+x\n" + strHuge + "\n");
    EXPECT_EQ(batch.m_nStatus, 2);
    const std::vector<json> objects = JsonLines(batch.m_strOut);
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(objects[1]["error"], "Expression too large");
    EXPECT_EQ(objects[1]["input"], strHuge); // still answered for what it was
    const CRun sheet = RunCli({"--batch", "--format", "html"}, strHuge + "\n");
    EXPECT_EQ(sheet.m_nStatus, 2);
    EXPECT_NE(sheet.m_strOut.find("Expression too large"), std::string::npos);
    EXPECT_LT(sheet.m_strOut.size(), 100000u); // named by its start and size, not repeated
}

// Lines meant to break a parser or exhaust the engine: each still gets its JSON answer.
std::string HostileLines()
{
    std::mt19937 random(99);
    std::string lines;
    for (int i = 0; i < 20; ++i)
    {
        const int nLength = std::uniform_int_distribution<int>(1, 60)(random);
        for (int j = 0; j < nLength; ++j)
        {
            const char c = static_cast<char>(std::uniform_int_distribution<int>(1, 255)(random));
            lines += c == '\n' ? 'x' : c;
        }
        lines += "\n";
    }
    lines += std::string(5000, '(') + "x" + std::string(5000, ')') + "\n";
    lines += std::string(20, '(') + "x+1" + std::string(20, ')') + "^2!\n";
    lines += "(x+1)^99999999!\nx^99999999999!\n" + std::string(400, '9') + "x\n";
    lines += "1/(x-x)\nx/0\nx/(0.0)\n(x-x)^0!\n=====\nx=y=z\nx^2!^3!^4!\n";
    for (int i = 0; i < 1000; ++i)
        lines += "x+";
    lines += "x\n" + std::string(3000, 'x') + "\n";
    return lines;
}

TEST(CommandLine, HostileBatchAnswersEveryLine)
{
    const std::string strLines = HostileLines();
    const size_t nLines = static_cast<size_t>(std::count(strLines.begin(), strLines.end(), '\n'));
    const auto start = std::chrono::steady_clock::now();
    const CRun run = RunCli({"--batch"}, strLines);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(run.m_nStatus, 2);
    const std::vector<json> objects = JsonLines(run.m_strOut);
    ASSERT_EQ(objects.size(), nLines);
    for (const json& object : objects)
        EXPECT_TRUE(object["errors"].is_array() && object.contains("result") &&
                    object.contains("error"));
    EXPECT_LT(std::chrono::duration_cast<std::chrono::seconds>(elapsed).count(), 20);
}
} // namespace
