// SPDX-License-Identifier: LGPL-3.0-or-later
#include "layout/CaretGeometry.h"

#include <algorithm>
#include <cstdlib>

namespace
{
// Clicks above this line reach numerators, below it denominators, whatever the font.
constexpr int kStackDividerY = 25;

bool Qualifies(int nClass, int nY)
{
    if (nClass == kLayoutNumerator)
        return nY < kStackDividerY;
    if (nClass == kLayoutDenominator)
        return nY > kStackDividerY;
    return true;
}

// Stacked divisions stand on several lines: the caret goes after the character nearest the
// click, first on the line the click is on, then across it.
int HitTestStacked(const CEquationLayout& layout, int nX, int nY, int nTextLength)
{
    const auto distance = [](int nValue, int nFrom, int nTo)
    { return nValue < nFrom ? nFrom - nValue : (nValue > nTo ? nValue - nTo : 0); };
    const int nLast = static_cast<int>(layout.m_Tops.size()) - 1;
    // Caret 0 stands where the text starts, on the main line.
    int nBest = 0;
    int nBestDy =
        distance(nY, layout.m_Tops[nLast], layout.m_Tops[nLast] + layout.m_Heights[nLast]);
    int nBestDx = std::abs(nX - (3 - layout.m_nShift));
    for (int i = 0; i < nTextLength && i < nLast; ++i)
    {
        const int nDy = distance(nY, layout.m_Tops[i], layout.m_Tops[i] + layout.m_Heights[i]);
        const int nDx = std::abs(nX - layout.m_XPositions[i]);
        if (nDy < nBestDy || (nDy == nBestDy && nDx < nBestDx))
        {
            nBest = i + 1;
            nBestDy = nDy;
            nBestDx = nDx;
        }
    }
    return nBest;
}
} // namespace

int HitTestCaret(const CEquationLayout& layout, int nX, int nY, int nTextLength)
{
    if (layout.m_bStacked && !layout.m_Tops.empty())
        return HitTestStacked(layout, nX, nY, nTextLength);
    const int nCount = static_cast<int>(layout.m_XPositions.size());
    int nCaret = nCount;
    for (int i = 0; i < nCount; ++i)
    {
        if (layout.m_XPositions[i] >= nX && Qualifies(layout.m_Classes[i], nY))
        {
            nCaret = i;
            break;
        }
    }
    return nCaret > nTextLength ? nTextLength : nCaret;
}

CCaretRect GetCaretRect(const CEquationLayout& layout, int nCaret, int nTextHeight)
{
    const int nBottom = 2 * nTextHeight;
    if (nCaret == 0)
        return {2, 3, 4, nBottom};
    const int nCount = static_cast<int>(layout.m_XPositions.size());
    if (nCount == 0)
        return {};
    if (nCaret > nCount)
    {
        const int nLast = layout.m_XPositions[nCount - 1];
        return {nLast - 5, 3, nLast + (nCaret - nCount + 1) * (nLast + nCount) / nCount, nBottom};
    }
    const int nX = layout.m_XPositions[nCaret - 1];
    if (layout.m_bStacked && nCaret <= static_cast<int>(layout.m_Tops.size()))
        return {nX - 5, 3, nX + 5,
                std::max(nBottom, layout.m_Tops[nCaret - 1] + layout.m_Heights[nCaret - 1] + 1)};
    return {nX - 5, 3, nX + 5, nBottom};
}
