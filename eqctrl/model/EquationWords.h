// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// The equation read aloud, for screen readers: x^2!+3%1,2$x=1 is "x squared plus three and a
// half x equals one". The empty text reads "empty".
std::string ReadEquationInWords(std::string_view text);

// A number as it is said: "twelve", "three point one four", "one hundred and five". Runs too
// long to name, or with a leading zero, are read digit by digit.
std::string NumberInWords(std::string_view number);
