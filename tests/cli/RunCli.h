// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandLine.h"

#include <sstream>
#include <string>
#include <vector>

// fennory-cli run in-process: its exit status and what it wrote to each stream.
struct CRun
{
    int m_nStatus;
    std::string m_strOut;
    std::string m_strErr;
};

inline CRun RunCli(std::vector<std::string> args, const std::string& strInput = "")
{
    std::istringstream in(strInput);
    std::ostringstream out;
    std::ostringstream err;
    const int nStatus = RunCommandLine(std::move(args), in, out, err);
    return {nStatus, out.str(), err.str()};
}
