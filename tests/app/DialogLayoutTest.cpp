// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogUnits.h"
#include "ExplanationPane.h"
#include "HelpViewer.h"
#include "WindowFixture.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

namespace
{
struct CControlRow
{
    const char* m_szName; // the dialog id, or the label's name for controls without one
    const char* m_szText;
    QRect m_Units;
};

// The dialog template: every control, its text and its place in dialog units.
const CControlRow kTemplate[] = {
    {"1", "C&lose", {312, 86, 50, 14}},
    {"1000", "", {12, 16, 286, 20}},
    {"1002", "", {12, 48, 286, 20}},
    {"1003", "", {12, 79, 286, 20}},
    {"1004", "", {7, 135, 361, 43}},
    {"labelMessages", "Equation Messages", {13, 126, 355, 8}},
    {"1009", "&Simplify", {312, 14, 50, 14}},
    {"1010", "", {7, 192, 361, 141}},
    {"1012", "&Help", {312, 62, 50, 14}},
    {"labelResult", "Simplification of above Equation or Expression", {12, 39, 276, 8}},
    {"labelFurther", "Further Simplification of above Equation or Expression", {12, 71, 275, 8}},
    {"labelExplanation", "How it was done", {13, 183, 355, 8}},
    {"groupEquation", "Equation or Expression", {7, 7, 296, 96}},
    {"1013", "&Clear", {312, 38, 50, 14}},
};

QString TextOf(const QWidget& widget)
{
    if (auto* pButton = qobject_cast<const QPushButton*>(&widget))
        return pButton->text();
    if (auto* pLabel = qobject_cast<const QLabel*>(&widget))
        return pLabel->text();
    if (auto* pGroup = qobject_cast<const QGroupBox*>(&widget))
        return pGroup->title();
    return {};
}

using DialogTemplate = WindowFixture;

// With the history hidden and the window at its smallest, the template holds exactly.
TEST_F(DialogTemplate, PlacesEveryControlByTheDialogFont)
{
    m_pDlg->SetHistoryShown(false);
    const CDialogBaseUnits base = DialogBaseUnits(QFontMetrics(m_pDlg->font()));
    const QSize smallest = MapDialogRect({0, 0, 375, 340}, base).size();
    m_pDlg->resize(smallest);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_pDlg->size() == smallest; }))
        << "window stays " << m_pDlg->width() << "x" << m_pDlg->height();
    for (const CControlRow& row : kTemplate)
    {
        auto* pWidget = m_pDlg->findChild<QWidget*>(QString::fromLatin1(row.m_szName));
        ASSERT_NE(pWidget, nullptr) << row.m_szName;
        EXPECT_EQ(TextOf(*pWidget).toStdString(), row.m_szText) << row.m_szName;
        EXPECT_EQ(pWidget->geometry(), MapDialogRect(row.m_Units, base)) << row.m_szName;
    }
    EXPECT_EQ(m_pDlg->minimumSize(), smallest);
    EXPECT_EQ(m_pDlg->windowTitle(), QStringLiteral("Brimlet 1:Simplification"));
    EXPECT_TRUE(Button(1009)->isDefault());
}

TEST_F(DialogTemplate, StoredReadOnlyStatesTabOrderAndStartingFocus)
{
    EXPECT_FALSE(Input()->IsReadOnly());
    EXPECT_TRUE(Result()->IsReadOnly());
    EXPECT_TRUE(Further()->IsReadOnly());
    EXPECT_TRUE(Messages()->isReadOnly());
    EXPECT_TRUE(Explanation()->isReadOnly());
    EXPECT_EQ(Messages()->lineWrapMode(), QTextEdit::WidgetWidth);
    EXPECT_EQ(Explanation()->lineWrapMode(), QTextEdit::WidgetWidth);
    EXPECT_EQ(QApplication::focusWidget(), Input());

    const QStringList expected = {"1",    "1000",         "1002",        "1003",
                                  "1004", "1009",         "1010",        "1012",
                                  "1013", "checkHistory", "listHistory", "buttonClearHistory"};
    QStringList order;
    QWidget* pWidget = Button(1);
    do
    {
        if (expected.contains(pWidget->objectName()) && !order.contains(pWidget->objectName()))
            order << pWidget->objectName();
        pWidget = pWidget->nextInFocusChain();
    } while (pWidget != Button(1));
    EXPECT_EQ(order, expected);
}

