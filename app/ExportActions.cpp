// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExportActions.h"

#include "GraphExport.h"

#include "solve/SolveRequest.h"

#include "OutlinePane.h"
#include "WorkedSolutionDocument.h"
#include "output/MathWriters.h"
#include "widget/ZelvixCtrl.h"
#include "widget/ZelvixIds.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>
#include <QTextDocument>
#include <QTextEdit>

namespace
{
constexpr const char* kOutlineKey = "StepsAsOutline";

QSettings WindowSettings()
{
    return QSettings(); // the application's own names, as the rest of the window uses
}

// The shortcut works anywhere in the window. The action belongs to the classic pane, which
// stays shown under the outline, so the window's own menu keeps only About.
QAction* NewAction(const QString& strText, const QKeySequence& shortcut, QWidget& pane)
{
    auto* pAction = new QAction(strText, &pane);
    pAction->setShortcut(shortcut);
    pAction->setShortcutContext(Qt::WindowShortcut);
    pane.addAction(pAction);
    return pAction;
}

// Beside the copies of the whole result, the editor's own LaTeX copy is the one for a
// selection; without one it would copy the whole result too, under a name hard to tell apart.
void NameSelectionCopy(QMenu& menu, bool bSelection)
{
    for (QAction* pAction : menu.actions())
        if (pAction->data().toInt() == kCommandCopyAsLatex)
        {
            pAction->setText(QObject::tr("Copy selection as LaTeX"));
            pAction->setEnabled(bSelection);
        }
}

// A result editor shows " " when it has nothing.
bool HasText(const QString& strEquation)
{
    return !strEquation.trimmed().isEmpty();
}
} // namespace

CExportActions::CExportActions(QWidget& window, QTextEdit& explanationPane,
                               std::vector<CZelvixCtrl*> resultEditors)
    : QObject(&window), m_Window(window), m_Pane(explanationPane),
      m_ResultEditors(std::move(resultEditors)), m_pOutline(new COutlinePane(&window)),
      m_pOutlineToggle(NewAction(tr("Show steps as outline"), {}, explanationPane)),
      m_pSave(NewAction(tr("Save worked solution..."), QKeySequence(Qt::CTRL | Qt::Key_S),
                        explanationPane)),
      m_pPrint(
          NewAction(tr("Print..."), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_P), explanationPane))
{
    m_pOutlineToggle->setObjectName(QStringLiteral("actionOutline"));
    m_pSave->setObjectName(QStringLiteral("actionSave"));
    m_pPrint->setObjectName(QStringLiteral("actionPrint"));
    m_pOutlineToggle->setCheckable(true);
    m_pOutline->CoverPane(m_Pane);
    m_pOutline->addActions({m_pOutlineToggle, m_pSave, m_pPrint});
    m_Pane.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&m_Pane, &QWidget::customContextMenuRequested, this, &CExportActions::ShowPaneMenu);
    connect(m_pOutlineToggle, &QAction::toggled, this, &CExportActions::ShowOutline);
    connect(m_pSave, &QAction::triggered, this, &CExportActions::OnSave);
    connect(m_pPrint, &QAction::triggered, this, &CExportActions::OnPrint);
    for (CZelvixCtrl* pEditor : m_ResultEditors)
        pEditor->installEventFilter(this);
    SetProblem({});
    const bool bOutline = WindowSettings().value(kOutlineKey, false).toBool();
    m_pOutlineToggle->setChecked(bOutline);
    ShowOutline(bOutline);
}

void CExportActions::SetProblem(const std::string& strProblem)
{
    m_strProblem = strProblem;
    m_pSave->setEnabled(!strProblem.empty());
    m_pPrint->setEnabled(!strProblem.empty());
}

void CExportActions::ShowNarrative(const std::string& strExplanation)
{
    m_pOutline->SetNarrative(strExplanation);
}

std::optional<CWorkedSolution> CExportActions::CurrentSolution() const
{
    if (m_strProblem.empty())
        return std::nullopt;
    CWorkedSolution solution = MakeWorkedSolution(
        m_strProblem, m_strProblem,
        RunSimplifyAndSolve(m_strProblem, m_cSolveLetter, ENarrativeForm::WithFormulas));
    AddGraph(solution);
    return solution;
}

