// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZelvixFixture.h"

#include <ostream>

namespace
{
struct STypingCase
{
    std::string strStart; // written through Equation first; "" for a new control
    std::string strKeys;
    std::string strText;
    int nCaret;
    int nBeeps;
};

std::ostream& operator<<(std::ostream& os, const STypingCase& c)
{
    return os << "\"" << c.strStart << "\" + keys \"" << c.strKeys << "\"";
}

class ZelvixTypingTest : public CZelvixFixture, public testing::WithParamInterface<STypingCase>
{
};

TEST_P(ZelvixTypingTest, KeysGiveTheTextCaretAndBeeps)
{
    const STypingCase& c = GetParam();
    Focus();
    if (!c.strStart.empty())
        m_pCtrl->SetEquation(QString::fromStdString(c.strStart));
    RunKeys(c.strKeys);
    EXPECT_EQ(Text(), c.strText) << c;
    EXPECT_EQ(m_pCtrl->GetCaret(), c.nCaret) << c;
    EXPECT_EQ(m_nBeeps, c.nBeeps) << c;
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, ZelvixTypingTest,
    testing::Values(
        STypingCase{"", "2{F}", "2%,$", 2, 0}, STypingCase{"", "2{F}1/3", "2%1,3$", 5, 0},
        STypingCase{"", "2{F}1/3{T}", "2%1,3$", 6, 0}, STypingCase{"", "x^2+", "x^2!+", 5, 0},
        // A letter in a numerator beeps and only moves the caret into the denominator.
        STypingCase{"", "{F}1x", "%1,$", 3, 1}, STypingCase{"", "3.5.", "3.5", 3, 1},
        STypingCase{"", "5{F}1/2{T}{L}{L}{L}{L}{L}{L}.", "5%1,2$", 0, 1},
        STypingCase{"", "2{P}", "2", 1, 1}, STypingCase{"", "{P}", "", 0, 1},
        // "^" inserts its template even at the start, where the marking pass drops it again.
        STypingCase{"", "^", "", 0, 0}, STypingCase{"", "x^", "x^!", 2, 0},
        STypingCase{"", "x^23{T}{B}", "x", 1, 0}, STypingCase{"", "{F}1/{B}", "%1,$", 3, 1},
        STypingCase{"", "x{F}{B}", "x", 1, 0}, STypingCase{"", "x^2{T}{L}{D}", "x", 1, 0},
        STypingCase{"x%1,2", "{L}{L}{L}{L}{D}", "x", 1, 0},
        STypingCase{"", "x^2{E}+", "x^2!+", 5, 0}, STypingCase{"", "{F}1{X}2", "%1,2$", 4, 0},
        STypingCase{"", "a:b", "ab", 2, 1},
        // The caret leaves a whole structure, wherever inside it stands.
        STypingCase{"", "x^23{L}+", "x^23!+", 6, 0},
        STypingCase{"", "{F}1/23{L}y", "%1,23$y", 7, 0},
        STypingCase{"", "{F}12{L}{T}3", "%12,3$", 5, 0},
        // No template goes inside a power or a fraction.
        STypingCase{"", "{F}^{T}{F}", "%,$", 2, 2},
        // A decimal number outside any structure is left where the caret stands.
        STypingCase{"", "2.5x{L}+", "2.5+x", 4, 0},
        // Deleting or typing over a selection may not join two numbers (1.5.5, 1.57.5,
        // 1.5%1,2$): refused with the beep like the single keys.
        STypingCase{"", "1.5x.5{L}{L}{SL}{D}", "1.5x.5", 3, 1},
        STypingCase{"", "1.5x.5{L}{L}{SL}{B}", "1.5x.5", 3, 1},
        STypingCase{"", "1.5x.5{L}{L}{SL}{CX}", "1.5x.5", 3, 1},
        STypingCase{"", "1.5x{F}1/2{L}{L}{L}{L}{SL}{D}", "1.5x%1,2$", 3, 1},
        STypingCase{"", "1.5x.5{L}{L}{SL}7", "1.5x.5", 3, 1}));

TEST_F(CZelvixFixture, TabNeverMovesTheFocusOutOfTheEditor)
{
    Focus();
    QTest::keyClick(m_pCtrl, Qt::Key_Tab);
    QTest::keyClick(m_pCtrl, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(m_pCtrl->hasFocus());
    EXPECT_FALSE(m_pOther->hasFocus());
}

TEST_F(CZelvixFixture, ReadOnlyRefusesTypingButNotTheFocus)
{
    m_pCtrl->SetEquation(QStringLiteral("x+1"));
    m_pCtrl->SetReadOnly(true);
    m_pOther->setFocus();
    QTest::mouseClick(m_pCtrl, Qt::LeftButton, Qt::NoModifier, QPoint(1, 10));
    ASSERT_TRUE(m_pCtrl->hasFocus());
    EXPECT_EQ(m_pCtrl->GetCaret(), 0); // a click still places the caret
    RunKeys("2a{T}{B}{F}{L}{R}{D}");
    EXPECT_EQ(Text(), "x+1");
    EXPECT_EQ(m_pCtrl->GetCaret(), 1); // the arrows move the caret so a long text can be read
    EXPECT_EQ(m_nBeeps, 5); // each typed character, Tab included; the three keys are silent
}
} // namespace
