// SPDX-License-Identifier: GPL-3.0-or-later
#include "Evaluate.h"
#include "driver/Explanation.h"
#include "driver/SimplifyRequest.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace
{
std::filesystem::path ExamplesPath()
{
    return std::filesystem::path(FENNORY_SOURCE_DIR) / "tests/data/examples.txt";
}

std::vector<std::string> ReadExamples()
{
    std::vector<std::string> examples;
    std::ifstream file(ExamplesPath());
    std::string strLine;
    while (std::getline(file, strLine))
        if (!strLine.empty() && strLine[0] != '#')
            examples.push_back(strLine);
    return examples;
}

class CorpusExample : public ::testing::TestWithParam<std::string>
{
};

TEST_P(CorpusExample, SimplifiesToTheSameValue)
{
    const std::string& strInput = GetParam();
    const CSimplifyOutcome outcome = RunSimplify(strInput);
    ASSERT_FALSE(outcome.m_strError) << strInput << " raised " << *outcome.m_strError;
    EXPECT_TRUE(g_strIndent.empty())
        << strInput << " left the indentation at " << g_strIndent.size();
    EXPECT_FALSE(outcome.m_strExplanation.empty()) << strInput;
    EXPECT_EQ(evaluate::CheckSimplification(strInput, outcome.m_strResult, outcome.m_strFurther),
              "")
        << strInput << " gave " << outcome.m_strResult << " and "
        << outcome.m_strFurther.value_or("no further result");
}

TEST(Corpus, HasTheExamples)
{
    EXPECT_GE(ReadExamples().size(), 60u) << ExamplesPath();
}

INSTANTIATE_TEST_SUITE_P(Examples, CorpusExample, ::testing::ValuesIn(ReadExamples()),
                         [](const auto& info) { return "Line" + std::to_string(info.index); });
} // namespace
