// SPDX-License-Identifier: GPL-3.0-or-later
#include "History.h"
#include "WindowFixture.h"

#include <QListWidget>
#include <QTemporaryDir>
#include <QTextLayout>

namespace
{
CHistoryEntry Entry(int n)
{
    return {QStringLiteral("x+%1").arg(n), QStringLiteral("x+%1").arg(n), QStringLiteral(" ")};
}

TEST(History, NewestFirstAndTheSameInputMovesToTheTop)
{
    CHistory history;
    history.Add(Entry(1));
    history.Add(Entry(2));
    history.Add({QStringLiteral("x+1"), QStringLiteral("x+1"), QStringLiteral(" ")});
    ASSERT_EQ(history.GetEntries().size(), 2U);
    EXPECT_EQ(history.GetEntries()[0], Entry(1));
    EXPECT_EQ(history.GetEntries()[1], Entry(2));
}

TEST(History, KeepsAtMostTheBoundAndDropsTheOldest)
{
    CHistory history;
    for (int n = 0; n < CHistory::kMaxEntries + 5; ++n)
        history.Add(Entry(n));
    ASSERT_EQ(history.GetEntries().size(), static_cast<size_t>(CHistory::kMaxEntries));
    EXPECT_EQ(history.GetEntries().front(), Entry(CHistory::kMaxEntries + 4));
    EXPECT_EQ(history.GetEntries().back(), Entry(5));
}

// A settings file written by hand (or by a later version) must not overfill the list.
TEST(History, LoadingIsBoundedAndSkipsEntriesWithoutInput)
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("h.ini")), QSettings::IniFormat);
    settings.beginWriteArray(QStringLiteral("history"));
    for (int n = 0; n < CHistory::kMaxEntries + 50; ++n)
    {
        settings.setArrayIndex(n);
        settings.setValue("input", n == 3 ? QString() : Entry(n).m_strInput);
        settings.setValue("result", Entry(n).m_strResult);
    }
    settings.endArray();

    CHistory history;
    history.Load(settings);
    ASSERT_EQ(history.GetEntries().size(), static_cast<size_t>(CHistory::kMaxEntries));
    EXPECT_EQ(history.GetEntries()[3].m_strInput, QStringLiteral("x+4"));

    CHistory copy;
    history.Save(settings);
    copy.Load(settings);
    EXPECT_EQ(copy.GetEntries(), history.GetEntries());
}

struct CReadableCase
{
    const char* m_szText;
    const char* m_szReadable;
};

class Readable : public ::testing::TestWithParam<CReadableCase>
{
};

TEST_P(Readable, EquationTextReadsAsTyped)
{
    EXPECT_EQ(ReadableEquation(QString::fromLatin1(GetParam().m_szText)).toStdString(),
              GetParam().m_szReadable);
}

INSTANTIATE_TEST_SUITE_P(Rows, Readable,
                         ::testing::Values(CReadableCase{"x^2!-1", "x^2-1"},
                                           CReadableCase{"3%1,2$x+(x+1)^3!", "3 1/2x+(x+1)^3"},
                                           CReadableCase{"%1,2$x=0", "1/2x=0"},
                                           CReadableCase{" ", ""}));

class WindowHistory : public WindowFixture
{
protected:
    QListWidget* List() const { return Named<QListWidget>("listHistory"); }

    void SimplifyTyped(const char* szKeys)
    {
        QTest::mouseClick(Button(1013), Qt::LeftButton);
        Type(QString::fromLatin1(szKeys));
        QTest::keyClick(Input(), Qt::Key_Return);
    }
};

TEST_F(WindowHistory, EachSimplifyAddsItsInputAndResults)
{
    SimplifyTyped("2x+3x");
    SimplifyTyped("(x^2-1)/(x+1)");
    SimplifyTyped("x+*"); // refused: not a problem simplified
    const auto& entries = m_pDlg->GetHistory().GetEntries();
    ASSERT_EQ(entries.size(), 2U);
    EXPECT_EQ(entries[0], (CHistoryEntry{"(x^2!-1)/(x+1)", "x-1", " "}));
    EXPECT_EQ(entries[1], (CHistoryEntry{"2x+3x", "5x", " "}));
    ASSERT_EQ(List()->count(), 2);
    EXPECT_TRUE(List()->item(0)->toolTip().startsWith(QStringLiteral("(x^2-1)/(x+1)")))
        << List()->item(0)->toolTip().toStdString();
}

