#include "layout/EquationLayout.h"

#include "layout/LayoutPass.h"

namespace
{
constexpr int kStartX = 3;

// Stretches a position by two characters' share of the line, so the scrolled text keeps a
// little room after the caret.
int Stretch(int nX, int nTextLength)
{
    return static_cast<int>((1.0 + 2.0 / nTextLength) * nX);
}
} // namespace

CEquationLayout LayoutEquation(const CLayoutInput& input, const CTextMeasurer& measurer)
{
    CEquationLayout layout = CLayoutPass(input, measurer, kStartX).Run();
    const int nLength = static_cast<int>(input.m_strText.size());
    const int nShift = ComputeScrollShift(layout, input.m_nCaret, nLength, input.m_nWidth);
    if (nShift == 0)
        return layout;
    layout = CLayoutPass(input, measurer, -nShift).Run();
    layout.m_nShift = nShift;
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