bool CExportActions::SaveTo(const QString& strPath) const
{
    const std::optional<CWorkedSolution> solution = CurrentSolution();
    return solution && SaveWorkedSolution(*solution, strPath, SaveFormatOf(strPath));
}

// The outline lies over the classic pane, which keeps its place in the window's layout.
void CExportActions::ShowOutline(bool bOutline)
{
    m_pOutline->setVisible(bOutline);
    if (bOutline)
        m_pOutline->raise();
    m_Pane.setFocusPolicy(bOutline ? Qt::NoFocus : Qt::StrongFocus);
    if (bOutline && m_Pane.hasFocus())
        m_pOutline->setFocus();
    WindowSettings().setValue(kOutlineKey, bOutline);
}

void CExportActions::OnSave()
{
    QString strFilter;
    QString strPath = QFileDialog::getSaveFileName(
        &m_Window, tr("Save worked solution"), QStringLiteral("worked-solution.html"),
        tr("HTML page (*.html);;Plain text (*.txt);;PDF (*.pdf)"), &strFilter);
    if (strPath.isEmpty())
        return;
    strPath = PathForFilter(strPath, strFilter);
    if (!SaveTo(strPath))
        QMessageBox::warning(&m_Window, tr("Save worked solution"),
                             tr("Cannot write %1").arg(strPath));
}

void CExportActions::OnPrint()
{
    const std::optional<CWorkedSolution> solution = CurrentSolution();
    if (!solution)
        return;
    QPrinter printer;
    QPrintDialog dialog(&printer, &m_Window);
    if (dialog.exec() == QDialog::Accepted)
        MakeWorkedSolutionDocument(*solution)->print(&printer);
}

void CExportActions::ShowPaneMenu(const QPoint& position)
{
    const std::unique_ptr<QMenu> pMenu(m_Pane.createStandardContextMenu(position));
    pMenu->addSeparator();
    pMenu->addActions({m_pOutlineToggle, m_pSave, m_pPrint});
    for (QAction* pAction : m_PaneActions)
        pMenu->insertAction(m_pSave, pAction);
    pMenu->exec(m_Pane.viewport()->mapToGlobal(position));
}

void CExportActions::AddPaneAction(QAction* pAction)
{
    m_PaneActions.push_back(pAction);
    m_pOutline->insertAction(m_pSave, pAction);
}

std::unique_ptr<QMenu> CExportActions::CreateResultMenu(CZelvixCtrl& editor) const
{
    std::unique_ptr<QMenu> pMenu = editor.CreateContextMenu();
    NameSelectionCopy(*pMenu, !editor.GetSelectedEquation().isEmpty());
    const QString strEquation = editor.GetEquation();
    pMenu->addSeparator();
    QAction* pLatex =
        pMenu->addAction(tr("Copy whole result as LaTeX"),
                         [strEquation]
                         {
                             QApplication::clipboard()->setText(
                                 QString::fromStdString(ToLatexMath(strEquation.toStdString())));
                         });
    QAction* pMathML =
        pMenu->addAction(tr("Copy whole result as MathML"),
                         [strEquation]
                         {
                             QApplication::clipboard()->setText(
                                 QString::fromStdString(ToMathML(strEquation.toStdString())));
                         });
    pLatex->setEnabled(HasText(strEquation));
    pMathML->setEnabled(HasText(strEquation));
    return pMenu;
}

// The editor's own menu gets the copies; the control itself knows nothing of formats.
bool CExportActions::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pEvent->type() == QEvent::ContextMenu)
    {
        for (CZelvixCtrl* pEditor : m_ResultEditors)
            if (pWatched == pEditor)
            {
                const std::unique_ptr<QMenu> pMenu = CreateResultMenu(*pEditor);
                pMenu->exec(static_cast<QContextMenuEvent*>(pEvent)->globalPos());
                return true;
            }
    }
    return QObject::eventFilter(pWatched, pEvent);
}
