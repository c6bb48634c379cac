// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZelvixFixture.h"

#include <QApplication>
#include <QClipboard>

#include <algorithm>
#include <random>

namespace
{
bool IsNumeric(char c)
{
    return (c >= '0' && c <= '9') || c == '.';
}

// "" when every power and fraction is closed and holds only digits and points; otherwise what
// is wrong.
std::string FindStructureProblem(const std::string& strText)
{
    enum
    {
        kOutside,
        kPower,
        kNumerator,
        kDenominator
    } nState = kOutside;
    for (const char c : strText)
    {
        if (nState != kOutside && IsNumeric(c))
            continue;
        if (nState == kOutside && c == '^')
            nState = kPower;
        else if (nState == kOutside && c == '%')
            nState = kNumerator;
        else if (nState == kPower && c == '!')
            nState = kOutside;
        else if (nState == kNumerator && c == ',')
            nState = kDenominator;
        else if (nState == kDenominator && c == '$')
            nState = kOutside;
        else if (nState != kOutside || c == '!' || c == ',' || c == '$')
            return std::string("misplaced '") + c + "'";
    }
    return nState == kOutside ? "" : "unclosed structure";
}

// "" when no number holds two points and none with a point stands right before a fraction;
// otherwise the number the parser would misread.
std::string FindMisreadNumber(const std::string& strText)
{
    for (std::size_t i = 0; i < strText.size();)
    {
        std::size_t nEnd = i;
        while (nEnd < strText.size() && IsNumeric(strText[nEnd]))
            ++nEnd;
        const std::string strNumber = strText.substr(i, nEnd - i);
        const auto nPoints = std::count(strNumber.begin(), strNumber.end(), '.');
        if (nPoints > 1 || (nPoints == 1 && nEnd < strText.size() && strText[nEnd] == '%'))
            return "misread number \"" + strNumber + '"';
        i = nEnd == i ? i + 1 : nEnd;
    }
    return "";
}

TEST_F(CZelvixFixture, NoKeySequenceCorruptsAPowerOrAFraction)
{
    const unsigned nSeed = 4242;
    std::mt19937 random(nSeed);
    const std::vector<std::string> keys = {
        "0",   "1",   "2",   ".",   "+",   "-",   "*",   "/",   "=",      "(",
        ")",   "x",   "y",   "^",   "!",   ",",   "%",   "$",   " ",      "{L}",
        "{R}", "{D}", "{B}", "{T}", "{E}", "{X}", "{P}", "{F}", "{paint}"};
    std::uniform_int_distribution<std::size_t> pick(0, keys.size() - 1);
    Focus();
    int nStructures = 0;
    for (int nRound = 0; nRound < 300; ++nRound)
    {
        m_pCtrl->SetEquation(QString());
        std::string strScript;
        for (int nKey = 0; nKey < 30; ++nKey)
        {
            const std::string& strKey = keys[pick(random)];
            strScript += strKey;
            RunKeys(strKey);
            std::string strProblem = FindStructureProblem(Text());
            if (strProblem.empty())
                strProblem = FindMisreadNumber(Text());
            ASSERT_EQ(strProblem, "")
                << "seed " << nSeed << " keys \"" << strScript << "\" gave \"" << Text() << "\"";
            ASSERT_LE(m_pCtrl->GetCaret(), static_cast<int>(Text().size()));
            nStructures += Text().find_first_of("^%") != std::string::npos;
        }
    }
    EXPECT_GT(nStructures, 100) << "the keys seldom reached a power or a fraction";
}
} // namespace

namespace
{
// Selecting, cutting, pasting, undoing and redoing between the typing keeps every structure
// whole, and undoing all the way gets back to the empty text the round started from.
TEST_F(CZelvixFixture, EditingKeysKeepStructuresAndUndoToEmpty)
{
    const unsigned nSeed = 777;
    std::mt19937 random(nSeed);
    const std::vector<std::string> keys = {
        "1",   "2",   ".",    "+",   "/",   "(",   ")",    "x",    "^",    "{T}",  "{F}",    "{P}",
        "{B}", "{D}", "{L}",  "{R}", "{H}", "{N}", "{SL}", "{SR}", "{SH}", "{SN}", "{A}",    "{Z}",
        "{Z}", "{Y}", "{SZ}", "{C}", "{V}", "{V}", "{CX}", "{SD}", "{SI}", "{CI}", "{paint}"};
    std::uniform_int_distribution<std::size_t> pick(0, keys.size() - 1);
    QApplication::clipboard()->setText(QStringLiteral("x^2"));
    Focus();
    for (int nRound = 0; nRound < 30; ++nRound)
    {
        std::string strScript;
        for (int nKey = 0; nKey < 30; ++nKey)
        {
            const std::string& strKey = keys[pick(random)];
            strScript += strKey;
            RunKeys(strKey);
            std::string strProblem = FindStructureProblem(Text());
            if (strProblem.empty())
                strProblem = FindMisreadNumber(Text());
            ASSERT_EQ(strProblem, "")
                << "seed " << nSeed << " keys \"" << strScript << "\" gave \"" << Text() << "\"";
        }
        for (int nUndo = 0; m_pCtrl->CanUndo() && nUndo < 2000; ++nUndo)
            RunKeys("{Z}");
        ASSERT_EQ(Text(), "") << "seed " << nSeed << " keys \"" << strScript << '"';
    }
}
} // namespace
