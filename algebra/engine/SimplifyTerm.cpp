// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/TermWork.h"

#include "core/AlgebraError.h"
#include "driver/Explanation.h"

#include <optional>
#include <utility>

namespace
{
// How many SimplifyTerm calls are open on the stack; bounds the mutual recursion.
int g_nSimplifyDepth = 0;
// The work done since the outermost call began: one unit per term and per factor seen.
long g_nWorkDone = 0;

class CSimplifyDepth
{
public:
    explicit CSimplifyDepth(const CEqElm& term)
    {
        if (g_nSimplifyDepth == 0)
        {
            g_nWorkDone = 0;
            ForgetInexactDivisions();
        }
        if (g_nSimplifyDepth >= kMaxSimplifyDepth)
            throw CAlgebraError(kExpressionTooLarge);
        ChargeEngineWork(1 + static_cast<long>(term.m_Elements.size()));
        ++g_nSimplifyDepth;
    }
    ~CSimplifyDepth() { --g_nSimplifyDepth; }
    CSimplifyDepth(const CSimplifyDepth&) = delete;
    CSimplifyDepth& operator=(const CSimplifyDepth&) = delete;
};

// A term without factors, or with a zero coefficient -> that number alone.
void OutputPlainNumber(CTermWork& work)
{
    if (work.m_Term.m_Coefficient.IsZero())
        work.m_pMultiplier->m_Elements.clear();
    work.m_Output.push_back(std::move(work.m_pMultiplier));
    work.Explanation().clear();
}

// A bracket that came out zero makes the whole term zero -> the term 0.
void OutputZero(CTermWork& work)
{
    work.m_List.clear();
    work.m_Opaque.clear();
    auto pZero = std::make_unique<CEqElm>();
    pZero->m_Coefficient.SetFromParts(0, 0, 1);
    work.m_Output.push_back(std::move(pZero));
}

// C and D: brackets above and below the line cancelled against each other.
void CancelBracketsAgainstEachOther(CTermWork& work)
{
    if (work.m_List.size() < 2 || work.CountMultiplierEntries() < 1)
        return;
    CancelSubexpressions(work.m_List, *work.m_pMultiplier, *work.m_pDivisor, work.Explanation());
}

// What the phases make of a settled term: a new term of the same number and copies of its
// factors, with nothing narrated.
void OutputSettledTerm(CEqElm& term, CExpression::TermList& output, std::size_t nTextSize)
{
    ChargeEngineWork(static_cast<long>(nTextSize) / 4);
    term.m_strExplanation.clear();
    auto pResult = std::make_unique<CEqElm>();
    pResult->m_Coefficient = term.m_Coefficient;
    pResult->m_Elements.reserve(term.m_Elements.size());
    for (const auto& pFactor : term.m_Elements)
        pResult->m_Elements.push_back(pFactor->Clone());
    output.push_back(std::move(pResult));
}

// The phases of one term, in order, on its working state.
void SimplifyTermWork(CTermWork& work)
{
    // Long texts (many factors, huge numbers) cost in every line that shows them.
    ChargeEngineWork(static_cast<long>(work.m_strText.size()) / 4);
    std::optional<CExplanationLevel> level;
    work.m_Term.m_strExplanation.clear();
    if (!work.m_Term.m_bQuiet)
    {
        work.Line("Simplifying ", CFormulaView{work.m_strDisplay, work.m_strText}, "\r\n\r\n");
        level.emplace();
    }
    if (!work.m_Term.HasFactors() || work.m_Term.m_Coefficient.IsZero())
    {
        OutputPlainNumber(work);
        return;
    }
    GatherOutsideFactors(work);
    SimplifyEachBracket(work);
    if (work.m_pMultiplier->m_Coefficient.IsZero())
        OutputZero(work);
    else
    {
        CancelBracketsAgainstEachOther(work);
        if (work.CountMultiplierEntries() > 1)
            MultiplyBracketsTogether(work);
        CancelOutsideFactors(work);
        Recombine(work);
    }
    WriteSummary(work);
}
} // namespace

// A number alone, or an exact number times distinct letters in alphabetic order (3x^2y, as
// every product of two such terms comes out), is already as simple as it gets: the phases
// would take it apart, rebuild it factor by factor (the number times one, twice) and find
// nothing to say. Most terms of a long product are such terms, so they skip the phases.
bool IsSettledTerm(const CEqElm& term)
{
    if (!term.HasFactors())
        return true;
    if (term.m_Coefficient.m_bDecimal || term.m_Coefficient.IsZero())
        return false;
    char cPrevious = 0;
    for (const auto& pFactor : term.m_Elements)
    {
        if (!pFactor->IsVariable() || pFactor->IsDivisor() ||
            pFactor->m_nOperation != CEqElmAtom::kJuxtaposed || pFactor->m_Power.IsZero())
            return false;
        const char cLetter = pFactor->GetLetter();
        if (cPrevious != 0 &&
            static_cast<signed char>(cLetter) <= static_cast<signed char>(cPrevious))
            return false;
        cPrevious = cLetter;
    }
    return true;
}

bool KeepSettledTerm(CEqElm& term, const std::string* pText)
{
    if (!IsSettledTerm(term))
        return false;
    CSimplifyDepth depth(term);
    ChargeEngineWork(static_cast<long>(pText ? pText->size() : term.GetText(false).size()) / 4);
    term.m_strExplanation.clear();
    return true;
}

void ChargeEngineWork(long nUnits)
{
    g_nWorkDone += nUnits;
    if (g_nWorkDone > kMaxSimplifyWork)
        throw CAlgebraError(kExpressionTooLarge);
}

// One term with its brackets -> the simplified term(s), appended to the output.
bool SimplifyTerm(CEqElm& term, CExpression::TermList& output)
{
    CSimplifyDepth depth(term);
    if (IsSettledTerm(term))
    {
        OutputSettledTerm(term, output, term.GetText(false).size());
        return true;
    }
    CTermWork work(term, output);
    SimplifyTermWork(work);
    return false;
}

bool SimplifyTerm(CEqElm& term, CExpression::TermList& output, const std::string& strText,
                  const std::string& strDisplay)
{
    CSimplifyDepth depth(term);
    if (IsSettledTerm(term))
    {
        OutputSettledTerm(term, output, strText.size());
        return true;
    }
    CTermWork work(term, output, strText, strDisplay);
    SimplifyTermWork(work);
    return false;
}
