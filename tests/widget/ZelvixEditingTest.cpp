// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZelvixFixture.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>

namespace
{
using Events = std::vector<std::string>;

QString MenuTexts(QMenu& menu)
{
    QString strItems;
    for (const QAction* pAction : menu.actions())
        if (!pAction->isSeparator())
            strItems += pAction->text().section(QLatin1Char('\t'), 0, 0) + QLatin1Char(';');
    return strItems;
}

void SetClipboard(const char* pFormat, const QByteArray& data)
{
    auto* pData = new QMimeData; // the clipboard takes it
    pData->setData(QString::fromLatin1(pFormat), data);
    QApplication::clipboard()->setMimeData(pData);
}

// Light blue over white: the selection's highlight.
bool HasHighlightPixel(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
        {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() > 225 && c.red() < 200 && c.red() > 120)
                return true;
        }
    return false;
}

TEST_F(CZelvixFixture, CtrlZUndoesAndCtrlYAndCtrlShiftZRedo)
{
    Focus();
    RunKeys("x+1{Z}");
    EXPECT_EQ(Text(), "x+");
    EXPECT_EQ(m_pCtrl->GetCaret(), 2);
    RunKeys("{SZ}");
    EXPECT_EQ(Text(), "x+1");
    m_Events.clear();
    RunKeys("{Z}{Y}");
    EXPECT_EQ(Text(), "x+1");
    EXPECT_EQ(m_Events, (Events{"ShowMessage", "KeyDown 90 2", "ShowMessage", "KeyDown 89 2"}));
}

TEST_F(CZelvixFixture, UndoBringsBackTextTheHostCleared)
{
    Focus();
    RunKeys("x=1");
    m_pCtrl->SetEquation(QString());
    RunKeys("{Z}");
    EXPECT_EQ(Text(), "x=1");
    EXPECT_EQ(m_nBeeps, 0);
}

TEST_F(CZelvixFixture, HomeAndEndGoToTheEndsOfTheLine)
{
    m_pCtrl->SetEquation(QStringLiteral("x^2!+1"));
    Focus();
    RunKeys("{H}");
    EXPECT_EQ(m_pCtrl->GetCaret(), 0);
    RunKeys("{N}");
    EXPECT_EQ(m_pCtrl->GetCaret(), 6);
}

TEST_F(CZelvixFixture, ShiftLeftSelectsAWholePowerAndTypingReplacesIt)
{
    m_pCtrl->SetEquation(QStringLiteral("y+x^23!"));
    Focus();
    RunKeys("{SL}");
    EXPECT_EQ(m_pCtrl->GetSelectedEquation(), QStringLiteral("^23!"));
    RunKeys("{SL}{SL}3");
    EXPECT_EQ(Text(), "y3");
}

TEST_F(CZelvixFixture, ShiftHomeAndDeleteRemoveTheSelection)
{
    m_pCtrl->SetEquation(QStringLiteral("a+%1,2$"));
    Focus();
    RunKeys("{L}{L}{SH}"); // from inside the fraction: the selection takes it whole
    EXPECT_EQ(m_pCtrl->GetSelectedEquation(), QStringLiteral("a+%1,2$"));
    RunKeys("{D}");
    EXPECT_EQ(Text(), "");
}

TEST_F(CZelvixFixture, TheSelectionIsDrawnHighlighted)
{
    m_pCtrl->SetEquation(QStringLiteral("x+1"));
    Focus();
    EXPECT_FALSE(HasHighlightPixel(m_pCtrl->grab().toImage()));
    RunKeys("{A}");
    EXPECT_EQ(m_pCtrl->GetSelectedEquation(), QStringLiteral("x+1"));
    EXPECT_TRUE(HasHighlightPixel(m_pCtrl->grab().toImage()));
}

