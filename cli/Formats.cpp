// SPDX-License-Identifier: GPL-3.0-or-later
#include "Formats.h"

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

std::string FormatReport(const CTextReport& report, EOutputFormat eFormat)
{
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
std::string HeadingText(const std::string& strLine)
{
    const size_t nStart = strLine.find_first_not_of('#');
    return nStart == std::string::npos ? "" : strLine.substr(nStart);
}

std::string Trimmed(const std::string& strText)
{
    const size_t nStart = strText.find_first_not_of(" \t");
    if (nStart == std::string::npos)
        return "";
    return strText.substr(nStart, strText.find_last_not_of(" \t") - nStart + 1);
}
} // namespace

std::string FormatSheet(std::istream& lines, int nRepeat, int* pStatus)
{
    CWorkedSheet sheet;
    sheet.m_strTitle = "Worked solutions";
    std::string strLine;
    while (std::getline(lines, strLine))
    {
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        if (Trimmed(strLine).empty())
            continue;
        CSheetItem item;
        if (strLine.front() == '#')
        {
            item.m_strHeading = Trimmed(HeadingText(strLine));
            if (item.m_strHeading->empty())
                continue;
        }
        else
        {
            const CTextReport report =
                ReportText(std::move(strLine), nRepeat, 0, ENarrativeForm::WithFormulas);
            if (pStatus)
                *pStatus = std::max(*pStatus, ExitStatus(report));
            item.m_Solution = ToWorkedSolution(report);
        }
        sheet.m_Items.push_back(std::move(item));
    }
    return WriteHtmlSheet(sheet);
}
