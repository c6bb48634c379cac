// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"

#include <QScrollBar>
#include <QTextBlock>

namespace
{
constexpr const char* kHint = "Right Click to insert powers and fractions";
// A narrative long enough to scroll, with steps nested three levels deep.
constexpr const char* kLongInput = "(x^2!-1)/(x^2!+2x+1)+(x^3!-1)/(x-1)";

using WindowMends = WindowFixture;

// Clicking Simplify took the focus (and with it the hint) away, so a refusal was a bare beep
// beside the steps of the earlier text.
TEST_F(WindowMends, ARefusalByMouseShowsTheReasonsAndEmptiesTheOutputs)
{
    Type(QStringLiteral("2x+3x"));
    ClickSimplify();
    ASSERT_EQ(Result()->GetEquation(), QStringLiteral("5x"));
    Input()->setFocus();
    Type(QStringLiteral("=)"));

    ClickSimplify();
    EXPECT_NE(QApplication::focusWidget(), Input());
    EXPECT_EQ(Messages()->toPlainText().toStdString(),
              std::string(kHint) + "\nMissing opening bracket");
    EXPECT_EQ(Result()->GetEquation(), QStringLiteral(" "));
    EXPECT_EQ(Further()->GetEquation(), QStringLiteral(" "));
    EXPECT_TRUE(Explanation()->toPlainText().isEmpty());
}

// A message event rewrote both panes, so the narrative lost its indents and jumped to the top.
TEST_F(WindowMends, MessageEventsLeaveTheNarrativesIndentsAndScrollPosition)
{
    m_pDlg->resize(m_pDlg->minimumSize());
    m_pDlg->SimplifyText(QString::fromLatin1(kLongInput));
    QScrollBar* pScroll = Explanation()->verticalScrollBar();
    ASSERT_GT(pScroll->maximum(), 0) << "the narrative should be long enough to scroll";
    pScroll->setValue(pScroll->maximum() / 2);
    const int nScrolled = pScroll->value();
    const QString strNarrative = Explanation()->toPlainText();

    Result()->setFocus(); // the input's ClearMessage
    Input()->setFocus();  // and its ShowMessage
    Type(QStringLiteral("+"));

    EXPECT_EQ(Messages()->toPlainText().toStdString(), kHint);
    EXPECT_EQ(pScroll->value(), nScrolled);
    EXPECT_EQ(Explanation()->toPlainText(), strNarrative);
    int nIndented = 0;
    for (QTextBlock block = Explanation()->document()->begin(); block.isValid();
         block = block.next())
    {
        EXPECT_FALSE(block.text().startsWith(QLatin1Char(' '))) << block.text().toStdString();
        nIndented += block.blockFormat().leftMargin() > 0 ? 1 : 0;
    }
    EXPECT_GT(nIndented, 0);
}

// The message pane did not wrap: the division-by-zero advice was cut off at "...and press".
TEST_F(WindowMends, TheMessagePaneWrapsLongMessages)
{
    m_pDlg->resize(m_pDlg->minimumSize());
    Type(QStringLiteral("x/0"));
    ClickSimplify();
    const QString strMessages = Messages()->toPlainText();
    ASSERT_TRUE(strMessages.contains(QStringLiteral("press Simplify again.")))
        << strMessages.toStdString();
    Messages()->document()->adjustSize();
    EXPECT_LE(Messages()->document()->idealWidth(), Messages()->viewport()->width());
}

// With --input the request ran before the window was active; the focus arriving afterwards
// replaced the engine's error with the hint.
TEST_F(WindowMends, AnEngineErrorOutlivesTheFocusUntilTheInputChanges)
{
    Button(1013)->setFocus();
    m_pDlg->SimplifyText(QStringLiteral("x/0"));
    Input()->setFocus();
    Result()->setFocus();
    Input()->setFocus();
    EXPECT_TRUE(Messages()->toPlainText().startsWith(
        QStringLiteral("Simplification stopped: Divide by zero")))
        << Messages()->toPlainText().toStdString();

    Type(QStringLiteral("+1"));
    EXPECT_EQ(Messages()->toPlainText().toStdString(), kHint);
}

TEST_F(WindowMends, AStartupErrorStaysUntilTheUserTypes)
{
    m_pDlg->ShowStartupError(QStringLiteral("The start-up text could not be read"));
    Result()->setFocus();
    Input()->setFocus();
    EXPECT_EQ(Messages()->toPlainText(), QStringLiteral("The start-up text could not be read"));
    Type(QStringLiteral("x"));
    EXPECT_EQ(Messages()->toPlainText().toStdString(), kHint);
}

// Escape closed the whole program from any control.
TEST_F(WindowMends, EscapeOutsideTheEditorDoesNothing)
{
    for (QWidget* pControl :
         {static_cast<QWidget*>(Button(1013)), static_cast<QWidget*>(Explanation()),
          static_cast<QWidget*>(Result())})
    {
        pControl->setFocus();
        QTest::keyClick(pControl, Qt::Key_Escape);
        EXPECT_TRUE(m_pDlg->isVisible()) << pControl->objectName().toStdString();
    }
    QTest::keyClick(m_pDlg.get(), Qt::Key_Escape);
    EXPECT_TRUE(m_pDlg->isVisible());
}

TEST_F(WindowMends, EscapeInTheEditorStillLeavesAPower)
{
    Type(QStringLiteral("x^2"));
    QTest::keyClick(Input(), Qt::Key_Escape);
    Type(QStringLiteral("+1"));
    EXPECT_EQ(Input()->GetEquation(), QStringLiteral("x^2!+1"));
    EXPECT_TRUE(m_pDlg->isVisible());
}

TEST_F(WindowMends, CloseAndTheCloseButtonEndTheWindow)
{
    QTest::mouseClick(Button(1), Qt::LeftButton);
    EXPECT_FALSE(m_pDlg->isVisible());
    EXPECT_EQ(m_pDlg->result(), QDialog::Accepted);

    OpenWindow();
    Button(1)->setFocus();
    QTest::keyClick(m_pDlg->windowHandle(), Qt::Key_L, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !m_pDlg->isVisible(); })); // buttons animate

    OpenWindow();
    EXPECT_TRUE(m_pDlg->close()); // what the title bar's button and Alt+F4 ask
    EXPECT_FALSE(m_pDlg->isVisible());
}