TEST_F(CZelvixFixture, DraggingTheMouseSelects)
{
    m_pCtrl->SetEquation(QStringLiteral("ab+cd"));
    Focus();
    (void)m_pCtrl->grab(); // lay the text out
    QTest::mousePress(m_pCtrl, Qt::LeftButton, Qt::NoModifier, QPoint(1, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(290, 10), m_pCtrl->mapToGlobal(QPointF(290, 10)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_pCtrl, &move);
    QTest::mouseRelease(m_pCtrl, Qt::LeftButton, Qt::NoModifier, QPoint(290, 10));
    EXPECT_EQ(m_pCtrl->GetSelectedEquation(), QStringLiteral("ab+cd"));
}

// Reading the text gave U+FFFD for a byte above 127 written through the property.
TEST_F(CZelvixFixture, TheEquationReadsBackEveryByteItWasGiven)
{
    const QString strText = QStringLiteral("x+\u00e9");
    m_pCtrl->SetEquation(strText);
    EXPECT_EQ(m_pCtrl->GetEquation(), strText);
}

TEST_F(CZelvixFixture, ShiftClickExtendsTheSelectionToTheClick)
{
    m_pCtrl->SetEquation(QStringLiteral("ab+%1,2$"));
    Focus();
    RunKeys("{H}");
    (void)m_pCtrl->grab(); // lay the text out
    int nSelectionChanges = 0;
    QObject::connect(m_pCtrl, &CZelvixCtrl::SelectionChanged, [&] { ++nSelectionChanges; });
    QTest::mouseClick(m_pCtrl, Qt::LeftButton, Qt::ShiftModifier, QPoint(290, 10));
    EXPECT_EQ(m_pCtrl->GetSelectedEquation(), QStringLiteral("ab+%1,2$"));
    EXPECT_EQ(nSelectionChanges, 1);
}

TEST_F(CZelvixFixture, CopyGivesEquationTextOrdinaryNotationAndLatex)
{
    m_pCtrl->SetEquation(QStringLiteral("x^2!+3%1,2$x"));
    Focus();
    RunKeys("{C}");
    const QMimeData* pData = QApplication::clipboard()->mimeData();
    ASSERT_NE(pData, nullptr);
    EXPECT_EQ(pData->data(QString::fromLatin1(kZelvixEquationMimeType)), "x^2!+3%1,2$x");
    EXPECT_EQ(pData->text(), QStringLiteral("x^2+3 1/2x"));
    EXPECT_EQ(pData->data(QString::fromLatin1(kZelvixLatexMimeType)), "x^{2}+3\\frac{1}{2}x");
}

TEST_F(CZelvixFixture, CtrlInsertCopiesTheSelectionOnly)
{
    m_pCtrl->SetEquation(QStringLiteral("y+x^2!"));
    Focus();
    RunKeys("{SL}{CI}");
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("^2"));
}

TEST_F(CZelvixFixture, CutRemovesTheSelectionOntoTheClipboard)
{
    m_pCtrl->SetEquation(QStringLiteral("x+y"));
    Focus();
    RunKeys("{SL}{SL}{CX}");
    EXPECT_EQ(Text(), "x");
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("+y"));
    RunKeys("{SL}{SD}");
    EXPECT_EQ(Text(), "");
    RunKeys("{Z}{Z}");
    EXPECT_EQ(Text(), "x+y");
}

TEST_F(CZelvixFixture, ARefusedCutLeavesTheClipboardAsItWas)
{
    QApplication::clipboard()->setText(QStringLiteral("kept"));
    m_pCtrl->SetEquation(QStringLiteral("1.5x.5"));
    Focus();
    RunKeys("{L}{L}{SL}{CX}");
    EXPECT_EQ(Text(), "1.5x.5");
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("kept"));
}

struct SClipboardPaste
{
    QString strClipboard;
    std::string strText;
    QString strMessage; // the first message after the paste; "" when taken
};

class ZelvixPasteTest : public CZelvixFixture, public testing::WithParamInterface<SClipboardPaste>
{
};

