// SPDX-License-Identifier: LGPL-3.0-or-later
#include "DemoWindow.h"

#include "widget/Zelvix.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <ostream>

CDemoWindow::CDemoWindow(std::ostream& log, QWidget* pParent)
    : QWidget(pParent), m_Log(log), m_pControl(new CZelvixCtrl(this)),
      m_pResult(new CZelvixCtrl(this)), m_pForms(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Zelvix demo"));
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(new QLabel(
        QStringLiteral(
            "Type an equation; right click to insert powers and fractions. Shift+arrows, "
            "Home, End and the mouse select; Ctrl+Z/Y undo and redo; Ctrl+X/C/V."),
        this));
    m_pControl->setMinimumSize(420, 40);
    m_pControl->setAccessibleName(QStringLiteral("Equation"));
    pLayout->addWidget(m_pControl);
    pLayout->addLayout(CreateCommandButtons());
    m_pForms->setTextInteractionFlags(Qt::TextSelectableByMouse);
    pLayout->addWidget(m_pForms);
    pLayout->addWidget(new QLabel(
        QStringLiteral(
            "Read only, wider than its box: Home, End, the arrows or the bar scroll it."),
        this));
    m_pResult->setMinimumSize(420, 40);
    m_pResult->SetReadOnly(true);
    m_pResult->setAccessibleName(QStringLiteral("Long result"));
    m_pResult->SetEquation(QStringLiteral(
        "x^10!+10x^9!y+45x^8!y^2!+120x^7!y^3!+210x^6!y^4!+252x^5!y^5!+210x^4!y^6!+120x^3!y^7!"));
    pLayout->addWidget(m_pResult);
    auto* pAbout = new QPushButton(QStringLiteral("About..."), this);
    pLayout->addWidget(pAbout);
    connect(pAbout, &QPushButton::clicked, m_pControl, &CZelvixCtrl::AboutBox);
    ConnectEvents();
}

// One button per command the control offers any host.
QHBoxLayout* CDemoWindow::CreateCommandButtons()
{
    auto* pButtons = new QHBoxLayout;
    const auto add = [this, pButtons](const QString& strText, void (CZelvixCtrl::*pSlot)())
    {
        auto* pButton = new QPushButton(strText, this);
        pButton->setFocusPolicy(Qt::NoFocus); // the editor keeps the keyboard and its selection
        connect(pButton, &QPushButton::clicked, m_pControl, pSlot);
        pButtons->addWidget(pButton);
    };
    add(QStringLiteral("Undo"), &CZelvixCtrl::Undo);
    add(QStringLiteral("Redo"), &CZelvixCtrl::Redo);
    add(QStringLiteral("Cut"), &CZelvixCtrl::Cut);
    add(QStringLiteral("Copy"), &CZelvixCtrl::Copy);
    add(QStringLiteral("Copy as LaTeX"), &CZelvixCtrl::CopyAsLatex);
    add(QStringLiteral("Paste"), &CZelvixCtrl::Paste);
    add(QStringLiteral("Select All"), &CZelvixCtrl::SelectAll);
    return pButtons;
}

// The text in the other forms the control gives: words, ordinary notation, LaTeX.
void CDemoWindow::ShowForms()
{
    m_pForms->setText(QStringLiteral("Words: %1\nPlain: %2\nLaTeX: %3\nSelected: %4")
                          .arg(m_pControl->GetEquationInWords(), m_pControl->GetPlainText(),
                               m_pControl->GetLatex(), m_pControl->GetSelectedEquation()));
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
    connect(m_pControl, &CZelvixCtrl::SelectionChanged, this, &CDemoWindow::ShowForms);
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
