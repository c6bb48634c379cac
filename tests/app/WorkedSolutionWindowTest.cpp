// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExportActions.h"
#include "OutlinePane.h"
#include "WindowFixture.h"
#include "WorkedSolutionDocument.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QTimer>

#include <functional>
#include <tuple>

namespace
{
class WorkedSolutionWindow : public WindowFixture
{
protected:
    void SetUp() override
    {
        QSettings().clear();
        WindowFixture::SetUp();
    }

    CExportActions& Export() const { return m_pDlg->GetExportActions(); }
    COutlinePane& Outline() const { return Export().Outline(); }

    QByteArray ReadSaved(const QString& strName) const
    {
        QFile file(m_Dir.filePath(strName));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << strName.toStdString();
        return file.readAll();
    }

    QTemporaryDir m_Dir;
};

constexpr const char* kNarrative = "Top\r\n        Middle one\r\n                Deep\r\n\r\n"
                                   "        Middle two\r\nLast\r\n";

TEST_F(WorkedSolutionWindow, ClassicPaneIsTheDefault)
{
    EXPECT_FALSE(Export().OutlineToggle().isChecked());
    EXPECT_FALSE(Outline().isVisible());
    EXPECT_TRUE(Explanation()->isVisible());
}

TEST_F(WorkedSolutionWindow, OutlineChoiceIsRememberedBetweenRuns)
{
    Export().OutlineToggle().setChecked(true);
    EXPECT_TRUE(Outline().isVisible());
    EXPECT_EQ(Outline().geometry(), Explanation()->geometry());
    m_pDlg = std::make_unique<CFennoryDlg>();
    m_pDlg->show();
    EXPECT_TRUE(Export().OutlineToggle().isChecked());
    EXPECT_TRUE(Outline().isVisible());
}

TEST_F(WorkedSolutionWindow, OutlineHoldsTheEngineLinesUnderTheirSteps)
{
    Export().OutlineToggle().setChecked(true);
    Type(QStringLiteral("x+1/x"));
    ClickSimplify();
    const QTreeWidgetItem* pFirst = Outline().topLevelItem(0);
    ASSERT_NE(pFirst, nullptr);
    EXPECT_TRUE(pFirst->text(0).startsWith(QStringLiteral("Brimlet Works from left to right")));
    int nLines = 0;
    for (QTreeWidgetItemIterator it(&Outline()); *it; ++it)
        ++nLines;
    const QString strPane = Explanation()->toPlainText();
    EXPECT_EQ(nLines, strPane.split('\n', Qt::SkipEmptyParts).size());
    EXPECT_GT(Outline().topLevelItemCount(), 0);
    EXPECT_LT(Outline().topLevelItemCount(), nLines); // some lines are steps of others
}

TEST_F(WorkedSolutionWindow, LeftAndRightCloseAndOpenAStepAndArrowsMove)
{
    Export().OutlineToggle().setChecked(true);
    Outline().SetNarrative(kNarrative);
    Outline().setFocus();
    QTreeWidgetItem* pTop = Outline().topLevelItem(0);
    ASSERT_EQ(Outline().currentItem(), pTop);
    QTest::keyClick(&Outline(), Qt::Key_Left);
    EXPECT_FALSE(pTop->isExpanded());
    QTest::keyClick(&Outline(), Qt::Key_Down); // a closed step hides its children
    EXPECT_EQ(Outline().currentItem()->text(0), QStringLiteral("Last"));
    QTest::keyClick(&Outline(), Qt::Key_Up);
    QTest::keyClick(&Outline(), Qt::Key_Right);
    EXPECT_TRUE(pTop->isExpanded());
    QTest::keyClick(&Outline(), Qt::Key_Down);
    EXPECT_EQ(Outline().currentItem()->text(0), QStringLiteral("Middle one"));
}

TEST_F(WorkedSolutionWindow, CtrlCCopiesTheStepWithItsChildrenIndented)
{
    Export().OutlineToggle().setChecked(true);
    Outline().SetNarrative(kNarrative);
    Outline().setFocus();
    QTest::keyClick(&Outline(), Qt::Key_Down);
    QTest::keyClick(&Outline(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Middle one\n        Deep\n"));
    Outline().setCurrentItem(Outline().topLevelItem(0));
    QTest::keyClick(&Outline(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(
        QApplication::clipboard()->text(),
        QStringLiteral("Top\n        Middle one\n                Deep\n        Middle two\n"));
}

TEST_F(WorkedSolutionWindow, CollapsedStepShowsItsFirstLineOnly)
{
    Outline().SetNarrative(kNarrative);
    Outline().collapseAll();
    EXPECT_FALSE(Outline().topLevelItem(0)->isExpanded());
    EXPECT_EQ(Outline().topLevelItem(0)->text(0), QStringLiteral("Top"));
    Outline().expandAll();
    EXPECT_TRUE(Outline().topLevelItem(0)->child(0)->isExpanded());
}

TEST_F(WorkedSolutionWindow, NothingToSaveBeforeASimplifyAndAfterAnEmptyOne)
{
    EXPECT_FALSE(Export().SaveAction().isEnabled());
    Type(QStringLiteral("x+x"));
    ClickSimplify();
    EXPECT_TRUE(Export().SaveAction().isEnabled());
    QTest::keyClick(Input(), Qt::Key_Backspace);
    QTest::keyClick(Input(), Qt::Key_Backspace);
    QTest::keyClick(Input(), Qt::Key_Backspace);
    ClickSimplify();
    EXPECT_FALSE(Export().SaveAction().isEnabled());
    EXPECT_FALSE(Export().SaveTo(m_Dir.filePath(QStringLiteral("none.html"))));
}

TEST_F(WorkedSolutionWindow, SavesHtmlTextAndPdf)
{
    Type(QStringLiteral("x+1/x"));
    ClickSimplify();
    for (const char* szName : {"w.html", "w.txt", "w.pdf"})
        ASSERT_TRUE(Export().SaveTo(m_Dir.filePath(QString::fromLatin1(szName)))) << szName;
    const QByteArray html = ReadSaved(QStringLiteral("w.html"));
    EXPECT_TRUE(html.startsWith("<!DOCTYPE html>"));
    EXPECT_TRUE(html.contains("<msup><mi>x</mi><mn>2</mn></msup>"));
    const QByteArray text = ReadSaved(QStringLiteral("w.txt"));
    EXPECT_TRUE(text.startsWith("Problem: x+1/x\nResult: (x^2+1)/x\nFurther result: x+1/x\n"
                                "How it was done\nBrimlet Works"))
        << text.left(200).toStdString();
    EXPECT_TRUE(ReadSaved(QStringLiteral("w.pdf")).startsWith("%PDF"));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed (Debian: poppler-utils); PDF text not read";
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {m_Dir.filePath(QStringLiteral("w.pdf")), "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(30000));
    const QString strPdf = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
    EXPECT_TRUE(strPdf.contains(QStringLiteral("How it was done"))) << strPdf.toStdString();
    EXPECT_TRUE(strPdf.contains(QStringLiteral("Brimlet Works from left to right")));
}

// A name with an unknown extension was written as plain text while the dialog said HTML.
TEST(SaveDialogAnswer, FileNameFollowsTheChosenFilter)
{
    const QString strHtml = QStringLiteral("HTML page (*.html)");
    const QString strPdf = QStringLiteral("PDF (*.pdf)");
    const QString strText = QStringLiteral("Plain text (*.txt)");
    const std::tuple<const char*, QString, const char*> rows[] = {
        {"w", strHtml, "w.html"},           {"w.v2", strHtml, "w.v2.html"},
        {"w.xyz", strPdf, "w.xyz.pdf"},     {"w.", strText, "w..txt"},
        {"w.txt", strHtml, "w.txt"},        {"w.HTM", strPdf, "w.HTM"},
        {"dir.d/w", strPdf, "dir.d/w.pdf"}, {"w.pdf", strText, "w.pdf"}};
    for (const auto& [szPath, strFilter, szExpected] : rows)
    {
        const QString strPath = PathForFilter(QString::fromLatin1(szPath), strFilter);
        EXPECT_EQ(strPath, QString::fromLatin1(szExpected)) << szPath;
        EXPECT_EQ(SaveFormatOf(strPath), SaveFormatOf(QString::fromLatin1(szExpected)));
    }
}

// The PDF's title showed the internal text (x^2!-1).
TEST_F(WorkedSolutionWindow, PdfTitleShowsTheProblemInDisplayForm)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        GTEST_SKIP() << "pdfinfo is not installed (Debian: poppler-utils); PDF not read";
    const std::string strText = "(x+1)/(x^2!-1)";
    const QString strPath = m_Dir.filePath(QStringLiteral("t.pdf"));
    ASSERT_TRUE(SaveWorkedSolution(MakeWorkedSolution(strText, strText, RunSimplify(strText)),
                                   strPath, ESaveFormat::Pdf));
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {strPath});
    ASSERT_TRUE(pdfinfo.waitForFinished(30000));
    const QString strInfo = QString::fromUtf8(pdfinfo.readAllStandardOutput());
    EXPECT_TRUE(strInfo.contains(QStringLiteral("Worked solution: (x+1)/(x^2-1)\n")))
        << strInfo.toStdString();
}

// The first stacked division of a document (PDF and print): its top and bottom as text.
std::pair<QString, QString> FirstDivision(const QTextFrame& frame)
{
    for (QTextFrame* pChild : frame.childFrames())
    {
        const auto* pTable = qobject_cast<const QTextTable*>(pChild);
        if (pTable && pTable->rows() == 2 && pTable->columns() == 1)
        {
            const auto text = [pTable](int nRow)
            {
                const QTextTableCell cell = pTable->cellAt(nRow, 0);
                QTextCursor cursor = cell.firstCursorPosition();
                cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
                return cursor.selectedText().replace(QChar::Nbsp, ' ').simplified();
            };
            return {text(0), text(1)};
        }
        if (const auto found = FirstDivision(*pChild); !found.first.isEmpty())
            return found;
    }
    return {};
}

TEST(PrintedDocument, DivisionsAreStackedAsTopOverBottom)
{
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"(x^2!-1)/(x^2!+2x+1)", "x2 \u2212 1", "x2 + 2x + 1"},
        {"1/x+1/y", "1", "x"},
        {"x^2!/(xy+1)", "x2", "xy + 1"},
        {"(x+1)/(x+1)^3!", "x + 1", "(x + 1)3"},
        {"3%1,2$x/(x+1)", "7x", "2(x + 1)"}};
    for (const auto& [szText, szTop, szBottom] : rows)
    {
        const auto pDocument =
            MakeWorkedSolutionDocument(MakeWorkedSolution(szText, szText, RunSimplify(szText)));
        const auto [strTop, strBottom] = FirstDivision(*pDocument->rootFrame());
        EXPECT_EQ(strTop, QString::fromUtf8(szTop)) << szText;
        EXPECT_EQ(strBottom, QString::fromUtf8(szBottom)) << szText;
    }
}

TEST_F(WorkedSolutionWindow, UnwritableFileIsReportedAsFailure)
{
    Type(QStringLiteral("x+x"));
    ClickSimplify();
    EXPECT_FALSE(Export().SaveTo(QStringLiteral("/nonexistent/fennory/w.html")));
    EXPECT_FALSE(Export().SaveTo(QStringLiteral("/nonexistent/fennory/w.pdf")));
}

// Closes the first modal window that shows while press() runs and gives its title.
QString CloseModalAfter(const std::function<void()>& press)
{
    QString strTitle;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout,
                     [&strTitle]
                     {
                         QWidget* pDialog = QApplication::activeModalWidget();
                         if (pDialog && pDialog->isVisible() && strTitle.isEmpty())
                         {
                             strTitle = pDialog->windowTitle();
                             pDialog->close();
                         }
                     });
    poll.start(20);
    press();
    return strTitle;
}

// Ctrl+Shift+P would reach the editor as Ctrl+P and insert a power.
TEST_F(WorkedSolutionWindow, PrintAndSaveKeysInTheEditorLeaveItsTextAlone)
{
    Type(QStringLiteral("x"));
    ClickSimplify();
    Input()->setFocus();
    const QString strSave =
        CloseModalAfter([this] { QTest::keyClick(Input(), Qt::Key_S, Qt::ControlModifier); });
    EXPECT_EQ(strSave, QStringLiteral("Save worked solution"));
    QApplication::setActiveWindow(m_pDlg.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_pDlg.get()));
    Input()->setFocus();
    const QString strPrint = CloseModalAfter(
        [this] { QTest::keyClick(Input(), Qt::Key_P, Qt::ControlModifier | Qt::AltModifier); });
    EXPECT_FALSE(strPrint.isEmpty()) << "no print dialog opened";
    EXPECT_EQ(Input()->GetEquation(), QStringLiteral("x"));
    for (const QKeySequence& editorKey :
         {QKeySequence(QStringLiteral("Ctrl+P")), QKeySequence(QStringLiteral("Ctrl+F"))})
        EXPECT_NE(Export().PrintAction().shortcut(), editorKey);
}