struct CEnterCase
{
    const char* m_szName;
    Qt::Key m_Key;
    Qt::KeyboardModifiers m_Modifiers;
    int m_nFocusId; // where the focus is when the key is pressed
};

void PrintTo(const CEnterCase& c, std::ostream* pOut)
{
    *pOut << c.m_szName;
}

class EnterInTheWindow : public WindowFixture, public ::testing::WithParamInterface<CEnterCase>
{
};

// A past fault: keypad Enter reached the editor instead of pressing Simplify.
TEST_P(EnterInTheWindow, PressesSimplify)
{
    Type(QStringLiteral("3x-x"));
    QWidget* pFocus = Control<QWidget>(GetParam().m_nFocusId);
    pFocus->setFocus();
    QTest::keyClick(pFocus, GetParam().m_Key, GetParam().m_Modifiers);
    EXPECT_EQ(Result()->GetEquation(), QStringLiteral("2x")) << GetParam().m_szName;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EnterInTheWindow,
    ::testing::Values(CEnterCase{"ReturnInInput", Qt::Key_Return, Qt::NoModifier, 1000},
                      CEnterCase{"KeypadEnterInInput", Qt::Key_Enter, Qt::KeypadModifier, 1000},
                      CEnterCase{"KeypadEnterInResult", Qt::Key_Enter, Qt::KeypadModifier, 1002},
                      CEnterCase{"KeypadEnterInNarrative", Qt::Key_Enter, Qt::KeypadModifier, 1010},
                      CEnterCase{"KeypadEnterInMessages", Qt::Key_Enter, Qt::KeypadModifier, 1004}),
    [](const auto& info) { return std::string(info.param.m_szName); });
} // namespace
