// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Equation text written for the world outside the editor. Both writers follow the text's
// structure and write what they meet, so an unfinished or odd text still comes out readable.

// Ordinary notation as a person types it: x^2+3 1/2x for x^2!+3%1,2$x.
struct CPlainText
{
    std::string m_strText;
    // Where each position of the equation text (0 to its length) falls in m_strText.
    std::vector<int> m_Offsets;
};
CPlainText WritePlainTextMapped(std::string_view text);
std::string WritePlainText(std::string_view text);

// LaTeX math: x^{2}+3\frac{1}{2}x for x^2!+3%1,2$x.
std::string WriteLatex(std::string_view text);
