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
std::string FormatReport(const CTextReport& report, EOutputFormat eFormat);

// One answer per line: JSON objects or plain text lines.
std::string FormatBatchLine(CTextReport report, EOutputFormat eFormat);

// Every line of a batch on one worked-solutions sheet. Lines starting with "#" are headings,
// blank lines are skipped. *pStatus, when given, is raised to the highest exit status of the
// problems.
std::string FormatSheet(std::istream& lines, int nRepeat, int* pStatus = nullptr);
