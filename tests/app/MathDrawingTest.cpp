// SPDX-License-Identifier: GPL-3.0-or-later
#include "MathDrawing.h"
#include "WorkedSolutionDocument.h"
#include "output/MathText.h"
#include "output/WorkedSolution.h"
#include "solve/SolveRequest.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace
{
// What a formula's drawing measures against a line of the same font: a division or a root
// reaches above the line and a division below it, a rule as wide as its wider part.
TEST(MathDrawing, DivisionsAndRootsReachPastTheLine)
{
    QImage device(10, 10, QImage::Format_ARGB32);
    QFont font(QStringLiteral("serif"));
    font.setPointSizeF(14);
    const QFontMetricsF line(font, &device);
    const CMathDrawing drawing(font, &device);
    const struct
    {
        const char* m_szText;
        bool m_bAbove;
        bool m_bBelow;
    } rows[] = {{"(x-1)/(x+1)", true, true},
                {"1/x+1/y", true, true},
                {"(x/y)^2!", true, true},
                {"{1+\xE2\x88\x9A{3}}/{2}", true, true},
                {"\xE2\x88\x9A{12}", true, false},
                {"x^2!-1", true, false},
                {"2x-1", false, false}};
    for (const auto& row : rows)
    {
        const std::vector<CMathNode> nodes = MathNodes(row.m_szText);
        const CMathExtent extent = drawing.Measure(nodes);
        EXPECT_EQ(extent.m_dAscent > line.ascent(), row.m_bAbove) << row.m_szText;
        EXPECT_EQ(extent.m_dDescent > line.descent() + 1, row.m_bBelow) << row.m_szText;
        EXPECT_EQ(NeedsDrawing(nodes), row.m_bBelow || row.m_szText[0] == '\xE2') << row.m_szText;
    }
    // The rule spans the wider part: x+1 below is wider than 1 on top.
    const CMathExtent wide = drawing.Measure(MathNodes("1/(x+1)"));
    const CMathExtent bottom = drawing.Measure(MathNodes("x+1"));
    EXPECT_GT(wide.m_dWidth, bottom.m_dWidth);
    EXPECT_LT(wide.m_dWidth, bottom.m_dWidth + line.height() / 2);
}

// In the PDF and the printout a step's division is drawn stacked in its line, the words
// around it on the line's baseline: the line grows, the words stay.
TEST(MathDrawing, StepsOfTheDocumentHoldTheirFormulasStacked)
{
    const char* szText = "2x^2!-2x-1=0";
    const auto pDocument = MakeWorkedSolutionDocument(MakeWorkedSolution(
        szText, szText, RunSimplifyAndSolve(szText, 0, ENarrativeForm::WithFormulas)));
    pDocument->setTextWidth(2000);
    const auto blockOf = [&](const char* szWords)
    { return pDocument->find(QString::fromLatin1(szWords)).block(); };
    const QTextBlock stacked = blockOf("Putting the numbers in");
    const QTextBlock plain = blockOf("Brimlet Works from left");
    ASSERT_TRUE(stacked.isValid() && plain.isValid());
    EXPECT_TRUE(stacked.text().contains(QChar::ObjectReplacementCharacter));
    EXPECT_FALSE(stacked.text().contains(QChar(0xE000))); // every placeholder replaced
    const auto height = [&](const QTextBlock& block)
    { return pDocument->documentLayout()->blockBoundingRect(block).height(); };
    EXPECT_GT(height(stacked), 1.8 * height(plain));
    const QTextBlock solution = blockOf("Solution:");
    EXPECT_TRUE(solution.text().contains(QChar::ObjectReplacementCharacter));

    // Drawn as text, not as a picture: the PDF's text holds the formula's letters.
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed (Debian: poppler-utils); PDF text not read";
    QTemporaryDir dir;
    const QString strPdf = dir.filePath(QStringLiteral("steps.pdf"));
    ASSERT_TRUE(SaveWorkedSolution(
        MakeWorkedSolution(szText, szText,
                           RunSimplifyAndSolve(szText, 0, ENarrativeForm::WithFormulas)),
        strPdf, ESaveFormat::Pdf));
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {strPdf, QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished(30000));
    const QString strText = QString::fromUtf8(pdftotext.readAllStandardOutput());
    EXPECT_TRUE(strText.contains(QStringLiteral("Putting the numbers in")))
        << strText.toStdString();
    EXPECT_TRUE(strText.contains(QStringLiteral("4ac"))) << strText.toStdString();
}
// A drawn formula stands on the line's baseline: the foot of a word's x and of the drawn
// formula's first x fall on the same row of pixels.
TEST(MathDrawing, DrawnFormulaSitsOnTheBaseline)
{
    CWorkedSolution solution;
    solution.m_strInput = "x";
    CStep step;
    step.m_strText = "xx x+\xE2\x88\x9A{x}";
    step.m_Pieces = {{"xx ", "", false}, {"x+\xE2\x88\x9A{x}", "x+\xE2\x88\x9A{x}", true}};
    solution.m_Narrative = {step};
    const auto pDocument = MakeWorkedSolutionDocument(solution);
    const QTextBlock block = pDocument->find(QStringLiteral("xx")).block();
    ASSERT_TRUE(block.isValid());
    const int nObject = static_cast<int>(block.text().indexOf(QChar::ObjectReplacementCharacter));
    ASSERT_GE(nObject, 0);
    QImage image(pDocument->size().toSize(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        pDocument->drawContents(&painter);
    }
    const QRectF blockRect = pDocument->documentLayout()->blockBoundingRect(block);
    const QTextLine line = block.layout()->lineForTextPosition(nObject);
    const auto lowestInk = [&](qreal dLeft, qreal dRight)
    {
        int nLowest = -1;
        for (int y = static_cast<int>(blockRect.top()); y < static_cast<int>(blockRect.bottom());
             ++y)
            for (int x = static_cast<int>(blockRect.left() + dLeft);
                 x < static_cast<int>(blockRect.left() + dRight); ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    nLowest = y;
        return nLowest;
    };
    const qreal dWord = line.cursorToX(0);
    const qreal dObject = line.cursorToX(nObject);
    const int nWordFoot = lowestInk(dWord, line.cursorToX(2));
    const int nFormulaFoot = lowestInk(dObject, line.cursorToX(nObject + 1));
    ASSERT_GE(nWordFoot, 0);
    EXPECT_NEAR(nFormulaFoot, nWordFoot, 1);
}
} // namespace
