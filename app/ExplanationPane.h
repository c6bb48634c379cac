// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string>

class QTextEdit;

// Narrative and message texts end their lines in "\r\n"; a text pane wants "\n".
QString PaneText(const std::string& strText);

// Puts the narrative into the pane with each line's leading spaces turned into the
// paragraph's start indent (40 twips a space, at most half the pane's width), the caret at
// the start and the pane read-only.
void ShowIndentedExplanation(QTextEdit& pane, const std::string& strExplanation);

// Twips are 1/1440 inch; the pane measures in pixels of its own display.
double TwipsToPixels(int nTwips, int nDpi);
