// SPDX-License-Identifier: GPL-3.0-or-later
#include "OutlinePane.h"

#include "output/WorkedSolution.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QStyledItemDelegate>

namespace
{
constexpr int kIndentRole = Qt::UserRole;

// Long narrative lines wrap rather than being cut short: a row is as tall as its text wrapped
// at the width its column leaves it.
class CWrappingDelegate : public QStyledItemDelegate
{
public:
    explicit CWrappingDelegate(QTreeView& tree) : QStyledItemDelegate(&tree), m_Tree(tree) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        int nDepth = 0;
        for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
            ++nDepth;
        const int nWidth =
            std::max(50, m_Tree.viewport()->width() - m_Tree.indentation() * (nDepth + 1) - 8);
        const QRect bounds = option.fontMetrics.boundingRect(
            QRect(0, 0, nWidth, 100000), Qt::TextWordWrap, index.data().toString());
        return {nWidth, bounds.height() + 4};
    }

private:
    QTreeView& m_Tree;
};

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
    setTextElideMode(Qt::ElideNone);
    setItemDelegate(new CWrappingDelegate(*this));
    header()->setSectionResizeMode(QHeaderView::Stretch);
    header()->setStretchLastSection(true);
}

void COutlinePane::SetNarrative(const std::string& strExplanation)
{
    clear();
    AddSteps(ParseNarrative(strExplanation), nullptr, *this);
    expandAll();
    // The keyboard starts on the first step, but nothing is drawn chosen until the user chooses.
    if (topLevelItemCount() > 0)
        setCurrentItem(topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
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
    QWidget::setTabOrder(&pane, this); // and its place in the Tab order
    pane.installEventFilter(this);
}

void COutlinePane::resizeEvent(QResizeEvent* pEvent)
{
    QTreeWidget::resizeEvent(pEvent);
    scheduleDelayedItemsLayout(); // the rows' heights follow the width
}

bool COutlinePane::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    const bool bGeometry = pEvent->type() == QEvent::Move || pEvent->type() == QEvent::Resize;
    if (pWatched == m_pCovered && bGeometry)
        setGeometry(m_pCovered->geometry());
    return QTreeWidget::eventFilter(pWatched, pEvent);
}
