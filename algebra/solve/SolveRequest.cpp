// SPDX-License-Identifier: GPL-3.0-or-later
#include "solve/SolveRequest.h"

#include "driver/Explanation.h"
#include "driver/Expression.h"
#include "solve/Solve.h"

#include <memory>

namespace
{
// Solved with its formulas marked, its narrative then written plain again.
CSolution SolvedWithMarkedLine(const std::string& strText, const CExpression& last, char cLetter)
{
    CSolution solution;
    {
        const CFormulaMarks marks;
        solution = SolveSimplified(strText, last, cLetter);
    }
    solution.m_strNarrative = WithoutFormulaMarks(solution.m_strNarrative);
    return solution;
}
} // namespace

SimplifyFollowUp SolveFollowUp(char cLetter, bool bMarkedLine)
{
    return [cLetter, bMarkedLine](const std::string& strText, const CExpression& result,
                                  const CExpression* pFurther, CSimplifyOutcome& outcome)
    {
        // An equation is solved from the last form the engine gave it; an expression's
        // factored form is of its result (the further result divides it out).
        const bool bEquation = result.GetKind() == CExpression::kKindEquation;
        const CExpression& last = bEquation && pFurther ? *pFurther : result;
        auto pSolution = std::make_shared<CSolution>(
            bMarkedLine && !MarkingFormulas() ? SolvedWithMarkedLine(strText, last, cLetter)
                                              : SolveSimplified(strText, last, cLetter));
        outcome.m_strExplanation += pSolution->m_strNarrative;
        if (pSolution->m_bEquation)
        {
            outcome.m_strSolutionLabel = kSolutionLabel;
            outcome.m_strSolution = pSolution->m_strLine;
            outcome.m_strSolutionLatex = pSolution->m_strLatexLine;
            if (!pSolution->m_strMarkedLine.empty())
                outcome.m_strMarkedSolution = pSolution->m_strMarkedLine;
        }
        else if (!pSolution->m_strFactored.empty())
        {
            outcome.m_strSolutionLabel = kFactoredLabel;
            outcome.m_strSolution = pSolution->m_strFactoredDisplay;
            outcome.m_strSolutionLatex = pSolution->m_strFactoredLatex;
            outcome.m_strSolutionText = pSolution->m_strFactored;
        }
        outcome.m_pSolution = std::move(pSolution);
    };
}

CSimplifyOutcome RunSimplifyAndSolve(const std::string& strText, char cLetter, ENarrativeForm eForm)
{
    return RunSimplify(strText, SolveFollowUp(cLetter), eForm);
}
