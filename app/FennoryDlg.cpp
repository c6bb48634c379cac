// SPDX-License-Identifier: GPL-3.0-or-later
#include "FennoryDlg.h"

#include "AboutBox.h"
#include "AccessibleTexts.h"
#include "DialogUnits.h"
#include "EngineErrorText.h"
#include "ExplanationPane.h"
#include "ExportActions.h"
#include "FocusFrame.h"
#include "GraphPane.h"
#include "HelpViewer.h"
#include "OutlinePane.h"
#include "SolutionLine.h"
#include "WindowLayout.h"
#include "core/PrimeFactors.h"
#include "driver/SimplifyRequest.h"
#include "solve/SolveRequest.h"
#include "ui_FennoryDlg.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFont>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTextBlock>
#include <QWindow>

// The icon and the help page live in the program's resources, which a static library must
// register itself.
static void InitResources()
{
    Q_INIT_RESOURCE(fennory);
}

namespace
{
constexpr const char* kHint = "Right Click to insert powers and fractions";
constexpr const char* kReadOnlyHint =
    "Equation/Expression is Read Only, You cannot enter or amend equation.";
constexpr const char* kGeometryKey = "window/geometry";
constexpr const char* kNothingToSimplify = "Nothing to simplify: the text is empty";

// The dialog font is a Windows face; the metric-compatible sans face stands in for it.
void SubstituteDialogFont()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

bool IsEnterKey(const QKeyEvent& event)
{
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

// Ctrl+Tab forward; Ctrl+Shift+Tab (which arrives as Backtab or as Shift+Tab) back; 0 else.
int FocusStep(const QKeyEvent& event)
{
    if (!(event.modifiers() & Qt::ControlModifier))
        return 0;
    if (event.key() == Qt::Key_Backtab ||
        (event.key() == Qt::Key_Tab && (event.modifiers() & Qt::ShiftModifier)))
        return -1;
    return event.key() == Qt::Key_Tab ? 1 : 0;
}
} // namespace

CFennoryDlg::CFennoryDlg(QWidget* pParent)
    : QDialog(pParent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                           Qt::WindowCloseButtonHint),
      m_pUi(std::make_unique<Ui::CFennoryDlg>())
{
    InitResources();
    SubstituteDialogFont();
    m_pUi->setupUi(this);
    ApplyDialogTemplate(*this);
    setSizeGripEnabled(true);
    addAction(CreateAboutAction(*this));
    NameControls(*this);

    m_Input.Attach(m_pUi->editInput);
    m_Result.Attach(m_pUi->editResult);
    m_Further.Attach(m_pUi->editFurther);
    m_pFocusFrame = new CFocusFrame(*this);
    for (CZelvixCtrl* pEditor : {m_pUi->editInput, m_pUi->editResult, m_pUi->editFurther})
    {
        pEditor->installEventFilter(this);
        m_pFocusFrame->Watch(pEditor);
    }
    // The text panes ignore Ctrl+Tab, so the window steps the focus for them too.
    for (QTextEdit* pPane : {m_pUi->paneMessages, m_pUi->paneExplanation})
    {
        pPane->installEventFilter(this);
        m_pFocusFrame->Watch(pPane);
    }
    m_pFocusFrame->Watch(m_pUi->listHistory);
    connect(&m_Input, &CZelvix::ShowMessage, this, &CFennoryDlg::OnShowMessage);
    connect(&m_Input, &CZelvix::ClearMessage, this, &CFennoryDlg::OnClearMessage);

    connect(m_pUi->buttonSimplify, &QPushButton::clicked, this, &CFennoryDlg::OnSimplify);
    connect(m_pUi->buttonClear, &QPushButton::clicked, this, &CFennoryDlg::OnClear);
    connect(m_pUi->buttonHelp, &QPushButton::clicked, this, &CFennoryDlg::OnHelp);
    connect(m_pUi->buttonClose, &QPushButton::clicked, this, &QDialog::accept);
    m_pExport =
        new CExportActions(*this, *m_pUi->paneExplanation, {m_pUi->editResult, m_pUi->editFurther});
    m_pFocusFrame->Watch(&m_pExport->Outline());
    m_pExport->Outline().installEventFilter(this);
    m_pGraph = new CGraphPane(this);
    m_pFocusFrame->Watch(m_pGraph);
    m_pExport->AddPaneAction(CreateGraphToggle(*m_pGraph, *m_pUi->paneExplanation,
                                               [this] { LayOutWindow(*this, m_bHistoryShown); }));
    m_pSolution = new CSolutionLine(*this);
    connect(m_pSolution, &CSolutionLine::LetterChosen, this, &CFennoryDlg::OnSimplify);
    SetUpHistory();
    restoreGeometry(QSettings().value(kGeometryKey).toByteArray());

    // The first request should not pay for the prime sieve.
    CPrimeFactors::PrepareSieve();
    KeepMemoryBetweenRequests();
    m_pUi->editInput->setFocus();
}

CFennoryDlg::~CFennoryDlg() = default;

CHelpViewer* CFennoryDlg::GetHelpViewer() const
{
    return m_pHelp;
}

void CFennoryDlg::done(int nResult)
{
    SaveSettings();
    QDialog::done(nResult);
}

void CFennoryDlg::SaveSettings()
{
    QSettings settings;
    settings.setValue(kGeometryKey, saveGeometry());
}

bool CFennoryDlg::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    // Alt with a letter is a button's mnemonic, not a character for the editor.
    if (pEvent->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(pEvent)->modifiers() == Qt::AltModifier)
    {
        pEvent->ignore();
        return true;
    }
    if (pEvent->type() == QEvent::KeyPress &&
        HandleEditorKey(pWatched, *static_cast<QKeyEvent*>(pEvent)))
        return true;
    return QDialog::eventFilter(pWatched, pEvent);
}

