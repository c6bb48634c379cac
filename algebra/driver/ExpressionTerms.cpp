#include "driver/Explanation.h"
#include "driver/Expression.h"

void CExpression::AppendTerm(std::unique_ptr<CEqElm> pTerm)
{
    m_Terms.push_back(std::move(pTerm));
}

void CExpression::AppendTerms(const CExpression& other)
{
    CopyTermsFrom(other);
}

void CExpression::AppendNegatedTerms(const CExpression& other)
{
    for (const auto& pTerm : other.m_Terms)
    {
        auto pNegated = pTerm->Clone();
        pNegated->NegateCoefficient();
        m_Terms.push_back(std::move(pNegated));
    }
}

void CExpression::InsertTerm(const CEqElm& term)
{
    auto it = m_Terms.begin();
    while (it != m_Terms.end() && (*it)->CompareElements(term) <= 0)
        ++it;
    m_Terms.insert(it, term.Clone());
}

// Insertion by adjacent swaps: stable like a bubble sort, so equal terms keep their order and
// the result is the same, but a sorted list with a few newcomers (a remainder with a product
// appended) costs one pass plus their moves rather than a pass per place they move.
bool CExpression::SortTerms(TermList& terms)
{
    bool bAnySwap = false;
    for (size_t i = 1; i < terms.size(); ++i)
    {
        for (size_t j = i; j > 0 && terms[j - 1]->CompareElements(*terms[j]) > 0; --j)
        {
            std::swap(terms[j - 1], terms[j]);
            bAnySwap = true;
        }
    }
    return bAnySwap;
}

// 2x, 3x -> 5x; 5x, -5x -> nothing. A run of like terms folds into one.
bool CExpression::CombineLikeTerms(TermList& terms)
{
    std::vector<std::string> texts;
    std::vector<std::string> displays;
    return CombineLikeTerms(terms, texts, displays);
}

bool CExpression::CombineLikeTerms(TermList& terms, std::vector<std::string>& texts,
                                   std::vector<std::string>& displays)
{
    if (terms.size() < 2)
        return false;
    const bool bNarrating = Narrating();
    const bool bTextsKept = texts.size() == terms.size() && displays.size() == terms.size();
    // A term's display text, from the kept texts where they are written.
    const auto display = [&](std::size_t i) {
        return bTextsKept ? displays[i] : terms[i]->GetDisplayText(false);
    };
    const auto erase = [&](std::size_t i) {
        terms.erase(terms.begin() + static_cast<std::ptrdiff_t>(i));
        if (bTextsKept)
        {
            texts.erase(texts.begin() + static_cast<std::ptrdiff_t>(i));
            displays.erase(displays.begin() + static_cast<std::ptrdiff_t>(i));
        }
    };
    bool bCombined = false;
    size_t i = 0;
    while (i + 1 < terms.size())
    {
        if (terms[i]->CompareElements(*terms[i + 1]) != 0)
        {
            ++i;
            continue;
        }
        if (bNarrating)
            AppendEntry(m_strExplanation, "Combine ", display(i), " with ", display(i + 1));
        const bool bZero = terms[i]->CombineLike(*terms[i + 1]);
        if (bTextsKept && !bZero)
        {
            texts[i].clear();
            displays[i] = bNarrating ? terms[i]->GetDisplayText(false) : std::string();
        }
        if (bNarrating)
        {
            if (bZero)
                m_strExplanation += " Giving Nothing (they cancel each other out)\r\n";
            else
            {
                m_strExplanation += " Giving ";
                m_strExplanation += display(i);
                m_strExplanation += "\r\n";
            }
        }
        erase(i + 1);
        if (bZero)
            erase(i);
        bCombined = true;
    }
    if (bCombined && bNarrating)
        m_strExplanation += "\r\n";
    return bCombined;
}

void CExpression::FindMainVariable(char cLetter)
{
    m_nHighestPower = 0;
    m_cMainVariable = 0;
    for (const auto& pTerm : m_Terms)
    {
        int nPower = 0;
        char cFound = 0;
        pTerm->HighestPower(cLetter, nPower, cFound);
        if (nPower > m_nHighestPower)
        {
            m_nHighestPower = nPower;
            m_cMainVariable = cFound;
        }
    }
}

// 1 or 2 when this expression leads (2: the other lacks this one's leading variable),
// -1 or -2 when the other leads, 0 for the same variable at the same power. The
// restricted searches are left in place for the division that follows.
int CExpression::CompareLeadingPower(CExpression& other)
{
    FindMainVariable(0);
    other.FindMainVariable(0);
    const int nMine = m_nHighestPower;
    const int nTheirs = other.m_nHighestPower;
    const char cMine = m_cMainVariable;
    const char cTheirs = other.m_cMainVariable;
    if (nMine > nTheirs)
    {
        if (cMine == cTheirs)
            return 1;
        other.FindMainVariable(cMine);
        return other.m_nHighestPower <= 0 ? 2 : 1;
    }
    if (nMine < nTheirs)
    {
        if (cTheirs == cMine)
            return -1;
        FindMainVariable(cTheirs);
        return m_nHighestPower > 0 ? -1 : -2;
    }
    if (cMine == cTheirs)
        return 0;
    FindMainVariable(cTheirs);
    other.FindMainVariable(cMine);
    const int nMineRestricted = m_nHighestPower;
    const int nTheirsRestricted = other.m_nHighestPower;
    if (nMineRestricted > nTheirsRestricted)
    {
        other.FindMainVariable(0);
        return -1;
    }
    if (nMineRestricted < nTheirsRestricted)
    {
        FindMainVariable(0);
        return 1;
    }
    FindMainVariable(0);
    return nTheirsRestricted > 0 ? 1 : 2;
}
