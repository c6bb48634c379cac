// SPDX-License-Identifier: GPL-3.0-or-later
#include "GraphModule.h"

#include "GraphFiles.h"

#define FENNORY_GRAPH_EXPORT extern "C" __attribute__((visibility("default")))

FENNORY_GRAPH_EXPORT void FennoryGraphSvgElement(const CPlotGeometry* pGeometry, int nWidth,
                                                 int nHeight, std::string* pSvg)
{
    *pSvg = GraphSvgElement(*pGeometry, QSize(nWidth, nHeight));
}

FENNORY_GRAPH_EXPORT void FennoryWriteGraphFile(const char* szPath, const CPlotGeometry* pGeometry,
                                                int nWidth, int nHeight, std::string* pError)
{
    *pError = WriteGraphFile(QString::fromUtf8(szPath), *pGeometry, QSize(nWidth, nHeight));
}
