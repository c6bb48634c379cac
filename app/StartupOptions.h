// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

class CFennoryDlg;

// What the command line asks of one run.
struct CStartupOptions
{
    enum class EAction
    {
        Run,     // open the window
        Help,    // print m_strOutput and end
        Version, // print m_strOutput and end
        Fail     // print m_strOutput to the error stream and end with status 1
    };

    EAction m_Action = EAction::Run;
    QString m_strOutput;
    std::optional<QString> m_strInput;      // equation text to simplify once the window shows
    std::optional<QString> m_strInputError; // why the --input text could not be read
    std::optional<QString> m_strScreenshot; // a file to save the window to, then quit
    std::optional<QSize> m_WindowSize;
    std::optional<int> m_nNarrativeLine;
};

// Parses the arguments (program name first) without needing an application object, so
// --help and --version answer without a display. --input takes ordinary notation (x^2-1).
CStartupOptions ParseStartupOptions(const QStringList& arguments);

// Prints what a Help, Version or Fail answer says; returns the exit status.
int PrintStartupAnswer(const CStartupOptions& options);

// Runs the window modally, carrying out the options once it shows; returns the exit status
// (with a screenshot: 0 when the file was written, 1 when it was not).
int RunMainWindow(CFennoryDlg& dialog, const CStartupOptions& options);
