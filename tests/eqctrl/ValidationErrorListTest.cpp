// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Validation.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
void Mark(CEquationValidation& validation, std::string strText)
{
    int nCaret = static_cast<int>(strText.size());
    validation.RunMarkingPass(strText, nCaret);
}
} // namespace

TEST(ValidationErrorListTest, NextWithoutFirstStartsAtTheBeginningAndStopsWithEmpty)
{
    CEquationValidation validation;
    Mark(validation, "*x)");
    EXPECT_EQ(validation.GetNextError(), "Invalid First Character");
    EXPECT_EQ(validation.GetNextError(), "Missing opening bracket");
    EXPECT_EQ(validation.GetNextError(), "");
    EXPECT_EQ(validation.GetNextError(), "");
    EXPECT_EQ(validation.GetFirstError(), "Invalid First Character");
}

TEST(ValidationErrorListTest, ALaterPassLeavesTheCursorWhereItStood)
{
    CEquationValidation validation;
    Mark(validation, "x)");
    EXPECT_EQ(validation.GetFirstError(), "Missing opening bracket"); // character 1, bit 4
    Mark(validation, "*)");
    // Character 0 of the new marks lies behind the cursor, character 1 has no bit above 4.
    EXPECT_EQ(validation.GetNextError(), "");
    EXPECT_EQ(validation.GetFirstError(), "Invalid First Character");
}

TEST(ValidationErrorListTest, HugeCountsSaturateInsteadOfWrappingToValid)
{
    // 65536 marked characters would wrap a 16-bit count round to 0, "valid".
    std::string strText(65536, '(');
    int nCaret = 0;
    CEquationValidation validation;
    EXPECT_EQ(validation.IsEquationOK(strText, nCaret), 32767);
}
