// The window's history: the list beside the narrative, Up and Down in the empty input, and
// keeping it between runs.
#include "FennoryDlg.h"

#include "SolutionLine.h"
#include "WindowLayout.h"
#include "ui_FennoryDlg.h"

#include <QCheckBox>
#include <QListWidget>
#include <QSettings>

namespace
{
constexpr const char* kShownKey = "window/historyShown";

QString DescribeEntry(const CHistoryEntry& entry)
{
    QString strText = ReadableEquation(entry.m_strInput) + QStringLiteral("\n\u2192 ") +
                      ReadableEquation(entry.m_strResult);
    const QString strFurther = ReadableEquation(entry.m_strFurther);
    if (!strFurther.isEmpty())
        strText += QStringLiteral("\n\u2192 ") + strFurther;
    return strText;
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

// The column opens beside the narrative and the window widens by it, so nothing else of
// the window shrinks.
void CFennoryDlg::SetHistoryShown(bool bShown)
{
    if (bShown == m_bHistoryShown)
        return;
    const int nOldMinimum = minimumWidth();
    m_bHistoryShown = bShown;
    m_pUi->checkHistory->setChecked(bShown);
    for (QWidget* pWidget :
         {static_cast<QWidget*>(m_pUi->labelHistory), static_cast<QWidget*>(m_pUi->listHistory),
          static_cast<QWidget*>(m_pUi->buttonClearHistory)})
        pWidget->setVisible(bShown);
    // Growing the minimum first would widen the window before the column is added.
    const QSize minimum = MinimumWindowSize(*this, bShown);
    const int nWidth = width() + minimum.width() - nOldMinimum;
    setMinimumSize(minimum);
    resize(nWidth, height());
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
        pItem->setText(DescribeEntry(entries[i]));
        pItem->setToolTip(pItem->text());
    }
}

void CFennoryDlg::OnClearHistory()
{
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
