// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QList>
#include <QPointer>

// A ring drawn around whichever of the watched controls has the keyboard focus, for the
// controls whose own drawing does not show it (the equation editors and the text panes).
class CFocusFrame : public QFrame
{
    Q_OBJECT

public:
    explicit CFocusFrame(QWidget& window);

    void Watch(QWidget* pControl);
    // The control the ring now surrounds, or none.
    QWidget* GetTarget() const { return m_pTarget; }

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void OnFocusChanged(QWidget* pOld, QWidget* pNew);
    void FollowTarget();

    QList<QPointer<QWidget>> m_Watched;
    QPointer<QWidget> m_pTarget;
};
