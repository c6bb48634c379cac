// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever reaches the program, validation and construction together never crash, read out
// of bounds or leak: a text is either refused with marks, or it builds a graph, or the
// algebra raises its one error.
#include "RandomText.h"

#include "core/AlgebraError.h"
#include "driver/Construction.h"
#include "driver/Explanation.h"
#include "model/Validation.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
// Runs one text through the editor's checks and, when they pass, through construction.
// Returns whether validation accepted it.
bool ValidateAndBuild(std::string strText)
{
    CEquationValidation validation;
    int nCaret = static_cast<int>(strText.size());
    const short nMarked = validation.IsEquationOK(strText, nCaret);
    const size_t nMarks = validation.GetMarks().size();
    EXPECT_TRUE(nMarks == 0 || nMarks == strText.size() + 1) << strText;
    EXPECT_EQ(nMarked == 0, validation.ListErrors().empty()) << strText;
    if (nMarked != 0)
        return false;
    try
    {
        EXPECT_NE(ConstructFromText(strText), nullptr) << strText;
    }
    catch (const CAlgebraError&)
    {
    }
    EXPECT_TRUE(g_strIndent.empty()) << strText;
    return true;
}

TEST(InputProperty, RandomBytesAreRefusedOrBuilt)
{
    constexpr std::uint32_t kSeed = 3141;
    randomtext::CRandomText random(kSeed);
    for (int i = 0; i < 6000; ++i)
    {
        SCOPED_TRACE("seed " + std::to_string(kSeed) + ", case " + std::to_string(i));
        ValidateAndBuild(i % 2 ? random.Bytes(40) : random.FormatSoup(30));
        if (HasFatalFailure())
            return;
    }
}

TEST(InputProperty, TextsOfTheGrammarPassValidation)
{
    constexpr std::uint32_t kSeed = 2718;
    randomtext::CShape shape;
    shape.m_bDecimals = true;
    randomtext::CRandomText random(kSeed, shape);
    for (int i = 0; i < 3000; ++i)
    {
        const std::string strText = random.Text();
        EXPECT_TRUE(ValidateAndBuild(strText)) << "seed " << kSeed << ": " << strText;
    }
}
} // namespace
