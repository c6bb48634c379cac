#pragma once

#include <string>
#include <string_view>

// Turns what a person types on a command line into equation text: blanks are dropped and a
// power written the ordinary way (x^2, x^-1, x^1.5) gets its closing "!". Text that is
// already equation text comes through unchanged.
std::string ToEquationText(std::string_view typed);
