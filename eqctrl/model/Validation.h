// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One bit of a character's error word per kind of error.
inline constexpr std::uint32_t kErrorInvalidFirstCharacter = 1u << 0;
// Also the nearest message for a number with two points or a point before a fraction.
inline constexpr std::uint32_t kErrorNotNumericInStructure = 1u << 1;
inline constexpr std::uint32_t kErrorAfterOpeningBracket = 1u << 2;
inline constexpr std::uint32_t kErrorConsecutiveOperators = 1u << 3;
inline constexpr std::uint32_t kErrorMissingOpeningBracket = 1u << 4;
inline constexpr std::uint32_t kErrorOperatorBeforeClosing = 1u << 5;
inline constexpr std::uint32_t kErrorEmptyBrackets = 1u << 6;
inline constexpr std::uint32_t kErrorMissingClosingBracket = 1u << 7;
inline constexpr std::uint32_t kErrorSecondEquals = 1u << 8;
inline constexpr std::uint32_t kErrorEqualsInsideBrackets = 1u << 9;
inline constexpr std::uint32_t kErrorInvalidLastCharacter = 1u << 10;
inline constexpr std::uint32_t kErrorNoNumerator = 1u << 11;
inline constexpr std::uint32_t kErrorNoDenominator = 1u << 12;

// The message of one error bit, exactly as the user sees it; "" for a bit without one.
std::string GetErrorMessage(int nBit);

// The marking pass. It first drops every empty power or fraction template that does not hold
// the caret (moving the caret with the text), then gives every character a word of error bits.
// The result has one word per character plus a final 0, or is empty for an empty text.
std::vector<std::uint32_t> MarkErrors(std::string& strText, int& nCaret);

// The error list of one editor: the marks of the last pass and the cursor that hands out one
// message per set bit, in character order and within a character in bit order.
class CEquationValidation
{
public:
    // Runs the marking pass; the text and the caret may change (dropped templates).
    void RunMarkingPass(std::string& strText, int& nCaret);

    // Runs the pass and returns how many characters carry a mark; 0 means valid.
    short IsEquationOK(std::string& strText, int& nCaret);

    // Counts the marked characters of the last pass without running it again.
    short CountMarkedCharacters() const;

    // Restart the list / continue it; "" once it is exhausted. They read the last pass only.
    std::string GetFirstError();
    std::string GetNextError();

    // Every message of the last pass, as GetFirstError and GetNextError hand them out.
    std::vector<std::string> ListErrors();

    const std::vector<std::uint32_t>& GetMarks() const { return m_ErrorMarks; }
    // The error word of one character; 0 outside the text.
    std::uint32_t GetMark(int nIndex) const;

private:
    std::vector<std::uint32_t> m_ErrorMarks;
    int m_nErrorCharacter = 0;
    int m_nErrorBit = -1;
};
