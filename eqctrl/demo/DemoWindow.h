// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <QWidget>

#include <iosfwd>

class CZelvixCtrl;
class QHBoxLayout;
class QLabel;

// One editable equation editor whose events are written to a stream as they fire, with its
// editing commands on buttons and its text in words, ordinary notation and LaTeX; below it a
// read-only editor with a text too long for its box.
class CDemoWindow : public QWidget
{
    Q_OBJECT

public:
    explicit CDemoWindow(std::ostream& log, QWidget* pParent = nullptr);

    CZelvixCtrl* GetControl() const { return m_pControl; }

private:
    void ConnectEvents();
    QHBoxLayout* CreateCommandButtons();
    void ShowForms();

    std::ostream& m_Log;
    CZelvixCtrl* m_pControl; // owned by this window as its child, like the two below
    CZelvixCtrl* m_pResult;
    QLabel* m_pForms;
};
