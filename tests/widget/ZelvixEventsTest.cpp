// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZelvixFixture.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QShortcut>
#include <QTimer>

namespace
{
using Events = std::vector<std::string>;

TEST_F(CZelvixFixture, WritingEquationFiresNothingAndTheNextEditDoes)
{
    Focus();
    m_Events.clear();
    m_pCtrl->SetEquation(QStringLiteral("x+1"));
    EXPECT_EQ(m_Events, Events{});
    RunKeys("2");
    EXPECT_EQ(m_Events, (Events{"ShowMessage", "KeyPress 50"}));
    EXPECT_EQ(Text(), "x+12");
}

TEST_F(CZelvixFixture, RefusedAndMovingCharactersFireKeyPressOnly)
{
    Focus();
    m_Events.clear();
    RunKeys(":{T}");
    EXPECT_EQ(m_Events, (Events{"KeyPress 58", "KeyPress 9"}));
    EXPECT_EQ(m_nBeeps, 1);
}

TEST_F(CZelvixFixture, CursorKeysFireKeyDownWithTheShiftState)
{
    m_pCtrl->SetEquation(QStringLiteral("x+1"));
    Focus();
    m_Events.clear();
    QTest::keyClick(m_pCtrl, Qt::Key_Left);
    QTest::keyClick(m_pCtrl, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(m_pCtrl, Qt::Key_Left);
    QTest::keyClick(m_pCtrl, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(m_Events, (Events{"KeyDown 37 0", "KeyDown 39 1", "KeyDown 37 0", "ShowMessage",
                                "KeyDown 46 2"}));
    EXPECT_EQ(Text(), "x+");
}

TEST_F(CZelvixFixture, KeypadAndAltCursorKeysDoNotEditButFireKeyDown)
{
    m_pCtrl->SetEquation(QStringLiteral("x+1"));
    Focus();
    m_Events.clear();
    QTest::keyClick(m_pCtrl, Qt::Key_Left, Qt::KeypadModifier);
    QTest::keyClick(m_pCtrl, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(m_pCtrl->GetCaret(), 3);
    RunKeys("{L}");
    QTest::keyClick(m_pCtrl, Qt::Key_Delete, Qt::KeypadModifier);
    EXPECT_EQ(Text(), "x+1");
    EXPECT_EQ(m_Events, (Events{"KeyDown 37 0", "KeyDown 37 4", "KeyDown 37 0", "KeyDown 46 0"}));
}

TEST_F(CZelvixFixture, EditorKeepsCtrlPFromTheHostsShortcutsButNotCtrlQ)
{
    int nPower = 0;
    int nQuit = 0;
    QShortcut power(QKeySequence(QStringLiteral("Ctrl+P")), &m_Window);
    QShortcut quit(QKeySequence(QStringLiteral("Ctrl+Q")), &m_Window);
    QObject::connect(&power, &QShortcut::activated, [&nPower] { ++nPower; });
    QObject::connect(&quit, &QShortcut::activated, [&nQuit] { ++nQuit; });
    Focus();
    RunKeys("x{P}");
    QTest::keyClick(m_pCtrl, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(Text(), "x^!");
    EXPECT_EQ(nPower, 0);
    EXPECT_EQ(nQuit, 1);
}

TEST_F(CZelvixFixture, FocusShowsAndClearsTheMessageAndTheCaret)
{
    m_pOther->setFocus();
    m_Events.clear();
    Focus();
    EXPECT_TRUE(m_pCtrl->IsCaretVisible());
    m_pOther->setFocus();
    EXPECT_FALSE(m_pCtrl->IsCaretVisible());
    EXPECT_EQ(m_Events, (Events{"ShowMessage", "ClearMessage"}));
}

TEST_F(CZelvixFixture, CaretBlinksWhileFocused)
{
    Focus();
    ASSERT_TRUE(m_pCtrl->IsCaretVisible());
    EXPECT_TRUE(QTest::qWaitFor([this] { return !m_pCtrl->IsCaretVisible(); }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([this] { return m_pCtrl->IsCaretVisible(); }, 2000));
}

TEST_F(CZelvixFixture, MouseDownFiresAfterTheCaretIsPlaced)
{
    m_pCtrl->SetEquation(QStringLiteral("x+1"));
    Focus();
    (void)m_pCtrl->grab();
    m_Events.clear();
    QTest::mouseClick(m_pCtrl, Qt::LeftButton, Qt::NoModifier, QPoint(1, 10));
    QTest::mouseClick(m_pCtrl, Qt::MiddleButton, Qt::ControlModifier, QPoint(250, 12));
    QTest::mouseClick(m_pCtrl, Qt::LeftButton, Qt::ShiftModifier, QPoint(250, 12));
    QTest::mouseClick(m_pCtrl, Qt::RightButton, Qt::NoModifier, QPoint(1, 12));
    EXPECT_EQ(m_Events, (Events{"MouseDown 1 0 1,10 caret 0", "MouseDown 4 2 250,12 caret 0",
                                "MouseDown 1 1 250,12 caret 3", "MouseDown 2 0 1,12 caret 3"}));
}

TEST_F(CZelvixFixture, TemplateLeftByAClickGoesAtTheNextPaint)
{
    Focus();
    RunKeys("x{F}{paint}");
    ASSERT_EQ(Text(), "x%,$");
    QTest::mouseClick(m_pCtrl, Qt::LeftButton, Qt::NoModifier, QPoint(1, 10));
    EXPECT_EQ(m_pCtrl->GetCaret(), 0);
    RunKeys("{paint}");
    EXPECT_EQ(Text(), "x");
}

TEST_F(CZelvixFixture, ContextMenuItemsFollowTheCaret)
{
    m_pCtrl->SetEquation(QStringLiteral("2"));
    std::unique_ptr<QMenu> pMenu = m_pCtrl->CreateContextMenu();
    const QList<QAction*> actions = pMenu->actions();
    ASSERT_GE(actions.size(), 2);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("Insert Power\tCtrl+P"));
    EXPECT_EQ(actions[1]->text(), QStringLiteral("Insert Fraction\tCtrl+F"));
    EXPECT_EQ(actions[0]->data().toInt(), kCommandInsertPower);
    EXPECT_FALSE(actions[0]->isEnabled()); // not after a digit
    EXPECT_TRUE(actions[1]->isEnabled());

    m_Events.clear();
    actions[1]->trigger();
    EXPECT_EQ(Text(), "2%,$");
    EXPECT_EQ(m_pCtrl->GetCaret(), 2);
    EXPECT_EQ(m_Events, Events{"ShowMessage"});
    EXPECT_FALSE(m_pCtrl->CreateContextMenu()->actions()[1]->isEnabled()); // inside a fraction

    m_pCtrl->SetEquation(QStringLiteral("x"));
    EXPECT_TRUE(m_pCtrl->CreateContextMenu()->actions()[0]->isEnabled());
}

TEST_F(CZelvixFixture, ContextMenuRequestOpensTheMenuWithoutClearingTheMessage)
{
    m_pCtrl->SetEquation(QStringLiteral("x"));
    Focus();
    m_Events.clear();
    QString strItems;
    Events eventsWhileOpen = {"menu never opened"};
    QTimer::singleShot(0,
                       [&]
                       {
                           if (auto* pMenu =
                                   qobject_cast<QMenu*>(QApplication::activePopupWidget()))
                           {
                               for (QAction* pAction : pMenu->actions())
                                   strItems += pAction->text() + QLatin1Char(';');
                               eventsWhileOpen = m_Events;
                               pMenu->close();
                           }
                       });
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(20, 10),
                              m_pCtrl->mapToGlobal(QPoint(20, 10)));
    QApplication::sendEvent(m_pCtrl, &request);
    EXPECT_EQ(strItems, QStringLiteral("Insert Power\tCtrl+P;Insert Fraction\tCtrl+F;;Undo\tCtrl+Z;"
                                       "Redo\tCtrl+Y;;Cut\tCtrl+X;Copy\tCtrl+C;Copy as LaTeX;"
                                       "Paste\tCtrl+V;;Select All\tCtrl+A;"));
    EXPECT_EQ(eventsWhileOpen, Events{});
}

bool HasRedPixel(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
        {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 60 && c.blue() < 60)
                return true;
        }
    return false;
}

TEST_F(CZelvixFixture, PaintsMarkedCharactersRedAndReadOnlyGrey)
{
    m_pCtrl->SetEquation(QStringLiteral("x=1"));
    const QImage valid = m_pCtrl->grab().toImage();
    EXPECT_FALSE(HasRedPixel(valid));
    EXPECT_EQ(valid.pixelColor(280, 30), QColor(255, 255, 255));

    m_pCtrl->SetEquation(QStringLiteral("x="));
    EXPECT_TRUE(HasRedPixel(m_pCtrl->grab().toImage()));

    m_pCtrl->SetReadOnly(true);
    EXPECT_EQ(m_pCtrl->grab().toImage().pixelColor(280, 30), QColor(192, 192, 192));
}
} // namespace
