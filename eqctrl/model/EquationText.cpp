#include "model/EquationText.h"

ECharClass GetCharClass(char c)
{
    if (IsAsciiLetter(c))
        return kClassLetter;
    if (IsAsciiDigit(c) || c == kDecimalPoint)
        return kClassDigit;
    switch (c)
    {
    case '+':
    case '-':
        return kClassAdditive;
    case '*':
    case '/':
        return kClassMultiplicative;
    case kEqualsSign:
        return kClassEquals;
    case '(':
        return kClassOpenBracket;
    case ')':
        return kClassCloseBracket;
    case kPowerOpen:
        return kClassPowerOpen;
    case kPowerClose:
        return kClassPowerClose;
    case kFractionOpen:
        return kClassFractionOpen;
    case kFractionSeparator:
        return kClassFractionSeparator;
    case kFractionClose:
        return kClassFractionClose;
    default:
        return kClassInvalid;
    }
}
