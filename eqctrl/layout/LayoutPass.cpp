// SPDX-License-Identifier: LGPL-3.0-or-later
#include "layout/LayoutPass.h"

namespace
{
// Distance from the main line's top to a numerator's top; the bar sits 2v above the line's foot.
int StackOffset(int nH)
{
    return (nH + 4) / 4;
}
} // namespace

CLayoutPass::CLayoutPass(const CLayoutInput& input, const CTextMeasurer& measurer, int nStartX,
                         int nLineTop)
    : m_Input(input), m_Measurer(measurer), m_nX(nStartX), m_nLineTop(nLineTop),
      m_nFractionStartX(nStartX)
{
}

CEquationLayout CLayoutPass::Run()
{
    m_Layout.m_bGreyBackground = m_Input.m_bReadOnly;
    m_nH = m_Measurer.GetHeight(EFontRole::Main);
    m_Layout.m_nTextHeight = m_nH;
    m_nY0 = m_nLineTop >= 0 ? m_nLineTop : (m_nH - 3) / 2;
    m_nD = m_nH;

    const std::string& strText = m_Input.m_strText;
    for (int i = 0; i < static_cast<int>(strText.size()); ++i)
    {
        m_Layout.m_XPositions.push_back(0);
        m_Layout.m_Classes.push_back(0);
        m_Layout.m_Heights.push_back(0);
        Place(i, strText[i]);
    }
    FlushMain();
    m_bRed = false;
    m_Layout.m_XPositions.push_back(m_nX + m_Measurer.GetAverageCharWidth(EFontRole::Main));
    m_Layout.m_Classes.push_back(kLayoutMainLine);
    m_Layout.m_Heights.push_back(m_nD);

    if (m_Input.m_bCaretVisible)
        DrawCaret();
    return std::move(m_Layout);
}

void CLayoutPass::Place(int nIndex, char c)
{
    switch (c)
    {
    case '^':
        OpenPower(nIndex);
        break;
    case '!':
        ClosePower(nIndex);
        break;
    case '%':
        OpenFraction(nIndex);
        break;
    case ',':
        StartDenominator(nIndex);
        break;
    case '$':
        CloseFraction(nIndex);
        break;
    default:
        if (c >= '0' && c <= '9')
            AddDigit(nIndex, c);
        else
            AddCharacter(nIndex, c);
        return;
    }
    SetColour(nIndex);
}

// "^" -> the exponent font, half-height caret from here on.
void CLayoutPass::OpenPower(int nIndex)
{
    FlushMain();
    m_nFont = EFontRole::Power;
    m_nD = m_nH / 2;
    SetEntry(nIndex, m_nX, kLayoutMainLine, m_nD);
}

// "!" -> the exponent's digits drawn small, back to the main font.
void CLayoutPass::ClosePower(int nIndex)
{
    FlushMain();
    m_nFont = EFontRole::Main;
    m_nD = m_nH;
    SetEntry(nIndex, m_nX, kLayoutMainLine, m_nH);
}

// "%" -> a mixed number's whole part is drawn; the numerator starts gathering.
void CLayoutPass::OpenFraction(int nIndex)
{
    FlushMain();
    m_bInFraction = true;
    m_nFractionStartX = m_nX;
    m_nD = 3 * m_nH / 4;
    SetEntry(nIndex, m_nX, kLayoutNumerator, m_nD);
}

void CLayoutPass::StartDenominator(int nIndex)
{
    m_bInDenominator = true;
    m_nD = 3 * m_nH / 4;
    SetEntry(nIndex, m_nX, kLayoutDenominator, m_nD);
}

// "$" -> both parts stacked over a bar, then one pixel of space.
void CLayoutPass::CloseFraction(int nIndex)
{
    m_nFont = EFontRole::Fraction;
    DrawFraction();
    m_bInFraction = false;
    m_bInDenominator = false;
    m_nFont = EFontRole::Main;
    m_nD = m_nH;
    m_nX += 1;
    SetEntry(nIndex, m_nX, kLayoutMainLine, m_nH);
}

void CLayoutPass::AddDigit(int nIndex, char c)
{
    SetColour(nIndex);
    if (m_bInDenominator)
    {
        if (m_strDenominator.empty())
            m_nDenominatorFirst = nIndex;
        m_strDenominator += c;
        return;
    }
    if (m_strMain.empty())
    {
        m_nMainStartX = m_nX;
        m_nMainFirst = nIndex;
    }
    m_strMain += c;
}

