// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Formats.h"

#include <fstream>
#include <string>

// The worked-solutions sheet of the examples the user guide works through.
inline std::string ExamplesSheet()
{
    std::ifstream examples(std::string(FENNORY_SOURCE_DIR) + "/tests/data/examples.txt");
    return FormatSheet(examples, 0);
}
