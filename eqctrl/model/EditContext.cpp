// SPDX-License-Identifier: LGPL-3.0-or-later
#include "model/EditContext.h"

#include "model/EquationText.h"

#include <algorithm>

namespace
{
enum class EPlace
{
    Outside,
    Power,
    Numerator,
    Denominator,
};

// Follows the markers from the start of the text to the caret. Powers and fractions do not
// nest, so a marker that does not fit where it stands changes nothing.
EPlace FindPlace(const std::string& strText, int nCaret)
{
    EPlace place = EPlace::Outside;
    for (int i = 0; i < nCaret; ++i)
    {
        const char c = strText[static_cast<std::size_t>(i)];
        if (place == EPlace::Outside && c == kPowerOpen)
            place = EPlace::Power;
        else if (place == EPlace::Outside && c == kFractionOpen)
            place = EPlace::Numerator;
        else if (place == EPlace::Power && c == kPowerClose)
            place = EPlace::Outside;
        else if (place == EPlace::Numerator && c == kFractionSeparator)
            place = EPlace::Denominator;
        else if (place == EPlace::Denominator && c == kFractionClose)
            place = EPlace::Outside;
    }
    return place;
}

// "2.5|": the digits right before the caret follow a decimal point.
bool FollowsDecimalPoint(const std::string& strText, int nCaret)
{
    int i = nCaret - 1;
    while (i >= 0 && IsAsciiDigit(strText[static_cast<std::size_t>(i)]))
        --i;
    return i >= 0 && strText[static_cast<std::size_t>(i)] == kDecimalPoint;
}
} // namespace

CEditContext ScanContext(const std::string& strText, int nCaret)
{
    nCaret = std::clamp(nCaret, 0, static_cast<int>(strText.size()));
    const EPlace place = FindPlace(strText, nCaret);
    CEditContext context;
    context.m_bInPower = place == EPlace::Power;
    context.m_bInNumerator = place == EPlace::Numerator;
    context.m_bInDenominator = place == EPlace::Denominator;
    context.m_bAfterDecimalPoint = FollowsDecimalPoint(strText, nCaret);
    return context;
}
