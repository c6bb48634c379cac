// SPDX-License-Identifier: LGPL-3.0-or-later
#include "widget/ZelvixCtrl.h"

#include "layout/CaretGeometry.h"
#include "layout/EquationLayout.h"
#include "model/EditSession.h"
#include "model/EquationWords.h"
#include "model/EquationWriters.h"
#include "widget/ZelvixAboutDialog.h"
#include "widget/ZelvixAccessible.h"
#include "widget/ZelvixFonts.h"
#include "widget/ZelvixKeys.h"
#include "widget/ZelvixLibrary.h"
#include "widget/ZelvixPainter.h"
#include "widget/ZelvixText.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimerEvent>

namespace
{
constexpr int kBlinkMilliseconds = 600;
constexpr int kScrollBarHeight = 5;
constexpr int kScrollBarGap = 1; // between the text's lowest pixel and the bar
constexpr int kFrameWidth = 3;   // the sunken frame and a pixel of room inside it
// Room kept after the text's end when it is scrolled by the bar.
constexpr int kScrollMargin = 8;

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

bool IsShortcutEvent(const QEvent& event)
{
    const auto& keyEvent = static_cast<const QKeyEvent&>(event);
    return IsEditingKey(TranslateKey(keyEvent)) ||
           TranslateCommandKey(keyEvent).m_nCommand != EZelvixCommand::None;
}

bool IsTabKey(const QEvent& event)
{
    const auto& keyEvent = static_cast<const QKeyEvent&>(event);
    return keyEvent.key() == Qt::Key_Tab || keyEvent.key() == Qt::Key_Backtab;
}
} // namespace

CZelvixCtrl::CZelvixCtrl(QWidget* pParent)
    : QWidget(pParent), m_pSession(std::make_unique<CEditSession>()),
      m_pFonts(std::make_unique<CZelvixFonts>()), m_pLayout(std::make_unique<CEquationLayout>()),
      m_pScrollBar(new QScrollBar(Qt::Horizontal, this))
{
    ZelvixObjectCreated();
    ZelvixInstallDefaultBeep();
    InstallZelvixAccessibleFactory();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::IBeamCursor);
    m_pScrollBar->setFocusPolicy(Qt::NoFocus);
    m_pScrollBar->setCursor(Qt::ArrowCursor);
    m_pScrollBar->hide();
    connect(m_pScrollBar, &QScrollBar::actionTriggered, this,
            [this]
            {
                m_nForcedShift = m_pScrollBar->sliderPosition();
                SyncScrollBar();
                update();
            });
}

CZelvixCtrl::~CZelvixCtrl()
{
    ZelvixObjectDestroyed();
}

bool CZelvixCtrl::IsReadOnly() const
{
    return m_pSession->Model().IsReadOnly();
}

void CZelvixCtrl::SetReadOnly(bool bReadOnly)
{
    m_pSession->Model().SetReadOnly(bReadOnly);
    SyncScrollBar();
    updateGeometry();
    update();
}

void CZelvixCtrl::SetStackedDivisions(bool bStacked)
{
    m_bStackedDivisions = bStacked;
    m_nForcedShift = -1;
    SyncScrollBar();
    updateGeometry();
    update();
}

// The text is bytes; Latin-1 gives every byte back exactly as it was written.
QString CZelvixCtrl::GetEquation() const
{
    return FromText(m_pSession->Model().GetText());
}

void CZelvixCtrl::SetEquation(const QString& strEquation)
{
    m_pSession->SetEquation(ToText(strEquation));
    m_pSession->ClearNotice();
    m_nForcedShift = -1;
    SyncScrollBar();
    updateGeometry();
    update();
    emit SelectionChanged();
    NotifyZelvixAccessible(*this, true);
}

QString CZelvixCtrl::GetSelectedEquation() const
{
    return FromText(m_pSession->GetSelectedText());
}

bool CZelvixCtrl::CanUndo() const
{
    return !IsReadOnly() && m_pSession->CanUndo();
}

bool CZelvixCtrl::CanRedo() const
{
    return !IsReadOnly() && m_pSession->CanRedo();
}

QString CZelvixCtrl::GetEquationInWords() const
{
    return QString::fromStdString(ReadEquationInWords(m_pSession->Model().GetText()));
}

QString CZelvixCtrl::GetPlainText() const
{
    return FromText(WritePlainText(m_pSession->Model().GetText()));
}

QString CZelvixCtrl::GetLatex() const
{
    return FromText(WriteLatex(m_pSession->Model().GetText()));
}

QString CZelvixCtrl::PeekFirstError() const
{
    return QString::fromStdString(m_pSession->PeekFirstError());
}

