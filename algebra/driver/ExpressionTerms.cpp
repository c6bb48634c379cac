// SPDX-License-Identifier: GPL-3.0-or-later
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
    std::vector<std::string> texts;
    std::vector<std::string> displays;
    return SortTerms(terms, texts, displays);
}

bool CExpression::SortTerms(TermList& terms, std::vector<std::string>& texts,
                            std::vector<std::string>& displays)
{
    const bool bTextsKept = texts.size() == terms.size() && displays.size() == terms.size();
    bool bAnySwap = false;
    for (size_t i = 1; i < terms.size(); ++i)
    {
        for (size_t j = i; j > 0 && terms[j - 1]->CompareElements(*terms[j]) > 0; --j)
        {
            std::swap(terms[j - 1], terms[j]);
            if (bTextsKept)
            {
                std::swap(texts[j - 1], texts[j]);
                std::swap(displays[j - 1], displays[j]);
            }
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
    // The list is rebuilt in one pass, each term moved once: kept terms go to the end of the
    // first nKept places, and the last kept term absorbs the like terms that follow it. After
    // a pair cancels, the term before the pair is not looked at again.
    std::size_t nKept = 0;
    bool bLastOpen = false;
    bool bCombined = false;
    for (std::size_t r = 0; r < terms.size(); ++r)
    {
        if (!bLastOpen || terms[nKept - 1]->CompareElements(*terms[r]) != 0)
        {
            if (nKept != r)
            {
                terms[nKept] = std::move(terms[r]);
                if (bTextsKept)
                {
                    texts[nKept] = std::move(texts[r]);
                    displays[nKept] = std::move(displays[r]);
                }
            }
            ++nKept;
            bLastOpen = true;
            continue;
        }
        CEqElm& last = *terms[nKept - 1];
        // A term as a formula of the line, from its kept texts where they are written.
        const auto termFormula = [&](std::size_t i)
        {
            const CEqElm& term = *terms[i];
            return FormulaOf(
                bTextsKept ? displays[i] : term.GetDisplayText(false),
                [&] { return bTextsKept && !texts[i].empty() ? texts[i] : term.GetText(false); });
        };
        if (bNarrating)
            AppendEntry(m_strExplanation, "Combine ", termFormula(nKept - 1), " with ",
                        termFormula(r));
        const bool bZero = last.CombineLike(*terms[r]);
        bCombined = true;
        if (bZero)
        {
            if (bNarrating)
                m_strExplanation += " Giving Nothing (they cancel each other out)\r\n";
            --nKept;
            bLastOpen = false;
            continue;
        }
        if (bTextsKept && bNarrating)
            last.GetTexts(texts[nKept - 1], displays[nKept - 1]);
        else if (bTextsKept)
        {
            texts[nKept - 1].clear();
            displays[nKept - 1].clear();
        }
        if (bNarrating)
        {
            m_strExplanation += " Giving ";
            AppendFormula(m_strExplanation, termFormula(nKept - 1));
            m_strExplanation += "\r\n";
        }
    }
    terms.resize(nKept);
    if (bTextsKept)
    {
        texts.resize(nKept);
        displays.resize(nKept);
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
