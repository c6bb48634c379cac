// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "layout/EquationLayout.h"

struct CCaretRect
{
    int m_nLeft = 0;
    int m_nTop = 0;
    int m_nRight = 0;
    int m_nBottom = 0;

    bool IsEmpty() const { return m_nRight <= m_nLeft || m_nBottom <= m_nTop; }
    bool operator==(const CCaretRect&) const = default;
};

// The caret position a click at (nX, nY) asks for. Stacked entries answer only on their own
// side of a fixed line, so a click above the bar lands in the numerator.
int HitTestCaret(const CEquationLayout& layout, int nX, int nY, int nTextLength);

// The area to repaint when the caret blinks, from the records of the last pass.
CCaretRect GetCaretRect(const CEquationLayout& layout, int nCaret, int nTextHeight);
