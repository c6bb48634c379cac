// SPDX-License-Identifier: GPL-3.0-or-later
#include "Graph.h"

#include "GraphFiles.h"
#include "output/WorkedSolution.h"
#include "plot/Plot.h"

namespace
{
const QSize kGraphSize(560, 360);
}

std::string ProblemGraphSvg(const std::string& strProblem)
{
    return GraphSvgElement(CPlotProblem(strProblem).Sample(), kGraphSize);
}

std::string WriteProblemGraph(const std::string& strProblem, const std::string& strPath)
{
    return WriteGraphFile(QString::fromStdString(strPath), CPlotProblem(strProblem).Sample(),
                          kGraphSize);
}

void AddGraph(CWorkedSolution& solution)
{
    if (solution.IsSolved())
        solution.m_strGraphSvg = ProblemGraphSvg(solution.m_strProblem);
}
