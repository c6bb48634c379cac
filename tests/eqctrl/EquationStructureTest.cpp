// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/EquationStructure.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace
{
struct SGrowRow
{
    std::string strText;
    int nFrom;
    int nTo;
    CTextRange expected;
};

std::ostream& operator<<(std::ostream& out, const SGrowRow& row)
{
    return out << '"' << row.strText << "\" [" << row.nFrom << ", " << row.nTo << ')';
}

class GrowToStructuresTest : public ::testing::TestWithParam<SGrowRow>
{
};

TEST_P(GrowToStructuresTest, NeverSplitsAPowerOrAFraction)
{
    const SGrowRow& row = GetParam();
    EXPECT_EQ(GrowToStructures(row.strText, row.nFrom, row.nTo), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, GrowToStructuresTest,
    ::testing::Values(SGrowRow{"x^2!+1", 0, 1, {0, 1}}, SGrowRow{"x^2!+1", 0, 2, {0, 4}},
                      SGrowRow{"x^2!+1", 3, 5, {1, 5}}, SGrowRow{"x^2!+1", 2, 3, {1, 4}},
                      SGrowRow{"3%1,2$x", 0, 1, {0, 1}}, SGrowRow{"3%1,2$x", 4, 5, {1, 6}},
                      SGrowRow{"%1,2$+%3,4$", 3, 8, {0, 11}},
                      // an open structure runs to the end of the text
                      SGrowRow{"x+%1,2", 1, 3, {1, 6}}, SGrowRow{"x^2!", 2, 2, {2, 2}}));

struct SProblemsRow
{
    std::string strText;
    int nProblems;
};

std::ostream& operator<<(std::ostream& out, const SProblemsRow& row)
{
    return out << '"' << row.strText << '"';
}

class StructureProblemsTest : public ::testing::TestWithParam<SProblemsRow>
{
};

TEST_P(StructureProblemsTest, CountsWhatBreaksTheShape)
{
    EXPECT_EQ(CountStructureProblems(GetParam().strText), GetParam().nProblems);
}

INSTANTIATE_TEST_SUITE_P(Texts, StructureProblemsTest,
                         ::testing::Values(SProblemsRow{"", 0}, SProblemsRow{"x^2!+3%1,2$x=1", 0},
                                           SProblemsRow{"^!%,$", 0}, SProblemsRow{"x^2", 1},
                                           SProblemsRow{"x^y!", 1}, SProblemsRow{"%1,2,3$", 1},
                                           SProblemsRow{"%12$", 1}, SProblemsRow{"x!", 1},
                                           SProblemsRow{"2,3", 1}, SProblemsRow{"1.2.3", 1},
                                           SProblemsRow{"x^1.5.!", 1}, SProblemsRow{"x y", 1},
                                           // Powers as ordinary notation writes them.
                                           SProblemsRow{"x^%1,2$!", 0}, SProblemsRow{"x^-1!", 0},
                                           SProblemsRow{"x^+2%1,2$!", 0}, SProblemsRow{"x^-!", 1},
                                           SProblemsRow{"x^2-1!", 1}, SProblemsRow{"x^%1,2$3!", 1},
                                           SProblemsRow{"x^%1,2!", 1}));
} // namespace
