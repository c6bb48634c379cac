// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "layout/EquationLayout.h"

class CZelvixFonts;
class QPainter;
class QRect;

// Draws a finished layout: background, text cells, fraction bars, caret and the sunken frame.
void PaintEquationLayout(QPainter& painter, const CEquationLayout& layout,
                         const CZelvixFonts& fonts, const QRect& bounds);
