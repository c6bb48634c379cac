// SPDX-License-Identifier: GPL-3.0-or-later
#include "EngineErrorText.h"

#include "core/AlgebraError.h"

#include <array>
#include <string_view>
#include <utility>

namespace
{
using CExplanationPair = std::pair<std::string_view, std::string_view>;

constexpr std::array<CExplanationPair, 3> kExplanations = {{
    {kDivideByZero, "Something in it is divided by zero, which has no value, so it cannot be "
                    "simplified. Change the divisor and press Simplify again."},
    {kPowerMustBeWhole, "A bracket is raised to a power that is not a whole number, which "
                        "Brimlet cannot write out. Use a whole number power."},
    {kInvalidEquationCreation, "Brimlet could not read the text as an equation or expression. "
                               "Check the brackets and the signs."},
}};

constexpr std::string_view kFallback =
    "Brimlet could not finish simplifying this. Change the text and press Simplify again.";
} // namespace

std::string DescribeEngineError(const std::string& strMessage)
{
    std::string_view explanation = kFallback;
    for (const auto& [message, text] : kExplanations)
        if (strMessage == message)
            explanation = text;
    return "Simplification stopped: " + strMessage + "\r\n" + std::string(explanation);
}
