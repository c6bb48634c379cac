// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "layout/EquationLayout.h"

// One walk over the text that places every character: digits gather into runs that are
// measured once, exponents go small at the top of the line and fractions stack their two
// numbers over a bar.
class CLayoutPass
{
public:
    // nLineTop is the top of main-line text; by default the control's own, (H - 3) / 2.
    CLayoutPass(const CLayoutInput& input, const CTextMeasurer& measurer, int nStartX,
                int nLineTop = -1);

    CEquationLayout Run();

private:
    void Place(int nIndex, char c);
    void OpenPower(int nIndex);
    void ClosePower(int nIndex);
    void OpenFraction(int nIndex);
    void StartDenominator(int nIndex);
    void CloseFraction(int nIndex);
    void AddDigit(int nIndex, char c);
    void AddCharacter(int nIndex, char c);

    void FlushMain();
    void DrawFraction();
    void DrawPart(const std::string& strPart, int nFirst, int nStartX, int nTop, int nClass);
    void DrawCaret();

    void SetColour(int nIndex);
    void SetEntry(int nIndex, int nX, int nClass, int nHeight);
    void AddText(int nX, int nY, std::string strText);

    const CLayoutInput& m_Input;
    const CTextMeasurer& m_Measurer;
    CEquationLayout m_Layout;

    int m_nX;
    int m_nLineTop;
    int m_nH = 0;
    int m_nY0 = 0;
    int m_nD = 0;
    EFontRole m_nFont = EFontRole::Main;
    bool m_bRed = false;

    std::string m_strMain;
    int m_nMainStartX = 0;
    int m_nMainFirst = 0;
    std::string m_strDenominator;
    int m_nDenominatorFirst = 0;
    bool m_bInFraction = false;
    bool m_bInDenominator = false;
    int m_nFractionStartX;
};
