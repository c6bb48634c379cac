// SPDX-License-Identifier: LGPL-3.0-or-later
#include "layout/EquationLayout.h"

#include "layout/LayoutPass.h"
#include "layout/StackedLayout.h"

#include <algorithm>

namespace
{
constexpr int kStartX = 3;

// Stretches a position by two characters' share of the line, so the scrolled text keeps a
// little room after the caret.
int Stretch(int nX, int nTextLength)
{
    return static_cast<int>((1.0 + 2.0 / nTextLength) * nX);
}

// Selections hold whole structures, so their edges are main-line entries.
void PlaceSelection(CEquationLayout& layout, const CLayoutInput& input, int nStartX)
{
    const int nCount = static_cast<int>(layout.m_XPositions.size());
    const int nFrom = input.m_nSelectionFrom;
    const int nTo = input.m_nSelectionTo;
    if (nTo <= nFrom || nFrom < 0 || nTo >= nCount)
        return;
    layout.m_bSelection = true;
    layout.m_nSelectionX1 = nFrom == 0 ? nStartX : layout.m_XPositions[nFrom - 1];
    layout.m_nSelectionX2 = layout.m_XPositions[nTo - 1];
}

// The lowest pixel row anything is drawn in: the main line's foot at least, lower when a
// typed fraction's denominator reaches further.
int ContentBottom(const CEquationLayout& layout, const CTextMeasurer& measurer)
{
    const int nH = layout.m_nTextHeight;
    int nBottom = (nH - 3) / 2 + nH;
    for (const CLayoutText& text : layout.m_Texts)
        nBottom = std::max(nBottom, text.m_nY + measurer.GetHeight(text.m_nFont));
    return nBottom;
}

CEquationLayout LayoutShifted(const CLayoutInput& input, const CTextMeasurer& measurer, int nShift)
{
    CEquationLayout layout = CLayoutPass(input, measurer, kStartX - nShift).Run();
    layout.m_nShift = nShift;
    layout.m_nContentWidth = layout.m_XPositions.back() + nShift;
    layout.m_nContentBottom = ContentBottom(layout, measurer);
    PlaceSelection(layout, input, kStartX - nShift);
    return layout;
}
} // namespace

CEquationLayout LayoutEquation(const CLayoutInput& input, const CTextMeasurer& measurer)
{
    if (std::optional<CEquationLayout> stacked = LayoutStacked(input, measurer))
        return std::move(*stacked);
    if (input.m_nForcedShift >= 0)
        return LayoutShifted(input, measurer, input.m_nForcedShift);
    CEquationLayout layout = LayoutShifted(input, measurer, 0);
    const int nLength = static_cast<int>(input.m_strText.size());
    const int nShift = ComputeScrollShift(layout, input.m_nCaret, nLength, input.m_nWidth);
    if (nShift == 0)
        return layout;
    // The scrolled pass starts at minus the shift, without the usual margin.
    layout = CLayoutPass(input, measurer, -nShift).Run();
    layout.m_nShift = nShift;
    layout.m_nContentWidth = layout.m_XPositions.back() + nShift;
    layout.m_nContentBottom = ContentBottom(layout, measurer);
    PlaceSelection(layout, input, -nShift);
    return layout;
}

// Text wider than the control with the caret in its right half -> shift left to show the caret.
int ComputeScrollShift(const CEquationLayout& layout, int nCaret, int nTextLength, int nWidth)
{
    const int nEntries = static_cast<int>(layout.m_XPositions.size());
    if (nTextLength == 0 || nCaret <= 0 || nCaret > nTextLength || nTextLength >= nEntries)
        return 0;
    const int nLast = layout.m_XPositions[nTextLength - 1];
    const int nAtCaret = layout.m_XPositions[nCaret - 1];
    if (nLast <= nWidth || nAtCaret <= nWidth / 2)
        return 0;
    if (nCaret == nTextLength)
        return Stretch(nAtCaret, nTextLength) - nWidth;

    int nShift = nAtCaret - nWidth / 2;
    if (nShift < 0)
        nShift = 0;
    const int nRemaining = static_cast<int>((1.0 + 2.0 / nTextLength) * nLast - nShift);
    if (nRemaining < nWidth)
        nShift += nRemaining - nWidth;
    return nShift;
}
