// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/AlgebraError.h"

#include <string>

// The message of the algebra error that f raises, or "no error" when it returns.
template <class F> std::string AlgebraErrorOf(F&& f)
{
    try
    {
        f();
    }
    catch (const CAlgebraError& error)
    {
        return error.what();
    }
    return "no error";
}
