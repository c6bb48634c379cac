// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <string>

class QComboBox;
class CSolutionValue;
class QLabel;
class QWidget;
struct CSimplifyOutcome;

// The window's answer line below the further result: "Solution" for an equation, "Factored
// form" for an expression, and the Solve for choice when the equation has several letters.
// Its controls are children of the dialog, placed by the dialog template like the others.
class CSolutionLine : public QObject
{
    Q_OBJECT

public:
    explicit CSolutionLine(QWidget& dialog);

    void Clear();
    // The answer for the problem strText.
    void Show(const CSimplifyOutcome& outcome, const std::string& strText);
    // The letter to solve the text for: the one chosen for that very problem, else 0 (the
    // default letter).
    char LetterFor(const std::string& strText) const;
    // The letter chosen for the problem shown ("" for the default), as the history keeps it.
    QString GetLetter() const;
    // The letter kept with a problem, before it is simplified again.
    void SetLetter(const QString& strLetter, const std::string& strText);
    QString GetText() const;

signals:
    // Another letter was chosen: the problem is to be solved again.
    void LetterChosen();

private:
    QLabel* m_pLabel;
    CSolutionValue* m_pValue;
    QLabel* m_pSolveForLabel;
    QComboBox* m_pSolveFor;
    char m_cLetter = 0;
    std::string m_strLetterProblem; // the problem the letter was chosen for
    std::string m_strShown;         // the problem whose answer is shown
    bool m_bFilling = false;
};
