#include "widget/ZelvixCtrl.h"

#include "layout/CaretGeometry.h"
#include "layout/EquationLayout.h"
#include "model/EditModel.h"
#include "widget/ZelvixAboutDialog.h"
#include "widget/ZelvixFonts.h"
#include "widget/ZelvixKeys.h"
#include "widget/ZelvixLibrary.h"
#include "widget/ZelvixPainter.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTimerEvent>

namespace
{
constexpr int kBlinkMilliseconds = 600;

short ButtonCode(Qt::MouseButton button)
{
    switch (button)
    {
    case Qt::LeftButton:
        return kButtonLeft;
    case Qt::RightButton:
        return kButtonRight;
    case Qt::MiddleButton:
        return kButtonMiddle;
    default:
        return 0;
    }
}

// Typing, the cursor keys and our two Ctrl commands; other Ctrl letters stay the host's
// shortcuts (when the host has none they still reach the editor, which refuses them).
bool IsEditingKey(const CZelvixKey& key)
{
    if (key.m_nKind == CZelvixKey::kNone)
        return false;
    const bool bControlLetter = key.m_nKind == CZelvixKey::kCharacter && key.m_nCode >= 1 &&
                                key.m_nCode <= 26 && key.m_nCode != kCodeBackspace &&
                                key.m_nCode != kCodeTab && key.m_nCode != kCodeEnter;
    return !bControlLetter || key.m_nCode == kCodeCtrlF || key.m_nCode == kCodeCtrlP;
}

bool IsTabKey(const QEvent& event)
{
    const auto& keyEvent = static_cast<const QKeyEvent&>(event);
    return keyEvent.key() == Qt::Key_Tab || keyEvent.key() == Qt::Key_Backtab;
}
} // namespace

