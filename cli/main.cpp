// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"
#include "driver/SimplifyRequest.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    KeepMemoryBetweenRequests();
    return RunCommandLine(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout,
                          std::cerr);
}
