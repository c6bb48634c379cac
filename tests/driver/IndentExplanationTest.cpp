// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver/SimplifyRequest.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
struct CIndentCase
{
    const char* m_szName;
    std::string m_strLine;
    int m_nWidthPixels;
    int m_nDpi;
    std::string m_strText;
    int m_nIndent;
};

class IndentOneLine : public ::testing::TestWithParam<CIndentCase>
{
};

TEST_P(IndentOneLine, GivesTextWithoutSpacesAndCappedIndent)
{
    const CIndentCase& row = GetParam();
    const auto lines = IndentExplanation(row.m_strLine + "\r\n", row.m_nWidthPixels, row.m_nDpi);
    ASSERT_EQ(lines.size(), 1u) << row.m_strLine;
    EXPECT_EQ(lines[0].m_strText, row.m_strText);
    EXPECT_EQ(lines[0].m_nIndentTwips, row.m_nIndent);
}

// 400 px at 96 dpi is 6000 twips wide, so indents stop at 3000.
INSTANTIATE_TEST_SUITE_P(
    Rows, IndentOneLine,
    ::testing::Values(
        CIndentCase{"NoSpaces", "Combine x with x", 400, 96, "Combine x with x", 0},
        CIndentCase{"OneLevel", std::string(8, ' ') + "step", 400, 96, "step", 320},
        CIndentCase{"TwoLevels", std::string(16, ' ') + "step", 400, 96, "step", 640},
        CIndentCase{"ThreeLevelsWide", std::string(24, ' ') + "step", 128, 96, "step", 960},
        // 127 px at 96 dpi: 1905 twips, half of it 952.
        CIndentCase{"ThreeLevelsNarrow", std::string(24, ' ') + "step", 127, 96, "step", 952},
        CIndentCase{"OddSpaces", "   x", 400, 96, "x", 120},
        CIndentCase{"InnerSpacesKept", "  a  b", 400, 96, "a  b", 80},
        CIndentCase{"AllSpaces", "     ", 400, 96, "", 200},
        CIndentCase{"HighDpi", std::string(80, ' ') + "deep", 200, 192, "deep", 750},
        CIndentCase{"NoDpiTakenAs96", std::string(8, ' ') + "x", 400, 0, "x", 320},
        CIndentCase{"NegativeWidth", std::string(8, ' ') + "x", -5, 96, "x", 0}),
    [](const auto& info) { return std::string(info.param.m_szName); });

TEST(IndentExplanation, SplitsAtLineEndsKeepingEmptyLines)
{
    const auto lines = IndentExplanation("a\r\n        b\r\n\r\nc", 400, 96);
    const std::vector<CIndentedLine> expected = {{"a", 0}, {"b", 320}, {"", 0}, {"c", 0}};
    EXPECT_EQ(lines, expected);
}

TEST(IndentExplanation, EmptyTextHasNoLines)
{
    EXPECT_TRUE(IndentExplanation("", 400, 96).empty());
}
} // namespace