CZelvixCtrl::CZelvixCtrl(QWidget* pParent)
    : QWidget(pParent), m_pModel(std::make_unique<CEditModel>()),
      m_pFonts(std::make_unique<CZelvixFonts>()), m_pLayout(std::make_unique<CEquationLayout>())
{
    ZelvixObjectCreated();
    ZelvixInstallDefaultBeep();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CZelvixCtrl::~CZelvixCtrl()
{
    ZelvixObjectDestroyed();
}

bool CZelvixCtrl::IsReadOnly() const
{
    return m_pModel->IsReadOnly();
}

void CZelvixCtrl::SetReadOnly(bool bReadOnly)
{
    m_pModel->SetReadOnly(bReadOnly);
    update();
}

QString CZelvixCtrl::GetEquation() const
{
    return QString::fromStdString(m_pModel->GetText());
}

void CZelvixCtrl::SetEquation(const QString& strEquation)
{
    m_pModel->SetEquation(strEquation.toLatin1().toStdString());
    update();
}

short CZelvixCtrl::IsEquationOK()
{
    return m_pModel->IsEquationOK();
}

QString CZelvixCtrl::GetFirstError()
{
    return QString::fromStdString(m_pModel->GetFirstError());
}

QString CZelvixCtrl::GetNextError()
{
    return QString::fromStdString(m_pModel->GetNextError());
}

void CZelvixCtrl::AboutBox()
{
    CZelvixAboutDialog dialog(this);
    dialog.exec();
}

int CZelvixCtrl::GetCaret() const
{
    return m_pModel->GetCaret();
}

QSize CZelvixCtrl::sizeHint() const
{
    return {240, 2 * m_pFonts->GetHeight(EFontRole::Main)};
}

std::unique_ptr<QMenu> CZelvixCtrl::CreateContextMenu()
{
    auto pMenu = std::make_unique<QMenu>();
    QAction* pPower = pMenu->addAction(QStringLiteral("Insert Power\tCtrl+P"));
    pPower->setData(kCommandInsertPower);
    pPower->setEnabled(m_pModel->IsInsertPowerEnabled());
    connect(pPower, &QAction::triggered, this, [this] { Apply(m_pModel->InsertPowerCommand()); });
    QAction* pFraction = pMenu->addAction(QStringLiteral("Insert Fraction\tCtrl+F"));
    pFraction->setData(kCommandInsertFraction);
    pFraction->setEnabled(m_pModel->IsInsertFractionEnabled());
    connect(pFraction, &QAction::triggered, this,
            [this] { Apply(m_pModel->InsertFractionCommand()); });
    return pMenu;
}

bool CZelvixCtrl::event(QEvent* pEvent)
{
    // Claim the keys we edit with before a host's shortcuts see them.
    if (pEvent->type() == QEvent::ShortcutOverride &&
        IsEditingKey(TranslateKey(static_cast<const QKeyEvent&>(*pEvent))))
    {
        pEvent->accept();
        return true;
    }
    // Tab leaves a power or a fraction part; it never moves the focus out of the editor.
    if (pEvent->type() == QEvent::KeyPress && IsTabKey(*pEvent))
    {
        keyPressEvent(static_cast<QKeyEvent*>(pEvent));
        return true;
    }
    return QWidget::event(pEvent);
}

void CZelvixCtrl::paintEvent(QPaintEvent*)
{
    RefreshLayout();
    QPainter painter(this);
    painter.save();
    PaintEquationLayout(painter, *m_pLayout, *m_pFonts, rect());
    painter.restore();
}

// Every paint re-marks the text first: a template the caret has left disappears here.
void CZelvixCtrl::RefreshLayout()
{
    m_pModel->RunMarkingPass();
    CLayoutInput input;
    input.m_strText = m_pModel->GetText();
    input.m_ErrorMarked.reserve(input.m_strText.size());
    for (int i = 0; i < static_cast<int>(input.m_strText.size()); ++i)
        input.m_ErrorMarked.push_back(m_pModel->GetErrorMark(i) != 0);
    input.m_nCaret = m_pModel->GetCaret();
    input.m_nWidth = width();
    input.m_bReadOnly = m_pModel->IsReadOnly();
    input.m_bCaretVisible = m_bCaretVisible;
    *m_pLayout = LayoutEquation(input, *m_pFonts);
}

void CZelvixCtrl::keyPressEvent(QKeyEvent* pEvent)
{
    const CZelvixKey key = TranslateKey(*pEvent);
    switch (key.m_nKind)
    {
    case CZelvixKey::kCharacter:
        TypeCharacter(key.m_nCode);
        break;
    case CZelvixKey::kEditKey:
        PressEditKey(key, pEvent->modifiers());
        break;
    case CZelvixKey::kNone:
        QWidget::keyPressEvent(pEvent);
        return;
    }
    pEvent->accept();
}

// Only the cursor-block key without Alt acts; KeyDown fires either way.
void CZelvixCtrl::PressEditKey(const CZelvixKey& key, Qt::KeyboardModifiers modifiers)
{
    if (key.m_bCursorBlock)
        Apply(m_pModel->PressKey(key.m_nEditKey));
    short nKeyCode = key.m_nKeyCode;
    emit KeyDown(nKeyCode, GetShiftState(modifiers));
}

void CZelvixCtrl::TypeCharacter(int nCode)
{
    Apply(m_pModel->TypeCharacter(nCode));
    short nKeyAscii = static_cast<short>(nCode);
    emit KeyPress(nKeyAscii);
}

void CZelvixCtrl::Apply(const CEditOutcome& outcome)
{
    if (outcome.m_bInvalidate || outcome.m_bEdited)
        update();
    if (outcome.m_bEdited)
        emit ShowMessage();
}

void CZelvixCtrl::mousePressEvent(QMouseEvent* pEvent)
{
    const QPoint pos = pEvent->position().toPoint();
    if (pEvent->button() == Qt::LeftButton)
    {
        const int nLength = static_cast<int>(m_pModel->GetText().size());
        Apply(m_pModel->PlaceCaret(HitTestCaret(*m_pLayout, pos.x(), pos.y(), nLength)));
    }
    pEvent->accept();
    emit MouseDown(ButtonCode(pEvent->button()), GetShiftState(pEvent->modifiers()), pos.x(),
                   pos.y());
}

void CZelvixCtrl::contextMenuEvent(QContextMenuEvent* pEvent)
{
    const std::unique_ptr<QMenu> pMenu = CreateContextMenu();
    pMenu->exec(pEvent->globalPos());
}

// A popup menu borrows the keyboard only while it is open; the editor keeps its focus then.
void CZelvixCtrl::focusInEvent(QFocusEvent* pEvent)
{
    if (pEvent->reason() == Qt::PopupFocusReason)
        return;
    m_bCaretVisible = true;
    UpdateCaretRect();
    StartBlink();
    emit ShowMessage();
}

void CZelvixCtrl::focusOutEvent(QFocusEvent* pEvent)
{
    if (pEvent->reason() == Qt::PopupFocusReason)
        return;
    StopBlink();
    m_bCaretVisible = false;
    UpdateCaretRect();
    emit ClearMessage();
}

void CZelvixCtrl::timerEvent(QTimerEvent* pEvent)
{
    if (pEvent->timerId() != m_nBlinkTimerId)
    {
        QWidget::timerEvent(pEvent);
        return;
    }
    m_bCaretVisible = !m_bCaretVisible;
    UpdateCaretRect();
}

// Repaints the strip the caret occupies, from the top so a numerator's caret is covered too.
void CZelvixCtrl::UpdateCaretRect()
{
    const CCaretRect rect =
        GetCaretRect(*m_pLayout, m_pModel->GetCaret(), m_pLayout->m_nTextHeight);
    if (!rect.IsEmpty())
        update(QRect(QPoint(rect.m_nLeft, 0), QPoint(rect.m_nRight - 1, rect.m_nBottom - 1)));
}

void CZelvixCtrl::StartBlink()
{
    if (m_nBlinkTimerId == 0)
        m_nBlinkTimerId = startTimer(kBlinkMilliseconds);
}

void CZelvixCtrl::StopBlink()
{
    if (m_nBlinkTimerId != 0)
        killTimer(m_nBlinkTimerId);
    m_nBlinkTimerId = 0;
}
