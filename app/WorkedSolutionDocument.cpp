// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorkedSolutionDocument.h"

#include "GraphExport.h"
#include "RichMath.h"
#include "output/Writers.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace
{
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

// A step's line: its words as text, each formula in it typeset.
QString RichStepLine(const CStep& step)
{
    if (step.m_Pieces.empty())
        return BreakableText(step.m_strText);
    QString strLine;
    for (const CStepPiece& piece : step.m_Pieces)
        strLine +=
            piece.m_bFormula ? RichMathInLine(piece.m_strFormula) : BreakableText(piece.m_strText);
    return strLine;
}

QString RichSteps(const std::vector<CStep>& steps)
{
    QString strItems;
    for (const CStep& step : steps)
        strItems += "<li>" + RichStepLine(step) + RichSteps(step.m_Steps) + "</li>";
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
} // namespace

QString ToRichText(const CWorkedSolution& solution)
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
                       : Row(solution.m_strSolutionLabel->c_str(),
                             QString::fromStdString(*solution.m_strSolution).toHtmlEscaped());
    for (const std::string& strError : solution.m_Errors)
        strBody += "<p style=\"color: #a00;\">" + Escaped(strError) + "</p>";
    if (!solution.m_Narrative.empty())
        strBody += "<h3>How it was done</h3>" + RichSteps(solution.m_Narrative);
    return "<html><body>" + strBody + "</body></html>";
}

std::unique_ptr<QTextDocument> MakeWorkedSolutionDocument(const CWorkedSolution& solution)
{
    auto pDocument = std::make_unique<QTextDocument>();
    pDocument->setHtml(ToRichText(solution));
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