bool CFennoryDlg::HandleEditorKey(QObject* pWatched, const QKeyEvent& event)
{
    if (IsEnterKey(event))
    {
        if (pWatched == m_pUi->listHistory)
            RecallHistory(m_pUi->listHistory->currentRow());
        else
            m_pUi->buttonSimplify->click();
        return true;
    }
    if (const int nStep = FocusStep(event); nStep != 0)
    {
        focusNextPrevChild(nStep > 0);
        return true;
    }
    if (pWatched == m_pUi->editInput && event.modifiers() == Qt::NoModifier &&
        (event.key() == Qt::Key_Up || event.key() == Qt::Key_Down))
        return WalkHistory(event.key() == Qt::Key_Up ? 1 : -1);
    return false;
}

void CFennoryDlg::keyPressEvent(QKeyEvent* pEvent)
{
    if (pEvent->key() == Qt::Key_Escape)
    {
        pEvent->accept();
        return;
    }
    // Buttons and the history list pass Ctrl+Tab on to the window.
    if (const int nStep = FocusStep(*pEvent); nStep != 0)
    {
        focusNextPrevChild(nStep > 0);
        return;
    }
    QDialog::keyPressEvent(pEvent);
}

void CFennoryDlg::showEvent(QShowEvent* pEvent)
{
    QDialog::showEvent(pEvent);
    FitToScreen();
    connect(windowHandle(), &QWindow::screenChanged, this, &CFennoryDlg::FitToScreen,
            Qt::UniqueConnection);
}

// On a small screen the smallest size gives way (the history column first), and the window
// is no larger than the screen.
void CFennoryDlg::FitToScreen()
{
    const QSize room = ScreenRoom(*this);
    setMinimumSize(MinimumWindowSize(*this, m_bHistoryShown, room));
    if (room.isValid())
        resize(size().boundedTo(room).expandedTo(minimumSize()));
}

void CFennoryDlg::resizeEvent(QResizeEvent* pEvent)
{
    LayOutWindow(*this, m_bHistoryShown);
    QDialog::resizeEvent(pEvent);
}

void CFennoryDlg::SimplifyText(const QString& strText)
{
    ReplaceInputText(strText);
    // Typing would have refreshed the messages; writing the text does not.
    OnShowMessage();
    m_pUi->buttonSimplify->click();
}

void CFennoryDlg::ShowStartupError(const QString& strMessage)
{
    ShowLastingMessage(strMessage.toStdString());
}

// The message outlives the focus coming and going, until the input changes.
void CFennoryDlg::ShowLastingMessage(const std::string& strMessage)
{
    m_strMessages = strMessage;
    m_strErrorInput = m_Input.GetEquation();
    ShowMessages();
}

void CFennoryDlg::ScrollNarrativeTo(int nLine)
{
    QTextEdit& pane = *m_pUi->paneExplanation;
    const QTextBlock block = pane.document()->findBlockByNumber(nLine - 1);
    if (!block.isValid())
        return;
    const QRectF rect = pane.document()->documentLayout()->blockBoundingRect(block);
    pane.verticalScrollBar()->setValue(qRound(rect.top()));
}

