// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

struct CPlotGeometry;

// The graph's painter as a module of its own, which fennory-cli loads only when a graph is
// asked for: linking Qt's GUI into the program would cost every run its start-up (about three
// times the time of a whole small request). Both sides are built together, so C++ types pass.
using TGraphSvgElement = void (*)(const CPlotGeometry* pGeometry, int nWidth, int nHeight,
                                  std::string* pSvg);
using TWriteGraphFile = void (*)(const char* szPath, const CPlotGeometry* pGeometry, int nWidth,
                                 int nHeight, std::string* pError);

inline constexpr const char* kGraphSvgElementName = "FennoryGraphSvgElement";
inline constexpr const char* kWriteGraphFileName = "FennoryWriteGraphFile";
