#include "DemoWindow.h"

#include "widget/Zelvix.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <ostream>

CDemoWindow::CDemoWindow(std::ostream& log, QWidget* pParent)
    : QWidget(pParent), m_Log(log), m_pControl(new CZelvixCtrl(this))
{
    setWindowTitle(QStringLiteral("Zelvix demo"));
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(new QLabel(
        QStringLiteral("Type an equation; right click to insert powers and fractions."), this));
    m_pControl->setMinimumSize(420, 40);
    pLayout->addWidget(m_pControl);
    auto* pAbout = new QPushButton(QStringLiteral("About..."), this);
    pLayout->addWidget(pAbout);
    connect(pAbout, &QPushButton::clicked, m_pControl, &CZelvixCtrl::AboutBox);
    ConnectEvents();
}

void CDemoWindow::ConnectEvents()
{
    connect(m_pControl, &CZelvixCtrl::ShowMessage, this,
            [this]
            {
                m_Log << "ShowMessage: Equation=\"" << m_pControl->GetEquation().toStdString()
                      << "\" IsEquationOK=" << m_pControl->IsEquationOK() << '\n';
                for (QString str = m_pControl->GetFirstError(); !str.isEmpty();
                     str = m_pControl->GetNextError())
                    m_Log << "  error: " << str.toStdString() << '\n';
                m_Log.flush();
            });
    connect(m_pControl, &CZelvixCtrl::ClearMessage, this,
            [this] { m_Log << "ClearMessage" << std::endl; });
    connect(m_pControl, &CZelvixCtrl::KeyDown, this,
            [this](short& nKeyCode, short nShift)
            { m_Log << "KeyDown: KeyCode=" << nKeyCode << " Shift=" << nShift << std::endl; });
    connect(m_pControl, &CZelvixCtrl::KeyPress, this,
            [this](short& nKeyAscii) { m_Log << "KeyPress: KeyAscii=" << nKeyAscii << std::endl; });
    connect(m_pControl, &CZelvixCtrl::MouseDown, this,
            [this](short nButton, short nShift, int x, int y)
            {
                m_Log << "MouseDown: Button=" << nButton << " Shift=" << nShift << " x=" << x
                      << " y=" << y << std::endl;
            });
}
