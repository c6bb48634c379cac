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
struct SOrdinaryConversion
{
    bool m_bOk = false;
    std::string m_strText;    // the equation text, when m_bOk
    size_t m_nPosition = 0;   // 1-based character position of what could not be read
    std::string m_strMessage; // why it could not be read, for the user
};

SOrdinaryConversion ConvertOrdinaryNotation(std::string_view typed);
