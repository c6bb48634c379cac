// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A shown window holding one editor and a line edit to take the focus elsewhere; it counts
// beeps and records every event of the editor in firing order. Key scripts: plain characters
// are typed as they stand; {L} {R} {D} Left, Right, Delete; {B} Backspace; {T} Tab; {E} Enter;
// {X} Esc; {P} Ctrl+P; {F} Ctrl+F; {paint} repaints the editor. Selection and clipboard: {H}
// {N} Home, End; {SL} {SR} {SH} {SN} the same with Shift; {A} Ctrl+A; {Z} {Y} Ctrl+Z, Ctrl+Y;
// {SZ} Ctrl+Shift+Z; {C} {V} {CX} Ctrl+C, Ctrl+V, Ctrl+X; {SD} {SI} {CI} Shift+Delete,
// Shift+Insert, Ctrl+Insert.

#include "widget/Zelvix.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

class CZelvixFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        m_PreviousBeep = ZelvixSetBeepHandler([this] { ++m_nBeeps; });
        m_pCtrl = new CZelvixCtrl(&m_Window); // owned by the window
        m_pCtrl->setGeometry(10, 10, 300, 40);
        m_pOther = new QLineEdit(&m_Window); // owned by the window
        m_pOther->setGeometry(10, 60, 100, 20);
        m_Window.resize(320, 90);
        RecordEvents();
        m_Window.show();
        m_Window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_Window));
    }

    void TearDown() override { ZelvixSetBeepHandler(std::move(m_PreviousBeep)); }

    void RecordEvents()
    {
        CZelvixCtrl* p = m_pCtrl;
        QObject::connect(p, &CZelvixCtrl::ShowMessage, [this] { Log("ShowMessage"); });
        QObject::connect(p, &CZelvixCtrl::ClearMessage, [this] { Log("ClearMessage"); });
        QObject::connect(p, &CZelvixCtrl::KeyDown,
                         [this](short& nCode, short nShift) {
                             Log("KeyDown " + std::to_string(nCode) + " " + std::to_string(nShift));
                         });
        QObject::connect(p, &CZelvixCtrl::KeyPress,
                         [this](short& nAscii) { Log("KeyPress " + std::to_string(nAscii)); });
        QObject::connect(p, &CZelvixCtrl::MouseDown,
                         [this](short nButton, short nShift, int x, int y)
                         {
                             Log("MouseDown " + std::to_string(nButton) + " " +
                                 std::to_string(nShift) + " " + std::to_string(x) + "," +
                                 std::to_string(y) + " caret " +
                                 std::to_string(m_pCtrl->GetCaret()));
                         });
    }

    void Log(const std::string& str) { m_Events.push_back(str); }

    void Focus()
    {
        m_pCtrl->setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(m_pCtrl->hasFocus());
    }

    void PressNamedKey(const std::string& strName)
    {
        static const std::map<std::string, std::pair<Qt::Key, Qt::KeyboardModifiers>> keys = {
            {"L", {Qt::Key_Left, Qt::NoModifier}},
            {"R", {Qt::Key_Right, Qt::NoModifier}},
            {"D", {Qt::Key_Delete, Qt::NoModifier}},
            {"B", {Qt::Key_Backspace, Qt::NoModifier}},
            {"T", {Qt::Key_Tab, Qt::NoModifier}},
            {"E", {Qt::Key_Return, Qt::NoModifier}},
            {"X", {Qt::Key_Escape, Qt::NoModifier}},
            {"P", {Qt::Key_P, Qt::ControlModifier}},
            {"F", {Qt::Key_F, Qt::ControlModifier}},
            {"H", {Qt::Key_Home, Qt::NoModifier}},
            {"N", {Qt::Key_End, Qt::NoModifier}},
            {"SL", {Qt::Key_Left, Qt::ShiftModifier}},
            {"SR", {Qt::Key_Right, Qt::ShiftModifier}},
            {"SH", {Qt::Key_Home, Qt::ShiftModifier}},
            {"SN", {Qt::Key_End, Qt::ShiftModifier}},
            {"A", {Qt::Key_A, Qt::ControlModifier}},
            {"Z", {Qt::Key_Z, Qt::ControlModifier}},
            {"Y", {Qt::Key_Y, Qt::ControlModifier}},
            {"SZ", {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier}},
            {"C", {Qt::Key_C, Qt::ControlModifier}},
            {"V", {Qt::Key_V, Qt::ControlModifier}},
            {"CX", {Qt::Key_X, Qt::ControlModifier}},
            {"SD", {Qt::Key_Delete, Qt::ShiftModifier}},
            {"SI", {Qt::Key_Insert, Qt::ShiftModifier}},
            {"CI", {Qt::Key_Insert, Qt::ControlModifier}}};
        if (strName == "paint")
        {
            (void)m_pCtrl->grab();
            return;
        }
        const auto it = keys.find(strName);
        if (it == keys.end())
            throw std::invalid_argument("unknown key {" + strName + "}");
        QTest::keyClick(m_pCtrl, it->second.first, it->second.second);
    }

    void RunKeys(const std::string& strScript)
    {
        for (std::size_t i = 0; i < strScript.size(); ++i)
        {
            if (strScript[i] != '{')
            {
                QTest::keyClick(m_pCtrl, strScript[i]);
                continue;
            }
            const std::size_t nClose = strScript.find('}', i);
            PressNamedKey(strScript.substr(i + 1, nClose - i - 1));
            i = nClose;
        }
    }

    std::string Text() const { return m_pCtrl->GetEquation().toStdString(); }

    std::vector<std::string> m_Events;
    int m_nBeeps = 0;
    std::function<void()> m_PreviousBeep;
    CZelvixCtrl* m_pCtrl = nullptr;
    QLineEdit* m_pOther = nullptr;
    // Declared last so it goes first: closing it fires ClearMessage into m_Events.
    QWidget m_Window;
};
