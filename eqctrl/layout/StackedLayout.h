// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "layout/EquationLayout.h"

#include <optional>

// Divisions drawn as a textbook prints them, by one rule from the term structure: a term with
// divisor factors is a fraction, its sign in front, its coefficient's numerator and its
// multiplier factors on top, its coefficient's denominator and its divisor factors below.
// Brackets that only grouped a whole top or bottom are dropped; brackets the value needs stay,
// drawn as tall as what they hold. Everything else (numbers, powers, the typed fractions of
// mixed numbers) is drawn by the ordinary pass, and a fraction's parts sit over and under its
// bar as the typed fractions' digits do, grown to what they hold.
//
// Nothing when the text does not keep to the formal shape or divides nowhere: it is then drawn
// as it stands.
std::optional<CEquationLayout> LayoutStacked(const CLayoutInput& input,
                                             const CTextMeasurer& measurer);
