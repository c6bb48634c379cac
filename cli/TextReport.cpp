// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextReport.h"

#include "model/OrdinaryNotation.h"
#include "output/Writers.h"
#include "solve/Solve.h"
#include "solve/SolveRequest.h"

#include <algorithm>
#include <cctype>
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
CSimplifyOutcome TimedSimplify(const std::string& strText, int nRepeat, char cSolveFor,
                               ENarrativeForm eForm, double& dMicros)
{
    std::vector<double> samples;
    CSimplifyOutcome outcome;
    for (int i = 0; i < nRepeat; ++i)
    {
        const auto start = std::chrono::steady_clock::now();
        outcome = RunSimplifyAndSolve(strText, cSolveFor, eForm);
        const auto stop = std::chrono::steady_clock::now();
        samples.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
    }
    dMicros = MedianMicros(std::move(samples));
    return outcome;
}

// A text refused by its size, as a document names it: its start and its size. A hand-out
// that repeated megabytes of it would help no one.
std::string NamedBySize(const std::string& strInput)
{
    constexpr std::size_t kShownBytes = 60;
    std::size_t nCut = kShownBytes;
    while (nCut > 0 && (static_cast<unsigned char>(strInput[nCut]) & 0xC0) == 0x80)
        --nCut; // not inside a character
    return strInput.substr(0, nCut) + "\u2026 (" + std::to_string(strInput.size()) + " bytes)";
}

// The end of the plain number (digits and points) that starts at nPos.
std::size_t NumberEnd(const std::string& strText, std::size_t nPos)
{
    while (nPos < strText.size() &&
           (std::isdigit(static_cast<unsigned char>(strText[nPos])) || strText[nPos] == '.'))
        ++nPos;
    return nPos;
}

// Equation text as people write it: x^2! -> x^2 for a power of a plain number, and the mixed
// number 3%1,2$ -> 3 1/2. Fractions of their own stay as they are: 1/2 would read back as
// a division. (Written out rather than as a std::regex, whose matcher recurses once per
// character and a power may have thousands of digits.)
std::string EasierToRead(const std::string& strText)
{
    std::string strReadable;
    strReadable.reserve(strText.size());
    for (std::size_t i = 0; i < strText.size(); ++i)
    {
        const char c = strText[i];
        const std::size_t nStart = i + 1 + (i + 1 < strText.size() && strText[i + 1] == '-');
        const std::size_t nEnd = NumberEnd(strText, nStart);
        if (c == '^' && nEnd > nStart && nEnd < strText.size() && strText[nEnd] == '!')
        {
            strReadable.append(strText, i, nEnd - i);
            i = nEnd;
            continue;
        }
        const std::size_t nComma = NumberEnd(strText, i + 1);
        const std::size_t nClose = nComma < strText.size() ? NumberEnd(strText, nComma + 1) : 0;
        if (c == '%' && i > 0 && std::isdigit(static_cast<unsigned char>(strText[i - 1])) &&
            nComma > i + 1 && nComma < strText.size() && strText[nComma] == ',' &&
            nClose > nComma + 1 && nClose < strText.size() && strText[nClose] == '$')
        {
            strReadable += ' ' + strText.substr(i + 1, nComma - i - 1) + '/' +
                           strText.substr(nComma + 1, nClose - nComma - 1);
            i = nClose;
            continue;
        }
        strReadable += c;
    }
    return strReadable;
}

json TextOrNull(const std::optional<std::string>& text)
{
    return text ? json(*text) : json(nullptr);
}

json TextOrNull(const std::string& text, bool bPresent)
{
    return bPresent ? json(text) : json(nullptr);
}

json RootJson(const CRoot& root, bool bFull)
{
    json object = json::object();
    if (bFull)
        object["text"] = TextOrNull(root.m_strText, !root.m_strText.empty());
    object["display"] = root.m_strDisplay;
    if (bFull)
        object["latex"] = root.m_strLatex;
    object["value"] = json::array({root.m_dRe, root.m_dIm});
    if (bFull)
    {
        object["exact"] = root.m_bExact;
        object["multiplicity"] = root.m_nMultiplicity;
    }
    return object;
}

json RootsJson(const std::vector<CRoot>& roots, bool bFull)
{
    json array = json::array();
    for (const CRoot& root : roots)
        array.push_back(RootJson(root, bFull));
    return array;
}

const char* KindName(ESolutionKind eKind)
{
    switch (eKind)
    {
    case ESolutionKind::Roots:
        return "roots";
    case ESolutionKind::Every:
        return "every";
    case ESolutionKind::None:
        return "none";
    default:
        return "unsolved";
    }
}

