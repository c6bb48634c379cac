// SPDX-License-Identifier: LGPL-3.0-or-later
#include "widget/ZelvixFonts.h"

#include <QString>

namespace
{
// fontconfig stands in the metric-compatible Liberation Serif where the face is missing.
QFont MakeFont(int nPointSize)
{
    QFont font(QStringLiteral("Times New Roman"), nPointSize);
    font.setBold(true);
    font.setItalic(true);
    font.setStyleHint(QFont::Serif);
    return font;
}
} // namespace

CZelvixFonts::CZelvixFonts()
    : m_MainFont(MakeFont(12)), m_PowerFont(MakeFont(6)), m_FractionFont(MakeFont(8)),
      m_MainMetrics(m_MainFont), m_PowerMetrics(m_PowerFont), m_FractionMetrics(m_FractionFont)
{
}

const QFont& CZelvixFonts::GetFont(EFontRole nFont) const
{
    switch (nFont)
    {
    case EFontRole::Power:
        return m_PowerFont;
    case EFontRole::Fraction:
        return m_FractionFont;
    case EFontRole::Main:
        break;
    }
    return m_MainFont;
}

const QFontMetrics& CZelvixFonts::GetMetrics(EFontRole nFont) const
{
    switch (nFont)
    {
    case EFontRole::Power:
        return m_PowerMetrics;
    case EFontRole::Fraction:
        return m_FractionMetrics;
    case EFontRole::Main:
        break;
    }
    return m_MainMetrics;
}

int CZelvixFonts::GetTextWidth(EFontRole nFont, std::string_view strText) const
{
    const QString str = QString::fromLatin1(strText.data(), static_cast<qsizetype>(strText.size()));
    return GetMetrics(nFont).horizontalAdvance(str);
}

int CZelvixFonts::GetHeight(EFontRole nFont) const
{
    return GetMetrics(nFont).height();
}

int CZelvixFonts::GetAscent(EFontRole nFont) const
{
    return GetMetrics(nFont).ascent();
}

int CZelvixFonts::GetAverageCharWidth(EFontRole nFont) const
{
    return GetMetrics(nFont).averageCharWidth();
}
