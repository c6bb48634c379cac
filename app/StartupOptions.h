#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class CFennoryDlg;

// What the command line asks of one run: a text to simplify as soon as the window shows,
// and a file to save the window to before quitting.
struct CStartupOptions
{
    std::optional<QString> m_strInput;
    std::optional<QString> m_strScreenshot;
};

// Parses the arguments (program name first). Prints help or an error and exits on --help
// or on an unknown option, as command-line tools do.
CStartupOptions ParseStartupOptions(const QStringList& arguments);

// Runs the window modally, carrying out the options once it shows; returns the exit status
// (with a screenshot: 0 when the file was written, 1 when it was not).
int RunMainWindow(CFennoryDlg& dialog, const CStartupOptions& options);
