// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SubExpression.h"

#include "core/Number.h"
#include "driver/Construction.h"

#include <utility>

CSubExpression::CSubExpression()
{
    m_nOrder = kOrderSubExpression;
}

CSubExpression::CSubExpression(std::string_view strText) : CSubExpression()
{
    ParseExpressionText(*this, strText, 0);
}

// Brackets are left out only for a bracketless wrapper that has nothing around it: no
// operator written, power one.
std::string CSubExpression::TextForm(bool bWithOperator, bool bDisplay, bool bForceBrackets) const
{
    return TextAround(bDisplay ? GetSumDisplayText() : GetSumText(), bWithOperator, bDisplay,
                      bForceBrackets);
}

std::string CSubExpression::TextAround(const std::string& strBody, bool bWithOperator,
                                       bool bDisplay, bool bForceBrackets) const
{
    const std::string strPrefix = OperatorPrefix(bWithOperator);
    const std::string strSuffix = PowerSuffix(bDisplay);
    const bool bBrackets =
        bForceBrackets || !m_bNoBrackets || !strPrefix.empty() || !strSuffix.empty();
    // Built in one string: text forms are written for every narrative line.
    std::string strText;
    strText.reserve(strPrefix.size() + strBody.size() + strSuffix.size() + 2);
    strText += strPrefix;
    if (bBrackets)
        strText += '(';
    strText += strBody;
    if (bBrackets)
        strText += ')';
    strText += strSuffix;
    if (bDisplay)
        MakeDisplayForm(strText);
    return strText;
}

std::string CSubExpression::GetText(bool bWithOperator) const
{
    return TextForm(bWithOperator, false, false);
}

std::string CSubExpression::GetDisplayText(bool bWithOperator) const
{
    return TextForm(bWithOperator, true, false);
}

std::string CSubExpression::GetBracketedText(bool bWithOperator) const
{
    return TextForm(bWithOperator, false, true);
}

std::string CSubExpression::GetBracketedDisplayText(bool bWithOperator) const
{
    return TextForm(bWithOperator, true, true);
}

// Same shape: the terms pair up with like factor lists (coefficients aside).
int CSubExpression::CompareBase(const CEqElmAtom& other) const
{
    const CSubExpression* pOther = other.AsSubExpression();
    if (!pOther)
        return m_nOrder > other.m_nOrder ? 1 : -1;
    const size_t nCount = std::min(m_Terms.size(), pOther->m_Terms.size());
    for (size_t i = 0; i < nCount; ++i)
        if (const int nCompare = m_Terms[i]->CompareElements(*pOther->m_Terms[i]))
            return nCompare;
    if (m_Terms.size() == pOther->m_Terms.size())
        return 0;
    return m_Terms.size() < pOther->m_Terms.size() ? 1 : -1;
}

int CSubExpression::CompareBodies(const CSubExpression& other) const
{
    if (const int nShape = CompareBase(other))
        return nShape;
    for (size_t i = 0; i < m_Terms.size(); ++i)
        if (const int nCompare = m_Terms[i]->m_Coefficient.Compare(other.m_Terms[i]->m_Coefficient))
            return nCompare;
    return 0;
}

// Brackets order by their terms and then the higher power first; equal only when both
// the terms and the power are the same.
int CSubExpression::CompareFull(const CEqElmAtom& other) const
{
    const CSubExpression* pOther = other.AsSubExpression();
    if (!pOther || GetSortGroup() != other.GetSortGroup())
        return CEqElmAtom::CompareFull(other);
    if (const int nBodies = CompareBodies(*pOther))
        return nBodies;
    return -m_Power.Compare(other.m_Power);
}

std::unique_ptr<CSubExpression> CSubExpression::Clone() const
{
    auto pClone = std::make_unique<CSubExpression>();
    pClone->m_nOperation = m_nOperation;
    pClone->m_Power = m_Power;
    pClone->m_bNoBrackets = m_bNoBrackets;
    AppendTermClones(pClone->m_Terms);
    pClone->FindMainVariable(m_cMainVariable);
    return pClone;
}

std::unique_ptr<CEqElmAtom> CSubExpression::CloneAtom() const
{
    return Clone();
}

std::unique_ptr<CExpression> CSubExpression::CloneExpression() const
{
    return Clone();
}

void CSubExpression::AppendTermClones(CExpression::TermList& terms) const
{
    for (const auto& pTerm : m_Terms)
        terms.push_back(pTerm->Clone());
}

bool CSubExpression::HasRepeatPower()
{
    if (m_Power.IsOne(true) || !m_Power.IsWhole())
        return false;
    m_dRepeatsLeft = m_Power.GetWholeValue();
    return m_dRepeatsLeft > 1;
}

// One more copy of the bracket at power one. A count below one (also a negative one)
// means there is nothing left to write out.
std::unique_ptr<CSubExpression> CSubExpression::TakeOneRepeat()
{
    if (!(m_dRepeatsLeft >= 0.9))
        return nullptr;
    m_dRepeatsLeft -= 1;
    auto pCopy = std::make_unique<CSubExpression>();
    AppendTermClones(pCopy->m_Terms);
    if (IsDivisor())
        pCopy->SetDivisor();
    return pCopy;
}

// (2x)^2 is 4x^2 and /(2x) is 1/2 times 1/x: the power and the divisor mark carry over.
std::unique_ptr<CEqElm> CSubExpression::GetSingleTerm() const
{
    if (m_Terms.size() != 1 || !m_Power.IsWhole())
        return nullptr;
    auto pTerm = m_Terms.front()->Clone();
    bool bInvert = IsDivisor();
    if (!m_Power.IsOne(true))
    {
        CScalar magnitude = m_Power;
        if (magnitude.m_nSign < 0)
        {
            magnitude.Negate();
            bInvert = !bInvert;
        }
        if (magnitude.IsZero())
            return std::make_unique<CEqElm>();
        pTerm->m_Coefficient = RaiseToPower(pTerm->m_Coefficient, magnitude);
        for (auto& pFactor : pTerm->m_Elements)
            pFactor->MultiplyPower(magnitude);
    }
    if (bInvert)
        pTerm->Invert();
    return pTerm;
}

CScalar CSubExpression::RatioTo(const CSubExpression& other) const
{
    CScalar zero;
    zero.SetFromParts(0, 0, 1);
    if (m_Terms.size() != other.m_Terms.size())
        return zero;
    if (m_Terms.empty())
        return CScalar();
    const CScalar first = m_Terms[0]->CoefficientRatio(*other.m_Terms[0]);
    if (first.IsZero())
        return zero;
    for (size_t i = 1; i < m_Terms.size(); ++i)
    {
        const CScalar ratio = m_Terms[i]->CoefficientRatio(*other.m_Terms[i]);
        if (ratio.IsZero() || !ratio.Equals(first))
            return zero;
    }
    return first;
}

std::unique_ptr<CEqElm> CSubExpression::CommonFactorOfTerms() const
{
    if (m_Terms.empty())
        return nullptr;
    auto pCommon = m_Terms.front()->Clone();
    for (size_t i = 1; i < m_Terms.size() && pCommon->HasFactors(); ++i)
        pCommon->KeepCommonFactors(*m_Terms[i]);
    if (!pCommon->HasFactors())
        return nullptr;
    return pCommon;
}

std::unique_ptr<CSubExpression> ToSubExpression(std::unique_ptr<CEqElmAtom> pFactor)
{
    CSubExpression* pBracket = pFactor ? pFactor->AsSubExpression() : nullptr;
    if (!pBracket)
        return nullptr;
    pFactor.release();
    return std::unique_ptr<CSubExpression>(pBracket);
}
