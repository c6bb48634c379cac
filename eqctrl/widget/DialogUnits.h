// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <QRect>

// Dialog templates give sizes in dialog units of an 8-point sans serif: a quarter of its
// average character width across, an eighth of its height down.
inline QRect DialogUnitsToPixels(int nX, int nY, int nWidth, int nHeight)
{
    constexpr int kBaseX = 6;
    constexpr int kBaseY = 13;
    return {nX * kBaseX / 4, nY * kBaseY / 8, nWidth * kBaseX / 4, nHeight * kBaseY / 8};
}
