// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QTextDocument>

namespace
{
struct CWindowAnswer
{
    const char* m_szText;   // as typed, ordinary notation
    const char* m_szLetter; // the letter chosen, "" for the default
    const char* m_szLabel;
    const char* m_szAnswer; // the line as it reads
};

// The equations an answer must be right for, solved in the window; and a factored form.
const CWindowAnswer kAnswers[] = {
    {"2x+3=7", "", "Solution", "x = 2"},
    {"x^2=4", "", "Solution", "x = 2 or x = -2"},
    {"x^2+2x+1=0", "", "Solution", "x = -1, a double root"},
    {"x^2-2=0", "", "Solution", "x = √2 or x = -√2"},
    {"x^2+1=0", "", "Solution", "no real solution: x = i or x = -i"},
    {"x^3-x-1=0", "", "Solution",
     "x ≈ 1.324717957 or x ≈ -0.6623589786 + 0.5622795121i or x ≈ -0.6623589786 - 0.5622795121i"},
    {"3x/(x+1)=2", "", "Solution", "x = 2"},
    {"x/(x-1)=1/(x-1)", "", "Solution", "no solution"},
    {"x/(x-1)-1/(x-1)=1", "", "Solution", "true for every x except 1"},
    {"2x+3y=6", "y", "Solution", "y = -⅔x+2"},
    {"6x^3-11x^2+6x-1=0", "", "Solution", "x = ½ or x = 1 or x = ⅓"},
    {"x^2-1", "", "Factored form", "(x-1)(x+1)"},
};

QString PlainText(const QLabel& label)
{
    QTextDocument document;
    document.setHtml(label.text());
    return document.toPlainText();
}
} // namespace

using SolutionLine = WindowFixture;

TEST_F(SolutionLine, ShowsTheAnswerBelowTheFurtherResult)
{
    for (const CWindowAnswer& answer : kAnswers)
    {
        SCOPED_TRACE(answer.m_szText);
        auto* pSolveFor = Named<QComboBox>("comboSolveFor");
        if (*answer.m_szLetter != 0)
        {
            m_pDlg->SimplifyText(QString::fromUtf8(answer.m_szText));
            ASSERT_FALSE(pSolveFor->isHidden()) << "several letters offer Solve for";
            EXPECT_EQ(pSolveFor->currentText(), QStringLiteral("x"));
            pSolveFor->setCurrentText(QString::fromUtf8(answer.m_szLetter));
        }
        else
            m_pDlg->SimplifyText(QString::fromUtf8(answer.m_szText));
        EXPECT_EQ(Named<QLabel>("labelSolution")->text(), QString::fromUtf8(answer.m_szLabel));
        EXPECT_EQ(PlainText(*Named<QLabel>("valueSolution")), QString::fromUtf8(answer.m_szAnswer));
    }
    // The letter chosen is kept with the problem in the history.
    EXPECT_EQ(m_pDlg->GetHistory().GetEntries().front().m_strLetter, QString());
    bool bFound = false;
    for (const CHistoryEntry& entry : m_pDlg->GetHistory().GetEntries())
        bFound = bFound || (entry.m_strInput.contains(QStringLiteral("3y")) &&
                            entry.m_strLetter == QStringLiteral("y"));
    EXPECT_TRUE(bFound);
    m_pDlg->SimplifyText(QStringLiteral("x/0"));
    EXPECT_TRUE(Named<QLabel>("valueSolution")->text().isEmpty()) << "an engine error clears it";
}

// Roots with a root sign and a denominator are drawn stacked: the answer line grows and what
// lies below it moves down, and both go back for an answer of plain numbers. Its text, which
// copying and the accessible name read, stays the line as words.
TEST_F(SolutionLine, StackedRootsGrowTheLineAndTheWindowFollows)
{
    const auto* pValue = Named<QLabel>("valueSolution");
    m_pDlg->SimplifyText(QStringLiteral("x^2=4"));
    QCoreApplication::sendPostedEvents();
    const int nPlainHeight = pValue->height();
    const int nPlainBelow = Named<QWidget>("labelMessages")->y();
    m_pDlg->SimplifyText(QStringLiteral("2x^2-2x-1=0"));
    QCoreApplication::sendPostedEvents();
    EXPECT_GT(pValue->height(), nPlainHeight + 10);
    EXPECT_EQ(Named<QWidget>("labelMessages")->y() - nPlainBelow, pValue->height() - nPlainHeight);
    EXPECT_EQ(PlainText(*pValue), QString::fromUtf8("x = (1 + √3)/2 or x = (1 - √3)/2"));
    m_pDlg->SimplifyText(QStringLiteral("x^2=4"));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(pValue->height(), nPlainHeight);
}