// What the command line reads pastes into an empty box; what it cannot, or a second line,
// is refused with a message in the user's own terms.
TEST_P(ZelvixPasteTest, PastesWhatTheConverterReadsOrSaysWhy)
{
    QApplication::clipboard()->setText(GetParam().strClipboard);
    Focus();
    RunKeys("{V}");
    EXPECT_EQ(Text(), GetParam().strText);
    EXPECT_EQ(m_pCtrl->GetFirstError(), GetParam().strMessage);
    EXPECT_EQ(m_nBeeps, GetParam().strMessage.isEmpty() ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Clipboard, ZelvixPasteTest,
    testing::Values(
        SClipboardPaste{QStringLiteral("x^-1"), "x^-1!", QString()},
        SClipboardPaste{QStringLiteral("x+1\ny+2"), "",
                        QStringLiteral("Cannot paste: the text has a line break at character 4; "
                                       "an equation is one line, so copy one equation at a time")},
        SClipboardPaste{QStringLiteral("$"), "",
                        QStringLiteral("Cannot paste: \"$\" at character 1 cannot be read here: "
                                       "write a fraction with \"/\", as 1/2")}));

TEST_F(CZelvixFixture, PasteReadsOrdinaryNotation)
{
    QApplication::clipboard()->setText(QStringLiteral("x^2-1"));
    Focus();
    RunKeys("{V}");
    EXPECT_EQ(Text(), "x^2!-1"); // x squared minus one
    EXPECT_EQ(m_pCtrl->GetCaret(), 6);
}

TEST_F(CZelvixFixture, ShiftInsertPastesEquationTextAsItIs)
{
    SetClipboard(kZelvixEquationMimeType, "%1,2$");
    m_pCtrl->SetEquation(QStringLiteral("3"));
    Focus();
    RunKeys("{SI}");
    EXPECT_EQ(Text(), "3%1,2$");
}

TEST_F(CZelvixFixture, PasteThatWouldBreakAStructureIsRefusedWithAMessage)
{
    QApplication::clipboard()->setText(QStringLiteral("2+y"));
    m_pCtrl->SetEquation(QStringLiteral("x^1!"));
    Focus();
    RunKeys("{L}");
    m_Events.clear();
    RunKeys("{V}");
    EXPECT_EQ(Text(), "x^1!");
    EXPECT_EQ(m_nBeeps, 1);
    ASSERT_FALSE(m_Events.empty());
    EXPECT_EQ(m_Events.front(), "ShowMessage");
    EXPECT_TRUE(m_pCtrl->GetFirstError().startsWith(QStringLiteral("Cannot paste")));
    EXPECT_EQ(m_pCtrl->GetNextError(), QString()); // the text itself has no errors
    EXPECT_EQ(m_pCtrl->IsEquationOK(), 0);
    RunKeys("{R}+");
    EXPECT_EQ(m_pCtrl->GetFirstError(), QString()); // the next edit clears the message
}

// A huge clipboard is refused by its size before it is read (it was converted in full first).
TEST_F(CZelvixFixture, HugePasteIsRefusedBeforeItIsRead)
{
    QApplication::clipboard()->setText(QString(2000000, QLatin1Char('x')));
    m_pCtrl->SetEquation(QStringLiteral("y"));
    Focus();
    RunKeys("{V}");
    EXPECT_EQ(Text(), "y");
    EXPECT_EQ(m_nBeeps, 1);
    EXPECT_EQ(m_pCtrl->GetFirstError(), QStringLiteral("Cannot paste: Expression too large"));
}

TEST_F(CZelvixFixture, ReadOnlyOffersCopyCopyAsLatexAndSelectAll)
{
    m_pCtrl->SetEquation(QStringLiteral("x"));
    m_pCtrl->SetReadOnly(true);
    std::unique_ptr<QMenu> pMenu = m_pCtrl->CreateContextMenu();
    EXPECT_EQ(MenuTexts(*pMenu), QStringLiteral("Copy;Copy as LaTeX;Select All;"));
}

TEST_F(CZelvixFixture, ReadOnlyCopiesButRefusesPasteCutAndUndo)
{
    QApplication::clipboard()->setText(QStringLiteral("7"));
    m_pCtrl->SetEquation(QStringLiteral("x^2!"));
    m_pCtrl->SetReadOnly(true);
    Focus();
    RunKeys("{V}{A}{CX}{Z}");
    EXPECT_EQ(Text(), "x^2!");
    EXPECT_EQ(m_nBeeps, 3);
    RunKeys("{C}");
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("x^2"));
}

