#include "model/Validation.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
CEquationValidation Marked(std::string strText)
{
    CEquationValidation validation;
    int nCaret = static_cast<int>(strText.size());
    validation.RunMarkingPass(strText, nCaret);
    return validation;
}
} // namespace

TEST(ValidationErrorListTest, NextWithoutFirstStartsFromTheBeginningOnANewList)
{
    CEquationValidation validation = Marked("*x)");
    EXPECT_EQ(validation.GetNextError(), "Invalid First Character");
    EXPECT_EQ(validation.GetNextError(), "Missing opening bracket");
    EXPECT_EQ(validation.GetNextError(), "");
    EXPECT_EQ(validation.GetNextError(), "");
}

TEST(ValidationErrorListTest, FirstRestartsTheList)
{
    CEquationValidation validation = Marked("(x=");
    EXPECT_EQ(validation.GetFirstError(), "Missing closing bracket");
    EXPECT_EQ(validation.GetNextError(), "All brackets must be closed before equal sign");
    EXPECT_EQ(validation.GetFirstError(), "Missing closing bracket");
}

TEST(ValidationErrorListTest, ALaterPassLeavesTheCursorWhereItStood)
{
    CEquationValidation validation = Marked("x)");
    EXPECT_EQ(validation.GetFirstError(), "Missing opening bracket"); // character 1, bit 4
    std::string strText = "*)";
    int nCaret = 0;
    validation.RunMarkingPass(strText, nCaret);
    // Character 0 of the new marks lies behind the cursor, character 1 has no bit above 4.
    EXPECT_EQ(validation.GetNextError(), "");
    EXPECT_EQ(validation.GetFirstError(), "Invalid First Character");
}

TEST(ValidationErrorListTest, EmptyTextHasNoMarksAndNoMessages)
{
    CEquationValidation validation = Marked("");
    EXPECT_TRUE(validation.GetMarks().empty());
    EXPECT_EQ(validation.CountMarkedCharacters(), 0);
    EXPECT_EQ(validation.GetFirstError(), "");
    EXPECT_EQ(validation.GetMark(0), 0u);
}

TEST(ValidationErrorListTest, UnsetBitHasNoMessage)
{
    EXPECT_EQ(GetErrorMessage(1), "Invalid in fraction or power (numerics only allowed)");
    EXPECT_EQ(GetErrorMessage(13), "");
    EXPECT_EQ(GetErrorMessage(-1), "");
}
