// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <string_view>

// The three faces the editor draws with: the main line, raised exponents and stacked fractions.
enum class EFontRole
{
    Main,
    Power,
    Fraction
};

// What the layout pass needs to know about fonts. The widget answers with real font metrics;
// tests answer with fixed widths so positions can be checked by hand.
class CTextMeasurer
{
public:
    virtual ~CTextMeasurer() = default;

    virtual int GetTextWidth(EFontRole nFont, std::string_view strText) const = 0;
    virtual int GetHeight(EFontRole nFont) const = 0;
    virtual int GetAscent(EFontRole nFont) const = 0;
    virtual int GetAverageCharWidth(EFontRole nFont) const = 0;
};
