// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Exit statuses beyond the three of a request (0 simplified, 1 refused, 2 engine error).
inline constexpr int kExitUsage = 64;       // the options could not be understood
inline constexpr int kExitNoInput = 66;     // the batch file could not be read
inline constexpr int kExitCannotWrite = 73; // the --output file could not be written

// fennory-cli as a function, so that tests can run it in-process. args excludes the
// program name.
int RunCommandLine(std::vector<std::string> args, std::istream& in, std::ostream& out,
                   std::ostream& err);
