// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "layout/TextMeasurer.h"

#include <string>
#include <vector>

// Vertical place of a character: on the main line (or raised in an exponent), or stacked.
enum ELayoutClass
{
    kLayoutNumerator = -1,
    kLayoutMainLine = 0,
    kLayoutDenominator = 1
};

// What one layout pass reads: the text as it stands after the marking pass.
struct CLayoutInput
{
    std::string m_strText;
    std::vector<bool> m_ErrorMarked; // one per character; a missing entry is unmarked
    int m_nCaret = 0;
    int m_nWidth = 0; // width of the control's bounds
    bool m_bReadOnly = false;
    bool m_bCaretVisible = false;
    // The selected characters [from, to), whole structures only; empty when none.
    int m_nSelectionFrom = 0;
    int m_nSelectionTo = 0;
    // A shift chosen by the user (the scroll bar) instead of the one that follows the caret.
    int m_nForcedShift = -1;
    // Draw each division as a fraction, its top over its bottom (read-only controls only).
    bool m_bStackedDivisions = false;
};

// One piece of text to draw, its top-left corner at (m_nX, m_nY).
struct CLayoutText
{
    int m_nX = 0;
    int m_nY = 0;
    EFontRole m_nFont = EFontRole::Main;
    bool m_bRed = false;
    std::string m_strText;

    bool operator==(const CLayoutText&) const = default;
};

struct CLayoutLine
{
    int m_nX1 = 0;
    int m_nY1 = 0;
    int m_nX2 = 0;
    int m_nY2 = 0;

    bool operator==(const CLayoutLine&) const = default;
};

// A bracket drawn as a curve, as tall as what it holds, where a glyph would be too short.
struct CLayoutBracket
{
    int m_nX = 0; // its left edge
    int m_nTop = 0;
    int m_nBottom = 0;
    int m_nWidth = 0;
    bool m_bOpening = true;

    bool operator==(const CLayoutBracket&) const = default;
};

// Per-character records plus everything the painter draws. One entry per character of the
// text and one final entry past its end.
struct CEquationLayout
{
    std::vector<int> m_XPositions;
    std::vector<int> m_Classes;
    std::vector<int> m_Heights;

    std::vector<CLayoutText> m_Texts;
    std::vector<CLayoutLine> m_Bars;
    std::vector<CLayoutBracket> m_Brackets;
    bool m_bCaret = false;
    CLayoutLine m_Caret; // vertical, from top down by the caret height

    bool m_bGreyBackground = false;
    int m_nTextHeight = 0;    // H, the main font's height
    int m_nShift = 0;         // how far the text was moved left to keep the caret in view
    int m_nContentWidth = 0;  // the unshifted x after the last entry: how wide the text is
    int m_nContentBottom = 0; // the lowest y anything is drawn at

    // Divisions drawn stacked: the entries then stand on several lines, each entry with the
    // top of its caret (m_Tops) beside its height.
    bool m_bStacked = false;
    std::vector<int> m_Tops;

    // The selection's highlight, from x1 to x2 across the line.
    bool m_bSelection = false;
    int m_nSelectionX1 = 0;
    int m_nSelectionX2 = 0;
};

// Lays out the whole text, and lays it out again moved left when the caret would leave the
// visible width. With stacked divisions, a text of the formal shape that divides is drawn with
// its fractions stacked (layout/StackedLayout.h); any other text as it stands.
CEquationLayout LayoutEquation(const CLayoutInput& input, const CTextMeasurer& measurer);

// The horizontal shift that keeps the caret in view, 0 when none is needed.
int ComputeScrollShift(const CEquationLayout& layout, int nCaret, int nTextLength, int nWidth);
