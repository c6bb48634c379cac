// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditKeys.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace
{
struct SContextRow
{
    std::string strText;
    int nCaret;
    CEditContext context; // power, numerator, denominator, after a decimal point
    bool bPowerEnabled;   // the context menu's two items
    bool bFractionEnabled;
};

std::ostream& operator<<(std::ostream& out, const SContextRow& row)
{
    return out << '"' << row.strText << "\" caret " << row.nCaret;
}

class EditContextTest : public ::testing::TestWithParam<SContextRow>
{
};
} // namespace

TEST_P(EditContextTest, ScanFindsTheStructureAndTheMenuFollowsIt)
{
    const SContextRow& row = GetParam();
    EXPECT_EQ(ScanContext(row.strText, row.nCaret), row.context);
    CEditModel model;
    model.SetEquation(row.strText);
    model.PlaceCaret(row.nCaret);
    EXPECT_EQ(model.IsInsertPowerEnabled(), row.bPowerEnabled);
    EXPECT_EQ(model.IsInsertFractionEnabled(), row.bFractionEnabled);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Places, EditContextTest, ::testing::Values(
    SContextRow{"x", 1, {}, true, true},
    SContextRow{"", 0, {}, false, true},
    SContextRow{"x^2!", 4, {}, true, true},
    SContextRow{"3", 1, {}, false, true},
    SContextRow{"2.5", 3, {false, false, false, true}, false, false},
    SContextRow{"%1,2$", 5, {}, false, true},
    SContextRow{"x^23!", 2, {true, false, false, false}, false, false},
    SContextRow{"x^2.5!", 5, {true, false, false, true}, false, false},
    SContextRow{"%1,2$", 1, {false, true, false, false}, false, false},
    SContextRow{"%1,2$", 3, {false, false, true, false}, false, false},
    SContextRow{"%,2$", 1, {false, true, false, false}, false, false},
    SContextRow{"%1.5,2$", 4, {false, true, false, true}, false, false}));
// clang-format on

TEST(EditCommandTest, MenuItemsInsertTemplatesOnlyWhereEnabledAndNeverWhenReadOnly)
{
    CBeepCounter beeps;
    CEditModel model;
    model.SetEquation("x");
    EXPECT_EQ(model.InsertPowerCommand(), (CEditOutcome{true, true}));
    EXPECT_EQ(model.GetText(), "x^!");
    EXPECT_EQ(model.GetCaret(), 2);
    EXPECT_EQ(model.InsertFractionCommand(), CEditOutcome{});
    EXPECT_EQ(model.GetText(), "x^!");
    EXPECT_EQ(beeps.Count(), 1);
    model.SetEquation("x");
    model.SetReadOnly(true);
    EXPECT_FALSE(model.IsInsertPowerEnabled());
    EXPECT_FALSE(model.IsInsertFractionEnabled());
}

// The fraction would land after 1.5 once the abandoned power template drops out: 1.5%,$.
TEST(EditCommandTest, InsertFractionIsOffWhereItWouldJoinADecimalNumber)
{
    CBeepCounter beeps;
    CEditModel model;
    RunKeys(model, "1.5^{R}");
    ASSERT_EQ(model.GetText(), "1.5^!");
    EXPECT_FALSE(model.IsInsertFractionEnabled());
    EXPECT_EQ(model.InsertFractionCommand(), CEditOutcome{});
    EXPECT_EQ(model.GetText(), "1.5^!");
    EXPECT_EQ(beeps.Count(), 1);
}
