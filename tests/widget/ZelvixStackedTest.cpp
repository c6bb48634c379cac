// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZelvixFixture.h"

#include <QAccessible>
#include <QImage>
#include <QScrollBar>

#include <algorithm>

namespace
{
bool IsInk(QRgb pixel)
{
    return qRed(pixel) == 0 && qGreen(pixel) == 0 && qBlue(pixel) == 0;
}

struct CInk
{
    int m_nLongestRun = 0; // the longest row of black pixels: a fraction bar
    int m_nLowestRow = -1;
    int m_nRightmost = -1;
};

// What the control shows in black (text, bars, brackets), its frame and background aside.
CInk FindInk(QWidget& widget)
{
    const QImage image = widget.grab().toImage();
    CInk ink;
    for (int y = 0; y < image.height(); ++y)
    {
        int nRun = 0;
        for (int x = 0; x < image.width(); ++x)
        {
            const bool bInk = IsInk(image.pixel(x, y));
            nRun = bInk ? nRun + 1 : 0;
            ink.m_nLongestRun = std::max(ink.m_nLongestRun, nRun);
            if (bInk)
            {
                ink.m_nLowestRow = y;
                ink.m_nRightmost = std::max(ink.m_nRightmost, x);
            }
        }
    }
    return ink;
}

class CStackedFixture : public CZelvixFixture
{
protected:
    // A result as the host shows it: read-only, stacked or not, as tall as it asks to be.
    void Show(const QString& strText, bool bStacked, int nWidth = 600)
    {
        m_pCtrl->SetReadOnly(true);
        m_pCtrl->SetStackedDivisions(bStacked);
        m_pCtrl->SetEquation(strText);
        m_pCtrl->resize(nWidth, m_pCtrl->sizeHint().height());
        m_Window.resize(nWidth + 20, m_pCtrl->height() + 70);
    }

    // What a control with nothing stacked asks for.
    static int PlainHeight()
    {
        CZelvixCtrl plain;
        return plain.sizeHint().height();
    }
};

// A fraction bar is at least this long; the small typed fractions of mixed numbers draw less.
constexpr int kBarLength = 14;

class ZelvixStackedTexts : public CStackedFixture, public testing::WithParamInterface<const char*>
{
};

TEST_P(ZelvixStackedTexts, AreDrawnStackedOnlyWithThePropertyOn)
{
    const QString strText = QString::fromLatin1(GetParam());
    Show(strText, false);
    const CInk plain = FindInk(*m_pCtrl);
    const int nPlainHeight = m_pCtrl->sizeHint().height();
    const QString strWords = m_pCtrl->GetEquationInWords();
    EXPECT_LT(plain.m_nLongestRun, kBarLength) << GetParam();

    Show(strText, true);
    const CInk stacked = FindInk(*m_pCtrl);
    EXPECT_GE(stacked.m_nLongestRun, kBarLength) << GetParam();
    EXPECT_GT(m_pCtrl->sizeHint().height(), nPlainHeight) << GetParam();
    // Stacking a division makes the line shorter; the words read aloud stay the same.
    EXPECT_LT(stacked.m_nRightmost, plain.m_nRightmost) << GetParam();
    EXPECT_EQ(m_pCtrl->GetEquationInWords(), strWords) << GetParam();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(m_pCtrl)->text(QAccessible::Value), strWords);
    EXPECT_LT(stacked.m_nLowestRow, m_pCtrl->height() - 2) << GetParam(); // inside the frame
}

INSTANTIATE_TEST_SUITE_P(Results, ZelvixStackedTexts,
                         testing::Values("(x^2!-1)/(x^2!+2x+1)", "1/x+1/y", "x^2!/(xy+1)",
                                         "(x+1)/(x+1)^3!", "3%1,2$x/(x+1)", "1-2/(x+1)"));

