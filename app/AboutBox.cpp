// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutBox.h"

#include <QAction>
#include <QMessageBox>
#include <QWidget>

namespace
{
constexpr const char* kAboutText = "&About Fennory...";
} // namespace

QAction* CreateAboutAction(QWidget& owner)
{
    auto* pAction = new QAction(QString::fromLatin1(kAboutText), &owner);
    pAction->setObjectName(QStringLiteral("actionAbout"));
    QObject::connect(pAction, &QAction::triggered, &owner, [&owner] { ShowAboutBox(&owner); });
    return pAction;
}

void ShowAboutBox(QWidget* pParent)
{
    QMessageBox box(pParent);
    box.setObjectName(QStringLiteral("aboutBox"));
    box.setWindowTitle(QObject::tr("About Fennory"));
    box.setIconPixmap(QIcon(QStringLiteral(":/fennory.png")).pixmap(64, 64));
    box.setText(QObject::tr("<b>Fennory, Version 1.0</b>"));
    box.setInformativeText(
        QObject::tr("<p>Simplifies equations and expressions step by step and tells how it was "
                    "done.</p><p>Fennory is free software under the GNU General Public License, "
                    "version 3 or later. Its equation editor, Zelvix, is under the GNU Lesser "
                    "General Public License, version 3 or later. There is no warranty.</p>"));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}
