// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "output/WorkedSolution.h"

#include <QString>

#include <memory>

class QTextDocument;

// The worked solution as a document for its PDF writer and the printer: the same content as
// the HTML page, powers raised, divisions stacked, the steps' formulas typeset.
std::unique_ptr<QTextDocument> MakeWorkedSolutionDocument(const CWorkedSolution& solution);

enum class ESaveFormat
{
    Html,
    Text,
    Pdf
};

// The format a file name asks for by its extension (.htm/.html, .pdf, anything else text).
ESaveFormat SaveFormatOf(const QString& strPath);

// The file a save dialog's answer stands for: a name without one of those extensions (.html,
// .htm, .txt, .pdf) gets the extension of the chosen filter ("HTML page (*.html)"), so that the
// file holds what the dialog said.
QString PathForFilter(const QString& strPath, const QString& strFilter);

// Writes the file whole; false (and the file not left half-written) when it cannot be written.
bool SaveWorkedSolution(const CWorkedSolution& solution, const QString& strPath,
                        ESaveFormat eFormat);