TEST_F(CStackedFixture, ANestedFractionIsTallerThanASimpleOne)
{
    Show(QStringLiteral("x/y"), true);
    const int nSimple = m_pCtrl->sizeHint().height();
    EXPECT_GT(nSimple, PlainHeight());
    Show(QStringLiteral("(1/x+1)/y"), true);
    EXPECT_GT(m_pCtrl->sizeHint().height(), nSimple);
    EXPECT_LT(FindInk(*m_pCtrl).m_nLowestRow, m_pCtrl->height() - 2);
    // A fraction in a power's base gets brackets as tall as it.
    Show(QStringLiteral("((1/x)/y)^2!"), true);
    EXPECT_GT(m_pCtrl->sizeHint().height(), nSimple);
}

TEST_F(CStackedFixture, AnEditableControlDrawsItsTextAsTyped)
{
    Show(QStringLiteral("x/y"), true);
    m_pCtrl->SetReadOnly(false);
    EXPECT_EQ(m_pCtrl->sizeHint().height(), PlainHeight());
    EXPECT_LT(FindInk(*m_pCtrl).m_nLongestRun, kBarLength);
}

TEST_F(CStackedFixture, AClickOnTheBottomPutsTheCaretThere)
{
    Show(QStringLiteral("x/y"), true);
    const CInk ink = FindInk(*m_pCtrl);
    QTest::mouseClick(m_pCtrl, Qt::LeftButton, Qt::NoModifier,
                      QPoint(ink.m_nRightmost + 2, ink.m_nLowestRow));
    EXPECT_EQ(m_pCtrl->GetCaret(), 3);
    QTest::mouseClick(m_pCtrl, Qt::LeftButton, Qt::NoModifier, QPoint(ink.m_nRightmost + 2, 4));
    EXPECT_EQ(m_pCtrl->GetCaret(), 1);
    RunKeys("{R}{R}{L}");
    EXPECT_EQ(m_pCtrl->GetCaret(), 2);
}

TEST_F(CStackedFixture, ALongStackedResultScrollsWithTheCaretAndTheBar)
{
    QString strLong = QStringLiteral("1/x");
    for (int i = 0; i < 30; ++i)
        strLong += QStringLiteral("+1/(x+%1)").arg(i);
    Show(strLong, true, 300);
    QScrollBar* pBar = m_pCtrl->GetScrollBar();
    ASSERT_TRUE(pBar->isVisible());
    EXPECT_GT(m_pCtrl->GetScrollShift(), 0);
    Focus();
    RunKeys("{H}");
    EXPECT_EQ(m_pCtrl->GetScrollShift(), 0);
    pBar->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_GT(m_pCtrl->GetScrollShift(), 0);
    m_pCtrl->clearFocus();
    pBar->hide();
    const int nLowest = FindInk(*m_pCtrl).m_nLowestRow;
    EXPECT_GT(pBar->geometry().top(), nLowest);
    EXPECT_LE(pBar->geometry().bottom(), m_pCtrl->height() - 2);
}

// The thin bar under a long result used to cover the feet of g, p, q and y: the control now
// asks for room for it below the text, and a host that gives that room sees both whole.
TEST_F(CStackedFixture, TheScrollBarHasItsOwnRoomBelowTheText)
{
    QString strLong;
    for (int i = 0; i < 40; ++i)
        strLong += QStringLiteral("+gpqy");
    m_pCtrl->SetReadOnly(true);
    m_pCtrl->SetEquation(QStringLiteral("y") + strLong);
    const int nWithoutBar = CZelvixCtrl().minimumSizeHint().height();
    ASSERT_GT(m_pCtrl->minimumSizeHint().height(), nWithoutBar);
    m_pCtrl->resize(300, m_pCtrl->minimumSizeHint().height());
    QScrollBar* pBar = m_pCtrl->GetScrollBar();
    ASSERT_TRUE(pBar->isVisible());
    const QRect bar = pBar->geometry();
    pBar->hide();
    EXPECT_GT(bar.top(), FindInk(*m_pCtrl).m_nLowestRow);
    EXPECT_LE(bar.bottom(), m_pCtrl->height() - 2);
}
} // namespace
