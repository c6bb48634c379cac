// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Gives every control of the main window the name and description a screen reader says.
void NameControls(QWidget& dialog);
