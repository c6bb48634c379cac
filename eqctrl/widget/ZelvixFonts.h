// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "layout/TextMeasurer.h"

#include <QFont>
#include <QFontMetrics>

// The editor's three bold italic serif fonts and their metrics at screen resolution.
class CZelvixFonts : public CTextMeasurer
{
public:
    CZelvixFonts();

    const QFont& GetFont(EFontRole nFont) const;

    int GetTextWidth(EFontRole nFont, std::string_view strText) const override;
    int GetHeight(EFontRole nFont) const override;
    int GetAscent(EFontRole nFont) const override;
    int GetAverageCharWidth(EFontRole nFont) const override;

private:
    const QFontMetrics& GetMetrics(EFontRole nFont) const;

    QFont m_MainFont;
    QFont m_PowerFont;
    QFont m_FractionFont;
    QFontMetrics m_MainMetrics;
    QFontMetrics m_PowerMetrics;
    QFontMetrics m_FractionMetrics;
};
