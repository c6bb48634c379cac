// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogUnits.h"
#include "WindowFixture.h"
#include "WindowLayout.h"

#include <QImage>
#include <QListWidget>
#include <QScrollBar>

namespace
{
class WindowGrowth : public WindowFixture
{
protected:
    // Resizes the shown window and waits for the window system to agree.
    void ResizeTo(const QSize& size)
    {
        m_pDlg->resize(size);
        ASSERT_TRUE(QTest::qWaitFor([&] { return m_pDlg->size() == size; }))
            << "window stays " << m_pDlg->width() << "x" << m_pDlg->height();
    }

    QRect Geometry(int nId) const { return Control<QWidget>(nId)->geometry(); }
};

TEST_F(WindowGrowth, EditorsWidenNarrativeGrowsAndButtonsKeepTheTopRight)
{
    m_pDlg->SetHistoryShown(false);
    ResizeTo(m_pDlg->minimumSize());
    const QRect input = Geometry(1000), simplify = Geometry(1009), close = Geometry(1);
    const QRect messages = Geometry(1004), narrative = Geometry(1010);

    ResizeTo(m_pDlg->minimumSize() + QSize(240, 180));
    for (int nId : {1000, 1002, 1003})
    {
        EXPECT_EQ(Geometry(nId).width(), input.width() + 240) << nId;
        EXPECT_EQ(Geometry(nId).height(), input.height()) << nId;
    }
    EXPECT_EQ(Geometry(1009), simplify.translated(240, 0));
    EXPECT_EQ(Geometry(1), close.translated(240, 0));
    EXPECT_EQ(Geometry(1004), messages.adjusted(0, 0, 240, 0));
    EXPECT_EQ(Geometry(1010), narrative.adjusted(0, 0, 240, 180));
    EXPECT_EQ(m_pDlg->width() - Geometry(1009).right(), m_pDlg->minimumWidth() - simplify.right());
}

TEST_F(WindowGrowth, TheWindowCannotShrinkBelowTheTemplate)
{
    m_pDlg->SetHistoryShown(false);
    const CDialogBaseUnits base = DialogBaseUnits(QFontMetrics(m_pDlg->font()));
    EXPECT_EQ(m_pDlg->minimumSize(), MapDialogRect({0, 0, 375, 340}, base).size());
    m_pDlg->resize(100, 100);
    EXPECT_EQ(m_pDlg->size(), m_pDlg->minimumSize());
}

// Hiding the history narrowed the window instead of giving the narrative the room.
TEST_F(WindowGrowth, TheHistoryStandsBesideTheNarrativeAndHidingItGivesTheNarrativeItsRoom)
{
    ASSERT_TRUE(m_pDlg->IsHistoryShown()) << "shown on a first run";
    const QSize withHistory = m_pDlg->size();
    const QRect narrative = Geometry(1010);
    auto* pList = Named<QListWidget>("listHistory");
    ASSERT_TRUE(pList->isVisible());
    EXPECT_GT(pList->x(), narrative.right());
    EXPECT_EQ(pList->y(), narrative.y());
    EXPECT_LT(pList->geometry().right(), m_pDlg->width());

    QWidget* pCheck = Named<QWidget>("checkHistory");
    // The box stands at the right end, next to the column it shows.
    QTest::mouseClick(pCheck, Qt::LeftButton, {},
                      QPoint(pCheck->width() - 8, pCheck->height() / 2));
    EXPECT_FALSE(m_pDlg->IsHistoryShown());
    EXPECT_FALSE(pList->isVisible());
    QTest::qWait(50);
    EXPECT_EQ(m_pDlg->size(), withHistory);
    EXPECT_EQ(Geometry(1010).height(), narrative.height());
    EXPECT_EQ(Geometry(1010).right(), Geometry(1004).right()) << "as wide as the messages";

    QTest::mouseClick(pCheck, Qt::LeftButton, {},
                      QPoint(pCheck->width() - 8, pCheck->height() / 2));
    EXPECT_EQ(m_pDlg->size(), withHistory);
    EXPECT_EQ(Geometry(1010), narrative) << "and gives it back";
}

// A stacked result asks for more height: its editor gets it, what lies below moves down, the
// buttons beside keep their places, and the window's smallest size grows to match.
TEST_F(WindowGrowth, AStackedResultGrowsItsEditorAndMovesWhatLiesBelow)
{
    m_pDlg->SetHistoryShown(false);
    ResizeTo(m_pDlg->minimumSize());
    const QRect result = Geometry(1002), further = Geometry(1003), input = Geometry(1000);
    const QRect messages = Geometry(1004), close = Geometry(1);
    const QSize smallest = m_pDlg->minimumSize();
    EXPECT_TRUE(Result()->IsStackedDivisions());
    EXPECT_TRUE(Further()->IsStackedDivisions());
    EXPECT_FALSE(Input()->IsStackedDivisions());

    Type(QStringLiteral("(x^2-1)/(x^2+2x+1)"));
    ClickSimplify();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Geometry(1002).height() > result.height(); }))
        << "the result editor stays " << Geometry(1002).height() << " high";
    const int nGrowth = Geometry(1002).height() - result.height();
    EXPECT_EQ(Geometry(1002).height(), Result()->minimumSizeHint().height());
    EXPECT_EQ(Geometry(1000), input);
    EXPECT_EQ(Geometry(1003).top(), further.top() + nGrowth);
    EXPECT_GE(Geometry(1004).top(), messages.top() + nGrowth);
    EXPECT_EQ(Geometry(1), close);
    EXPECT_GE(m_pDlg->minimumHeight(), smallest.height() + nGrowth);

    QTest::mouseClick(Button(1013), Qt::LeftButton); // Clear
    EXPECT_TRUE(QTest::qWaitFor([&] { return Geometry(1002) == result; }));
    EXPECT_EQ(m_pDlg->minimumSize(), smallest);
}

// The bar of a long result keeps below the feet of its letters.
TEST_F(WindowGrowth, ALongResultGetsRoomForItsScrollBar)
{
    Type(QStringLiteral("(x+y+1)^8"));
    ClickSimplify();
    QScrollBar* pBar = Result()->GetScrollBar();
    ASSERT_TRUE(QTest::qWaitFor([&] { return pBar->isVisible(); }));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return Result()->height() >= Result()->minimumSizeHint().height(); }))
        << "the result editor stays " << Result()->height() << " high";
    const QRect bar = pBar->geometry();
    EXPECT_LE(bar.bottom(), Result()->height() - 2);
    pBar->hide();
    const QImage image = Result()->grab().toImage();
    int nLowestInk = -1; // the text is drawn in pure black, the frame is not
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFFu) == 0)
                nLowestInk = y;
    EXPECT_GT(bar.top(), nLowestInk);
}

TEST_F(WindowGrowth, SizeAndHistoryChoiceAreRememberedBetweenRuns)
{
    m_pDlg->SetHistoryShown(false);
    const QSize size = m_pDlg->minimumSize() + QSize(123, 77);
    ResizeTo(size);
    QTest::mouseClick(Button(1), Qt::LeftButton);

    OpenWindow();
    EXPECT_FALSE(m_pDlg->IsHistoryShown());
    EXPECT_EQ(m_pDlg->size(), size);
}
} // namespace
