// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Validation.h"
#include "driver/SimplifyRequest.h"
#include "output/WorkedSolution.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>

// Everything fennory-cli says about one input text.
struct CTextReport
{
    std::string m_strInput;
    CValidationReport m_Validation;
    bool m_bSimplified = false; // false when validation refused the text
    CSimplifyOutcome m_Outcome;
    std::optional<double> m_dMicros; // median time of the request alone
};

inline constexpr const char* kNothingToSimplify = "Nothing to simplify: the text is empty";

// Reads the text as ordinary notation, validates it and, when it passes, simplifies it; an
// unreadable character or an empty text is refused like a validation error. With nRepeat > 0
// the request runs that many times and is timed.
// The equation is solved for cSolveFor (0: the default letter), an expression factored.
// eForm asks for the narrative's formulas marked as well, for the formats that typeset them.
CTextReport ReportText(std::string strInput, int nRepeat = 0, char cSolveFor = 0,
                       ENarrativeForm eForm = ENarrativeForm::Plain);

// 0 simplified (or nothing to simplify), 1 refused by validation, 2 the engine raised an error.
int ExitStatus(const CTextReport& report);

nlohmann::ordered_json ToJson(const CTextReport& report);
// One line of JSON; bytes that are not UTF-8 are replaced rather than refused. Taken by
// value, so that a batch line of megabytes is moved through rather than copied.
std::string ToJsonLine(CTextReport report);
// The human form: result, further result, "How it was done" and the narrative.
std::string ToPlainText(const CTextReport& report);
// What goes to standard error: the validation messages or the engine's error, one a line.
std::string ToDiagnostics(const CTextReport& report);

// The report as the output formats read it.
CWorkedSolution ToWorkedSolution(const CTextReport& report);
// The same for the plain-text forms, whose result lines must read back: their results are
// written in ReadBackForm instead of the display form.
CWorkedSolution ToReadBackSolution(const CTextReport& report);

// A result as the plain-text forms print it: easier to read than equation text (x^2 for
// x^2!, 3 1/2 for 3%1,2$) where fennory-cli reads that back as the very same text, else the
// equation text itself. The display form ((3&1/2)x) does not always read back.
std::string ReadBackForm(const std::string& strText);
