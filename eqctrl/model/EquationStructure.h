// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

// One power ("^...!") or fraction ("%...,...$") of a text: it starts at its opening marker and
// ends just after its closing one, or at the end of the text when it was never closed.
struct CStructureSpan
{
    int m_nStart = 0;
    int m_nEnd = 0;
    bool m_bClosed = true;

    // A position between two of its characters (or at the end of an open one) lies inside.
    bool Contains(int nPosition) const
    {
        return nPosition > m_nStart && (nPosition < m_nEnd || (!m_bClosed && nPosition == m_nEnd));
    }
    bool operator==(const CStructureSpan&) const = default;
};

// Every power and fraction in text order. Structures do not nest, so a marker that does not
// fit where it stands is part of the structure it stands in.
std::vector<CStructureSpan> FindStructures(std::string_view text);

// The smallest range holding [nFrom, nTo) that splits no power or fraction.
struct CTextRange
{
    int m_nFrom = 0;
    int m_nTo = 0;

    bool IsEmpty() const { return m_nTo <= m_nFrom; }
    bool operator==(const CTextRange&) const = default;
};
CTextRange GrowToStructures(std::string_view text, int nFrom, int nTo);

// How many things in the text break the shape of powers, fractions and numbers: a structure
// left open or holding anything but a number (a power may also hold a sign before its number
// and a fraction after it, as ordinary notation writes them: x^-1!, x^1%1,2$!), a closing marker
// with nothing to close, a number with two points, a character that has no place in equation text.
// Paste compares the count before and after, so text set by the host with its own faults can still
// take a paste.
int CountStructureProblems(std::string_view text);

// Whether an edit from before to after made the text read worse: a new number the parser would
// misread (two points, a point before a fraction) or a power or fraction broken. Every edit is
// judged so, whatever key or command made it; a text that was already broken may still change.
bool IsLessReadable(std::string_view after, std::string_view before);
