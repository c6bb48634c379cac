// SPDX-License-Identifier: GPL-3.0-or-later
#include "Graph.h"

#include "GraphModule.h"
#include "output/WorkedSolution.h"
#include "output/XmlText.h"
#include "plot/Plot.h"

#include <dlfcn.h>
#include <unistd.h>

#include <array>

namespace
{
constexpr int kGraphWidth = 560;
constexpr int kGraphHeight = 360;

struct CGraphModule
{
    TGraphSvgElement m_pSvgElement = nullptr;
    TWriteGraphFile m_pWriteFile = nullptr;
    std::string m_strError;
};

std::string ProgramFolder()
{
    std::array<char, 4096> path{};
    const ssize_t nLength = readlink("/proc/self/exe", path.data(), path.size() - 1);
    if (nLength <= 0)
        return ".";
    const std::string strPath(path.data(), static_cast<std::size_t>(nLength));
    return strPath.substr(0, strPath.rfind('/'));
}

// Beside the installed program first (the tree may have been moved), then the build tree's.
// Never closed: the module's Qt application lives until the program ends.
CGraphModule LoadModule()
{
    CGraphModule module;
    std::string strWhy;
    for (const std::string& strPath : {ProgramFolder() + "/" + FENNORY_GRAPH_MODULE_FROM_BIN,
                                       std::string(FENNORY_GRAPH_MODULE_IN_BUILD)})
    {
        void* pHandle = dlopen(strPath.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!pHandle)
        {
            if (strWhy.empty())
                strWhy = dlerror();
            continue;
        }
        module.m_pSvgElement =
            reinterpret_cast<TGraphSvgElement>(dlsym(pHandle, kGraphSvgElementName));
        module.m_pWriteFile =
            reinterpret_cast<TWriteGraphFile>(dlsym(pHandle, kWriteGraphFileName));
        if (module.m_pSvgElement && module.m_pWriteFile)
            return module;
        strWhy = strPath + " lacks the graph's functions";
    }
    module = CGraphModule{};
    module.m_strError = "The graph cannot be drawn: " + strWhy;
    return module;
}

const CGraphModule& Module()
{
    static const CGraphModule module = LoadModule();
    return module;
}

} // namespace

std::string ProblemGraphSvg(const std::string& strProblem)
{
    const CGraphModule& module = Module();
    if (!module.m_pSvgElement)
        return "<p>" + XmlEscape(module.m_strError) + "</p>";
    const CPlotGeometry geometry = CPlotProblem(strProblem).Sample();
    std::string strSvg;
    module.m_pSvgElement(&geometry, kGraphWidth, kGraphHeight, &strSvg);
    return strSvg;
}

std::string WriteProblemGraph(const std::string& strProblem, const std::string& strPath)
{
    const CGraphModule& module = Module();
    if (!module.m_pWriteFile)
        return module.m_strError;
    const CPlotGeometry geometry = CPlotProblem(strProblem).Sample();
    std::string strError;
    module.m_pWriteFile(strPath.c_str(), &geometry, kGraphWidth, kGraphHeight, &strError);
    return strError;
}

void AddGraph(CWorkedSolution& solution)
{
    if (solution.IsSolved())
        solution.m_strGraphSvg = ProblemGraphSvg(solution.m_strProblem);
}
