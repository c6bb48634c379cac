#include "FocusFrame.h"

#include <QApplication>
#include <QEvent>

namespace
{
// The ring stands just outside the control, so it never covers the caret or the text.
constexpr int kRingWidth = 2;
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
    setGeometry(m_pTarget->geometry().adjusted(-kRingWidth, -kRingWidth, kRingWidth, kRingWidth));
    show();
    raise();
}
