// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// The equation text is a flat byte string: letters are variables, digits and "." numbers,
// "^exponent!" a power and "%numerator,denominator$" a fraction. Every byte belongs to one
// class; the marking pass stores and compares these numbers.
enum ECharClass : int
{
    kClassInvalid = -1,
    kClassLetter = 1,
    kClassDigit = 2,
    kClassAdditive = 10,
    kClassMultiplicative = 11,
    kClassEquals = 12,
    kClassOpenBracket = 20,
    kClassCloseBracket = 21,
    kClassPowerOpen = 30,
    kClassPowerClose = 31,
    kClassFractionOpen = 40,
    kClassFractionSeparator = 41,
    kClassFractionClose = 42,
};

inline constexpr char kPowerOpen = '^';
inline constexpr char kPowerClose = '!';
inline constexpr char kFractionOpen = '%';
inline constexpr char kFractionSeparator = ',';
inline constexpr char kFractionClose = '$';
inline constexpr char kDecimalPoint = '.';
inline constexpr char kEqualsSign = '=';

// The empty structures the editor inserts for the user to fill in.
inline constexpr std::string_view kPowerTemplate = "^!";
inline constexpr std::string_view kFractionTemplate = "%,$";

ECharClass GetCharClass(char c);

inline bool IsAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}
inline bool IsAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The points that make a number unreadable: every point after the first in one run of digits
// and points ("1.5.5"), and every point of a run written right before a fraction ("1.5%1,2$":
// a mixed number's whole part is whole). The parser would silently misread either.
std::vector<std::size_t> FindMisreadPoints(std::string_view strText);

// The points of a "number" that holds no digit at all ("x.y", "2x+."): the parser reads it as
// 0. Typing passes through it (".5" starts with "."), so only validation marks it.
std::vector<std::size_t> FindLonePoints(std::string_view strText);
