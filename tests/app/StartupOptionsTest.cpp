// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartupOptions.h"
#include "FennoryVersion.h"

#include <gtest/gtest.h>

namespace
{
using EAction = CStartupOptions::EAction;

CStartupOptions Parse(QStringList arguments)
{
    arguments.prepend(QStringLiteral("fennory"));
    return ParseStartupOptions(arguments);
}

TEST(StartupOptions, HelpAndVersionAnswerWithTheirText)
{
    const CStartupOptions help = Parse({"--help"});
    EXPECT_EQ(help.m_Action, EAction::Help);
    EXPECT_TRUE(help.m_strOutput.contains(QStringLiteral("--input <TEXT>")));
    const CStartupOptions version = Parse({"-v"});
    EXPECT_EQ(version.m_Action, EAction::Version);
    EXPECT_EQ(version.m_strOutput.toStdString(), std::string("fennory ") + FENNORY_VERSION + "\n");
}

// x^2-1 is x squared minus one, never x to the power 2-1.
TEST(StartupOptions, InputIsReadAsOrdinaryNotation)
{
    const CStartupOptions options = Parse({"--input", "x^2-1"});
    EXPECT_EQ(options.m_Action, EAction::Run);
    ASSERT_TRUE(options.m_strInput);
    EXPECT_EQ(options.m_strInput->toStdString(), "x^2!-1");
    EXPECT_FALSE(options.m_strInputError);
    EXPECT_EQ(Parse({"--input", "(x^2!-1)/(x+1)"}).m_strInput->toStdString(), "(x^2!-1)/(x+1)");
}

// A character that cannot be read is reported with its place, never dropped or guessed at.
TEST(StartupOptions, InputThatCannotBeReadSaysWhereAndKeepsTheText)
{
    const CStartupOptions options = Parse({"--input", "2#x"});
    ASSERT_TRUE(options.m_strInputError);
    EXPECT_TRUE(options.m_strInputError->contains(QStringLiteral("character 2")))
        << options.m_strInputError->toStdString();
    EXPECT_TRUE(options.m_strInputError->contains(QStringLiteral("2#x")))
        << options.m_strInputError->toStdString();
    // The place was said twice ("at character 1: ... at character 1").
    EXPECT_EQ(Parse({"--input", "@@"}).m_strInputError->count(QStringLiteral("character")), 1);
}

// A text past the bound is refused by its size alone, before it is read or quoted back.
TEST(StartupOptions, HugeInputIsRefusedAsTooLarge)
{
    const CStartupOptions options = Parse({"--input", QString(2000000, QLatin1Char('x'))});
    EXPECT_FALSE(options.m_strInput);
    ASSERT_TRUE(options.m_strInputError);
    EXPECT_EQ(options.m_strInputError->toStdString(), "Expression too large");
}

struct CFailCase
{
    const char* m_szName;
    QStringList m_Arguments;
    const char* m_szSays;
};

void PrintTo(const CFailCase& c, std::ostream* pOut)
{
    *pOut << c.m_Arguments.join(QLatin1Char(' ')).toStdString();
}

class StartupMistakes : public ::testing::TestWithParam<CFailCase>
{
};

TEST_P(StartupMistakes, AreReportedNotIgnored)
{
    const CStartupOptions options = Parse(GetParam().m_Arguments);
    EXPECT_EQ(options.m_Action, EAction::Fail);
    EXPECT_TRUE(options.m_strOutput.contains(QString::fromLatin1(GetParam().m_szSays)))
        << options.m_strOutput.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StartupMistakes,
    ::testing::Values(CFailCase{"UnknownOption", {"--bogus"}, "Unknown option 'bogus'"},
                      CFailCase{"BareText", {"x+1"}, "give the text with --input"},
                      CFailCase{"InputWithoutText", {"--input"}, "Missing value"},
                      CFailCase{"BadSize", {"--window-size", "wide"}, "WIDTHxHEIGHT"},
                      CFailCase{"BadLine", {"--narrative-line", "0"}, "line number"}),
    [](const auto& info) { return std::string(info.param.m_szName); });

TEST(StartupOptions, QtsOwnOptionsAreNoMistake)
{
    const CStartupOptions options =
        Parse({"-platform", "offscreen", "--style=fusion", "-reverse", "--window-size", "900x700"});
    EXPECT_EQ(options.m_Action, EAction::Run) << options.m_strOutput.toStdString();
    EXPECT_EQ(options.m_WindowSize, QSize(900, 700));
}
} // namespace
