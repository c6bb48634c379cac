#include "ExportActions.h"
#include "OutlinePane.h"
#include "WindowFixture.h"

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
} // namespace
