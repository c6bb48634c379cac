// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Turns what a person types on a command line into equation text: blanks are dropped and a
// power written the ordinary way (x^2, x^-1, x^1.5) gets its closing "!". Text that is
// already equation text comes through unchanged.
std::string ToEquationText(std::string_view typed);

// The outcome of reading ordinary notation (UTF-8, as pasted or given on a command line).
// One converter serves the command line, the window's --input and the control's Paste.
//
// Read as people type and as Copy writes plain text:
// - equation text comes through unchanged (x^2!+%1,2$x);
// - "×", "·", "⋅" are "*"; "÷", "∕", "⁄" are "/"; "−" and the other dashes are "-";
// - superscripts are powers (x² -> x^2!, x⁻¹ -> x^-1!); ½ ¼ ¾ ⅓ ... ⅞ are fractions (3½ is
//   three and a half);
// - x^2 is x^2! (so x^2-1 is x squared minus one);
// - a whole number, a blank and digits/digits is a mixed number: 3 1/2x -> 3%1,2$x;
// - a plain 3/4 stays a division: "/" divides by the one factor after it, so 3/4x is
//   three quarters of x, the same value as %3,4$x, and x/3/4 stays x divided by 3 and by 4;
// - other blanks are dropped, except one between two numbers ("3 4"), which is refused.
// Anything else is refused with its 1-based character position (characters, not bytes): a
// character that means nothing in an equation, a letter or operator inside a power or
// fraction, a "!", "," or "$" outside one, a power or fraction left open, bytes that are not
// UTF-8. An empty text (or blanks only) converts to the empty text; the caller decides.
struct SOrdinaryConversion
{
    bool m_bOk = false;
    std::string m_strText;    // the equation text, when m_bOk
    size_t m_nPosition = 0;   // 1-based character position of what could not be read
    std::string m_strMessage; // why it could not be read, for the user
};

SOrdinaryConversion ConvertOrdinaryNotation(std::string_view typed);
