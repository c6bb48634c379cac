// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver/SimplifyRequest.h"

#include "core/AlgebraError.h"
#include "driver/Construction.h"
#include "driver/Explanation.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <new>
#include <utility>

namespace
{
constexpr const char* kNotEnoughMemory = "Not enough memory";
constexpr const char* kInternalErrorPrefix = "Internal error: ";
constexpr const char* kNoFurtherEquation =
    "The Equation still has divisions, but its left side has more than one term, so they cannot be "
    "removed by multiplying both sides by the divisors. The Equation is left as it is.\r\n";

// Writes the further result of a result that still has divisions, and its narrative.
std::unique_ptr<CExpression> FurtherSimplify(CExpression& result, CSimplifyOutcome& outcome)
{
    std::unique_ptr<CExpression> pFurther = result.RemoveDivisions();
    if (pFurther)
    {
        outcome.m_strFurther = pFurther->GetText(false);
        outcome.m_strFurtherDisplay = pFurther->GetDisplayText(false);
    }
    else
        AppendEntry(outcome.m_strExplanation, kNoFurtherEquation);
    outcome.m_strExplanation += result.m_strExplanation;
    return pFurther;
}

void SimplifyInto(const std::string& strText, CSimplifyOutcome& outcome,
                  const SimplifyFollowUp& followUp)
{
    const std::unique_ptr<CExpression> pRoot = ConstructFromText(strText);
    const std::unique_ptr<CExpression> pResult = pRoot->Simplify();
    outcome.m_strResult = pResult->GetText(false);
    outcome.m_strResultDisplay = pResult->GetDisplayText(false);
    outcome.m_strExplanation = std::move(pRoot->m_strExplanation);
    std::unique_ptr<CExpression> pFurther;
    if (pResult->GetDivisionState() == 2)
        pFurther = FurtherSimplify(*pResult, outcome);
    if (followUp)
        followUp(strText, *pResult, pFurther.get(), outcome);
}

// Marks only while asked for: writing each formula's equation text as well costs time.
void SimplifyWithFormulas(const std::string& strText, CSimplifyOutcome& outcome,
                          const SimplifyFollowUp& followUp)
{
    {
        CFormulaMarks marks;
        SimplifyInto(strText, outcome, followUp);
    }
    outcome.m_strMarkedExplanation = std::move(outcome.m_strExplanation);
    outcome.m_strExplanation = WithoutFormulaMarks(*outcome.m_strMarkedExplanation);
}

// An engine error leaves nothing half-written, and the indentation of any level the error
// left is dropped so that the next request starts at the margin.
CSimplifyOutcome Failed(const std::string& strMessage)
{
    g_strIndent.clear();
    CSimplifyOutcome outcome;
    outcome.m_strError = strMessage;
    return outcome;
}

// An output the request has cleared shows one blank, as the editors show nothing.
constexpr const char* kClearedText = " ";

void ClearOutputs(CSimplifyParties& parties)
{
    parties.WriteResultText(kClearedText);
    parties.WriteFurtherText(kClearedText);
    parties.SetExplanation("");
}
} // namespace

void KeepMemoryBetweenRequests()
{
#if defined(__GLIBC__)
    // Freed memory up to 64 MiB stays with the process, and blocks up to 32 MiB come from the
    // heap rather than from a mapping of their own that is returned as soon as it is freed.
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
#endif
}

CSimplifyOutcome RunSimplify(const std::string& strText, ENarrativeForm eForm)
{
    return RunSimplify(strText, SimplifyFollowUp(), eForm);
}

CSimplifyOutcome RunSimplify(const std::string& strText, const SimplifyFollowUp& followUp,
                             ENarrativeForm eForm)
{
    CSimplifyOutcome outcome;
    if (strText.empty())
        return outcome;
    if (IsTooLongToSimplify(strText.size()))
        return Failed(kExpressionTooLarge);
    try
    {
        if (eForm == ENarrativeForm::WithFormulas)
            SimplifyWithFormulas(strText, outcome, followUp);
        else
            SimplifyInto(strText, outcome, followUp);
    }
    catch (const CAlgebraError& error)
    {
        return Failed(error.what());
    }
    catch (const std::bad_alloc&)
    {
        return Failed(kNotEnoughMemory);
    }
    catch (const std::exception& error)
    {
        return Failed(std::string(kInternalErrorPrefix) + error.what());
    }
    return outcome;
}

ESimplifyRequestEnd SimplifyRequest(CSimplifyParties& parties)
{
    if (parties.GetInputErrorCount() != 0)
    {
        parties.Beep();
        return ESimplifyRequestEnd::Refused;
    }
    ClearOutputs(parties);

    const std::string strText = parties.ReadInputText();
    if (strText.empty())
        return ESimplifyRequestEnd::EmptyInput;

    const CSimplifyOutcome outcome = RunSimplify(strText, parties.GetFollowUp());
    if (outcome.m_strError)
    {
        parties.ShowEngineError(*outcome.m_strError);
        return ESimplifyRequestEnd::EngineError;
    }
    parties.WriteResultText(outcome.m_strResult);
    if (outcome.m_strFurther)
        parties.WriteFurtherText(*outcome.m_strFurther);
    parties.SetExplanation(outcome.m_strExplanation);
    parties.WriteFollowUp(outcome);
    return ESimplifyRequestEnd::Simplified;
}
