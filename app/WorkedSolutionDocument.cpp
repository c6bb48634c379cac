// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorkedSolutionDocument.h"

#include "output/MathText.h"
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

QString RichNodes(const std::vector<CMathNode>& nodes);

QString RichOperator(const std::string& strOperator)
{
    if (strOperator == "-")
        return QStringLiteral(" \u2212 ");
    if (strOperator == "*")
        return QStringLiteral(" \u00B7 ");
    if (strOperator == "+" || strOperator == "=")
        return " " + Escaped(strOperator) + " ";
    return Escaped(strOperator);
}

QString RichBase(const CMathNode& node)
{
    switch (node.m_eKind)
    {
    case EMathKind::Letter:
        return "<i>" + Escaped(node.m_strText) + "</i>";
    case EMathKind::Operator:
        return RichOperator(node.m_strText);
    case EMathKind::Fraction:
        return Escaped(node.m_strText) + "<sup>" + Escaped(node.m_strNumerator) +
               "</sup>\u2044<sub>" + Escaped(node.m_strDenominator) + "</sub>";
    case EMathKind::Group:
        if (!node.m_bBracketed)
            return RichNodes(node.m_Children);
        return "(" + RichNodes(node.m_Children) + (node.m_bClosed ? ")" : "");
    default:
        return Escaped(node.m_strText);
    }
}

QString RichNodes(const std::vector<CMathNode>& nodes)
{
    QString strOut;
    for (const CMathNode& node : nodes)
    {
        strOut += RichBase(node);
        if (node.m_strExponent)
            strOut += "<sup>" + RichNodes(ParseMathText(*node.m_strExponent)) + "</sup>";
    }
    return strOut;
}

QString RichMath(const std::string& strEquationText)
{
    return "<span style=\"font-family: serif; font-size: 14pt;\">" +
           RichNodes(ParseMathText(strEquationText)) + "</span>";
}

// A step's line: its words as text, each formula in it typeset.
QString RichStepLine(const CStep& step)
{
    if (step.m_Pieces.empty())
        return Escaped(step.m_strText);
    QString strLine;
    for (const CStepPiece& piece : step.m_Pieces)
        strLine += piece.m_bFormula ? RichMath(piece.m_strFormula) : Escaped(piece.m_strText);
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

bool WritePdf(const CWorkedSolution& solution, const QString& strPath)
{
    QSaveFile file(strPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setTitle(QString::fromStdString("Worked solution: " + solution.m_strInput));
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
    strBody += Row("Problem", solution.m_strProblem.empty()
                                  ? "<tt>" + Escaped(solution.m_strInput) + "</tt>"
                                  : RichMath(solution.m_strProblem));
    if (solution.m_strResult)
        strBody += Row("Result", RichMath(*solution.m_strResult));
    if (solution.m_strFurther)
        strBody += Row("Further result", RichMath(*solution.m_strFurther));
    if (solution.m_strSolution)
        strBody += Row(solution.m_strSolutionLabel->c_str(),
                       solution.m_strSolutionText
                           ? RichMath(*solution.m_strSolutionText)
                           : QString::fromStdString(*solution.m_strSolution).toHtmlEscaped());
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
