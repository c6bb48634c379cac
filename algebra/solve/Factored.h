// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CExpression;
struct CSolution;

// The factored form of an expression's result, when it factors non-trivially over the
// integers (for a quotient, its top and bottom): written into the solution's factored texts
// and, as one line, into its narrative. Nothing when it does not factor.
void FactorExpression(const CExpression& result, CSolution& solution);
