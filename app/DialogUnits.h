// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

class QFontMetrics;
class QWidget;

// The pixel size of one dialog unit's base: a quarter of the font's average character width
// across, an eighth of its height down. Dialog templates give every control in these units
// so the layout scales with the dialog font.
struct CDialogBaseUnits
{
    int m_nX = 0;
    int m_nY = 0;
};

CDialogBaseUnits DialogBaseUnits(const QFontMetrics& metrics);

// Maps a rectangle in dialog units to pixels, edge by edge, rounding as the dialog manager does.
QRect MapDialogRect(const QRect& rectUnits, const CDialogBaseUnits& base);

// Every child of the dialog that carries a "dialogUnits" rectangle is placed by it, and the
// dialog takes its own "dialogUnits" size as its size and its smallest size; a child with a
// "controlId" takes that id as its object name.
void ApplyDialogTemplate(QWidget& dialog);
