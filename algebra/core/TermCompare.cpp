// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SubExpression.h"
#include "core/Term.h"

#include <cmath>
#include <limits>

namespace
{
int Sign(int nValue)
{
    return (nValue > 0) - (nValue < 0);
}

// Two factors stand for the same thing apart from power and divisor mark. Brackets
// count as the same only when their terms are the same, coefficients included.
bool SameBase(const CEqElmAtom& a, const CEqElmAtom& b)
{
    const CSubExpression* pA = a.AsSubExpression();
    const CSubExpression* pB = b.AsSubExpression();
    if (pA && pB)
        return pA->CompareBodies(*pB) == 0;
    return a.CompareBase(b) == 0;
}

// The whole part of a factor's power as an int, clamped; 0 for anything not finite.
int WholePower(const CEqElmAtom& factor)
{
    const double dPower = std::trunc(factor.m_Power.GetWholeValue());
    if (!std::isfinite(dPower))
        return 0;
    if (dPower >= std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (dPower <= std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(dPower);
}
} // namespace

// Lexicographic over the factor lists, where the end of a list ranks between the plain
// multipliers and the brackets and divisors. Being lexicographic over a total order of
// factors, it is itself a total order, so sorting always brings like terms together.
int CEqElm::CompareElements(const CEqElm& other) const
{
    const size_t nMine = m_Elements.size();
    const size_t nTheirs = other.m_Elements.size();
    for (size_t i = 0; i < nMine || i < nTheirs; ++i)
    {
        if (i >= nMine)
            return Sign(CEqElmAtom::kEndOfListRank - other.m_Elements[i]->GetSortGroup());
        if (i >= nTheirs)
            return Sign(m_Elements[i]->GetSortGroup() - CEqElmAtom::kEndOfListRank);
        if (const int nCompare = m_Elements[i]->CompareFull(*other.m_Elements[i]))
            return Sign(nCompare);
    }
    return 0;
}

bool CEqElm::CombineLike(const CEqElm& other)
{
    if (CompareElements(other) != 0)
        return false;
    m_Coefficient.Add(other.m_Coefficient);
    return m_Coefficient.IsZero();
}

CScalar CEqElm::CoefficientRatio(const CEqElm& other) const
{
    CScalar ratio = m_Coefficient;
    CScalar zero;
    zero.SetFromParts(0, 0, 1);
    if (CompareElements(other) != 0 || other.m_Coefficient.IsZero())
        return zero;
    if (!other.m_Coefficient.IsUnset())
        ratio.Divide(other.m_Coefficient);
    return ratio;
}

bool CEqElm::HasLikeElement(const CEqElmAtom& factor) const
{
    for (const auto& pFactor : m_Elements)
        if (pFactor->GetKindCode() == factor.GetKindCode() && pFactor->CompareFull(factor) == 0)
            return true;
    return false;
}

void CEqElm::HighestPower(char cLetter, int& nPower, char& cFoundLetter) const
{
    nPower = 0;
    cFoundLetter = 0;
    for (const auto& pFactor : m_Elements)
    {
        if (cLetter != 0 && pFactor->GetLetter() != cLetter)
            continue;
        const int nThis = WholePower(*pFactor);
        if (nThis > nPower)
        {
            nPower = nThis;
            cFoundLetter = pFactor->GetLetter();
        }
    }
}

// Each factor of this term stays when the other has a factor of the same base (each of
// the other's factors answers once), taking the smaller of the two powers. Numbers are
// never shared.
void CEqElm::KeepCommonFactors(const CEqElm& other)
{
    std::vector<bool> used(other.m_Elements.size(), false);
    auto it = m_Elements.begin();
    while (it != m_Elements.end())
    {
        size_t j = 0;
        while (j < used.size() && (used[j] || !SameBase(**it, *other.m_Elements[j])))
            ++j;
        if (j == used.size())
        {
            it = m_Elements.erase(it);
            continue;
        }
        used[j] = true;
        if ((*it)->ComparePower(*other.m_Elements[j]) > 0)
            (*it)->CopyPower(*other.m_Elements[j]);
        ++it;
    }
}