int CZelvixCtrl::GetSelectionStart() const
{
    const CTextRange range = m_pSession->GetSelection();
    return range.IsEmpty() ? GetCaret() : range.m_nFrom;
}

int CZelvixCtrl::GetSelectionEnd() const
{
    const CTextRange range = m_pSession->GetSelection();
    return range.IsEmpty() ? GetCaret() : range.m_nTo;
}

void CZelvixCtrl::SetCaret(int nIndex, bool bExtend)
{
    Apply(m_pSession->PlaceCaret(nIndex, bExtend));
}

int CZelvixCtrl::GetScrollShift() const
{
    return m_pLayout->m_nShift;
}

short CZelvixCtrl::IsEquationOK()
{
    return m_pSession->Model().IsEquationOK();
}

QString CZelvixCtrl::GetFirstError()
{
    return QString::fromStdString(m_pSession->GetFirstError());
}

QString CZelvixCtrl::GetNextError()
{
    return QString::fromStdString(m_pSession->GetNextError());
}

void CZelvixCtrl::AboutBox()
{
    CZelvixAboutDialog dialog(this);
    dialog.exec();
}

int CZelvixCtrl::GetCaret() const
{
    return m_pSession->Model().GetCaret();
}

QSize CZelvixCtrl::sizeHint() const
{
    return {240, std::max(2 * m_pFonts->GetHeight(EFontRole::Main), NeededHeight())};
}

QSize CZelvixCtrl::minimumSizeHint() const
{
    return {40, NeededHeight()};
}

// The text's lowest pixel, the bar's room under it when it shows, and the frame. An editable
// control keeps to its main line, so the host's layout does not jump while someone types.
int CZelvixCtrl::NeededHeight() const
{
    const int nH = m_pFonts->GetHeight(EFontRole::Main);
    const int nBottom = IsReadOnly() ? LayoutEquation(MakeLayoutInput(), *m_pFonts).m_nContentBottom
                                     : (nH - 3) / 2 + nH;
    return nBottom + (m_bScrollBarShown ? kScrollBarGap + kScrollBarHeight : 0) + kFrameWidth;
}

bool CZelvixCtrl::event(QEvent* pEvent)
{
    // Claim the keys we edit with before a host's shortcuts see them.
    if (pEvent->type() == QEvent::ShortcutOverride && IsShortcutEvent(*pEvent))
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
    m_pSession->Model().RunMarkingPass();
    *m_pLayout = LayoutEquation(MakeLayoutInput(), *m_pFonts);
}

CLayoutInput CZelvixCtrl::MakeLayoutInput() const
{
    const CEditModel& model = m_pSession->Model();
    CLayoutInput input;
    input.m_strText = model.GetText();
    input.m_ErrorMarked.reserve(input.m_strText.size());
    for (int i = 0; i < static_cast<int>(input.m_strText.size()); ++i)
        input.m_ErrorMarked.push_back(model.GetErrorMark(i) != 0);
    input.m_nCaret = model.GetCaret();
    input.m_nWidth = width();
    input.m_bReadOnly = model.IsReadOnly();
    input.m_bCaretVisible = m_bCaretVisible;
    const CTextRange selection = m_pSession->GetSelection();
    input.m_nSelectionFrom = selection.m_nFrom;
    input.m_nSelectionTo = selection.m_nTo;
    input.m_nForcedShift = m_nForcedShift;
    input.m_bStackedDivisions = m_bStackedDivisions && model.IsReadOnly();
    return input;
}

// A read-only editor whose text is wider than the box shows a thin bar along its foot; the
// bar follows the caret, and dragging it scrolls until the caret moves again.
void CZelvixCtrl::SyncScrollBar()
{
    int nOverflow = 0;
    if (IsReadOnly())
    {
        RefreshLayout();
        nOverflow = m_pLayout->m_nContentWidth + kScrollMargin - width();
    }
    m_pScrollBar->setVisible(nOverflow > 0);
    if (m_bScrollBarShown != (nOverflow > 0))
    {
        m_bScrollBarShown = nOverflow > 0;
        updateGeometry();
    }
    if (nOverflow <= 0)
    {
        m_nForcedShift = -1;
        return;
    }
    // Under the text's lowest pixel, so it covers no descender; at the foot when the host
    // keeps the control shorter than it asks to be.
    const int nTop = std::min(m_pLayout->m_nContentBottom + kScrollBarGap,
                              height() - kScrollBarHeight - kFrameWidth);
    m_pScrollBar->setGeometry(2, nTop, width() - 4, kScrollBarHeight);
    const QSignalBlocker blocker(m_pScrollBar);
    m_pScrollBar->setRange(0, nOverflow);
    m_pScrollBar->setPageStep(width());
    m_pScrollBar->setSingleStep(std::max(1, width() / 10));
    const int nShift = m_pLayout->m_nShift;
    m_pScrollBar->setValue(m_nForcedShift >= 0 ? m_nForcedShift : (nShift == 0 ? 0 : nShift + 3));
}