void CFennoryDlg::OnSimplify()
{
    m_strErrorInput.reset();
    m_pExport->SetSolveLetter(m_pSolution->LetterFor(ReadInputText()));
    const ESimplifyRequestEnd eEnd = SimplifyRequest(*this);
    if (eEnd != ESimplifyRequestEnd::Simplified)
        m_pSolution->Clear();
    if (eEnd != ESimplifyRequestEnd::Refused)
    {
        m_pExport->SetProblem(eEnd == ESimplifyRequestEnd::Simplified ? ReadInputText() : "");
        m_pGraph->SetProblem(eEnd == ESimplifyRequestEnd::Simplified ? ReadInputText() : "");
    }
    switch (eEnd)
    {
    case ESimplifyRequestEnd::Refused:
        ShowRefusal();
        break;
    case ESimplifyRequestEnd::Simplified:
        AddToHistory();
        break;
    case ESimplifyRequestEnd::EmptyInput:
        ShowLastingMessage(kNothingToSimplify);
        break;
    case ESimplifyRequestEnd::EngineError:
        break;
    }
}

// A refusal says why, even when the click that asked for it took the focus (and with it the
// hint) away from the input; steps of an earlier text must not stand beside the new one.
void CFennoryDlg::ShowRefusal()
{
    m_strMessages = ComposeHint().toStdString();
    ShowMessages();
    m_Result.SetEquation(QStringLiteral(" "));
    m_Further.SetEquation(QStringLiteral(" "));
    m_strHowItWasDone.clear();
    m_pUi->paneExplanation->clear();
    m_pExport->ShowNarrative(m_strHowItWasDone);
    m_pExport->SetProblem("");
    m_pGraph->SetProblem("");
}

void CFennoryDlg::OnClear()
{
    m_nHistoryWalk = -1;
    ReplaceInputText(QString());
    m_Result.SetEquation(QStringLiteral(" "));
    m_Further.SetEquation(QStringLiteral(" "));
    m_pSolution->Clear();
}

// The one place the window rewrites the input. The control records the change as an edit, so
// Clear and a history entry brought back can be undone with Ctrl+Z.
void CFennoryDlg::ReplaceInputText(const QString& strText)
{
    m_Input.SetEquation(strText);
}

void CFennoryDlg::OnHelp()
{
    if (!m_pHelp)
    {
        m_pHelp = new CHelpViewer(this);
        connect(m_pHelp, &CHelpViewer::AboutRequested, m_pHelp, [this] { ShowAboutBox(m_pHelp); });
    }
    m_pHelp->ShowContents();
}

QString CFennoryDlg::ComposeHint()
{
    if (m_Input.IsReadOnly())
        return QString::fromLatin1(kReadOnlyHint);
    QString strHint = QString::fromLatin1(kHint);
    for (QString strError = m_Input.GetFirstError(); !strError.isEmpty();
         strError = m_Input.GetNextError())
        strHint += QStringLiteral("\r\n") + strError;
    return strHint;
}

// An error met while simplifying (or in the start-up text) stays readable while the user
// looks at it: focus coming and going leaves it; a change to the input replaces it.
bool CFennoryDlg::KeepsErrorMessage()
{
    if (m_strErrorInput && *m_strErrorInput == m_Input.GetEquation())
        return true;
    m_strErrorInput.reset();
    return false;
}

void CFennoryDlg::OnShowMessage()
{
    m_bMessagesShown = true;
    if (KeepsErrorMessage())
        return;
    m_strMessages = ComposeHint().toStdString();
    ShowMessages();
}

void CFennoryDlg::OnClearMessage()
{
    if (!m_bMessagesShown || KeepsErrorMessage())
        return;
    m_strMessages.clear();
    ShowMessages();
}

// Message events touch only the message pane: the narrative keeps its indents and its
// scroll position until the next Simplify.
void CFennoryDlg::ShowMessages()
{
    m_pUi->paneMessages->setPlainText(PaneText(m_strMessages));
}

int CFennoryDlg::GetInputErrorCount()
{
    return m_Input.IsEquationOK();
}

std::string CFennoryDlg::ReadInputText()
{
    return m_Input.GetEquation().toStdString();
}

void CFennoryDlg::WriteResultText(const std::string& strText)
{
    m_Result.SetEquation(QString::fromStdString(strText));
}

void CFennoryDlg::WriteFurtherText(const std::string& strText)
{
    m_Further.SetEquation(QString::fromStdString(strText));
}

void CFennoryDlg::SetExplanation(const std::string& strExplanation)
{
    m_strHowItWasDone = strExplanation;
    ShowIndentedExplanation(*m_pUi->paneExplanation, m_strHowItWasDone);
    m_pExport->ShowNarrative(m_strHowItWasDone);
}

SimplifyFollowUp CFennoryDlg::GetFollowUp()
{
    return SolveFollowUp(m_pSolution->LetterFor(ReadInputText()), true);
}

void CFennoryDlg::WriteFollowUp(const CSimplifyOutcome& outcome)
{
    m_pSolution->Show(outcome, ReadInputText());
}

void CFennoryDlg::Beep()
{
    QApplication::beep();
}

void CFennoryDlg::ShowEngineError(const std::string& strMessage)
{
    ShowLastingMessage(DescribeEngineError(strMessage));
}