TEST_F(WorkedSolutionWindow, ResultMenuCopiesTheResultAsLatexAndMathML)
{
    const auto trigger = [this](const QString& strText)
    {
        const std::unique_ptr<QMenu> pMenu = Export().CreateResultMenu(*Result());
        for (QAction* pAction : pMenu->actions())
            if (pAction->text() == strText)
            {
                EXPECT_TRUE(pAction->isEnabled());
                pAction->trigger();
                return;
            }
        ADD_FAILURE() << "no " << strText.toStdString();
    };
    Type(QStringLiteral("x/2"));
    ClickSimplify();
    trigger(QStringLiteral("Copy whole result as LaTeX"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("\\frac{1}{2}x"));
    trigger(QStringLiteral("Copy whole result as MathML"));
    EXPECT_TRUE(QApplication::clipboard()->text().contains(
        QStringLiteral("<mfrac><mn>1</mn><mn>2</mn></mfrac><mi>x</mi>")));
}

TEST_F(WorkedSolutionWindow, EmptyResultHasNothingToCopy)
{
    const std::unique_ptr<QMenu> pMenu = Export().CreateResultMenu(*Further());
    int nDisabled = 0;
    for (QAction* pAction : pMenu->actions())
        nDisabled += pAction->text().startsWith(QStringLiteral("Copy whole result")) &&
                     !pAction->isEnabled();
    EXPECT_EQ(nDisabled, 2);
}
} // namespace
