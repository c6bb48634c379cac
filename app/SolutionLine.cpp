// SPDX-License-Identifier: GPL-3.0-or-later
#include "SolutionLine.h"

#include "SolutionValue.h"
#include "output/WorkedSolution.h"

#include "driver/SimplifyRequest.h"
#include "solve/Solve.h"

#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QRect>
#include <QRegularExpression>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace
{
QLabel* MakeLabel(QWidget& dialog, const char* szName, const QRect& units)
{
    auto* pLabel = new QLabel(&dialog);
    pLabel->setObjectName(QLatin1String(szName));
    pLabel->setProperty("dialogUnits", units);
    return pLabel;
}

// Powers raised as the result editors raise them; √, ± and the fractions are characters of
// their own.
QString RichText(const std::string& strDisplay)
{
    QString strText = QString::fromStdString(strDisplay).toHtmlEscaped();
    static const QRegularExpression power(QStringLiteral("\\^(\\d+)"));
    strText.replace(power, QStringLiteral("<sup>\\1</sup>"));
    return strText;
}
} // namespace

CSolutionLine::CSolutionLine(QWidget& dialog) : QObject(&dialog)
{
    m_pLabel = MakeLabel(dialog, "labelSolution", {12, 108, 42, 8});
    m_pValue = new CSolutionValue(&dialog);
    m_pValue->setObjectName(QStringLiteral("valueSolution"));
    m_pValue->setProperty("dialogUnits", QRect(56, 105, 190, 14));
    m_pValue->setTextFormat(Qt::RichText);
    // The answer reads as the result editors write equations: a bold italic serif.
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(17);
    m_pValue->setFont(font);
    m_pValue->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_pSolveForLabel = MakeLabel(dialog, "labelSolveFor", {250, 108, 60, 8});
    m_pSolveForLabel->setText(tr("Solve for"));
    m_pSolveForLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_pSolveFor = new QComboBox(&dialog);
    m_pSolveFor->setObjectName(QStringLiteral("comboSolveFor"));
    m_pSolveFor->setProperty("dialogUnits", QRect(312, 105, 50, 14));
    m_pSolveFor->setAccessibleName(tr("Solve for"));
    m_pSolveForLabel->setBuddy(m_pSolveFor);
    connect(m_pSolveFor, &QComboBox::currentTextChanged, this,
            [this](const QString& strLetter)
            {
                if (m_bFilling || strLetter.isEmpty())
                    return;
                m_cLetter = strLetter.at(0).toLatin1();
                m_strLetterProblem = m_strShown;
                emit LetterChosen();
            });
    Clear();
}

void CSolutionLine::Clear()
{
    m_pLabel->setText(tr("Solution"));
    m_pValue->clear();
    m_pValue->SetPieces({});
    m_pSolveForLabel->hide();
    m_pSolveFor->hide();
}

void CSolutionLine::Show(const CSimplifyOutcome& outcome, const std::string& strText)
{
    Clear();
    m_strShown = strText;
    if (outcome.m_strSolutionLabel)
        m_pLabel->setText(QString::fromStdString(*outcome.m_strSolutionLabel));
    if (outcome.m_strSolution)
        m_pValue->setText(RichText(*outcome.m_strSolution));
    if (outcome.m_strMarkedSolution)
        m_pValue->SetPieces(LinePieces(*outcome.m_strMarkedSolution));
    const CSolution* pSolution = outcome.m_pSolution.get();
    if (!pSolution || !pSolution->m_bEquation || pSolution->m_Letters.size() < 2)
        return;
    m_bFilling = true;
    m_pSolveFor->clear();
    for (char cLetter : pSolution->m_Letters)
        m_pSolveFor->addItem(QString(QLatin1Char(cLetter)));
    m_pSolveFor->setCurrentText(QString(QLatin1Char(pSolution->m_cLetter)));
    m_bFilling = false;
    m_pSolveForLabel->show();
    m_pSolveFor->show();
}

char CSolutionLine::LetterFor(const std::string& strText) const
{
    return strText == m_strLetterProblem ? m_cLetter : 0;
}

QString CSolutionLine::GetLetter() const
{
    const char cLetter = LetterFor(m_strShown);
    return cLetter == 0 ? QString() : QString(QLatin1Char(cLetter));
}

void CSolutionLine::SetLetter(const QString& strLetter, const std::string& strText)
{
    m_cLetter = strLetter.isEmpty() ? 0 : strLetter.at(0).toLatin1();
    m_strLetterProblem = strText;
}

QString CSolutionLine::GetText() const
{
    return m_pValue->text().isEmpty() ? QString()
                                      : m_pLabel->text() + QStringLiteral(": ") + m_pValue->text();
}