TEST_F(WindowHistory, ClickingAnEntrySimplifiesItsInputAgain)
{
    SimplifyTyped("2x+3x");
    SimplifyTyped("y-y");
    QListWidget* pList = List();
    QTest::mouseClick(pList->viewport(), Qt::LeftButton, {},
                      pList->visualItemRect(pList->item(1)).center());
    EXPECT_EQ(Input()->GetEquation(), QStringLiteral("2x+3x"));
    EXPECT_EQ(Result()->GetEquation(), QStringLiteral("5x"));
    EXPECT_EQ(m_pDlg->GetHistory().GetEntries().front().m_strInput, QStringLiteral("2x+3x"));

    pList->setFocus();
    pList->setCurrentRow(1);
    QTest::keyClick(pList, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Result()->GetEquation(), QStringLiteral("0"));
}

TEST_F(WindowHistory, UpAndDownInAnEmptyInputWalkTheHistory)
{
    SimplifyTyped("x+1");
    SimplifyTyped("x+2");
    QTest::mouseClick(Button(1013), Qt::LeftButton);
    Input()->setFocus();

    QTest::keyClick(Input(), Qt::Key_Up);
    EXPECT_EQ(Input()->GetEquation(), QStringLiteral("x+2"));
    QTest::keyClick(Input(), Qt::Key_Up);
    EXPECT_EQ(Input()->GetEquation(), QStringLiteral("x+1"));
    QTest::keyClick(Input(), Qt::Key_Up); // the oldest: stays
    EXPECT_EQ(Input()->GetEquation(), QStringLiteral("x+1"));
    QTest::keyClick(Input(), Qt::Key_Down);
    EXPECT_EQ(Input()->GetEquation(), QStringLiteral("x+2"));
    QTest::keyClick(Input(), Qt::Key_Down);
    EXPECT_EQ(Input()->GetEquation(), QString());
}

// Up must never throw away what the user is typing.
TEST_F(WindowHistory, UpLeavesTypedTextAlone)
{
    SimplifyTyped("x+1");
    SimplifyTyped("x+2");
    QTest::keyClick(Input(), Qt::Key_Up);
    EXPECT_EQ(Input()->GetEquation(), QStringLiteral("x+2")) << "not empty: no walk";

    QTest::mouseClick(Button(1013), Qt::LeftButton);
    QTest::keyClick(Input(), Qt::Key_Up);
    Type(QStringLiteral("+3"));
    QTest::keyClick(Input(), Qt::Key_Up);
    EXPECT_EQ(Input()->GetEquation(), QStringLiteral("x+2+3"));
}

TEST_F(WindowHistory, IsKeptBetweenRunsAndCanBeCleared)
{
    SimplifyTyped("2x+3x");
    QTest::mouseClick(Button(1), Qt::LeftButton);
    OpenWindow();
    ASSERT_EQ(m_pDlg->GetHistory().GetEntries().size(), 1U);
    EXPECT_EQ(List()->count(), 1);

    QString strQuestion;
    AnswerNextQuestion(QStringLiteral("Clear history"), strQuestion);
    QTest::mouseClick(Named<QWidget>("buttonClearHistory"), Qt::LeftButton);
    EXPECT_EQ(List()->count(), 0);
    OpenWindow();
    EXPECT_TRUE(m_pDlg->GetHistory().GetEntries().empty());
}

struct CClearCase
{
    const char* m_szAnswer;
    size_t m_nKept;
};

void PrintTo(const CClearCase& c, std::ostream* pOut)
{
    *pOut << c.m_szAnswer;
}

class ClearHistoryAsks : public WindowHistory, public ::testing::WithParamInterface<CClearCase>
{
};

// Clear history forgot up to 200 problems at once, without a question and without undo.
TEST_P(ClearHistoryAsks, AndKeepsTheProblemsUnlessTheUserAgrees)
{
    SimplifyTyped("x+1");
    SimplifyTyped("x+2");
    QString strQuestion;
    AnswerNextQuestion(QString::fromLatin1(GetParam().m_szAnswer), strQuestion);
    QTest::mouseClick(Named<QWidget>("buttonClearHistory"), Qt::LeftButton);
    EXPECT_EQ(strQuestion.toStdString(),
              "Forget all 2 problems in the history? This cannot be undone.");
    EXPECT_EQ(m_pDlg->GetHistory().GetEntries().size(), GetParam().m_nKept);
    EXPECT_EQ(List()->count(), static_cast<int>(GetParam().m_nKept));
    OpenWindow();
    EXPECT_EQ(m_pDlg->GetHistory().GetEntries().size(), GetParam().m_nKept) << "as saved";
}

