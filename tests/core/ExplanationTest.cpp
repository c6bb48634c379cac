// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver/Explanation.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace
{
TEST(ExplanationLevel, NestedLevelsIndentEightSpacesEach)
{
    ASSERT_EQ(g_strIndent, "");
    {
        CExplanationLevel outer;
        EXPECT_EQ(g_strIndent, std::string(8, ' '));
        {
            CExplanationLevel inner;
            EXPECT_EQ(g_strIndent, std::string(16, ' '));
        }
        EXPECT_EQ(g_strIndent, std::string(8, ' '));
    }
    EXPECT_EQ(g_strIndent, "");
}

TEST(ExplanationLevel, AThrowFromTheInnerLevelLeavesBoth)
{
    ASSERT_EQ(g_strIndent, "");
    EXPECT_THROW(
        {
            CExplanationLevel outer;
            CExplanationLevel inner;
            throw std::runtime_error("mid-rule");
        },
        std::runtime_error);
    EXPECT_EQ(g_strIndent, "");
}

TEST(ExplanationEntry, WritesTheIndentationThenThePieces)
{
    std::string strLog = "Start\r\n";
    {
        CExplanationLevel level;
        AppendEntry(strLog, "Multiply ", std::string("x"), kLineEnd);
    }
    AppendEntry(strLog, "Done", kLineEnd);
    EXPECT_EQ(strLog, "Start\r\n        Multiply x\r\nDone\r\n");
}
} // namespace
