// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Scalar.h"
#include "core/SubExpression.h"
#include "core/Term.h"
#include "driver/Expression.h"

#include <memory>
#include <string>
#include <vector>

// The simplification of one term: every bracket simplified, cancelled, multiplied out or
// merged. Replaces the term's explanation and appends the resulting terms to the output.
// True when the term was already as simple as it gets: the output is one term equal to it,
// with the same texts, and nothing was narrated.
bool SimplifyTerm(CEqElm& term, CExpression::TermList& output);
// The same, for a caller that has already written the term's GetText(false) and (while
// narrating) GetDisplayText(false).
bool SimplifyTerm(CEqElm& term, CExpression::TermList& output, const std::string& strText,
                  const std::string& strDisplay);

// Multiply, for a chain of products: takes the receiver's GetDisplayText(true) from the
// written texts when it is there, and leaves the product's term texts there while they still
// hold after the products are simplified again.
void MultiplyBrackets(CExpression& receiver, const CExpression& other, SWrittenTexts& written);

// The greatest common expression of two bodies (a ranking higher), or nullptr.
std::unique_ptr<CExpression> CommonExpression(CExpression& a, CExpression& b);

// The subexpressions of one term cancelled against each other, multiplier against divisor.
using SubExpressionList = std::vector<std::unique_ptr<CSubExpression>>;
void CancelSubexpressions(SubExpressionList& list, CEqElm& multiplierPart,
                          const CEqElm& divisorPart, std::string& strExplanation);

// A forecast of the engine's long division of dividend by divisor (in the divisor's main
// variable, as left by CompareLeadingPower): true when a remainder is all but certain. Only
// picks the order of work; the division itself decides.
bool LooksInexact(const CExpression& dividend, const CExpression& divisor);

// k with p = k x q term by term (both in canonical order); zero when there is none.
CScalar ProportionalityRatio(const CExpression& p, const CExpression& q);
