// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppIdentity.h"
#include "ExportActions.h"
#include "FocusFrame.h"
#include "OutlinePane.h"
#include "WindowFixture.h"

#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionGroupBox>

namespace
{
using WindowRoughEdges = WindowFixture;

struct CPaneCase
{
    const char* m_szName;
    bool m_bOutline; // the narrative shown as an outline
    int m_nId;       // the pane, or 0 for the outline
};

void PrintTo(const CPaneCase& c, std::ostream* pOut)
{
    *pOut << c.m_szName;
}

class CtrlTabInPanes : public WindowFixture, public ::testing::WithParamInterface<CPaneCase>
{
};

// Ctrl+Tab did nothing in the text panes, though the help says it moves between controls.
TEST_P(CtrlTabInPanes, MovesToTheNextControlAndBack)
{
    m_pDlg->GetExportActions().OutlineToggle().setChecked(GetParam().m_bOutline);
    QWidget* pPane = GetParam().m_nId != 0 ? Control<QWidget>(GetParam().m_nId)
                                           : &m_pDlg->GetExportActions().Outline();
    pPane->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), pPane);
    QTest::keyClick(pPane, Qt::Key_Tab, Qt::ControlModifier);
    QWidget* pNext = QApplication::focusWidget();
    EXPECT_NE(pNext, pPane) << GetParam().m_szName;
    QTest::keyClick(pNext, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), pPane) << GetParam().m_szName;
    m_pDlg->GetExportActions().OutlineToggle().setChecked(false);
}

INSTANTIATE_TEST_SUITE_P(Panes, CtrlTabInPanes,
                         ::testing::Values(CPaneCase{"Messages", false, 1004},
                                           CPaneCase{"Narrative", false, 1010},
                                           CPaneCase{"Outline", true, 0}),
                         [](const auto& info) { return std::string(info.param.m_szName); });

// Simplify with nothing typed ended silently; the command line says why.
TEST_F(WindowRoughEdges, SimplifyWithAnEmptyInputSaysSoUntilTheUserTypes)
{
    ClickSimplify();
    EXPECT_EQ(Messages()->toPlainText(), QStringLiteral("Nothing to simplify: the text is empty"));
    Input()->setFocus();
    EXPECT_EQ(Messages()->toPlainText(), QStringLiteral("Nothing to simplify: the text is empty"));
    QTest::keyClick(Input(), Qt::Key_Return);
    EXPECT_EQ(Messages()->toPlainText(), QStringLiteral("Nothing to simplify: the text is empty"));
    Type(QStringLiteral("x"));
    EXPECT_EQ(Messages()->toPlainText(),
              QStringLiteral("Right Click to insert powers and fractions"));
}
struct CMenuCase
{
    const char* m_szName;
    bool m_bSelect; // the result selected before the menu opens
};

void PrintTo(const CMenuCase& c, std::ostream* pOut)
{
    *pOut << c.m_szName;
}

class ResultMenu : public WindowFixture, public ::testing::WithParamInterface<CMenuCase>
{
};

// "Copy as LaTeX" and "Copy result as LaTeX" stood side by side with nothing to tell them
// apart: every item names what it copies, and the selection's copy needs a selection.
TEST_P(ResultMenu, NamesWhatEachCopyCopies)
{
    Type(QStringLiteral("x/2"));
    ClickSimplify();
    if (GetParam().m_bSelect)
        Result()->SelectAll();
    const std::unique_ptr<QMenu> pMenu = m_pDlg->GetExportActions().CreateResultMenu(*Result());
    QStringList texts;
    QAction* pSelection = nullptr;
    for (QAction* pAction : pMenu->actions())
    {
        if (pAction->isSeparator())
            continue;
        EXPECT_FALSE(texts.contains(pAction->text())) << pAction->text().toStdString();
        texts << pAction->text();
        if (pAction->text() == QStringLiteral("Copy selection as LaTeX"))
            pSelection = pAction;
    }
    EXPECT_TRUE(texts.contains(QStringLiteral("Copy whole result as LaTeX")))
        << texts.join(';').toStdString();
    EXPECT_FALSE(texts.contains(QStringLiteral("Copy as LaTeX"))) << texts.join(';').toStdString();
    ASSERT_NE(pSelection, nullptr) << texts.join(';').toStdString();
    EXPECT_EQ(pSelection->isEnabled(), GetParam().m_bSelect);
}

