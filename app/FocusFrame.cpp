// SPDX-License-Identifier: GPL-3.0-or-later
#include "FocusFrame.h"

#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QStyle>
#include <QStyleOptionGroupBox>

namespace
{
// The ring stands just outside the control, so it never covers the caret or the text.
constexpr int kRingWidth = 2;

// Where the group box draws its title, in its parent's coordinates.
QRect GroupTitleRect(const QGroupBox& box)
{
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.textAlignment = box.alignment();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    option.lineWidth = 1;
    const QRect label =
        box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
    return label.translated(box.pos());
}
} // namespace

CFocusFrame::CFocusFrame(QWidget& window) : QFrame(&window)
{
    setObjectName(QStringLiteral("focusFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setStyleSheet(QStringLiteral("#focusFrame { border: %1px solid palette(highlight); "
                                 "background: transparent; }")
                      .arg(kRingWidth));
    hide();
    connect(qApp, &QApplication::focusChanged, this, &CFocusFrame::OnFocusChanged);
}

void CFocusFrame::Watch(QWidget* pControl)
{
    m_Watched << pControl;
    pControl->installEventFilter(this);
}

void CFocusFrame::OnFocusChanged(QWidget*, QWidget* pNew)
{
    m_pTarget = m_Watched.contains(pNew) ? pNew : nullptr;
    FollowTarget();
}

bool CFocusFrame::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pWatched == m_pTarget &&
        (pEvent->type() == QEvent::Move || pEvent->type() == QEvent::Resize))
        FollowTarget();
    return QFrame::eventFilter(pWatched, pEvent);
}

void CFocusFrame::FollowTarget()
{
    if (!m_pTarget || !m_pTarget->isVisible())
    {
        hide();
        return;
    }
    const QRect ring =
        m_pTarget->geometry().adjusted(-kRingWidth, -kRingWidth, kRingWidth, kRingWidth);
    setGeometry(ring);
    // Where the ring would cross a group's title (the input's ring reaches the descenders of
    // "Equation or Expression") it leaves a gap, as the group's own frame does.
    QRegion shown(rect());
    for (const QGroupBox* pBox :
         parentWidget()->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly))
        shown -= GroupTitleRect(*pBox).translated(-ring.topLeft());
    if (shown == QRegion(rect()))
        clearMask();
    else
        setMask(shown);
    show();
    raise();
}
