#pragma once

#include <string_view>

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
