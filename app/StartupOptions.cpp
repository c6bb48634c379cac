// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartupOptions.h"

#include "FennoryDlg.h"
#include "FennoryVersion.h"
#include "core/AlgebraError.h"
#include "driver/SimplifyRequest.h"
#include "model/OrdinaryNotation.h"

#include <QCommandLineParser>
#include <QPixmap>
#include <QRegularExpression>
#include <QTimer>

#include <cstdio>

namespace
{
// Long enough for the window to be laid out and painted after the request.
constexpr int kScreenshotDelayMs = 300;

constexpr const char* kHelpText =
    "Usage: fennory [options]\n"
    "Fennory simplifies equations and expressions step by step.\n"
    "\n"
    "Options:\n"
    "  -h, --help                  Show this help and end.\n"
    "  -v, --version               Show the version and end.\n"
    "  --input <TEXT>              Start with TEXT and simplify it. TEXT is ordinary\n"
    "                              notation (x^2-1, 3/4x, (x+1)/(x-1)) or equation text.\n"
    "  --window-size <WxH>         Open the window W by H pixels (at least its smallest\n"
    "                              size).\n"
    "  --narrative-line <N>        After simplifying, scroll the narrative to its line N.\n"
    "  --screenshot <FILE>         Save the window as a PNG to FILE once it shows, then\n"
    "                              quit.\n";

bool SaveWindow(QWidget& window, const QString& strFile)
{
    const bool bSaved = window.grab().save(strFile, "PNG");
    if (!bSaved)
        std::fprintf(stderr, "fennory: could not write %s\n", qPrintable(strFile));
    return bSaved;
}

CStartupOptions Answer(CStartupOptions::EAction action, const QString& strOutput)
{
    CStartupOptions options;
    options.m_Action = action;
    options.m_strOutput = strOutput;
    return options;
}

void ReadInput(const QString& strTyped, CStartupOptions& options)
{
    const std::string strText = strTyped.toStdString();
    // Refused by its size before it is read, as a request would refuse it.
    if (IsTooLongToSimplify(strText.size()))
    {
        options.m_strInputError = QString::fromLatin1(kExpressionTooLarge);
        return;
    }
    const SOrdinaryConversion conversion = ConvertOrdinaryNotation(strText);
    if (conversion.m_bOk)
    {
        options.m_strInput = QString::fromStdString(conversion.m_strText);
        return;
    }
    // The message names the character itself.
    options.m_strInputError = QStringLiteral("The start-up text \"%1\" could not be read: %2")
                                  .arg(strTyped, QString::fromStdString(conversion.m_strMessage));
}

// Qt reads these itself when the application object is made; they are no mistake of ours.
const QStringList kQtOptionsWithValue = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",     "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "style",         "stylesheet", "session",
    "display",     "geometry",           "title",         "name",       "qmljsdebugger"};
const QStringList kQtSwitches = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

QStringList WithoutQtOptions(const QStringList& arguments)
{
    QStringList kept;
    for (int i = 0; i < arguments.size(); ++i)
    {
        QString strName = arguments[i];
        if (i == 0 || !strName.startsWith(QLatin1Char('-')))
        {
            kept << strName;
            continue;
        }
        strName.remove(QRegularExpression(QStringLiteral("^--?")));
        const bool bJoinedValue = strName.contains(QLatin1Char('='));
        strName = strName.section(QLatin1Char('='), 0, 0);
        if (kQtOptionsWithValue.contains(strName))
            i += bJoinedValue ? 0 : 1;
        else if (!kQtSwitches.contains(strName))
            kept << arguments[i];
    }
    return kept;
}

std::optional<QSize> ReadSize(const QString& strSize)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(strSize);
    if (!match.hasMatch())
        return std::nullopt;
    return QSize(match.captured(1).toInt(), match.captured(2).toInt());
}
} // namespace

CStartupOptions ParseStartupOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    const QCommandLineOption input(QStringLiteral("input"), QString(), QStringLiteral("TEXT"));
    const QCommandLineOption size(QStringLiteral("window-size"), QString(), QStringLiteral("WxH"));
    const QCommandLineOption line(QStringLiteral("narrative-line"), QString(), QStringLiteral("N"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"), QString(),
                                        QStringLiteral("FILE"));
    parser.addOptions({help, version, input, size, line, screenshot});
    if (!parser.parse(WithoutQtOptions(arguments)))
        return Answer(CStartupOptions::EAction::Fail,
                      QStringLiteral("fennory: %1\nTry fennory --help.\n").arg(parser.errorText()));
    if (parser.isSet(help))
        return Answer(CStartupOptions::EAction::Help, QString::fromLatin1(kHelpText));
    if (parser.isSet(version))
        return Answer(CStartupOptions::EAction::Version,
                      QStringLiteral("fennory %1\n").arg(QStringLiteral(FENNORY_VERSION)));
    if (!parser.positionalArguments().isEmpty())
        return Answer(CStartupOptions::EAction::Fail,
                      QStringLiteral("fennory: unexpected argument '%1'; give the text with "
                                     "--input.\nTry fennory --help.\n")
                          .arg(parser.positionalArguments().front()));

    CStartupOptions options;
    if (parser.isSet(input))
        ReadInput(parser.value(input), options);
    if (parser.isSet(size))
    {
        options.m_WindowSize = ReadSize(parser.value(size));
        if (!options.m_WindowSize)
            return Answer(CStartupOptions::EAction::Fail,
                          QStringLiteral("fennory: --window-size wants WIDTHxHEIGHT in pixels, "
                                         "such as 900x700, not '%1'.\n")
                              .arg(parser.value(size)));
    }
    if (parser.isSet(line))
    {
        bool bOk = false;
        options.m_nNarrativeLine = parser.value(line).toInt(&bOk);
        if (!bOk || *options.m_nNarrativeLine < 1)
            return Answer(CStartupOptions::EAction::Fail,
                          QStringLiteral("fennory: --narrative-line wants a line number from "
                                         "1, not '%1'.\n")
                              .arg(parser.value(line)));
    }
    if (parser.isSet(screenshot))
        options.m_strScreenshot = parser.value(screenshot);
    return options;
}

int PrintStartupAnswer(const CStartupOptions& options)
{
    const QByteArray text = options.m_strOutput.toLocal8Bit();
    const bool bFail = options.m_Action == CStartupOptions::EAction::Fail;
    std::fputs(text.constData(), bFail ? stderr : stdout);
    return bFail ? 1 : 0;
}

int RunMainWindow(CFennoryDlg& dialog, const CStartupOptions& options)
{
    int nStatus = 0;
    if (options.m_WindowSize)
        dialog.resize(*options.m_WindowSize);
    if (options.m_strInputError)
    {
        std::fprintf(stderr, "fennory: %s\n", qPrintable(*options.m_strInputError));
        dialog.ShowStartupError(*options.m_strInputError);
    }
    if (options.m_strInput)
        QTimer::singleShot(0, &dialog,
                           [&dialog, &options]
                           {
                               dialog.SimplifyText(*options.m_strInput);
                               if (options.m_nNarrativeLine)
                                   dialog.ScrollNarrativeTo(*options.m_nNarrativeLine);
                           });
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
