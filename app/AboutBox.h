// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAction;
class QWidget;

// "&About Fennory...": the command that shows the About box modally over the given window.
QAction* CreateAboutAction(QWidget& owner);
void ShowAboutBox(QWidget* pParent);