// "solution" for an equation, "factored" for an expression; null where there is none.
void AddSolution(const CSimplifyOutcome& outcome, json& object)
{
    const CSolution* pSolution = outcome.m_pSolution.get();
    object["solution"] = nullptr;
    object["factored"] = nullptr;
    if (!pSolution)
        return;
    if (!pSolution->m_bEquation)
    {
        object["factored"] =
            TextOrNull(pSolution->m_strFactored, !pSolution->m_strFactored.empty());
        return;
    }
    json solution = json::object();
    solution["letter"] = std::string(1, pSolution->m_cLetter);
    solution["kind"] = KindName(pSolution->m_eKind);
    solution["roots"] = RootsJson(pSolution->m_Roots, true);
    solution["excluded"] = RootsJson(pSolution->m_Excluded, false);
    solution["except"] = RootsJson(pSolution->m_Except, false);
    solution["reason"] =
        TextOrNull(pSolution->m_strReason, pSolution->m_eKind == ESolutionKind::Unsolved);
    object["solution"] = std::move(solution);
}
} // namespace

CTextReport ReportText(std::string strInput, int nRepeat, char cSolveFor, ENarrativeForm eForm)
{
    CTextReport report;
    report.m_strInput = std::move(strInput);
    // Refused by its size before it is read: the engine's own answer, given at once.
    if (IsTooLongToSimplify(report.m_strInput.size()))
    {
        report.m_bSimplified = true;
        report.m_Outcome = RunSimplify(report.m_strInput);
        return report;
    }
    const SOrdinaryConversion conversion = ConvertOrdinaryNotation(report.m_strInput);
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
        report.m_Outcome = TimedSimplify(strText, nRepeat, cSolveFor, eForm, dMicros);
        report.m_dMicros = dMicros;
    }
    else
        report.m_Outcome = RunSimplifyAndSolve(strText, cSolveFor, eForm);
    return report;
}

int ExitStatus(const CTextReport& report)
{
    if (!report.m_bSimplified)
        return 1;
    return report.m_Outcome.m_strError ? 2 : 0;
}

namespace
{
// The input comes apart from the report so that a long one can be moved rather than copied.
json JsonObject(std::string strInput, const CTextReport& report)
{
    const CSimplifyOutcome& outcome = report.m_Outcome;
    const bool bHasResult =
        report.m_bSimplified && !outcome.m_strError && !report.m_Validation.m_strText.empty();
    json object = json::object();
    object["input"] = std::move(strInput);
    object["errors"] = report.m_Validation.m_Errors;
    object["result"] = TextOrNull(outcome.m_strResult, bHasResult);
    object["result_display"] = TextOrNull(outcome.m_strResultDisplay, bHasResult);
    object["further"] = TextOrNull(outcome.m_strFurther);
    object["further_display"] = TextOrNull(outcome.m_strFurtherDisplay);
    object["explanation"] = outcome.m_strExplanation;
    object["error"] = TextOrNull(outcome.m_strError);
    AddSolution(outcome, object);
    if (report.m_dMicros)
        object["micros"] = std::round(*report.m_dMicros * 10) / 10;
    return object;
}
} // namespace

nlohmann::ordered_json ToJson(const CTextReport& report)
{
    return JsonObject(report.m_strInput, report);
}

std::string ToJsonLine(CTextReport report)
{
    std::string strInput = std::move(report.m_strInput);
    return JsonObject(std::move(strInput), report)
               .dump(-1, ' ', false, json::error_handler_t::replace) +
           "\n";
}

std::string ToPlainText(const CTextReport& report)
{
    if (ExitStatus(report) != 0)
        return "";
    return WriteText(ToReadBackSolution(report));
}

CWorkedSolution ToReadBackSolution(const CTextReport& report)
{
    CWorkedSolution solution = ToWorkedSolution(report);
    if (solution.m_strResult)
        solution.m_strResultDisplay = ReadBackForm(*solution.m_strResult);
    if (solution.m_strFurther)
        solution.m_strFurtherDisplay = ReadBackForm(*solution.m_strFurther);
    return solution;
}

std::string ReadBackForm(const std::string& strText)
{
    std::string strReadable = EasierToRead(strText);
    const SOrdinaryConversion readBack = ConvertOrdinaryNotation(strReadable);
    return readBack.m_bOk && readBack.m_strText == strText ? strReadable : strText;
}

CWorkedSolution ToWorkedSolution(const CTextReport& report)
{
    if (IsTooLongToSimplify(report.m_strInput.size()))
        return MakeWorkedSolution(NamedBySize(report.m_strInput), "", report.m_Outcome);
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
