#include "FennoryDlg.h"

#include "AboutBox.h"
#include "DialogUnits.h"
#include "EngineErrorText.h"
#include "ExplanationPane.h"
#include "ExportActions.h"
#include "HelpViewer.h"
#include "core/PrimeFactors.h"
#include "ui_FennoryDlg.h"

#include <QApplication>
#include <QFont>
#include <QKeyEvent>
#include <QPushButton>

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

// The dialog font is a Windows face; the metric-compatible sans face stands in for it.
void SubstituteDialogFont()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}
} // namespace

CFennoryDlg::CFennoryDlg(QWidget* pParent)
    : QDialog(pParent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_pUi(std::make_unique<Ui::CFennoryDlg>())
{
    InitResources();
    SubstituteDialogFont();
    m_pUi->setupUi(this);
    ApplyDialogTemplate(*this);
    addAction(CreateAboutAction(*this));

    m_Input.Attach(m_pUi->editInput);
    m_Result.Attach(m_pUi->editResult);
    m_Further.Attach(m_pUi->editFurther);
    for (CZelvixCtrl* pEditor : {m_pUi->editInput, m_pUi->editResult, m_pUi->editFurther})
        pEditor->installEventFilter(this);
    connect(&m_Input, &CZelvix::ShowMessage, this, &CFennoryDlg::OnShowMessage);
    connect(&m_Input, &CZelvix::ClearMessage, this, &CFennoryDlg::OnClearMessage);

    connect(m_pUi->buttonSimplify, &QPushButton::clicked, this, &CFennoryDlg::OnSimplify);
    connect(m_pUi->buttonClear, &QPushButton::clicked, this, &CFennoryDlg::OnClear);
    connect(m_pUi->buttonHelp, &QPushButton::clicked, this, &CFennoryDlg::OnHelp);
    connect(m_pUi->buttonClose, &QPushButton::clicked, this, &QDialog::accept);
    m_pExport =
        new CExportActions(*this, *m_pUi->paneExplanation, {m_pUi->editResult, m_pUi->editFurther});

    // The first request should not pay for the prime sieve.
    CPrimeFactors::PrepareSieve();
    m_pUi->editInput->setFocus();
}

CFennoryDlg::~CFennoryDlg() = default;

CHelpViewer* CFennoryDlg::GetHelpViewer() const
{
    return m_pHelp;
}

bool CFennoryDlg::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pEvent->type() == QEvent::KeyPress)
    {
        const int nKey = static_cast<QKeyEvent*>(pEvent)->key();
        if (nKey == Qt::Key_Return || nKey == Qt::Key_Enter)
        {
            m_pUi->buttonSimplify->click();
            return true;
        }
    }
    return QDialog::eventFilter(pWatched, pEvent);
}

void CFennoryDlg::SimplifyText(const QString& strText)
{
    m_Input.SetEquation(strText);
    // Typing would have refreshed the messages; writing the text does not.
    OnShowMessage();
    m_pUi->buttonSimplify->click();
}

void CFennoryDlg::OnSimplify()
{
    const ESimplifyRequestEnd eEnd = SimplifyRequest(*this);
    // A refused input leaves the outputs, and so what can be saved, as they were.
    if (eEnd != ESimplifyRequestEnd::Refused)
        m_pExport->SetProblem(eEnd == ESimplifyRequestEnd::Simplified ? ReadInputText() : "");
}

void CFennoryDlg::OnClear()
{
    m_Input.SetEquation(QString());
    m_Result.SetEquation(QStringLiteral(" "));
    m_Further.SetEquation(QStringLiteral(" "));
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

void CFennoryDlg::OnShowMessage()
{
    m_bMessagesShown = true;
    if (m_Input.IsReadOnly())
    {
        m_strMessages = kReadOnlyHint;
    }
    else
    {
        m_strMessages = kHint;
        for (QString strError = m_Input.GetFirstError(); !strError.isEmpty();
             strError = m_Input.GetNextError())
            m_strMessages += "\r\n" + strError.toStdString();
    }
    TransferStrings();
}

void CFennoryDlg::OnClearMessage()
{
    if (!m_bMessagesShown)
        return;
    m_strMessages.clear();
    TransferStrings();
}

void CFennoryDlg::TransferStrings()
{
    m_pUi->paneMessages->setPlainText(PaneText(m_strMessages));
    m_pUi->paneExplanation->setPlainText(PaneText(m_strHowItWasDone));
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
    TransferStrings();
    ShowIndentedExplanation(*m_pUi->paneExplanation, m_strHowItWasDone);
    m_pExport->ShowNarrative(m_strHowItWasDone);
}

void CFennoryDlg::Beep()
{
    QApplication::beep();
}

void CFennoryDlg::ShowEngineError(const std::string& strMessage)
{
    m_strMessages = DescribeEngineError(strMessage);
    TransferStrings();
}
