// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

// The one error the algebra raises: arithmetic that cannot be done. The message is the
// fixed text shown to the user ("Divide by zero", "Power must be Whole", ...).
class CAlgebraError : public std::runtime_error
{
public:
    explicit CAlgebraError(const std::string& strMessage) : std::runtime_error(strMessage) {}
};

inline constexpr const char* kDivideByZero = "Divide by zero";
inline constexpr const char* kPowerMustBeWhole = "Power must be Whole";
inline constexpr const char* kInvalidEquationCreation = "Invalid Equation Creation";
// A number or a result beyond the range of a double.
inline constexpr const char* kNumberTooLarge = "Number too large";
// A result too large to write out (thousands of terms) or nested too deeply to simplify.
inline constexpr const char* kExpressionTooLarge = "Expression too large";
inline constexpr const char* kBracketsTooDeep =
    "Brackets are nested too deeply (more than 64 levels)";
