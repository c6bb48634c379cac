// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "History.h"
#include "Zelvix.h"
#include "driver/SimplifyRequest.h"

#include <QDialog>
#include <QPointer>

#include <memory>
#include <optional>
#include <string>

namespace Ui
{
class CFennoryDlg;
}
class CFocusFrame;
class CGraphPane;
class CExportActions;
class CHelpViewer;
class CSolutionLine;

// The main window: three equation editors, the message and explanation panes, the history,
// and the Simplify, Clear, Help, Close and About commands. The Simplify logic itself is the
// request's; the window only lends it the editors and panes.
class CFennoryDlg : public QDialog, private CSimplifyParties
{
    Q_OBJECT

public:
    explicit CFennoryDlg(QWidget* pParent = nullptr);
    ~CFennoryDlg() override;

    // Puts the text into the input editor, as if typed, and presses Simplify.
    void SimplifyText(const QString& strText);
    // Shows why the start-up text could not be used; it stays until the input changes.
    void ShowStartupError(const QString& strMessage);
    // Scrolls the narrative so that its line nLine (from 1) is at the top.
    void ScrollNarrativeTo(int nLine);

    CHelpViewer* GetHelpViewer() const;
    const CHistory& GetHistory() const { return m_History; }
    bool IsHistoryShown() const { return m_bHistoryShown; }
    void SetHistoryShown(bool bShown);

    void done(int nResult) override;
    CExportActions& GetExportActions() const { return *m_pExport; }
    CGraphPane& GetGraphPane() const { return *m_pGraph; }

protected:
    // Enter in an editor presses the default button, as in any dialog, rather than reaching
    // the editor; Ctrl+Tab leaves an editor; Up and Down in an empty input walk the history.
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
    // Escape does not close the window: only Close, the close button and Alt+F4 do. Ctrl+Tab
    // that a control passes on moves the focus.
    void keyPressEvent(QKeyEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;

private:
    void SetUpHistory();
    void FitToScreen();
    void OnSimplify();
    void OnClear();
    void OnHelp();
    void OnShowMessage();
    void OnClearMessage();
    void ShowRefusal();
    void ShowMessages();
    void ShowLastingMessage(const std::string& strMessage);
    // Every change the window makes to the input goes through here.
    void ReplaceInputText(const QString& strText);
    bool KeepsErrorMessage();
    bool HandleEditorKey(QObject* pWatched, const QKeyEvent& event);
    bool WalkHistory(int nStep);
    void RecallHistory(int nRow);
    void AddToHistory();
    void FillHistoryList();
    void OnClearHistory();
    void SaveSettings();
    QString ComposeHint();

    int GetInputErrorCount() override;
    std::string ReadInputText() override;
    void WriteResultText(const std::string& strText) override;
    void WriteFurtherText(const std::string& strText) override;
    void SetExplanation(const std::string& strExplanation) override;
    void Beep() override;
    void ShowEngineError(const std::string& strMessage) override;
    SimplifyFollowUp GetFollowUp() override;
    void WriteFollowUp(const CSimplifyOutcome& outcome) override;

    std::unique_ptr<Ui::CFennoryDlg> m_pUi;
    CZelvix m_Input;
    CZelvix m_Result;
    CZelvix m_Further;
    std::string m_strMessages;
    std::string m_strHowItWasDone;
    bool m_bMessagesShown = false;
    // The input for which an error of the engine or of the start-up is shown; the hint does
    // not replace that error until the input changes.
    std::optional<QString> m_strErrorInput;
    CHistory m_History;
    bool m_bHistoryShown = true;
    int m_nHistoryWalk = -1; // the entry Up and Down last brought back, -1 for none
    QString m_strWalkText;
    CFocusFrame* m_pFocusFrame = nullptr; // a child of this window
    QPointer<CHelpViewer> m_pHelp;        // a child window, made on the first Help
    CExportActions* m_pExport = nullptr;  // outline, save and print; a child of the window
    CSolutionLine* m_pSolution = nullptr; // the answer line; a child of the window
    CGraphPane* m_pGraph = nullptr;       // under the narrative; a child of the window
};
