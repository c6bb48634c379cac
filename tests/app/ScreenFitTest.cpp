// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"

#include <QListWidget>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>

namespace
{
constexpr const char* kScreenVariable = "FENNORY_TEST_SCREEN";

struct CScreenCase
{
    const char* m_szName;
    int m_nWidth; // the screen in device pixels
    int m_nHeight;
    const char* m_szScale; // QT_SCALE_FACTOR
};

void PrintTo(const CScreenCase& c, std::ostream* pOut)
{
    *pOut << c.m_nWidth << "x" << c.m_nHeight << " at scale " << c.m_szScale;
}

class SmallScreens : public ::testing::TestWithParam<CScreenCase>
{
};

// At scale factor 2 on a 1280x1024 screen the window could not be made smaller than
// 1472x1020 and its buttons lay off the screen. The platform's screen is fixed for a process,
// so the window is checked in a run of this program on a screen of the case's size.
TEST_P(SmallScreens, TheWholeWindowFitsOnTheScreen)
{
    QTemporaryDir dir;
    const QString strConfig = dir.filePath(QStringLiteral("screen.json"));
    QFile config(strConfig);
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write(QStringLiteral(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": %1, )"
                                R"("height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, )"
                                R"("dpr": 1}]})")
                     .arg(GetParam().m_nWidth)
                     .arg(GetParam().m_nHeight)
                     .toUtf8());
    config.close();

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                       QStringLiteral("offscreen:configfile=") + strConfig);
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"),
                       QString::fromLatin1(GetParam().m_szScale));
    environment.insert(QString::fromLatin1(kScreenVariable), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_also_run_disabled_tests"),
                 QStringLiteral("--gtest_filter=OnTheGivenScreen.DISABLED_*")});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QString strOutput = QString::fromLocal8Bit(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << strOutput.toStdString();
    EXPECT_TRUE(strOutput.contains(QStringLiteral("[  PASSED  ] 1 test")))
        << strOutput.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Screens, SmallScreens,
                         ::testing::Values(CScreenCase{"Scale2On1280x1024", 1280, 1024, "2"},
                                           CScreenCase{"Scale1_5On1280x720", 1280, 720, "1.5"}),
                         [](const auto& info) { return std::string(info.param.m_szName); });

class OnTheGivenScreen : public WindowFixture
{
};

// Run by the test above, on its screen. The window at its smallest fits the screen, and every
// control lies inside it, the narrative and the history apart.
TEST_F(OnTheGivenScreen, DISABLED_TheWindowAtItsSmallestFits)
{
    if (qEnvironmentVariableIsEmpty(kScreenVariable))
        GTEST_SKIP() << "run by SmallScreens";
    const QRect available = m_pDlg->screen()->availableGeometry();
    ASSERT_TRUE(m_pDlg->IsHistoryShown());
    const QSize smallest = m_pDlg->minimumSize();
    EXPECT_LE(smallest.width(), available.width());
    EXPECT_LE(smallest.height(), available.height());
    EXPECT_LE(m_pDlg->frameGeometry().width(), available.width()) << "as it opens";
    EXPECT_LE(m_pDlg->frameGeometry().height(), available.height()) << "as it opens";

    m_pDlg->move(available.topLeft());
    m_pDlg->resize(smallest);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_pDlg->size() == smallest; }));
    const QRect window = m_pDlg->rect();
    for (const char* szName : {"1", "1000", "1002", "1003", "1004", "1009", "1010", "1012", "1013",
                               "checkHistory", "listHistory", "buttonClearHistory"})
    {
        const QRect control = Named<QWidget>(szName)->geometry();
        EXPECT_TRUE(window.contains(control)) << szName << " lies outside the window";
        EXPECT_TRUE(
            available.contains(QRect(m_pDlg->mapToGlobal(control.topLeft()), control.size())))
            << szName << " lies off the screen";
    }
    EXPECT_LT(Control<QWidget>(1010)->geometry().right(), Named<QWidget>("listHistory")->x());
    EXPECT_GT(Control<QWidget>(1010)->height(), 0);
}
} // namespace
