// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorkedSolutionDocument.h"

#include "GraphExport.h"
#include "MathDrawing.h"
#include "RichMath.h"
#include "output/Writers.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>

Q_DECLARE_METATYPE(std::vector<CMathNode>)

namespace
{
constexpr int kMathObject = QTextFormat::UserObject + 2;
constexpr int kNodesProperty = QTextFormat::UserProperty + 2;

// The math of the steps: serif, as the rich text's formulas (RichMath) are set.
QFont MathFont()
{
    QFont font(QStringLiteral("serif"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(14);
    return font;
}

// Draws a formula of a step that rich text cannot set (a stacked division, a root). Qt gives a
// middle-aligned object of height h the ascent (h + x/2) / 2 and the descent (h - x/2) / 2, x
// the x-height of the object's own character format on the screen: the box is sized so that
// both reach the formula's, and the formula's baseline is drawn where Qt puts the line's.
class CStepMathObject : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    explicit CStepMathObject(QObject* pParent) : QObject(pParent) {}

    QSizeF intrinsicSize(QTextDocument* pDocument, int, const QTextFormat& format) override
    {
        const CMathExtent extent = Drawing(pDocument).Measure(Nodes(format));
        const qreal dHalfX = HalfXHeight(format);
        return {extent.m_dWidth,
                std::max(2 * extent.m_dAscent - dHalfX, 2 * extent.m_dDescent + dHalfX)};
    }
    void drawObject(QPainter* pPainter, const QRectF& rect, QTextDocument* pDocument, int,
                    const QTextFormat& format) override
    {
        const qreal dBaseline = rect.top() + (rect.height() + HalfXHeight(format)) / 2;
        Drawing(pDocument).Draw(*pPainter, Nodes(format), {rect.left(), dBaseline});
    }

private:
    static CMathDrawing Drawing(QTextDocument* pDocument)
    {
        return CMathDrawing(MathFont(), pDocument->documentLayout()->paintDevice());
    }
    static qreal HalfXHeight(const QTextFormat& format)
    {
        return QFontMetrics(format.toCharFormat().font()).xHeight() / 2.0;
    }
    static std::vector<CMathNode> Nodes(const QTextFormat& format)
    {
        return format.property(kNodesProperty).value<std::vector<CMathNode>>();
    }
};

// Formulas the document draws as objects, each put in the rich text as a placeholder of two
// private-use characters around its number.
using CDrawnMath = std::vector<std::vector<CMathNode>>;

QString Placeholder(size_t nIndex)
{
    return QChar(0xE000) + QString::number(nIndex) + QChar(0xE001);
}

// A formula with divisions or roots drawn, one object for each term so that a long one still
// breaks between terms; any other as rich text.
QString StepFormula(const std::string& strFormula, CDrawnMath* pDrawn)
{
    std::vector<CMathNode> nodes = MathNodes(strFormula);
    if (!pDrawn || !NeedsDrawing(nodes))
        return RichMathInLine(strFormula);
    QString strOut;
    for (std::vector<CMathNode>& piece : SplitAtTerms(std::move(nodes)))
    {
        strOut +=
            (strOut.isEmpty() ? QString() : QString(QChar(0x200B))) + Placeholder(pDrawn->size());
        pDrawn->push_back(std::move(piece));
    }
    return strOut;
}

void AddMathDrawings(QTextDocument& document, const CDrawnMath& drawn)
{
    if (drawn.empty())
        return;
    document.documentLayout()->registerHandler(kMathObject, new CStepMathObject(&document));
    for (size_t i = 0; i < drawn.size(); ++i)
    {
        QTextCursor cursor = document.find(Placeholder(i));
        if (cursor.isNull())
            continue;
        QTextCharFormat format = cursor.charFormat();
        format.setObjectType(kMathObject);
        format.setProperty(kNodesProperty, QVariant::fromValue(drawn[i]));
        format.setVerticalAlignment(QTextCharFormat::AlignMiddle);
        cursor.insertText(QString(QChar::ObjectReplacementCharacter), format);
    }
}

QString Escaped(const std::string& strText)
{
    return QString::fromStdString(strText).toHtmlEscaped();
}

// A formula in a step is one long word: a zero-width space lets it break after + - =.
QString BreakableText(const std::string& strText)
{
    QString strOut = Escaped(strText);
    for (const QChar c : {QChar('+'), QChar('-'), QChar('=')})
        strOut.replace(c, QString(c) + QChar(0x200B));
    return strOut;
}

// A line of words and formulas: the words as text, each formula typeset.
QString RichPieces(const std::vector<CStepPiece>& pieces, CDrawnMath* pDrawn)
{
    QString strLine;
    for (const CStepPiece& piece : pieces)
        strLine += piece.m_bFormula ? StepFormula(piece.m_strFormula, pDrawn)
                                    : BreakableText(piece.m_strText);
    return strLine;
}

QString RichSteps(const std::vector<CStep>& steps, CDrawnMath* pDrawn)
{
    QString strItems;
    for (const CStep& step : steps)
        strItems += "<li>" +
                    (step.m_Pieces.empty() ? BreakableText(step.m_strText)
                                           : RichPieces(step.m_Pieces, pDrawn)) +
                    RichSteps(step.m_Steps, pDrawn) + "</li>";
    return steps.empty() ? QString() : "<ul style=\"list-style-type: none;\">" + strItems + "</ul>";
}

QString Row(const char* szLabel, const QString& strContent)
{
    return QStringLiteral("<p><b>%1:</b> %2</p>").arg(QString::fromLatin1(szLabel), strContent);
}

QString MathRow(const char* szLabel, const std::string& strEquationText)
{
    const CRichMath math = RichMath(strEquationText);
    if (!math.m_bBlock)
        return Row(szLabel, math.m_strHtml);
    return QStringLiteral("<p><b>%1:</b></p>").arg(QString::fromLatin1(szLabel)) + math.m_strHtml;
}

bool WritePdf(const CWorkedSolution& solution, const QString& strPath)
{
    QSaveFile file(strPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setTitle(QString::fromStdString(WorkedSolutionTitle(solution)));
        MakeWorkedSolutionDocument(solution)->print(&writer);
    }
    return file.commit();
}

bool WriteBytes(const std::string& strBytes, const QString& strPath)
{
    QSaveFile file(strPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const auto nSize = static_cast<qint64>(strBytes.size());
    return file.write(strBytes.data(), nSize) == nSize && file.commit();
}
// The worked solution as Qt's rich text: the same content as the HTML page, with powers raised,
// typed fractions small and divisions of the results as tables; formulas of the steps and the
// solution line that rich text cannot set are left to pDrawn as placeholders.
QString ToRichText(const CWorkedSolution& solution, CDrawnMath* pDrawn)
{
    QString strBody = "<h2>Worked solution</h2>";
    strBody += solution.m_strProblem.empty()
                   ? Row("Problem", "<tt>" + Escaped(solution.m_strInput) + "</tt>")
                   : MathRow("Problem", solution.m_strProblem);
    if (solution.m_strResult)
        strBody += MathRow("Result", *solution.m_strResult);
    if (solution.m_strFurther)
        strBody += MathRow("Further result", *solution.m_strFurther);
    if (solution.m_strSolution)
        strBody += solution.m_strSolutionText
                       ? MathRow(solution.m_strSolutionLabel->c_str(), *solution.m_strSolutionText)
                   : !solution.m_SolutionPieces.empty()
                       ? Row(solution.m_strSolutionLabel->c_str(),
                             RichPieces(solution.m_SolutionPieces, pDrawn))
                       : Row(solution.m_strSolutionLabel->c_str(),
                             QString::fromStdString(*solution.m_strSolution).toHtmlEscaped());
    for (const std::string& strError : solution.m_Errors)
        strBody += "<p style=\"color: #a00;\">" + Escaped(strError) + "</p>";
    if (!solution.m_Narrative.empty())
        strBody += "<h3>How it was done</h3>" + RichSteps(solution.m_Narrative, pDrawn);
    return "<html><body>" + strBody + "</body></html>";
}

} // namespace

std::unique_ptr<QTextDocument> MakeWorkedSolutionDocument(const CWorkedSolution& solution)
{
    auto pDocument = std::make_unique<QTextDocument>();
    CDrawnMath drawn;
    pDocument->setHtml(ToRichText(solution, &drawn));
    AddMathDrawings(*pDocument, drawn);
    AddGraphDrawing(*pDocument, solution);
    return pDocument;
}

ESaveFormat SaveFormatOf(const QString& strPath)
{
    const QString strSuffix = QFileInfo(strPath).suffix().toLower();
    if (strSuffix == QLatin1String("html") || strSuffix == QLatin1String("htm"))
        return ESaveFormat::Html;
    if (strSuffix == QLatin1String("pdf"))
        return ESaveFormat::Pdf;
    return ESaveFormat::Text;
}

QString PathForFilter(const QString& strPath, const QString& strFilter)
{
    const QString strSuffix = QFileInfo(strPath).suffix().toLower();
    for (const char* szKnown : {"html", "htm", "txt", "pdf"})
        if (strSuffix == QLatin1String(szKnown))
            return strPath;
    if (strFilter.contains(QLatin1String("*.pdf")))
        return strPath + ".pdf";
    if (strFilter.contains(QLatin1String("*.txt")))
        return strPath + ".txt";
    return strPath + ".html";
}

bool SaveWorkedSolution(const CWorkedSolution& solution, const QString& strPath,
                        ESaveFormat eFormat)
{
    switch (eFormat)
    {
    case ESaveFormat::Html:
        return WriteBytes(WriteHtml(solution), strPath);
    case ESaveFormat::Text:
        return WriteBytes(WriteText(solution, true), strPath);
    case ESaveFormat::Pdf:
        return WritePdf(solution, strPath);
    }
    return false;
}

#include "WorkedSolutionDocument.moc"
