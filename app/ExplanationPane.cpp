// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExplanationPane.h"

#include "driver/SimplifyRequest.h"

#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>

namespace
{
constexpr int kTwipsPerInch = 1440;

QTextBlockFormat IndentFormat(int nIndentTwips, int nDpi)
{
    QTextBlockFormat format;
    format.setLeftMargin(TwipsToPixels(nIndentTwips, nDpi));
    format.setTextIndent(0); // no hanging offset
    return format;
}
} // namespace

QString PaneText(const std::string& strText)
{
    QString str = QString::fromStdString(strText);
    str.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return str;
}

double TwipsToPixels(int nTwips, int nDpi)
{
    return static_cast<double>(nTwips) * nDpi / kTwipsPerInch;
}

void ShowIndentedExplanation(QTextEdit& pane, const std::string& strExplanation)
{
    const int nDpi = pane.logicalDpiX();
    const auto lines = IndentExplanation(strExplanation, pane.viewport()->width(), nDpi);

    pane.clear();
    QTextCursor cursor(pane.document());
    cursor.beginEditBlock();
    for (size_t i = 0; i < lines.size(); ++i)
    {
        if (i > 0)
            cursor.insertBlock();
        cursor.setBlockFormat(IndentFormat(lines[i].m_nIndentTwips, nDpi));
        cursor.insertText(QString::fromStdString(lines[i].m_strText));
    }
    cursor.endEditBlock();
    pane.moveCursor(QTextCursor::Start);
    pane.setReadOnly(true);
}
