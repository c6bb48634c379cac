// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"

#include <QTextBlock>

namespace
{
enum class EPress
{
    Button,
    Enter,
    Command // the text is written whole, as fennory --input does, and Simplify pressed
};

struct CSimplifyCase
{
    const char* m_szName;
    const char* m_szKeys;
    EPress m_Press;
    const char* m_szResult;
    const char* m_szFurther; // " " when there is no further result
    const char* m_szFirstLine;
    const char* m_szAlsoSays; // a later line of the narrative, in full
};

void PrintTo(const CSimplifyCase& c, std::ostream* pOut)
{
    *pOut << c.m_szKeys;
}

// The narrative's lines as the pane holds them, indents already turned into margins.
QStringList PaneLines(const QTextEdit& pane)
{
    QStringList lines;
    for (QTextBlock block = pane.document()->begin(); block.isValid(); block = block.next())
        lines << block.text();
    return lines;
}

class SimplifyWindow : public WindowFixture, public ::testing::WithParamInterface<CSimplifyCase>
{
};

TEST_P(SimplifyWindow, FillsTheEditorsAndTheNarrative)
{
    const CSimplifyCase& c = GetParam();
    if (c.m_Press == EPress::Command)
    {
        m_pDlg->SimplifyText(QString::fromLatin1(c.m_szKeys));
    }
    else
    {
        Type(QString::fromLatin1(c.m_szKeys));
        if (c.m_Press == EPress::Enter)
            QTest::keyClick(Input(), Qt::Key_Return);
        else
            ClickSimplify();
    }

    EXPECT_EQ(Result()->GetEquation().toStdString(), c.m_szResult) << "typed " << c.m_szKeys;
    EXPECT_EQ(Further()->GetEquation().toStdString(), c.m_szFurther) << "typed " << c.m_szKeys;
    const QStringList lines = PaneLines(*Explanation());
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.front().toStdString(), c.m_szFirstLine);
    EXPECT_TRUE(lines.contains(QString::fromLatin1(c.m_szAlsoSays)))
        << "narrative:\n"
        << Explanation()->toPlainText().toStdString();
    EXPECT_EQ(Explanation()->textCursor().position(), 0);
    EXPECT_TRUE(Explanation()->isReadOnly());
}

INSTANTIATE_TEST_SUITE_P(
    Requests, SimplifyWindow,
    ::testing::Values(
        CSimplifyCase{"ExpressionWithoutDivisions", "2x+3x-5x+y", EPress::Enter, "y", " ",
                      "Brimlet Works from left to right simplifying each part of Expression in "
                      "turn as it finds it.",
                      "Combine +5x with -5x Giving Nothing (they cancel each other out)"},
        CSimplifyCase{"Equation", "2x+3=x-1", EPress::Button, "x+4=0", " ",
                      "Brimlet starts by moving the right side of equation to the left, leaving "
                      "zero on the right. The signs of the elements of the right side of "
                      "equation are reversed.",
                      "Making the Equation: x+4=0"},
        CSimplifyCase{"EquationClearedOfItsDivisor", "3x/(x+1)=0", EPress::Button, "3x/(x+1)=0",
                      "3x=0", "The Equation is: 3x/(x+1)=0", "The Equation finally becomes: 3x=0"},
        CSimplifyCase{"ExpressionDividedOut", "(x^2+1)/(x+1)", EPress::Button, "(x^2!+1)/(x+1)",
                      "x-1+2/(x+1)",
                      "Brimlet Works from left to right simplifying each part of "
                      "Expression in turn as it finds it.",
                      "The final Expression: x-1+2/(x+1)"},
        // A power that is not whole keeps its bracket, so the left side stays two terms.
        CSimplifyCase{"EquationWithoutFurtherResult", "(1/x)^0.5!+1=0", EPress::Command,
                      "1+(1/x)^0.5!=0", " ", "The Equation is: (1/x)^0.5+1=0",
                      "The Equation still has divisions, but its left side has more than one "
                      "term, so they cannot be removed by multiplying both sides by the "
                      "divisors. The Equation is left as it is."}),
    [](const auto& info) { return std::string(info.param.m_szName); });

using WindowCommands = WindowFixture;

// A refusal empties the outputs: the steps of "x+x" must not stand beside the new text.
TEST_F(WindowCommands, ErrorsAreListedUnderTheHintAndSimplifyIsRefused)
{
    Type(QStringLiteral("x+x"));
    ClickSimplify();
    ASSERT_EQ(Result()->GetEquation().toStdString(), "2x");
    Type(QStringLiteral("+*y)"));

    const char* szReasons = "Right Click to insert powers and fractions\n"
                            "Consecative operators are invalid\n"
                            "Missing opening bracket";
    EXPECT_EQ(Messages()->toPlainText().toStdString(), szReasons);
    QTest::keyClick(Input(), Qt::Key_Return);
    EXPECT_EQ(Messages()->toPlainText().toStdString(), szReasons);
    EXPECT_EQ(Result()->GetEquation().toStdString(), " ");
    EXPECT_EQ(Further()->GetEquation().toStdString(), " ");
    EXPECT_TRUE(Explanation()->toPlainText().isEmpty());
    EXPECT_EQ(Input()->GetEquation().toStdString(), "x+x+*y)");
}

TEST_F(WindowCommands, ClearEmptiesTheEditorsAndKeepsThePanes)
{
    Type(QStringLiteral("3x(x+2)"));
    ClickSimplify();
    const QString strMessages = Messages()->toPlainText();
    const QString strNarrative = Explanation()->toPlainText();
    ASSERT_FALSE(strNarrative.isEmpty());

    QTest::mouseClick(Button(1013), Qt::LeftButton);
    EXPECT_EQ(Input()->GetEquation(), QString());
    EXPECT_EQ(Result()->GetEquation(), QStringLiteral(" "));
    EXPECT_EQ(Further()->GetEquation(), QStringLiteral(" "));
    EXPECT_EQ(Messages()->toPlainText(), strMessages);
    EXPECT_EQ(Explanation()->toPlainText(), strNarrative);
}

// Clear throws away what was typed; one Ctrl+Z in the input brings it back.
TEST_F(WindowCommands, ClearCanBeUndoneInTheInput)
{
    Type(QStringLiteral("3x(x+2)"));
    QTest::mouseClick(Button(1013), Qt::LeftButton);
    ASSERT_EQ(Input()->GetEquation(), QString());
    Input()->setFocus();
    QTest::keyClick(Input(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Input()->GetEquation().toStdString(), "3x(x+2)");
}

TEST_F(WindowCommands, DivideByZeroIsReportedAndTheNextRequestWorks)
{
    Type(QStringLiteral("x/0"));
    ClickSimplify();
    const QStringList messages = Messages()->toPlainText().split(QLatin1Char('\n'));
    EXPECT_EQ(messages.front().toStdString(), "Simplification stopped: Divide by zero");
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(Result()->GetEquation(), QStringLiteral(" "));
    EXPECT_EQ(Further()->GetEquation(), QStringLiteral(" "));
    EXPECT_TRUE(Explanation()->toPlainText().isEmpty());

    QTest::mouseClick(Button(1013), Qt::LeftButton);
    Type(QStringLiteral("x+x"));
    ClickSimplify();
    EXPECT_EQ(Result()->GetEquation(), QStringLiteral("2x"));
    EXPECT_EQ(PaneLines(*Explanation()).front().toStdString(),
              "Brimlet Works from left to right simplifying each part of Expression in turn as "
              "it finds it.");
}
} // namespace