TEST(DialogUnits, MapEdgesByTheBaseUnits)
{
    EXPECT_EQ(MapDialogRect({312, 86, 50, 14}, {6, 13}), QRect(468, 140, 75, 23));
    EXPECT_EQ(MapDialogRect({7, 115, 361, 43}, {6, 13}), QRect(11, 187, 541, 70));
    EXPECT_EQ(MapDialogRect({12, 16, 286, 20}, {7, 15}), QRect(21, 30, 501, 38));
}

struct CIndentCase
{
    int m_nWidthPixels;
    std::vector<int> m_nTwips; // for lines indented by 0, 1 and 3 levels
};

void PrintTo(const CIndentCase& c, std::ostream* pOut)
{
    *pOut << c.m_nWidthPixels << " px";
}

class PaneIndentation : public ::testing::TestWithParam<CIndentCase>
{
};

TEST_P(PaneIndentation, LevelsBecomeMarginsCappedAtHalfTheWidth)
{
    QTextEdit pane;
    pane.setFrameStyle(QFrame::NoFrame);
    pane.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pane.resize(GetParam().m_nWidthPixels, 200);
    pane.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pane));
    ASSERT_EQ(pane.viewport()->width(), GetParam().m_nWidthPixels);
    ShowIndentedExplanation(pane,
                            "Top\r\n        One level\r\n                        Three levels\r\n");

    const int nDpi = pane.logicalDpiX();
    std::vector<int> twips;
    QStringList texts;
    for (QTextBlock block = pane.document()->begin(); block.isValid(); block = block.next())
    {
        twips.push_back(qRound(block.blockFormat().leftMargin() * 1440 / nDpi));
        EXPECT_EQ(block.blockFormat().textIndent(), 0);
        texts << block.text();
    }
    EXPECT_EQ(twips, GetParam().m_nTwips)
        << "pane " << GetParam().m_nWidthPixels << " px at " << nDpi;
    EXPECT_EQ(texts, QStringList({"Top", "One level", "Three levels"}));
}

// 1920 twips is 128 pixels at 96 per inch; the cap is half the pane's width in twips.
INSTANTIATE_TEST_SUITE_P(
    Widths, PaneIndentation,
    ::testing::Values(CIndentCase{400, {0, 320, 960}}, CIndentCase{128, {0, 320, 960}},
                      CIndentCase{96, {0, 320, 720}}, CIndentCase{30, {0, 225, 225}}),
    [](const auto& info) { return "Pane" + std::to_string(info.param.m_nWidthPixels) + "px"; });

// Closes the modal window that the next step opens, noting its caption.
void CloseModalWhenShown(QString& strTitle)
{
    QTimer::singleShot(0,
                       [&strTitle]
                       {
                           QWidget* pBox = QApplication::activeModalWidget();
                           if (pBox == nullptr)
                               return;
                           strTitle = pBox->windowTitle();
                           pBox->close();
                       });
}

using HelpAndAbout = WindowFixture;

TEST_F(HelpAndAbout, HelpOpensTheShippedPageAtItsContents)
{
    QTest::mouseClick(Button(1012), Qt::LeftButton);
    CHelpViewer* pHelp = m_pDlg->GetHelpViewer();
    ASSERT_NE(pHelp, nullptr);
    EXPECT_TRUE(pHelp->isVisible());
    EXPECT_EQ(pHelp->GetBrowser()->source(), CHelpViewer::ContentsUrl());
    const QString strPage = pHelp->GetBrowser()->toPlainText();
    for (const char* szTopic :
         {"Powers", "Fractions and mixed numbers", "The keys", "What the window shows",
          "How it was done", "An example", "History", "Ctrl+Z", "Ctrl+Tab"})
        EXPECT_TRUE(strPage.contains(QString::fromLatin1(szTopic))) << szTopic;

    QString strTitle;
    CloseModalWhenShown(strTitle);
    emit pHelp->GetBrowser()->anchorClicked(QUrl(QStringLiteral("fennory:about")));
    EXPECT_EQ(strTitle, QStringLiteral("About Fennory"));
}

TEST_F(HelpAndAbout, TheDialogsContextMenuShowsTheAboutBox)
{
    ASSERT_EQ(m_pDlg->contextMenuPolicy(), Qt::ActionsContextMenu);
    const QList<QAction*> actions = m_pDlg->actions();
    ASSERT_EQ(actions.size(), 1);
    EXPECT_EQ(actions.front()->text(), QStringLiteral("&About Fennory..."));

    QString strTitle;
    CloseModalWhenShown(strTitle);
    actions.front()->trigger();
    EXPECT_EQ(strTitle, QStringLiteral("About Fennory"));
}
} // namespace
