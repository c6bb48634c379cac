// SPDX-License-Identifier: GPL-3.0-or-later
#include "GraphFiles.h"

#include "GraphPainter.h"

#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>
#include <cstdlib>

namespace
{
// Files are drawn in one font at one size, whatever the desktop uses.
QFont FileFont()
{
    QFont font("Liberation Sans");
    font.setPixelSize(13);
    return font;
}

int g_nArgc = 1;
char g_szName[] = "fennory-cli";
char* g_argv[] = {g_szName, nullptr};

QByteArray SvgBytes(const CPlotGeometry& geometry, QSize size)
{
    EnsureGraphApplication();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle("Graph");
    {
        QPainter painter(&generator);
        painter.setFont(FileFont());
        PaintGraph(painter, QRectF(QPointF(0, 0), size), geometry, CGraphColours::ForPaper());
    }
    return buffer.data();
}
} // namespace

void EnsureGraphApplication()
{
    if (QCoreApplication::instance())
        return;
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Qt's own notes (no runtime directory, ...) are no message of the program's.
    qInstallMessageHandler(
        [](QtMsgType eType, const QMessageLogContext&, const QString& strText)
        {
            if (eType == QtCriticalMsg || eType == QtFatalMsg)
                std::fprintf(stderr, "%s\n", qPrintable(strText));
        });
    // Kept to the very end: destroying it among the other statics at exit crashes in Qt's
    // font cleanup.
    static QGuiApplication* pApplication = new QGuiApplication(g_nArgc, g_argv);
    (void)pApplication;
}

std::string GraphSvg(const CPlotGeometry& geometry, QSize size)
{
    return SvgBytes(geometry, size).toStdString();
}

std::string GraphSvgElement(const CPlotGeometry& geometry, QSize size)
{
    const std::string strDocument = GraphSvg(geometry, size);
    const size_t nStart = strDocument.find("<svg");
    return nStart == std::string::npos ? strDocument : strDocument.substr(nStart);
}

std::string WriteGraphFile(const QString& strPath, const CPlotGeometry& geometry, QSize size)
{
    const QString strLower = strPath.toLower();
    if (strLower.endsWith(".svg"))
    {
        QFile file(strPath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(SvgBytes(geometry, size)) < 0 || !file.flush())
            return "Cannot write " + strPath.toStdString();
        return "";
    }
    if (!strLower.endsWith(".png"))
        return "A graph is written as FILE.svg or FILE.png, not " + strPath.toStdString();
    EnsureGraphApplication();
    QImage image(size * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    {
        QPainter painter(&image);
        painter.setFont(FileFont());
        PaintGraph(painter, QRectF(QPointF(0, 0), size), geometry, CGraphColours::ForPaper());
    }
    if (!image.save(strPath, "PNG"))
        return "Cannot write " + strPath.toStdString();
    return "";
}
