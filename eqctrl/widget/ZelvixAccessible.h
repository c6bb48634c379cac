// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

class CZelvixCtrl;

// Screen readers see the editor as editable text: its value is the equation read in words, its
// text and caret those of the ordinary notation (x^2+1), its description carries the first
// error. Installed once, when the first control is made.
void InstallZelvixAccessibleFactory();

// Tells assistive technology that the caret moved, and with bTextChanged that the value did.
void NotifyZelvixAccessible(CZelvixCtrl& control, bool bTextChanged);
