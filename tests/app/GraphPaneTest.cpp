// SPDX-License-Identifier: GPL-3.0-or-later
#include "GraphPane.h"
#include "ExportActions.h"
#include "WindowFixture.h"

#include <QAction>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWheelEvent>

#include <random>

namespace
{
constexpr const char* kHoleProblem = "(x^2!-1)/(x+1)";

class GraphPaneWindow : public WindowFixture
{
protected:
    CGraphPane& Pane() const { return m_pDlg->GetGraphPane(); }
    QAction& Toggle() const { return *Named<QAction>("actionGraph"); }
    void ShowGraph() const
    {
        Toggle().setChecked(true);
        ASSERT_TRUE(Pane().isVisible());
    }
    void Wheel(const QPointF& at, int nDelta) const
    {
        QWheelEvent event(at, Pane().mapToGlobal(at), {}, {0, nDelta}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&Pane(), &event);
    }
};

TEST_F(GraphPaneWindow, HiddenByDefaultAndDoesNoWorkWhileHidden)
{
    EXPECT_FALSE(Pane().isVisible());
    m_pDlg->SimplifyText(QString::fromLatin1(kHoleProblem));
    EXPECT_EQ(Pane().GetWorkCount(), 0);
    ShowGraph(); // the problem simplified while hidden is read on showing
    EXPECT_GT(Pane().GetWorkCount(), 0);
    EXPECT_TRUE(Pane().GetGeometry().m_strMessage.empty());
    EXPECT_FALSE(Pane().GetGeometry().m_Curves.empty());
}

TEST_F(GraphPaneWindow, ShownUnderTheNarrativeAndRememberedBetweenRuns)
{
    ShowGraph();
    EXPECT_FALSE(Pane().geometry().intersects(Explanation()->geometry()));
    EXPECT_GT(Pane().height(), 60);
    m_pDlg = std::make_unique<CFennoryDlg>();
    m_pDlg->show();
    EXPECT_TRUE(Toggle().isChecked());
    EXPECT_TRUE(Pane().isVisible());
    Toggle().setChecked(false);
    m_pDlg = std::make_unique<CFennoryDlg>();
    m_pDlg->show();
    EXPECT_FALSE(Pane().isVisible());
}

TEST_F(GraphPaneWindow, SaysWhyThereIsNoGraph)
{
    ShowGraph();
    struct
    {
        const char* m_szProblem;
        const char* m_szMessage;
    } const cases[] = {
        {"x+y", kGraphNeedsOneLetter},
        {"3+4", kGraphNeedsOneLetter},
    };
    for (const auto& c : cases)
    {
        m_pDlg->SimplifyText(QString::fromLatin1(c.m_szProblem));
        EXPECT_EQ(Pane().GetGeometry().m_strMessage, c.m_szMessage) << c.m_szProblem;
    }
}

// Each new view is sampled again; the point under the pointer stays there while zooming, a
// drag moves the plane with the pointer, and Home or a double click go back.
TEST_F(GraphPaneWindow, WheelZoomsAboutThePointerDragPansHomeResets)
{
    ShowGraph();
    m_pDlg->SimplifyText(QString::fromLatin1(kHoleProblem));
    const CPlotRange automatic = Pane().GetView();
    std::mt19937 random(18);
    std::uniform_real_distribution<double> share(0.1, 0.9);
    for (int i = 0; i < 20; ++i)
    {
        const QPointF at(Pane().width() * share(random), Pane().height() * share(random));
        const QPointF before = Pane().ToPlane(at);
        const int nWork = Pane().GetWorkCount();
        const double dSpan = Pane().GetView().m_dXMax - Pane().GetView().m_dXMin;
        const int nDelta = i % 3 == 2 ? -120 : 120;
        Wheel(at, nDelta);
        EXPECT_EQ(Pane().GetWorkCount(), nWork + 1);
        const double dNewSpan = Pane().GetView().m_dXMax - Pane().GetView().m_dXMin;
        EXPECT_TRUE(nDelta > 0 ? dNewSpan < dSpan : dNewSpan > dSpan);
        const QPointF after = Pane().ToPlane(at);
        EXPECT_NEAR(after.x(), before.x(), 1e-9 * dSpan);
        EXPECT_NEAR(after.y(), before.y(), 1e-6 * (std::fabs(before.y()) + 1));
    }
    const CPlotRange zoomed = Pane().GetView();
    const QPoint from(Pane().width() / 2, Pane().height() / 2), to = from + QPoint(40, -30);
    const QPointF grabbed = Pane().ToPlane(from);
    QTest::mousePress(&Pane(), Qt::LeftButton, {}, from);
    QTest::mouseMove(&Pane(), to);
    QTest::mouseRelease(&Pane(), Qt::LeftButton, {}, to);
    EXPECT_NEAR(Pane().ToPlane(to).x(), grabbed.x(), 1e-9);
    EXPECT_NEAR(Pane().ToPlane(to).y(), grabbed.y(), 1e-9);
    EXPECT_LT(Pane().GetView().m_dXMin, zoomed.m_dXMin);
    Pane().setFocus();
    QTest::keyClick(&Pane(), Qt::Key_Home);
    EXPECT_EQ(Pane().GetView(), automatic);
    Wheel(QPointF(from), 240);
    QTest::mouseDClick(&Pane(), Qt::LeftButton, {}, from);
    EXPECT_EQ(Pane().GetView(), automatic);
}

TEST_F(GraphPaneWindow, SavedHtmlAndPdfIncludeTheGraph)
{
    m_pDlg->SimplifyText(QString::fromLatin1(kHoleProblem));
    QTemporaryDir dir;
    for (const char* szName : {"g.html", "g.pdf"})
        ASSERT_TRUE(m_pDlg->GetExportActions().SaveTo(dir.filePath(QString::fromLatin1(szName))));
    QFile html(dir.filePath(QStringLiteral("g.html")));
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    const QByteArray page = html.readAll();
    EXPECT_TRUE(page.contains("<figure class=\"graph\"><svg"));
    EXPECT_LT(page.indexOf("<svg"), page.indexOf("How it was done"));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed (Debian: poppler-utils); PDF text not read";
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {dir.filePath(QStringLiteral("g.pdf")), "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(30000));
    const QString strPdf = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
    // The hole's label is text the painter drew on the page, not pixels of a picture.
    const QRegularExpression hole(QString::fromUtf8("\\(-1, -2\\)"));
    EXPECT_TRUE(strPdf.contains(hole)) << strPdf.toStdString();
}
} // namespace
