// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TextReport.h"

#include <istream>
#include <optional>
#include <string>

// The forms fennory-cli can answer in.
enum class EOutputFormat
{
    Text,
    Json,
    Html,
    Latex,
    MathML
};

// "text", "json", "html", "latex" or "mathml"; nothing for any other name.
std::optional<EOutputFormat> ParseOutputFormat(const std::string& strName);

// The documents typeset the formulas of the narrative; text and JSON show it plain.
ENarrativeForm NarrativeFormFor(EOutputFormat eFormat);

// One report in the format; a refused text gives no plain text (its messages go to standard
// error) but a document that says why in the others.
// bGraph puts the problem's graph into an HTML page.
std::string FormatReport(const CTextReport& report, EOutputFormat eFormat, bool bGraph = false);

// One answer per line: JSON objects or plain text lines.
std::string FormatBatchLine(CTextReport report, EOutputFormat eFormat);

// What a line of a batch file is. "## " starts a heading (of the sheet), any other "#" a
// comment (as the example files have them); the other lines are problems, blank ones too in
// the line formats (each such line gets its answer line).
enum class EBatchLine
{
    Blank,
    Comment,
    Heading,
    Problem
};
EBatchLine ClassifyBatchLine(const std::string& strLine);

// Every line of a batch on one worked-solutions sheet: problems, and headings between them;
// comments and blank lines are skipped. A line's "\r" before its end is dropped. *pStatus,
// when given, is raised to the highest exit status of the problems. bGraphs puts each
// problem's graph beside its answer.
CWorkedSheet ReadSheet(std::istream& lines, int nRepeat, int* pStatus = nullptr,
                       bool bGraphs = false);
// The sheet as one HTML page, or one LaTeX document.
std::string FormatSheet(std::istream& lines, int nRepeat,
                        EOutputFormat eFormat = EOutputFormat::Html, int* pStatus = nullptr,
                        bool bGraphs = false);
