// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Validation.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace
{
constexpr int kAtEnd = -1;

struct SMarkingRow
{
    std::string strText;
    int nCaret; // kAtEnd: after the last character
    std::string strAfter;
    int nCaretAfter;
    std::vector<std::uint32_t> marks; // one per character of strAfter
    std::vector<std::string> messages;
};

std::ostream& operator<<(std::ostream& out, const SMarkingRow& row)
{
    return out << '"' << row.strText << "\" caret " << row.nCaret;
}

const std::string kFirst = "Invalid First Character";
const std::string kAfterOpening = "Invalid character following opening bracket";
const std::string kConsecutive = "Consecative operators are invalid";
const std::string kNoOpening = "Missing opening bracket";
const std::string kBeforeClosing = "Operator Invalid before closing bracket";
const std::string kEmptyPair = "Empty pair of brackets";
const std::string kNoClosing = "Missing closing bracket";
const std::string kOneEquals = "Only one equals sign allowed in an equation";
const std::string kEqualsInBrackets = "All brackets must be closed before equal sign";
const std::string kLast = "Invalid Last Character";
const std::string kNoTop = "No Top part of fraction";
const std::string kNoBottom = "No Bottom part of fraction";
const std::string kNotNumeric = "Invalid in fraction or power (numerics only allowed)";

class ValidationMarkingTest : public ::testing::TestWithParam<SMarkingRow>
{
};
} // namespace

TEST_P(ValidationMarkingTest, MarksTidiesAndListsInCharacterThenBitOrder)
{
    const SMarkingRow& row = GetParam();
    std::string strText = row.strText;
    int nCaret = row.nCaret == kAtEnd ? static_cast<int>(strText.size()) : row.nCaret;
    CEquationValidation validation;
    const short nMarked = validation.IsEquationOK(strText, nCaret);

    EXPECT_EQ(strText, row.strAfter);
    EXPECT_EQ(nCaret, row.nCaretAfter);
    std::vector<std::uint32_t> expected = row.marks;
    if (!strText.empty())
        expected.push_back(0); // the extra word after the last character
    EXPECT_EQ(validation.GetMarks(), expected);
    int nExpectedMarked = 0;
    for (const std::uint32_t nWord : row.marks)
        nExpectedMarked += nWord != 0 ? 1 : 0;
    EXPECT_EQ(nMarked, nExpectedMarked);
    EXPECT_EQ(validation.ListErrors(), row.messages);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, ValidationMarkingTest, ::testing::Values(
    SMarkingRow{"", 0, "", 0, {}, {}},
    SMarkingRow{"2x+3", kAtEnd, "2x+3", 4, {0, 0, 0, 0}, {}},
    SMarkingRow{"*x", kAtEnd, "*x", 2, {1, 0}, {kFirst}},
    SMarkingRow{")x)", kAtEnd, ")x)", 3, {1, 0, 16}, {kFirst, kNoOpening}},
    SMarkingRow{"#x#", kAtEnd, "#x#", 3, {1, 0, 0}, {kFirst}},
    SMarkingRow{"^2!x", kAtEnd, "^2!x", 4, {1, 1, 1, 0}, {kFirst, kFirst, kFirst}},
    SMarkingRow{"^x", kAtEnd, "^x", 2, {1, 1}, {kFirst, kFirst}},
    // A leading power without "!" runs to the end and covers a final "=" too.
    SMarkingRow{"^2=", kAtEnd, "^2=", 3, {1, 1, 1}, {kFirst, kFirst, kFirst}},
    SMarkingRow{"x+*y", kAtEnd, "x+*y", 4, {0, 0, 8, 0}, {kConsecutive}},
    SMarkingRow{"(*x)", kAtEnd, "(*x)", 4, {0, 4, 0, 0}, {kAfterOpening}},
    SMarkingRow{"(x+)", kAtEnd, "(x+)", 4, {0, 0, 32, 32}, {kBeforeClosing, kBeforeClosing}},
    SMarkingRow{"()", kAtEnd, "()", 2, {64, 64}, {kEmptyPair, kEmptyPair}},
    SMarkingRow{"x)", kAtEnd, "x)", 2, {0, 16}, {kNoOpening}},
    SMarkingRow{"((x)", kAtEnd, "((x)", 4, {128, 0, 0, 0}, {kNoClosing}},
    SMarkingRow{"(x=", kAtEnd, "(x=", 3, {128, 0, 512 | 1024},
                {kNoClosing, kEqualsInBrackets, kLast}},
    SMarkingRow{"x=y=z", kAtEnd, "x=y=z", 5, {0, 0, 0, 256, 0}, {kOneEquals}},
    SMarkingRow{"x=", kAtEnd, "x=", 2, {0, 1024}, {kLast}},
    SMarkingRow{"x+", kAtEnd, "x+", 2, {0, 0}, {}},
    SMarkingRow{"%,2$", kAtEnd, "%,2$", 4, {0, 2048, 0, 0}, {kNoTop}},
    SMarkingRow{"%1,$", kAtEnd, "%1,$", 4, {0, 0, 0, 4096}, {kNoBottom}},
    SMarkingRow{"3%1,2$", kAtEnd, "3%1,2$", 6, {0, 0, 0, 0, 0, 0}, {}},
    SMarkingRow{"x^2!^3!", kAtEnd, "x^2!^3!", 7, {0, 0, 0, 0, 0, 0, 0}, {}},
    // Letters and operators inside a structure are the editor's to keep out, not the pass's.
    SMarkingRow{"%x,+$", kAtEnd, "%x,+$", 5, {0, 0, 0, 0, 0}, {}},
    // Templates the caret has left are dropped; the caret moves with the text after them.
    SMarkingRow{"x%,$", kAtEnd, "x", 1, {0}, {}},
    SMarkingRow{"x%,$+y", 5, "x+y", 2, {0, 0, 0}, {}},
    SMarkingRow{"x^!", kAtEnd, "x", 1, {0}, {}},
    SMarkingRow{"x^!+y^!", 2, "x^!+y", 2, {0, 0, 0, 0, 0}, {}},
    SMarkingRow{"%%,$,$", kAtEnd, "", 0, {}, {}},
    // The template being filled in stays, and an unfilled fraction stays marked.
    SMarkingRow{"x%,$", 2, "x%,$", 2, {0, 0, 2048, 4096}, {kNoTop, kNoBottom}},
    // A leading empty power has nothing to raise and goes even with the caret in it.
    SMarkingRow{"^!x", 1, "x", 0, {0}, {}},
    SMarkingRow{"^!", 1, "", 0, {}, {}},
    SMarkingRow{"^", 1, "", 0, {}, {}}));