TEST_F(CZelvixFixture, CopyAsLatexFromTheMenu)
{
    m_pCtrl->SetEquation(QStringLiteral("%3,4$"));
    std::unique_ptr<QMenu> pMenu = m_pCtrl->CreateContextMenu();
    for (QAction* pAction : pMenu->actions())
        if (pAction->data().toInt() == kCommandCopyAsLatex)
            pAction->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("\\frac{3}{4}"));
}

class CLongResultTest : public CZelvixFixture
{
protected:
    void ShowLongResult()
    {
        QString strLong;
        for (int i = 0; i < 40; ++i)
            strLong += QStringLiteral("+x^2!");
        m_pCtrl->SetReadOnly(true);
        m_pCtrl->SetEquation(QStringLiteral("y") + strLong);
        Focus();
        (void)m_pCtrl->grab();
    }
};

TEST_F(CLongResultTest, HomeShowsTheStartOfALongReadOnlyText)
{
    ShowLongResult();
    EXPECT_GT(m_pCtrl->GetScrollShift(), 0);
    RunKeys("{H}");
    EXPECT_EQ(m_pCtrl->GetScrollShift(), 0);
    RunKeys("{N}");
    EXPECT_GT(m_pCtrl->GetScrollShift(), 0);
}

TEST_F(CLongResultTest, TheScrollBarScrollsALongReadOnlyText)
{
    ShowLongResult();
    QScrollBar* pBar = m_pCtrl->GetScrollBar();
    ASSERT_TRUE(pBar->isVisible());
    EXPECT_EQ(pBar->value(), pBar->maximum());
    pBar->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(m_pCtrl->GetScrollShift(), 0);
    EXPECT_EQ(pBar->value(), 0);
    m_pCtrl->SetReadOnly(false);
    EXPECT_FALSE(pBar->isVisible());
}

QAccessibleInterface* AccessibleOf(QWidget* pWidget)
{
    return QAccessible::queryAccessibleInterface(pWidget);
}

TEST_F(CZelvixFixture, AccessibleValueReadsTheEquationInWords)
{
    m_pCtrl->SetEquation(QStringLiteral("x^2!+3%1,2$x=1"));
    QAccessibleInterface* pAccessible = AccessibleOf(m_pCtrl);
    ASSERT_NE(pAccessible, nullptr);
    EXPECT_EQ(pAccessible->role(), QAccessible::EditableText);
    EXPECT_EQ(pAccessible->text(QAccessible::Value),
              QStringLiteral("x squared plus three and a half x equals one"));
    m_pCtrl->setAccessibleName(QStringLiteral("Input"));
    EXPECT_EQ(pAccessible->text(QAccessible::Name), QStringLiteral("Input"));
}

TEST_F(CZelvixFixture, AccessibleTextFollowsTheCaretInOrdinaryNotation)
{
    m_pCtrl->SetEquation(QStringLiteral("3%1,2$x"));
    QAccessibleTextInterface* pText = AccessibleOf(m_pCtrl)->textInterface();
    ASSERT_NE(pText, nullptr);
    EXPECT_EQ(pText->text(0, pText->characterCount()), QStringLiteral("3 1/2x"));
    EXPECT_EQ(pText->cursorPosition(), 6);
    Focus();
    RunKeys("{L}");
    EXPECT_EQ(pText->cursorPosition(), 5);
    pText->setCursorPosition(0);
    EXPECT_EQ(m_pCtrl->GetCaret(), 0);
}

TEST_F(CZelvixFixture, AccessibleDescriptionGivesTheFirstError)
{
    m_pCtrl->SetEquation(QStringLiteral("(x"));
    m_pCtrl->setAccessibleDescription(QStringLiteral("The equation to simplify"));
    QAccessibleInterface* pAccessible = AccessibleOf(m_pCtrl);
    EXPECT_EQ(pAccessible->text(QAccessible::Description),
              QStringLiteral("The equation to simplify. First error: Missing closing bracket"));
    m_pCtrl->SetReadOnly(true);
    EXPECT_TRUE(pAccessible->state().readOnly);
}
} // namespace
