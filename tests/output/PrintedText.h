// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a printed page's text (pdftotext) is compared against.
#include "output/MathText.h"

#include <cctype>
#include <string>
#include <vector>

// pdftotext gives math letters as mathematical italic (U+1D44E on, h at U+210E), minus as
// U+2212; lines break anywhere. Back to ASCII, without blanks.
inline std::string Comparable(const std::string& strText)
{
    std::string strOut;
    for (size_t i = 0; i < strText.size(); ++i)
    {
        const auto c = static_cast<unsigned char>(strText[i]);
        if (c == 0xF0 && i + 3 < strText.size() && strText.compare(i, 3, "\xF0\x9D\x91") == 0)
        {
            const int nCode = 0x1D440 + (static_cast<unsigned char>(strText[i + 3]) & 0x3F);
            strOut += static_cast<char>(nCode < 0x1D44E ? 'A' + (nCode - 0x1D434)
                                                        : 'a' + (nCode - 0x1D44E));
            i += 3;
        }
        else if (c == 0xF0 && i + 3 < strText.size() && strText.compare(i, 3, "\xF0\x9D\x90") == 0)
        {
            strOut += static_cast<char>('A' + (static_cast<unsigned char>(strText[i + 3]) - 0xB4));
            i += 3;
        }
        else if (strText.compare(i, 3, "\xE2\x84\x8E") == 0)
            strOut += 'h', i += 2;
        else if (strText.compare(i, 3, "\xE2\x88\x92") == 0)
            strOut += '-', i += 2;
        else if (strText.compare(i, 2, "\xC2\xB7") == 0)
            strOut += '*', i += 1;
        else if (!std::isspace(c))
            strOut += static_cast<char>(c);
    }
    return strOut;
}

// What a typeset equation text reads as: markers gone, numerator before denominator, a
// stacked division as its top then its bottom.
inline std::string Reading(const std::vector<CMathNode>& nodes)
{
    std::string strOut;
    for (const CMathNode& node : nodes)
    {
        if (node.m_eKind == EMathKind::Fraction)
            strOut += node.m_strText + node.m_strNumerator + node.m_strDenominator;
        else if (node.m_eKind == EMathKind::Group)
            strOut += (node.m_bBracketed ? "(" : "") + Reading(node.m_Children) +
                      (node.m_bBracketed && node.m_bClosed ? ")" : "");
        else if (node.m_eKind == EMathKind::Stacked)
            strOut += Reading(node.m_Children) + Reading(node.m_Below);
        else
            strOut += node.m_strText;
        if (node.m_strExponent)
            strOut += Reading(ParseMathText(*node.m_strExponent));
    }
    return strOut;
}

inline std::string Typeset(const std::string& strEquationText)
{
    return Reading(MathNodes(strEquationText));
}
