// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppIdentity.h"
#include "FennoryDlg.h"
#include "StartupOptions.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Help, the version and mistakes in the options are answered before any window system
    // is needed. Options meant for Qt itself are read by the application object below.
    CStartupOptions options = ParseStartupOptions(arguments);
    if (options.m_Action != CStartupOptions::EAction::Run)
        return PrintStartupAnswer(options);

    QApplication app(argc, argv);
    SetApplicationIdentity();
    options = ParseStartupOptions(QApplication::arguments());
    CFennoryDlg dialog;
    return RunMainWindow(dialog, options);
}
