// SPDX-License-Identifier: GPL-3.0-or-later
// The window's history: the list beside the narrative, Up and Down in the empty input, and
// keeping it between runs.
#include "FennoryDlg.h"

#include "SolutionLine.h"
#include "WindowLayout.h"
#include "ui_FennoryDlg.h"

#include <QCheckBox>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

namespace
{
constexpr const char* kShownKey = "window/historyShown";

constexpr QChar kNoBreakSpace(0x00A0);
constexpr QChar kBreakHere(0x200B); // a zero-width space: a line may break after it

// A narrow column wraps an entry where its text lets it: before a sign, as on paper, and
// never inside a mixed number such as 3 1/2 or between the arrow and what follows it.
QString WrappableEquation(const QString& strReadable)
{
    QString strText;
    for (int i = 0; i < strReadable.size(); ++i)
    {
        const QChar c = strReadable[i];
        const bool bSign = c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char('=');
        if (bSign && i > 0 && !QStringLiteral("(^").contains(strReadable[i - 1]))
            strText += kBreakHere;
        strText += c == QLatin1Char(' ') ? kNoBreakSpace : c;
    }
    return strText;
}

QString DescribeEntry(const CHistoryEntry& entry, bool bWrappable)
{
    const auto show = [bWrappable](const QString& strEquation)
    {
        const QString strReadable = ReadableEquation(strEquation);
        return bWrappable ? WrappableEquation(strReadable) : strReadable;
    };
    const QString strArrow =
        QStringLiteral("\n\u2192") + (bWrappable ? QString(kNoBreakSpace) : QStringLiteral(" "));
    QString strText = show(entry.m_strInput) + strArrow + show(entry.m_strResult);
    const QString strFurther = show(entry.m_strFurther);
    if (!strFurther.isEmpty())
        strText += strArrow + strFurther;
    return strText;
}

// Forgetting up to 200 problems cannot be undone, so the window asks first; Cancel is the
// default, so a stray Enter keeps them.
bool ConfirmClearHistory(QWidget& window, int nCount)
{
    const QString strQuestion =
        nCount == 1 ? QStringLiteral("Forget the problem in the history?")
                    : QStringLiteral("Forget all %1 problems in the history?").arg(nCount);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Clear history"),
                    strQuestion + QStringLiteral(" This cannot be undone."), QMessageBox::NoButton,
                    &window);
    const QPushButton* pClear =
        box.addButton(QStringLiteral("Clear history"), QMessageBox::DestructiveRole);
    box.setDefaultButton(box.addButton(QMessageBox::Cancel));
    box.exec();
    return box.clickedButton() == pClear;
}
} // namespace

void CFennoryDlg::SetUpHistory()
{
    QSettings settings;
    m_History.Load(settings);
    FillHistoryList();
    m_pUi->listHistory->installEventFilter(this);
    m_pUi->listHistory->setWordWrap(true);
    m_pUi->listHistory->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pUi->listHistory->setAlternatingRowColors(true);
    connect(m_pUi->listHistory, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* pItem) { RecallHistory(m_pUi->listHistory->row(pItem)); });
    connect(m_pUi->buttonClearHistory, &QPushButton::clicked, this, &CFennoryDlg::OnClearHistory);
    connect(m_pUi->checkHistory, &QCheckBox::toggled, this, &CFennoryDlg::SetHistoryShown);
    m_bHistoryShown = !settings.value(kShownKey, true).toBool();
    SetHistoryShown(!m_bHistoryShown);
}

// Hiding the column gives its room to the narrative, and showing it takes the room back: the
// window keeps its width unless it must grow to hold the column.
void CFennoryDlg::SetHistoryShown(bool bShown)
{
    if (bShown == m_bHistoryShown)
        return;
    m_bHistoryShown = bShown;
    m_pUi->checkHistory->setChecked(bShown);
    for (QWidget* pWidget :
         {static_cast<QWidget*>(m_pUi->labelHistory), static_cast<QWidget*>(m_pUi->listHistory),
          static_cast<QWidget*>(m_pUi->buttonClearHistory)})
        pWidget->setVisible(bShown);
    FitToScreen();
    LayOutWindow(*this, bShown);
    QSettings().setValue(kShownKey, bShown);
}

void CFennoryDlg::AddToHistory()
{
    m_History.Add({m_Input.GetEquation(), m_Result.GetEquation(), m_Further.GetEquation(),
                   m_pSolution->GetLetter()});
    QSettings settings;
    m_History.Save(settings);
    FillHistoryList();
    m_nHistoryWalk = -1;
    // The problem just simplified stands at the top now, and so does the keyboard; the row is
    // drawn chosen only while the user works in the list.
    QListWidget& list = *m_pUi->listHistory;
    if (list.hasFocus())
        list.setCurrentRow(0);
    else
    {
        list.clearSelection();
        list.setCurrentRow(0, QItemSelectionModel::NoUpdate);
    }
}

// The items are rewritten in place: a click on an item simplifies its input again, and the
// item it came from must outlive that click.
void CFennoryDlg::FillHistoryList()
{
    QListWidget& list = *m_pUi->listHistory;
    const auto& entries = m_History.GetEntries();
    while (list.count() > static_cast<int>(entries.size()))
        delete list.takeItem(list.count() - 1);
    for (int i = 0; i < static_cast<int>(entries.size()); ++i)
    {
        QListWidgetItem* pItem = i < list.count() ? list.item(i) : new QListWidgetItem(&list);
        pItem->setText(DescribeEntry(entries[i], true));
        // The tooltip and a screen reader get the text without the marks for wrapping.
        pItem->setToolTip(DescribeEntry(entries[i], false));
        pItem->setData(Qt::AccessibleTextRole, pItem->toolTip());
    }
}

void CFennoryDlg::OnClearHistory()
{
    const int nCount = static_cast<int>(m_History.GetEntries().size());
    if (nCount == 0 || !ConfirmClearHistory(*this, nCount))
        return;
    m_History.Clear();
    QSettings settings;
    m_History.Save(settings);
    FillHistoryList();
    m_nHistoryWalk = -1;
}

void CFennoryDlg::RecallHistory(int nRow)
{
    if (nRow < 0 || nRow >= static_cast<int>(m_History.GetEntries().size()))
        return;
    const CHistoryEntry& entry = m_History.GetEntries()[nRow];
    m_pSolution->SetLetter(entry.m_strLetter, entry.m_strInput.toStdString());
    SimplifyText(m_History.GetEntries()[nRow].m_strInput);
}

// Up goes back to older problems, Down forward again and, past the newest, to the empty
// input. Walking starts only from an empty input and goes on while the text is the one it
// brought back, so Up and Down never throw away something typed.
bool CFennoryDlg::WalkHistory(int nStep)
{
    const QString strText = m_Input.GetEquation();
    const bool bWalking = m_nHistoryWalk >= 0 && strText == m_strWalkText;
    if (!bWalking && !strText.isEmpty())
        return false;
    const int nFrom = bWalking ? m_nHistoryWalk : -1;
    const int nTo = nFrom + nStep;
    const int nCount = static_cast<int>(m_History.GetEntries().size());
    if (nTo >= nCount || nTo < -1)
    {
        Beep();
        return true;
    }
    m_nHistoryWalk = nTo;
    m_strWalkText = nTo < 0 ? QString() : m_History.GetEntries()[nTo].m_strInput;
    ReplaceInputText(m_strWalkText);
    m_pUi->listHistory->setCurrentRow(nTo);
    OnShowMessage();
    return true;
}
