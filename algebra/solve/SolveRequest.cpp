#include "solve/SolveRequest.h"

#include "solve/Solve.h"

#include <memory>

SimplifyFollowUp SolveFollowUp(char cLetter)
{
    return
        [cLetter](const std::string& strText, const CExpression& result, CSimplifyOutcome& outcome)
    {
        auto pSolution = std::make_shared<CSolution>(SolveSimplified(strText, result, cLetter));
        outcome.m_strExplanation += pSolution->m_strNarrative;
        if (pSolution->m_bEquation)
        {
            outcome.m_strSolutionLabel = kSolutionLabel;
            outcome.m_strSolution = pSolution->m_strLine;
            outcome.m_strSolutionLatex = pSolution->m_strLatexLine;
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

CSimplifyOutcome RunSimplifyAndSolve(const std::string& strText, char cLetter)
{
    return RunSimplify(strText, SolveFollowUp(cLetter));
}
