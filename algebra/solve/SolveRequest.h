// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "driver/SimplifyRequest.h"

#include <string>

// The Simplify request carried on to the answer: an equation solved for the letter (0: the
// default letter), an expression given its factored form. The outcome's solution fields are
// set and the solving narrative follows the simplification's in its explanation.
// With bMarkedLine the answer line comes with its formulas marked even when the narrative's are
// not (the window draws it typeset); the narrative itself stays plain then.
SimplifyFollowUp SolveFollowUp(char cLetter, bool bMarkedLine = false);
CSimplifyOutcome RunSimplifyAndSolve(const std::string& strText, char cLetter,
                                     ENarrativeForm eForm = ENarrativeForm::Plain);

// The line's labels.
inline constexpr const char* kSolutionLabel = "Solution";
inline constexpr const char* kFactoredLabel = "Factored form";
