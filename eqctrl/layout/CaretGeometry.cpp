#include "layout/CaretGeometry.h"

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
} // namespace

int HitTestCaret(const CEquationLayout& layout, int nX, int nY, int nTextLength)
{
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
    return {nX - 5, 3, nX + 5, nBottom};
}
