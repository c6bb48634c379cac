#include "OutlinePane.h"

#include "output/WorkedSolution.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>

namespace
{
constexpr int kIndentRole = Qt::UserRole;

void AddSteps(const std::vector<CStep>& steps, QTreeWidgetItem* pParent, QTreeWidget& tree)
{
    for (const CStep& step : steps)
    {
        auto* pItem = pParent ? new QTreeWidgetItem(pParent) : new QTreeWidgetItem(&tree);
        pItem->setText(0, QString::fromStdString(step.m_strText));
        pItem->setData(0, kIndentRole, step.m_nIndent);
        AddSteps(step.m_Steps, pItem, tree);
    }
}

void AppendItemText(const QTreeWidgetItem& item, int nBaseIndent, QString& strOut)
{
    const int nIndent = std::max(0, item.data(0, kIndentRole).toInt() - nBaseIndent);
    strOut += QString(nIndent, QLatin1Char(' ')) + item.text(0) + QLatin1Char('\n');
    for (int i = 0; i < item.childCount(); ++i)
        AppendItemText(*item.child(i), nBaseIndent, strOut);
}
} // namespace

COutlinePane::COutlinePane(QWidget* pParent) : QTreeWidget(pParent)
{
    setObjectName(QStringLiteral("outlineExplanation"));
    setColumnCount(1);
    setHeaderHidden(true);
    setWordWrap(true);
    setUniformRowHeights(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    header()->setSectionResizeMode(QHeaderView::Stretch);
    header()->setStretchLastSection(true);
}

void COutlinePane::SetNarrative(const std::string& strExplanation)
{
    clear();
    AddSteps(ParseNarrative(strExplanation), nullptr, *this);
    expandAll();
    if (topLevelItemCount() > 0)
        setCurrentItem(topLevelItem(0));
}

QString COutlinePane::SelectedStepText() const
{
    const QTreeWidgetItem* pItem = currentItem();
    QString strText;
    if (pItem)
        AppendItemText(*pItem, pItem->data(0, kIndentRole).toInt(), strText);
    return strText;
}

void COutlinePane::CopySelectedStep() const
{
    const QString strText = SelectedStepText();
    if (!strText.isEmpty())
        QApplication::clipboard()->setText(strText);
}

void COutlinePane::keyPressEvent(QKeyEvent* pEvent)
{
    if (pEvent->matches(QKeySequence::Copy))
    {
        CopySelectedStep();
        return;
    }
    QTreeWidget::keyPressEvent(pEvent);
}

void COutlinePane::contextMenuEvent(QContextMenuEvent* pEvent)
{
    QMenu menu(this);
    menu.addAction(tr("Copy step"), QKeySequence::Copy, this, &COutlinePane::CopySelectedStep);
    menu.addAction(tr("Expand all"), this, &QTreeView::expandAll);
    menu.addAction(tr("Collapse all"), this, &QTreeView::collapseAll);
    if (!actions().isEmpty())
    {
        menu.addSeparator();
        menu.addActions(actions());
    }
    menu.exec(pEvent->globalPos());
}

void COutlinePane::CoverPane(QWidget& pane)
{
    m_pCovered = &pane;
    setParent(pane.parentWidget());
    setGeometry(pane.geometry());
    pane.installEventFilter(this);
}

bool COutlinePane::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    const bool bGeometry = pEvent->type() == QEvent::Move || pEvent->type() == QEvent::Resize;
    if (pWatched == m_pCovered && bGeometry)
        setGeometry(m_pCovered->geometry());
    return QTreeWidget::eventFilter(pWatched, pEvent);
}
