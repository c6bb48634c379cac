// SPDX-License-Identifier: GPL-3.0-or-later
#include "Formats.h"

#include "Graph.h"
#include "output/Writers.h"

#include <algorithm>
#include <map>

std::optional<EOutputFormat> ParseOutputFormat(const std::string& strName)
{
    static const std::map<std::string, EOutputFormat> formats = {{"text", EOutputFormat::Text},
                                                                 {"json", EOutputFormat::Json},
                                                                 {"html", EOutputFormat::Html},
                                                                 {"latex", EOutputFormat::Latex},
                                                                 {"mathml", EOutputFormat::MathML}};
    const auto found = formats.find(strName);
    if (found == formats.end())
        return std::nullopt;
    return found->second;
}

ENarrativeForm NarrativeFormFor(EOutputFormat eFormat)
{
    const bool bDocument = eFormat == EOutputFormat::Html || eFormat == EOutputFormat::Latex ||
                           eFormat == EOutputFormat::MathML;
    return bDocument ? ENarrativeForm::WithFormulas : ENarrativeForm::Plain;
}

std::string FormatReport(const CTextReport& report, EOutputFormat eFormat, bool bGraph)
{
    if (eFormat == EOutputFormat::Html && bGraph)
    {
        CWorkedSolution solution = ToWorkedSolution(report);
        AddGraph(solution);
        return WriteHtml(solution);
    }
    switch (eFormat)
    {
    case EOutputFormat::Text:
        return ToPlainText(report);
    case EOutputFormat::Json:
        return ToJsonLine(report);
    case EOutputFormat::Html:
        return WriteHtml(ToWorkedSolution(report));
    case EOutputFormat::Latex:
        return WriteLatex(ToWorkedSolution(report));
    case EOutputFormat::MathML:
        return WriteMathML(ToWorkedSolution(report));
    }
    return {};
}

std::string FormatBatchLine(CTextReport report, EOutputFormat eFormat)
{
    if (eFormat == EOutputFormat::Text)
        return WriteTextLine(ToReadBackSolution(report));
    return ToJsonLine(std::move(report));
}

namespace
{
constexpr const char* kHeadingMarker = "## ";

std::string Trimmed(const std::string& strText)
{
    const size_t nStart = strText.find_first_not_of(" \t");
    if (nStart == std::string::npos)
        return "";
    return strText.substr(nStart, strText.find_last_not_of(" \t") - nStart + 1);
}
} // namespace

EBatchLine ClassifyBatchLine(const std::string& strLine)
{
    if (Trimmed(strLine).empty())
        return EBatchLine::Blank;
    if (strLine.rfind(kHeadingMarker, 0) == 0 && !Trimmed(strLine.substr(2)).empty())
        return EBatchLine::Heading;
    return strLine.front() == '#' ? EBatchLine::Comment : EBatchLine::Problem;
}

CWorkedSheet ReadSheet(std::istream& lines, int nRepeat, int* pStatus, bool bGraphs)
{
    CWorkedSheet sheet;
    sheet.m_strTitle = "Worked solutions";
    std::string strLine;
    while (std::getline(lines, strLine))
    {
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        const EBatchLine eLine = ClassifyBatchLine(strLine);
        CSheetItem item;
        if (eLine == EBatchLine::Heading)
            item.m_strHeading = Trimmed(strLine.substr(2));
        else if (eLine == EBatchLine::Problem)
        {
            const CTextReport report =
                ReportText(std::move(strLine), nRepeat, 0, ENarrativeForm::WithFormulas);
            if (pStatus)
                *pStatus = std::max(*pStatus, ExitStatus(report));
            item.m_Solution = ToWorkedSolution(report);
        }
        else
            continue;
        if (bGraphs && !item.m_strHeading)
            AddGraph(item.m_Solution);
        sheet.m_Items.push_back(std::move(item));
    }
    return sheet;
}

std::string FormatSheet(std::istream& lines, int nRepeat, EOutputFormat eFormat, int* pStatus,
                        bool bGraphs)
{
    const CWorkedSheet sheet = ReadSheet(lines, nRepeat, pStatus, bGraphs);
    return eFormat == EOutputFormat::Latex ? WriteLatexSheet(sheet) : WriteHtmlSheet(sheet);
}
