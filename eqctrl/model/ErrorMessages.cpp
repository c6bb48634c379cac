// SPDX-License-Identifier: LGPL-3.0-or-later
#include "model/Validation.h"

#include <array>

namespace
{
// Indexed by bit; the texts are the user's, misspellings included.
constexpr std::array<const char*, 13> kMessages = {
    "Invalid First Character",
    "Invalid in fraction or power (numerics only allowed)",
    "Invalid character following opening bracket",
    "Consecative operators are invalid",
    "Missing opening bracket",
    "Operator Invalid before closing bracket",
    "Empty pair of brackets",
    "Missing closing bracket",
    "Only one equals sign allowed in an equation",
    "All brackets must be closed before equal sign",
    "Invalid Last Character",
    "No Top part of fraction",
    "No Bottom part of fraction",
};
} // namespace

std::string GetErrorMessage(int nBit)
{
    if (nBit < 0 || nBit >= static_cast<int>(kMessages.size()))
        return "";
    return kMessages[static_cast<std::size_t>(nBit)];
}
