#pragma once

#include <QWidget>

#include <iosfwd>

class CZelvixCtrl;

// One editable equation editor whose events are written to a stream as they fire.
class CDemoWindow : public QWidget
{
    Q_OBJECT

public:
    explicit CDemoWindow(std::ostream& log, QWidget* pParent = nullptr);

    CZelvixCtrl* GetControl() const { return m_pControl; }

private:
    void ConnectEvents();

    std::ostream& m_Log;
    CZelvixCtrl* m_pControl; // owned by this window as its child
};