INSTANTIATE_TEST_SUITE_P(Answers, ClearHistoryAsks,
                         ::testing::Values(CClearCase{"Clear history", 0}, CClearCase{"Cancel", 2}),
                         [](const auto& info)
                         { return std::string(info.param.m_nKept == 0 ? "Clear" : "Cancel"); });
struct CRecallCase
{
    const char* m_szName;
    bool m_bClick; // a click on the entry, else Enter on it
};

void PrintTo(const CRecallCase& c, std::ostream* pOut)
{
    *pOut << c.m_szName;
}

class RecallKeepsTheKeyboard : public WindowHistory,
                               public ::testing::WithParamInterface<CRecallCase>
{
};

// Enter on an entry moved the entry to the top but left the keyboard on the old row.
TEST_P(RecallKeepsTheKeyboard, OnTheEntryAtTheTop)
{
    for (const char* szKeys : {"x+1", "x+2", "x+3"})
        SimplifyTyped(szKeys);
    QListWidget* pList = List();
    pList->setFocus();
    pList->setCurrentRow(2);
    if (GetParam().m_bClick)
        QTest::mouseClick(pList->viewport(), Qt::LeftButton, {},
                          pList->visualItemRect(pList->item(2)).center());
    else
        QTest::keyClick(pList, Qt::Key_Return);
    ASSERT_EQ(m_pDlg->GetHistory().GetEntries().front().m_strInput, QStringLiteral("x+1"));
    EXPECT_EQ(pList->currentRow(), 0);
    QTest::keyClick(pList, Qt::Key_Down);
    EXPECT_EQ(pList->currentRow(), 1);
    EXPECT_TRUE(pList->currentItem()->toolTip().startsWith(QStringLiteral("x+3")));
}

INSTANTIATE_TEST_SUITE_P(Ways, RecallKeepsTheKeyboard,
                         ::testing::Values(CRecallCase{"Enter", false}, CRecallCase{"Click", true}),
                         [](const auto& info) { return std::string(info.param.m_szName); });

bool IsNumberPart(QChar c)
{
    return c.isDigit() || c == QLatin1Char('/') || c == QLatin1Char('^') || c == QChar(0x00A0);
}

QString Visible(QString strLine)
{
    return strLine.remove(QChar(0x200B)).trimmed();
}

// A narrow column put "\u2192" alone on a line, broke "3 1/2" after the 3 and ran a long
// result past the edge. Every width at which the widest term fits must wrap cleanly.
TEST_F(WindowHistory, AWideEntryWrapsBetweenTerms)
{
    m_pDlg->SimplifyText(QStringLiteral("3%1,2$x+(x+1)^6!"));
    ASSERT_EQ(List()->count(), 1);
    const QString strText = List()->item(0)->text();
    const QFontMetrics metrics(List()->font());
    const int nWidest = metrics.horizontalAdvance(QStringLiteral("\u2192 +15x^4"));
    for (int nWidth = nWidest; nWidth < metrics.horizontalAdvance(strText); nWidth += 3)
        for (const QString& strParagraph : strText.split(QLatin1Char('\n')))
        {
            QTextLayout layout(strParagraph, List()->font());
            QTextOption option;
            option.setWrapMode(QTextOption::WordWrap);
            layout.setTextOption(option);
            layout.beginLayout();
            QStringList lines;
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            {
                line.setLineWidth(nWidth);
                lines << strParagraph.mid(line.textStart(), line.textLength());
                EXPECT_LE(line.naturalTextWidth(), nWidth) << lines.back().toStdString();
            }
            layout.endLayout();
            for (int i = 0; i < lines.size(); ++i)
            {
                EXPECT_NE(Visible(lines[i]), QStringLiteral("\u2192")) << "width " << nWidth;
                const bool bSplitsNumber = i + 1 < lines.size() && IsNumberPart(lines[i].back()) &&
                                           IsNumberPart(lines[i + 1].front());
                EXPECT_FALSE(bSplitsNumber) << "width " << nWidth << ": " << lines[i].toStdString()
                                            << " | " << lines.value(i + 1).toStdString();
            }
        }
}
} // namespace
