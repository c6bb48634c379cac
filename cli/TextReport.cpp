#include "TextReport.h"

#include "model/OrdinaryNotation.h"
#include "output/Writers.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

namespace
{
using json = nlohmann::ordered_json;

double MedianMicros(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const size_t nMiddle = samples.size() / 2;
    if (samples.size() % 2 == 1)
        return samples[nMiddle];
    return (samples[nMiddle - 1] + samples[nMiddle]) / 2;
}

// Runs the request nRepeat times; the outcome is the same each time, so the last is kept.
CSimplifyOutcome TimedSimplify(const std::string& strText, int nRepeat, ENarrativeForm eForm,
                               double& dMicros)
{
    std::vector<double> samples;
    CSimplifyOutcome outcome;
    for (int i = 0; i < nRepeat; ++i)
    {
        const auto start = std::chrono::steady_clock::now();
        outcome = RunSimplify(strText, eForm);
        const auto stop = std::chrono::steady_clock::now();
        samples.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
    }
    dMicros = MedianMicros(std::move(samples));
    return outcome;
}

json TextOrNull(const std::optional<std::string>& text)
{
    return text ? json(*text) : json(nullptr);
}

json TextOrNull(const std::string& text, bool bPresent)
{
    return bPresent ? json(text) : json(nullptr);
}
} // namespace

CTextReport ReportText(const std::string& strInput, int nRepeat, ENarrativeForm eForm)
{
    CTextReport report;
    report.m_strInput = strInput;
    const SOrdinaryConversion conversion = ConvertOrdinaryNotation(strInput);
    if (!conversion.m_bOk)
    {
        report.m_Validation.m_Errors.push_back(conversion.m_strMessage);
        return report;
    }
    report.m_Validation = ValidateEquationText(conversion.m_strText);
    // Blanks only, or a template that validation dropped: nothing would be simplified, and
    // an answer with no result must not pass for one.
    if (report.m_Validation.IsValid() && report.m_Validation.m_strText.empty())
        report.m_Validation.m_Errors.push_back(kNothingToSimplify);
    if (!report.m_Validation.IsValid())
        return report;
    report.m_bSimplified = true;
    const std::string& strText = report.m_Validation.m_strText;
    if (nRepeat > 0)
    {
        double dMicros = 0;
        report.m_Outcome = TimedSimplify(strText, nRepeat, eForm, dMicros);
        report.m_dMicros = dMicros;
    }
    else
        report.m_Outcome = RunSimplify(strText, eForm);
    return report;
}

int ExitStatus(const CTextReport& report)
{
    if (!report.m_bSimplified)
        return 1;
    return report.m_Outcome.m_strError ? 2 : 0;
}

nlohmann::ordered_json ToJson(const CTextReport& report)
{
    const CSimplifyOutcome& outcome = report.m_Outcome;
    const bool bHasResult =
        report.m_bSimplified && !outcome.m_strError && !report.m_Validation.m_strText.empty();
    json object = json::object();
    object["input"] = report.m_strInput;
    object["errors"] = report.m_Validation.m_Errors;
    object["result"] = TextOrNull(outcome.m_strResult, bHasResult);
    object["result_display"] = TextOrNull(outcome.m_strResultDisplay, bHasResult);
    object["further"] = TextOrNull(outcome.m_strFurther);
    object["further_display"] = TextOrNull(outcome.m_strFurtherDisplay);
    object["explanation"] = outcome.m_strExplanation;
    object["error"] = TextOrNull(outcome.m_strError);
    if (report.m_dMicros)
        object["micros"] = std::round(*report.m_dMicros * 10) / 10;
    return object;
}

std::string ToJsonLine(const CTextReport& report)
{
    return ToJson(report).dump(-1, ' ', false, json::error_handler_t::replace) + "\n";
}

std::string ToPlainText(const CTextReport& report)
{
    if (ExitStatus(report) != 0)
        return "";
    return WriteText(ToWorkedSolution(report));
}

CWorkedSolution ToWorkedSolution(const CTextReport& report)
{
    if (!report.m_bSimplified)
        return MakeRefusedSolution(report.m_strInput, report.m_Validation.m_Errors);
    return MakeWorkedSolution(report.m_strInput, report.m_Validation.m_strText, report.m_Outcome);
}

std::string ToDiagnostics(const CTextReport& report)
{
    std::string text;
    for (const std::string& strError : report.m_Validation.m_Errors)
        text += strError + "\n";
    if (report.m_Outcome.m_strError)
        text += *report.m_Outcome.m_strError + "\n";
    return text;
}
