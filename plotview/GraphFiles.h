// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plot/Plot.h"

#include <QSize>
#include <QString>

#include <string>

class QPagedPaintDevice;

// The graph of a geometry as an SVG document (the painter's drawing through QSvgGenerator).
std::string GraphSvg(const CPlotGeometry& geometry, QSize size);
// The same as an <svg> element to put inside an HTML page: no XML declaration.
std::string GraphSvgElement(const CPlotGeometry& geometry, QSize size);

// Writes the graph to FILE.svg or FILE.png; an empty text when done, else what went wrong.
std::string WriteGraphFile(const QString& strPath, const CPlotGeometry& geometry, QSize size);

// Painting text needs a GUI application object; a program without one (the command line)
// gets one on the offscreen platform, kept until it ends.
void EnsureGraphApplication();
