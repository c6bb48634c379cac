// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibleTexts.h"

#include <QWidget>

namespace
{
struct CAccessibleText
{
    const char* m_szObject; // the dialog id, or the name of a control without one
    const char* m_szName;
    const char* m_szDescription;
};

constexpr CAccessibleText kTexts[] = {
    {"1000", "Equation or expression",
     "Type the equation or expression to simplify. Up and Down in an empty box bring back "
     "earlier problems."},
    {"1002", "Simplification", "The simplified equation or expression. Read only."},
    {"1003", "Further simplification",
     "The result with its divisions cleared, when it had any. Read only."},
    {"1004", "Equation messages", "Hints and the mistakes found in the text."},
    {"1010", "How it was done",
     "Every step of the simplification; indented steps belong to "
     "the step above them."},
    {"1009", "Simplify", "Simplifies the equation or expression."},
    {"1013", "Clear", "Empties the equation box and the two result boxes."},
    {"1012", "Help", "Opens the help page."},
    {"1", "Close", "Ends Fennory."},
    {"checkHistory", "Show history", "Shows or hides the list of problems simplified."},
    {"listHistory", "History",
     "Problems simplified, newest first. Choose one to simplify it again."},
    {"buttonClearHistory", "Clear history", "Forgets every problem in the history."},
};
} // namespace

void NameControls(QWidget& dialog)
{
    for (const CAccessibleText& text : kTexts)
    {
        auto* pControl = dialog.findChild<QWidget*>(QString::fromLatin1(text.m_szObject));
        if (pControl == nullptr)
            continue;
        pControl->setAccessibleName(QString::fromLatin1(text.m_szName));
        pControl->setAccessibleDescription(QString::fromLatin1(text.m_szDescription));
    }
}
