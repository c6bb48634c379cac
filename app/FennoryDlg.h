#pragma once

#include "Zelvix.h"
#include "driver/SimplifyRequest.h"

#include <QDialog>
#include <QPointer>

#include <memory>
#include <string>

namespace Ui
{
class CFennoryDlg;
}
class CExportActions;
class CHelpViewer;

// The main window: three equation editors, the message and explanation panes, and the
// Simplify, Clear, Help, Close and About commands. The Simplify logic itself is the request's;
// the window only lends it the editors and panes.
class CFennoryDlg : public QDialog, private CSimplifyParties
{
    Q_OBJECT

public:
    explicit CFennoryDlg(QWidget* pParent = nullptr);
    ~CFennoryDlg() override;

    // Puts the text into the input editor, as if typed, and presses Simplify.
    void SimplifyText(const QString& strText);

    CHelpViewer* GetHelpViewer() const;
    CExportActions& GetExportActions() const { return *m_pExport; }

protected:
    // Enter in an editor presses the default button, as in any dialog, rather than reaching
    // the editor.
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void OnSimplify();
    void OnClear();
    void OnHelp();
    void OnShowMessage();
    void OnClearMessage();
    // Writes both strings into their panes, replacing what they showed.
    void TransferStrings();

    int GetInputErrorCount() override;
    std::string ReadInputText() override;
    void WriteResultText(const std::string& strText) override;
    void WriteFurtherText(const std::string& strText) override;
    void SetExplanation(const std::string& strExplanation) override;
    void Beep() override;
    void ShowEngineError(const std::string& strMessage) override;

    std::unique_ptr<Ui::CFennoryDlg> m_pUi;
    CZelvix m_Input;
    CZelvix m_Result;
    CZelvix m_Further;
    std::string m_strMessages;
    std::string m_strHowItWasDone;
    bool m_bMessagesShown = false;
    QPointer<CHelpViewer> m_pHelp; // a child window, made on the first Help
    CExportActions* m_pExport;     // outline, save and print; a child of the window
};
