// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExportActions.h"
#include "FocusFrame.h"
#include "OutlinePane.h"
#include "WindowFixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QListWidget>

namespace
{
using KeyboardAccess = WindowFixture;

// Tab belongs to the editor (it leaves a power or fraction); Ctrl+Tab leaves the editor.
TEST_F(KeyboardAccess, CtrlTabMovesTheFocusOutOfAnEditorAndBack)
{
    Type(QStringLiteral("x^2"));
    QTest::keyClick(Input(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Input());
    EXPECT_EQ(Input()->GetEquation(), QStringLiteral("x^2!"));

    QTest::keyClick(Input(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), Result());
    QTest::keyClick(Result(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), Further());
    QTest::keyClick(Further(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), Result());
    QTest::keyClick(Result(), Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), Input());
}

struct CMnemonicCase
{
    const char* m_szName;
    Qt::Key m_Key;
    const char* m_szResult; // what the result editor shows after the key
    const char* m_szInput;  // and the input editor
};

void PrintTo(const CMnemonicCase& c, std::ostream* pOut)
{
    *pOut << "Alt+" << c.m_szName;
}

class Mnemonics : public WindowFixture, public ::testing::WithParamInterface<CMnemonicCase>
{
};

// Typed from inside the input editor, where Alt and a letter must not become text.
TEST_P(Mnemonics, PressTheirButtonFromTheEditor)
{
    Type(QStringLiteral("x+x"));
    QTest::keyClick(m_pDlg->windowHandle(), GetParam().m_Key, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Result()->GetEquation() == GetParam().m_szResult; }))
        << "result " << Result()->GetEquation().toStdString();
    EXPECT_EQ(Input()->GetEquation().toStdString(), GetParam().m_szInput);
}

INSTANTIATE_TEST_SUITE_P(Buttons, Mnemonics,
                         ::testing::Values(CMnemonicCase{"Simplify", Qt::Key_S, "2x", "x+x"},
                                           CMnemonicCase{"Clear", Qt::Key_C, " ", ""}),
                         [](const auto& info) { return std::string(info.param.m_szName); });

TEST_F(KeyboardAccess, AltHOpensTheHelp)
{
    QTest::keyClick(m_pDlg->windowHandle(), Qt::Key_H, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return m_pDlg->GetHelpViewer() != nullptr; }));
}

// Every control the user works with, in the order Tab reaches it.
QList<QWidget*> TabStops(QWidget& window)
{
    QList<QWidget*> stops;
    for (QWidget* pWidget = window.nextInFocusChain(); pWidget != &window;
         pWidget = pWidget->nextInFocusChain())
        if (pWidget->isVisible() && pWidget->isEnabled() && (pWidget->focusPolicy() & Qt::TabFocus))
            stops << pWidget;
    return stops;
}

TEST_F(KeyboardAccess, EveryControlIsReachedAndItsFocusShows)
{
    const QList<QWidget*> stops = TabStops(*m_pDlg);
    EXPECT_EQ(stops.size(), 12);
    auto* pFrame = m_pDlg->findChild<CFocusFrame*>(QStringLiteral("focusFrame"));
    ASSERT_NE(pFrame, nullptr);
    for (QWidget* pStop : stops)
    {
        pStop->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), pStop) << pStop->objectName().toStdString();
        if (qobject_cast<QAbstractButton*>(pStop) != nullptr)
            continue; // buttons draw their own focus
        EXPECT_TRUE(pFrame->isVisible()) << pStop->objectName().toStdString();
        EXPECT_TRUE(pFrame->geometry().contains(pStop->geometry()))
            << pStop->objectName().toStdString();
    }
    Button(1013)->setFocus();
    EXPECT_FALSE(pFrame->isVisible());
}

TEST_F(KeyboardAccess, EveryControlHasAnAccessibleNameAndDescription)
{
    for (QWidget* pStop : TabStops(*m_pDlg))
    {
        QAccessibleInterface* pAccessible = QAccessible::queryAccessibleInterface(pStop);
        ASSERT_NE(pAccessible, nullptr) << pStop->objectName().toStdString();
        EXPECT_FALSE(pAccessible->text(QAccessible::Name).isEmpty())
            << pStop->objectName().toStdString();
        EXPECT_FALSE(pAccessible->text(QAccessible::Description).isEmpty())
            << pStop->objectName().toStdString();
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Input())->text(QAccessible::Name),
              QStringLiteral("Equation or expression"));
}
// The outline takes the classic pane's place in the focus chain and is framed like it.
TEST_F(KeyboardAccess, TheOutlineIsReachedAndItsFocusShows)
{
    m_pDlg->GetExportActions().OutlineToggle().setChecked(true);
    QWidget& outline = m_pDlg->GetExportActions().Outline();
    ASSERT_TRUE(TabStops(*m_pDlg).contains(&outline));
    outline.setFocus(Qt::TabFocusReason);
    auto* pFrame = m_pDlg->findChild<CFocusFrame*>(QStringLiteral("focusFrame"));
    ASSERT_NE(pFrame, nullptr);
    EXPECT_TRUE(pFrame->isVisible());
    EXPECT_TRUE(pFrame->geometry().contains(outline.geometry()));
    m_pDlg->GetExportActions().OutlineToggle().setChecked(false);
}
} // namespace
