#pragma once

#include <QObject>
#include <QString>

#include <string>

class QComboBox;
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
    void Show(const CSimplifyOutcome& outcome);
    // The letter to solve the text for: the one chosen, while the text holds it; else 0 (the
    // default letter).
    char LetterFor(const std::string& strText) const;
    // The letter chosen ("" for the default), as the history keeps it.
    QString GetLetter() const;
    void SetLetter(const QString& strLetter);
    QString GetText() const;

signals:
    // Another letter was chosen: the problem is to be solved again.
    void LetterChosen();

private:
    QLabel* m_pLabel;
    QLabel* m_pValue;
    QLabel* m_pSolveForLabel;
    QComboBox* m_pSolveFor;
    char m_cLetter = 0;
    bool m_bFilling = false;
};
