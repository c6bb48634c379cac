// SPDX-License-Identifier: GPL-3.0-or-later
// Every result fennory-cli prints reads back as the same problem: "Result: (3&1/2)x" was
// printed for 3 1/2x, and fennory-cli refused it.
#include "Formats.h"
#include "RandomText.h"
#include "TextReport.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace
{
// The texts after "Result: " and "Further result: " in the plain narrative.
std::vector<std::string> PrintedResults(const std::string& strPlain)
{
    std::vector<std::string> results;
    std::istringstream lines(strPlain);
    std::string strLine;
    while (std::getline(lines, strLine))
        for (const std::string strLabel : {"Result: ", "Further result: "})
            if (strLine.rfind(strLabel, 0) == 0)
                results.push_back(strLine.substr(strLabel.size()));
    return results;
}

// What fennory-cli makes of a printed text: the equation text it would simplify.
std::string ReadBack(const std::string& strPrinted)
{
    const CTextReport report = ReportText(strPrinted);
    return report.m_bSimplified ? report.m_Validation.m_strText : "refused: " + strPrinted;
}

TEST(ReadBackProperty, PrintedResultsReadBackAsTheSameProblem)
{
    constexpr std::uint32_t kSeed = 1618;
    randomtext::CShape shape;
    shape.m_bDecimals = true;
    shape.m_nMaxPower = 3;
    shape.m_nMaxBracketPower = 2;
    shape.m_nMaxDepth = 1;
    randomtext::CRandomText random(kSeed, shape);
    int nChecked = 0;
    for (int i = 0; i < 600; ++i)
    {
        const std::string strProblem = i == 0 ? "3 1/2x" : random.Text();
        SCOPED_TRACE("seed " + std::to_string(kSeed) + ", case " + std::to_string(i) + ": " +
                     strProblem);
        const CTextReport report = ReportText(strProblem);
        if (ExitStatus(report) != 0)
            continue;
        std::vector<std::string> expected{report.m_Outcome.m_strResult};
        if (report.m_Outcome.m_strFurther)
            expected.push_back(*report.m_Outcome.m_strFurther);
        const std::vector<std::string> printed = PrintedResults(ToPlainText(report));
        ASSERT_EQ(printed.size(), expected.size());
        for (size_t j = 0; j < printed.size(); ++j)
            EXPECT_EQ(ReadBack(printed[j]), expected[j]) << "printed " << printed[j];
        // The one-line batch form prints the same texts.
        EXPECT_EQ(FormatBatchLine(report, EOutputFormat::Text).substr(0, printed[0].size()),
                  printed[0]);
        ++nChecked;
        if (HasFailure())
            return;
    }
    EXPECT_GT(nChecked, 400);
}
} // namespace
