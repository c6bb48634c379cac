// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppIdentity.h"

#include "FennoryVersion.h"

#include <QApplication>

// The window system's class of the window (WM_CLASS) is the application name; the menu
// entry names it as its StartupWMClass, and Wayland's app id is the desktop file name.
void SetApplicationIdentity()
{
    QApplication::setOrganizationName(QStringLiteral("Fennory"));
    QApplication::setApplicationName(QStringLiteral("fennory"));
    QApplication::setApplicationVersion(QStringLiteral(FENNORY_VERSION));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
}
