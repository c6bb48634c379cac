// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

struct CWorkedSolution;

// The graph of a problem (equation text) as an <svg> element for an HTML page.
std::string ProblemGraphSvg(const std::string& strProblem);

// Writes the graph of a problem to FILE.svg or FILE.png: "" when done, else what went wrong.
// A problem without a graph is still drawn, saying why.
std::string WriteProblemGraph(const std::string& strProblem, const std::string& strPath);

// Puts the graph of a worked solution's problem into it, when the problem was simplified.
void AddGraph(CWorkedSolution& solution);
