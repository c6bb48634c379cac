#include "StartupOptions.h"

#include "FennoryDlg.h"

#include <QCommandLineParser>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

namespace
{
// Long enough for the window to be laid out and painted after the request.
constexpr int kScreenshotDelayMs = 300;

bool SaveWindow(QWidget& window, const QString& strFile)
{
    const bool bSaved = window.grab().save(strFile, "PNG");
    if (!bSaved)
        std::fprintf(stderr, "fennory: could not write %s\n", qPrintable(strFile));
    return bSaved;
}
} // namespace

CStartupOptions ParseStartupOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Fennory simplifies equations and expressions step by step."));
    parser.addHelpOption();
    const QCommandLineOption input(
        QStringLiteral("input"), QStringLiteral("Start with TEXT (equation text) and simplify it."),
        QStringLiteral("TEXT"));
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral("Save the window as a PNG to FILE once it shows, then quit."),
        QStringLiteral("FILE"));
    parser.addOption(input);
    parser.addOption(screenshot);
    parser.process(arguments);

    CStartupOptions options;
    if (parser.isSet(input))
        options.m_strInput = parser.value(input);
    if (parser.isSet(screenshot))
        options.m_strScreenshot = parser.value(screenshot);
    return options;
}

int RunMainWindow(CFennoryDlg& dialog, const CStartupOptions& options)
{
    int nStatus = 0;
    if (options.m_strInput)
        QTimer::singleShot(0, &dialog,
                           [&dialog, &options] { dialog.SimplifyText(*options.m_strInput); });
    if (options.m_strScreenshot)
        QTimer::singleShot(kScreenshotDelayMs, &dialog,
                           [&dialog, &options, &nStatus]
                           {
                               nStatus = SaveWindow(dialog, *options.m_strScreenshot) ? 0 : 1;
                               dialog.done(QDialog::Accepted);
                           });
    dialog.exec();
    return nStatus;
}