// Letters, operators, brackets and the decimal point are drawn one by one, with a little
// extra room around the letters whose italic strokes overhang.
void CLayoutPass::AddCharacter(int nIndex, char c)
{
    if (!m_bInFraction)
        FlushMain();
    SetColour(nIndex);
    m_nX += 2;
    if (c == 'j' || c == 'f')
        m_nX += 4;
    if (c == ')')
        m_nX += 1;
    const std::string strChar(1, c);
    AddText(m_nX, m_nY0, strChar);
    m_nX += m_Measurer.GetTextWidth(m_nFont, strChar) + 2;
    if (c == 'f')
        m_nX += 5;
    SetEntry(nIndex, m_nX, kLayoutMainLine, m_nD);
}

// A run of digits is measured once; its characters share its width evenly.
void CLayoutPass::FlushMain()
{
    if (m_strMain.empty())
        return;
    const int nWidth = m_Measurer.GetTextWidth(m_nFont, m_strMain);
    const int nCount = static_cast<int>(m_strMain.size());
    AddText(m_nMainStartX + 2, m_nY0, m_strMain);
    for (int k = 0; k < nCount; ++k)
        SetEntry(m_nMainFirst + k, m_nMainStartX + 2 + (k + 1) * (nWidth / nCount), kLayoutMainLine,
                 m_nD);
    m_nX = m_nMainStartX + nWidth + 4;
    m_strMain.clear();
}

// The part with more characters sets the fraction's width; the other is centred on it.
void CLayoutPass::DrawFraction()
{
    if (m_strMain.empty() && m_strDenominator.empty())
        return;
    const int nV = StackOffset(m_nH);
    const int nStart = m_nFractionStartX + 2;
    const int nNumWidth = m_Measurer.GetTextWidth(m_nFont, m_strMain);
    const int nDenWidth = m_Measurer.GetTextWidth(m_nFont, m_strDenominator);
    const bool bNumeratorWide = m_strMain.size() >= m_strDenominator.size();
    const int nWide = bNumeratorWide ? nNumWidth : nDenWidth;
    const int nNumStart = bNumeratorWide ? nStart : nStart + (nWide - nNumWidth) / 2;
    const int nDenStart = bNumeratorWide ? nStart + (nWide - nDenWidth) / 2 : nStart;

    DrawPart(m_strMain, m_nMainFirst, nNumStart, m_nY0 - nV, kLayoutNumerator);
    DrawPart(m_strDenominator, m_nDenominatorFirst, nDenStart, m_nY0 + m_nH - 2 * nV + 2,
             kLayoutDenominator);
    const int nBarY = m_nY0 + m_nH - 2 * nV;
    m_Layout.m_Bars.push_back({m_nFractionStartX + 1, nBarY, m_nFractionStartX + nWide + 4, nBarY});

    m_strMain.clear();
    m_strDenominator.clear();
    m_nX = m_nFractionStartX + nWide + 4;
}

void CLayoutPass::DrawPart(const std::string& strPart, int nFirst, int nStartX, int nTop,
                           int nClass)
{
    if (strPart.empty())
        return;
    AddText(nStartX, nTop, strPart);
    const int nWidth = m_Measurer.GetTextWidth(m_nFont, strPart);
    const int nCount = static_cast<int>(strPart.size());
    for (int k = 0; k < nCount; ++k)
        SetEntry(nFirst + k, nStartX + (k + 1) * (nWidth / nCount), nClass, 3 * m_nH / 4);
}

void CLayoutPass::DrawCaret()
{
    const int nCaret = m_Input.m_nCaret;
    int nX = 3;
    int nTop = m_nY0;
    int nHeight = m_nH;
    if (nCaret > 0 && nCaret <= static_cast<int>(m_Layout.m_XPositions.size()))
    {
        const int nV = StackOffset(m_nH);
        const int nClass = m_Layout.m_Classes[nCaret - 1];
        nX = m_Layout.m_XPositions[nCaret - 1];
        nHeight = m_Layout.m_Heights[nCaret - 1];
        if (nClass == kLayoutNumerator)
            nTop = m_nY0 - nV;
        else if (nClass == kLayoutDenominator)
            nTop = m_nY0 + m_nH - 2 * nV + 2;
    }
    m_Layout.m_bCaret = true;
    m_Layout.m_Caret = {nX, nTop, nX, nTop + nHeight};
}

void CLayoutPass::SetColour(int nIndex)
{
    const auto& marked = m_Input.m_ErrorMarked;
    m_bRed = nIndex < static_cast<int>(marked.size()) && marked[nIndex];
}

void CLayoutPass::SetEntry(int nIndex, int nX, int nClass, int nHeight)
{
    m_Layout.m_XPositions[nIndex] = nX;
    m_Layout.m_Classes[nIndex] = nClass;
    m_Layout.m_Heights[nIndex] = nHeight;
}

void CLayoutPass::AddText(int nX, int nY, std::string strText)
{
    m_Layout.m_Texts.push_back({nX, nY, m_nFont, m_bRed, std::move(strText)});
}