void CZelvixCtrl::resizeEvent(QResizeEvent*)
{
    SyncScrollBar();
}

void CZelvixCtrl::keyPressEvent(QKeyEvent* pEvent)
{
    const CZelvixCommandKey command = TranslateCommandKey(*pEvent);
    if (command.m_nCommand != EZelvixCommand::None && RunCommand(command))
    {
        short nKeyCode = command.m_nKeyCode;
        emit KeyDown(nKeyCode, GetShiftState(pEvent->modifiers()));
        pEvent->accept();
        return;
    }
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
        Apply(m_pSession->PressKey(key.m_nEditKey));
    short nKeyCode = key.m_nKeyCode;
    emit KeyDown(nKeyCode, GetShiftState(modifiers));
}

bool CZelvixCtrl::RunCommand(const CZelvixCommandKey& command)
{
    switch (command.m_nCommand)
    {
    case EZelvixCommand::Undo:
        Undo();
        return true;
    case EZelvixCommand::Redo:
        Redo();
        return true;
    case EZelvixCommand::Cut:
        Cut();
        return true;
    case EZelvixCommand::Copy:
        Copy();
        return true;
    case EZelvixCommand::Paste:
        Paste();
        return true;
    case EZelvixCommand::SelectAll:
        SelectAll();
        return true;
    case EZelvixCommand::Home:
        Apply(m_pSession->MoveCaret(ECaretMove::Home, command.m_bExtend));
        return true;
    case EZelvixCommand::End:
        Apply(m_pSession->MoveCaret(ECaretMove::End, command.m_bExtend));
        return true;
    case EZelvixCommand::SelectLeft:
        Apply(m_pSession->MoveCaret(ECaretMove::Left, true));
        return true;
    case EZelvixCommand::SelectRight:
        Apply(m_pSession->MoveCaret(ECaretMove::Right, true));
        return true;
    case EZelvixCommand::None:
        break;
    }
    return false;
}

void CZelvixCtrl::TypeCharacter(int nCode)
{
    Apply(m_pSession->TypeCharacter(nCode));
    short nKeyAscii = static_cast<short>(nCode);
    emit KeyPress(nKeyAscii);
}

// Whatever moved the caret ends a scroll chosen with the bar, so the caret is in view again.
void CZelvixCtrl::Apply(const CEditOutcome& outcome)
{
    if (!outcome.m_bInvalidate && !outcome.m_bEdited)
        return;
    m_nForcedShift = -1;
    if (outcome.m_bEdited)
        m_pSession->ClearNotice();
    SyncScrollBar();
    update();
    emit SelectionChanged();
    NotifyZelvixAccessible(*this, outcome.m_bEdited);
    if (outcome.m_bEdited)
        emit ShowMessage();
}

void CZelvixCtrl::mousePressEvent(QMouseEvent* pEvent)
{
    const QPoint pos = pEvent->position().toPoint();
    if (pEvent->button() == Qt::LeftButton)
    {
        const int nLength = static_cast<int>(m_pSession->Model().GetText().size());
        const bool bExtend = pEvent->modifiers().testFlag(Qt::ShiftModifier);
        Apply(m_pSession->PlaceCaret(HitTestCaret(*m_pLayout, pos.x(), pos.y(), nLength), bExtend));
        m_bSelecting = true;
    }
    pEvent->accept();
    emit MouseDown(ButtonCode(pEvent->button()), GetShiftState(pEvent->modifiers()), pos.x(),
                   pos.y());
}

// Dragging with the left button held selects from where it went down.
void CZelvixCtrl::mouseMoveEvent(QMouseEvent* pEvent)
{
    if (!m_bSelecting || !pEvent->buttons().testFlag(Qt::LeftButton))
    {
        m_bSelecting = false;
        return;
    }
    const QPoint pos = pEvent->position().toPoint();
    const int nLength = static_cast<int>(m_pSession->Model().GetText().size());
    const int nIndex = HitTestCaret(*m_pLayout, pos.x(), pos.y(), nLength);
    if (nIndex != GetCaret())
        Apply(m_pSession->PlaceCaret(nIndex, true));
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
    m_pSession->ClearNotice();
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
        GetCaretRect(*m_pLayout, m_pSession->Model().GetCaret(), m_pLayout->m_nTextHeight);
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
