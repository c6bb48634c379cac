// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "output/WorkedSolution.h"

#include <QObject>
#include <QString>

#include <optional>
#include <string>
#include <vector>

class COutlinePane;
class CZelvixCtrl;
class QAction;
class QMenu;
class QTextEdit;
class QWidget;

// The window's worked-solution commands: the outline in place of the classic pane (a choice
// kept between runs), "Save worked solution..." (Ctrl+S), "Print..." (Ctrl+Alt+P: the editor
// takes Ctrl+P and Ctrl+F, with or without Shift, as its own) and, in the result editors'
// menus, copying the whole result as LaTeX or MathML.
class CExportActions : public QObject
{
    Q_OBJECT

public:
    CExportActions(QWidget& window, QTextEdit& explanationPane,
                   std::vector<CZelvixCtrl*> resultEditors);

    // The problem whose worked solution is shown now; "" when none is.
    void SetProblem(const std::string& strProblem);
    // The letter the problem is solved for in what is saved and printed (0: the default).
    void SetSolveLetter(char cLetter) { m_cSolveLetter = cLetter; }
    void ShowNarrative(const std::string& strExplanation);

    // Recomputed from the problem (the engine gives the same every time); nothing when none.
    std::optional<CWorkedSolution> CurrentSolution() const;
    // Saves in the format the file name's extension asks for; false when it could not.
    bool SaveTo(const QString& strPath) const;

    COutlinePane& Outline() const { return *m_pOutline; }
    QAction& OutlineToggle() const { return *m_pOutlineToggle; }
    QAction& SaveAction() const { return *m_pSave; }
    QAction& PrintAction() const { return *m_pPrint; }
    // One more command for the narrative's menu and the outline's, after the outline toggle.
    void AddPaneAction(QAction* pAction);
    // The menu a result editor opens: its own items, then the two copies.
    std::unique_ptr<QMenu> CreateResultMenu(CZelvixCtrl& editor) const;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void ShowOutline(bool bOutline);
    void OnSave();
    void OnPrint();
    void ShowPaneMenu(const QPoint& position);

    QWidget& m_Window;
    QTextEdit& m_Pane;
    std::vector<CZelvixCtrl*> m_ResultEditors;
    COutlinePane* m_pOutline;
    QAction* m_pOutlineToggle;
    QAction* m_pSave;
    QAction* m_pPrint;
    std::vector<QAction*> m_PaneActions;
    std::string m_strProblem;
    char m_cSolveLetter = 0;
};
