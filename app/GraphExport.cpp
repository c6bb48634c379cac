// SPDX-License-Identifier: GPL-3.0-or-later
#include "GraphExport.h"

#include "GraphFiles.h"
#include "GraphPainter.h"
#include "output/WorkedSolution.h"
#include "plot/Plot.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>

namespace
{
// The size of the graph on the page and in the HTML, in the document's pixels.
const QSize kGraphSize(560, 360);
constexpr int kGraphObject = QTextFormat::UserObject + 1;
constexpr int kGeometryProperty = QTextFormat::UserProperty + 1;

// Draws the geometry an object of the document carries, wherever the document is painted.
class CGraphObject : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    explicit CGraphObject(QObject* pParent) : QObject(pParent) {}

    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat&) override
    {
        return QSizeF(kGraphSize);
    }
    void drawObject(QPainter* pPainter, const QRectF& rect, QTextDocument*, int,
                    const QTextFormat& format) override
    {
        const auto geometry = format.property(kGeometryProperty).value<CPlotGeometry>();
        pPainter->save();
        pPainter->setRenderHint(QPainter::Antialiasing);
        PaintGraph(*pPainter, rect, geometry, CGraphColours::ForPaper());
        pPainter->restore();
    }
};

// Where the drawing goes: before the steps' heading, else at the end.
QTextCursor GraphPlace(QTextDocument& document)
{
    QTextCursor cursor = document.find(QStringLiteral("How it was done"));
    if (cursor.isNull())
    {
        cursor = QTextCursor(&document);
        cursor.movePosition(QTextCursor::End);
        cursor.insertBlock();
        return cursor;
    }
    cursor.movePosition(QTextCursor::StartOfBlock);
    cursor.insertBlock();
    cursor.movePosition(QTextCursor::PreviousBlock);
    cursor.setBlockFormat(QTextBlockFormat());
    cursor.setBlockCharFormat(QTextCharFormat());
    return cursor;
}
} // namespace

Q_DECLARE_METATYPE(CPlotGeometry)

void AddGraph(CWorkedSolution& solution)
{
    if (solution.IsSolved())
        solution.m_strGraphSvg =
            GraphSvgElement(CPlotProblem(solution.m_strProblem).Sample(), kGraphSize);
}

void AddGraphDrawing(QTextDocument& document, const CWorkedSolution& solution)
{
    if (!solution.m_strGraphSvg || !solution.IsSolved())
        return;
    document.documentLayout()->registerHandler(kGraphObject, new CGraphObject(&document));
    QTextCharFormat format;
    format.setObjectType(kGraphObject);
    format.setProperty(kGeometryProperty,
                       QVariant::fromValue(CPlotProblem(solution.m_strProblem).Sample()));
    GraphPlace(document).insertText(QString(QChar::ObjectReplacementCharacter), format);
}

#include "GraphExport.moc"