INSTANTIATE_TEST_SUITE_P(Selections, ResultMenu,
                         ::testing::Values(CMenuCase{"NothingSelected", false},
                                           CMenuCase{"AllSelected", true}),
                         [](const auto& info) { return std::string(info.param.m_szName); });
// The window's class was "fennory" while the menu entry, org.fennory.Fennory.desktop, named
// no window class, so docks could not tell which entry the window belongs to.
TEST(ApplicationIdentity, TheWindowBelongsToTheMenuEntry)
{
    const QString strOrganization = QApplication::organizationName();
    const QString strName = QApplication::applicationName();
    SetApplicationIdentity();
    const QString strDesktop = QGuiApplication::desktopFileName();
    const QString strClass = QApplication::applicationName(); // what the window system sees
    QApplication::setOrganizationName(strOrganization);
    QApplication::setApplicationName(strName);
    QGuiApplication::setDesktopFileName({});

    QFile file(QStringLiteral(FENNORY_SOURCE_DIR "/data/%1.desktop").arg(strDesktop));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "no menu entry " << strDesktop.toStdString();
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    EXPECT_TRUE(lines.contains(QStringLiteral("StartupWMClass=") + strClass))
        << "the entry should name the window class " << strClass.toStdString();
}
// The names of the controls Tab reaches, in order.
QStringList TabOrder(QWidget& window)
{
    QStringList names;
    for (QWidget* pWidget = window.nextInFocusChain(); pWidget != &window;
         pWidget = pWidget->nextInFocusChain())
        if (pWidget->isVisible() && pWidget->isEnabled() && (pWidget->focusPolicy() & Qt::TabFocus))
            names << pWidget->objectName();
    return names;
}

// The outline came after the history in the Tab order, and its first row was always drawn
// selected.
TEST_F(WindowRoughEdges, TheOutlineTakesTheNarrativesPlaceAndStartsUnselected)
{
    QStringList expected = TabOrder(*m_pDlg);
    ASSERT_TRUE(expected.contains(QStringLiteral("1010")));
    expected.replace(expected.indexOf(QStringLiteral("1010")),
                     QStringLiteral("outlineExplanation"));
    m_pDlg->GetExportActions().OutlineToggle().setChecked(true);
    EXPECT_EQ(TabOrder(*m_pDlg), expected);

    m_pDlg->SimplifyText(QStringLiteral("(x+1)(x-1)"));
    auto& outline = m_pDlg->GetExportActions().Outline();
    ASSERT_GT(outline.topLevelItemCount(), 1);
    EXPECT_TRUE(outline.selectedItems().isEmpty());
    outline.setFocus();
    QTest::keyClick(&outline, Qt::Key_Down);
    ASSERT_EQ(outline.selectedItems().size(), 1);
    EXPECT_EQ(outline.selectedItems().front(), outline.currentItem());
    m_pDlg->GetExportActions().OutlineToggle().setChecked(false);
}

// Where the style draws a group's title, in the window.
QRect TitleRect(const QGroupBox& box)
{
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    return box.style()
        ->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box)
        .translated(box.pos());
}

// The input's focus ring covered the descenders of the group's title above it.
TEST_F(WindowRoughEdges, TheInputsFocusRingLeavesTheGroupTitleClear)
{
    Input()->setFocus();
    auto* pFrame = Named<CFocusFrame>("focusFrame");
    ASSERT_TRUE(pFrame->isVisible());
    const QRegion ring = (pFrame->mask().isEmpty() ? QRegion(pFrame->rect()) : pFrame->mask())
                             .translated(pFrame->pos());
    const QRect title = TitleRect(*Named<QGroupBox>("groupEquation"));
    EXPECT_FALSE(ring.intersects(title))
        << "title " << title.y() << "-" << title.bottom() << ", ring from " << pFrame->y();
    // The rest of the ring still shows: its sides, its bottom and its top beyond the title.
    const QRect around = pFrame->geometry();
    for (const QPoint& point : {around.topRight(), around.bottomLeft(), around.bottomRight(),
                                QPoint(around.left(), around.center().y())})
        EXPECT_TRUE(ring.contains(point))
            << point.x() << "," << point.y() << " title " << title.x() << "-" << title.right();
}

} // namespace