// A number the parser would misread: the extra points, or the point of a whole part written
// before a fraction. Only the points carry the mark; the digits after them do not copy it.
INSTANTIATE_TEST_SUITE_P(Numbers, ValidationMarkingTest, ::testing::Values(
    SMarkingRow{"3.5.2", kAtEnd, "3.5.2", 5, {0, 0, 0, 2, 0}, {kNotNumeric}},
    SMarkingRow{"1..5", kAtEnd, "1..5", 4, {0, 0, 2, 0}, {kNotNumeric}},
    SMarkingRow{"x^2!..5", kAtEnd, "x^2!..5", 7, {0, 0, 0, 0, 0, 2, 0}, {kNotNumeric}},
    SMarkingRow{"1.5%1,2$", kAtEnd, "1.5%1,2$", 8, {0, 2, 0, 0, 0, 0, 0, 0}, {kNotNumeric}},
    SMarkingRow{".%1,2$", kAtEnd, ".%1,2$", 6, {2, 0, 0, 0, 0, 0}, {kNotNumeric}},
    SMarkingRow{"1.2.3%1,2$", kAtEnd, "1.2.3%1,2$", 10, {0, 2, 0, 2, 0, 0, 0, 0, 0, 0},
                {kNotNumeric, kNotNumeric}},
    SMarkingRow{"x^1.5.2!", kAtEnd, "x^1.5.2!", 8, {0, 0, 0, 0, 0, 2, 0, 0}, {kNotNumeric}},
    SMarkingRow{"%1,2.5.1$", kAtEnd, "%1,2.5.1$", 9, {0, 0, 0, 0, 0, 0, 2, 0, 0}, {kNotNumeric}},
    // A whole part after a leading power keeps that run's mark and gets its own bit too.
    SMarkingRow{"^1..2!", kAtEnd, "^1..2!", 6, {1, 1, 1, 3, 1, 1},
                {kFirst, kFirst, kFirst, kFirst, kNotNumeric, kFirst, kFirst}},
    // One point per number, and decimals inside a fraction, stay valid.
    SMarkingRow{"1.5+2.5", kAtEnd, "1.5+2.5", 7, {0, 0, 0, 0, 0, 0, 0}, {}},
    SMarkingRow{"1.5x.5", kAtEnd, "1.5x.5", 6, {0, 0, 0, 0, 0, 0}, {}},
    SMarkingRow{"%1.5,2$", kAtEnd, "%1.5,2$", 7, {0, 0, 0, 0, 0, 0, 0}, {}},
    SMarkingRow{"3%1,2$.5", kAtEnd, "3%1,2$.5", 8, {0, 0, 0, 0, 0, 0, 0, 0}, {}},
    // A point with no digit beside it is read as 0: x.y would be 0.
    SMarkingRow{"x.y", kAtEnd, "x.y", 3, {0, 2, 0}, {kNotNumeric}},
    SMarkingRow{"2x+.", kAtEnd, "2x+.", 4, {0, 0, 0, 2}, {kNotNumeric}},
    SMarkingRow{"x^.!", kAtEnd, "x^.!", 4, {0, 0, 2, 0}, {kNotNumeric}},
    SMarkingRow{"..", kAtEnd, "..", 2, {2, 2}, {kNotNumeric, kNotNumeric}},
    SMarkingRow{".5+5.", kAtEnd, ".5+5.", 5, {0, 0, 0, 0, 0}, {}},
    // Dropping an abandoned template is what joins these two numbers.
    SMarkingRow{"1.5%,$.5", kAtEnd, "1.5.5", 5, {0, 0, 0, 2, 0}, {kNotNumeric}}));
// clang-format on
