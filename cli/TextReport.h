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
// the request runs that many times and is timed. eForm asks for the narrative's formulas
// marked as well, for the formats that typeset them.
CTextReport ReportText(const std::string& strInput, int nRepeat = 0,
                       ENarrativeForm eForm = ENarrativeForm::Plain);

// 0 simplified (or nothing to simplify), 1 refused by validation, 2 the engine raised an error.
int ExitStatus(const CTextReport& report);

nlohmann::ordered_json ToJson(const CTextReport& report);
// One line of JSON; bytes that are not UTF-8 are replaced rather than refused.
std::string ToJsonLine(const CTextReport& report);
// The human form: result, further result, "How it was done" and the narrative.
std::string ToPlainText(const CTextReport& report);
// What goes to standard error: the validation messages or the engine's error, one a line.
std::string ToDiagnostics(const CTextReport& report);

// The report as the output formats read it.
CWorkedSolution ToWorkedSolution(const CTextReport& report);
