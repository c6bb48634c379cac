// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "driver/Expression.h"

#include <memory>
#include <string_view>

class CEqElm;

// Brackets nested deeper than this raise CAlgebraError instead of exhausting the stack.
inline constexpr int kMaxBracketDepth = 64;

// The root object for equation text: a CEquation when the text holds "=", else a
// CExpression. Any byte string builds a graph or raises CAlgebraError.
std::unique_ptr<CExpression> ConstructFromText(std::string_view strText);

// The parser behind the text constructors. nDepth is the bracket depth the text sits at.
void ParseExpressionText(CExpression& expression, std::string_view strText, int nDepth);
void ParseTermText(CEqElm& term, std::string_view strText, int nDepth);
void ParseEquationText(CExpression& leftSide, std::unique_ptr<CExpression>& pRightSide,
                       std::string_view strText);
