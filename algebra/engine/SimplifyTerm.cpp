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

// The phases of one term, in order, on its working state.
void SimplifyTermWork(CTermWork& work)
{
    // Long texts (many factors, huge numbers) cost in every line that shows them.
    ChargeEngineWork(static_cast<long>(work.m_strText.size()) / 4);
    std::optional<CExplanationLevel> level;
    work.m_Term.m_strExplanation.clear();
    if (!work.m_Term.m_bQuiet)
    {
        work.Line("Simplifying ", work.m_strDisplay, "\r\n\r\n");
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

void ChargeEngineWork(long nUnits)
{
    g_nWorkDone += nUnits;
    if (g_nWorkDone > kMaxSimplifyWork)
        throw CAlgebraError(kExpressionTooLarge);
}

// One term with its brackets -> the simplified term(s), appended to the output.
void SimplifyTerm(CEqElm& term, CExpression::TermList& output)
{
    CSimplifyDepth depth(term);
    CTermWork work(term, output);
    SimplifyTermWork(work);
}

void SimplifyTerm(CEqElm& term, CExpression::TermList& output, std::string strText,
                  std::string strDisplay)
{
    CSimplifyDepth depth(term);
    CTermWork work(term, output, std::move(strText), std::move(strDisplay));
    SimplifyTermWork(work);
}
