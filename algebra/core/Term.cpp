// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Term.h"

#include "core/Number.h"
#include "core/Variable.h"
#include "driver/Construction.h"

CEqElm::CEqElm(std::string_view strText)
{
    ParseTermText(*this, strText, 0);
}

std::unique_ptr<CEqElm> CEqElm::Clone() const
{
    auto pClone = std::make_unique<CEqElm>();
    pClone->m_Coefficient = m_Coefficient;
    for (const auto& pFactor : m_Elements)
        pClone->m_Elements.push_back(pFactor->Clone());
    return pClone;
}

std::unique_ptr<CEqElm> CEqElm::MultiplyTerms(const CEqElm& other) const
{
    auto pProduct = Clone();
    pProduct->m_Coefficient.Multiply(other.m_Coefficient);
    for (const auto& pFactor : other.m_Elements)
        pProduct->m_Elements.push_back(pFactor->Clone());
    return pProduct;
}

// The other term is expected to hold multipliers: each of its factors is set to divisor.
std::unique_ptr<CEqElm> CEqElm::DivideTerms(const CEqElm& other) const
{
    auto pQuotient = Clone();
    pQuotient->m_Coefficient.Multiply(other.m_Coefficient.Reciprocal());
    for (const auto& pFactor : other.m_Elements)
    {
        auto pDivisor = pFactor->Clone();
        pDivisor->SetDivisor();
        pQuotient->m_Elements.push_back(std::move(pDivisor));
    }
    return pQuotient;
}

// A simple number joins the coefficient: it multiplies, or divides when it is a divisor.
void CEqElm::FoldIntoCoefficient(const CEqElmAtom& number)
{
    const CScalar value = static_cast<const CEqElmNumber&>(number).PowerValue();
    if (number.IsDivisor())
        m_Coefficient.Divide(value);
    else
        m_Coefficient.Multiply(value);
}

// Numbers and brackets go before the first factor of a greater kind code.
void CEqElm::InsertByKind(const CEqElmAtom& factor)
{
    const int nKind = factor.GetKindCode();
    auto it = m_Elements.begin();
    while (it != m_Elements.end() && (*it)->GetKindCode() <= nKind)
        ++it;
    m_Elements.insert(it, factor.Clone());
}

// x times x^2 merges into x^3; a new letter goes into alphabetic place among its kind.
void CEqElm::InsertVariable(const CEqElmAtom& variable)
{
    const int nKind = variable.GetKindCode();
    const char cLetter = variable.GetLetter();
    auto it = m_Elements.begin();
    for (; it != m_Elements.end(); ++it)
    {
        CEqElmAtom& existing = **it;
        if (existing.GetKindCode() > nKind)
            break;
        if (existing.GetKindCode() != nKind || !existing.IsVariable())
            continue;
        if (existing.GetLetter() == cLetter)
        {
            static_cast<CEqElmVariable&>(existing).AddPower(variable);
            if (existing.m_Power.IsZero()) // x^2 times x^-2 is one
                m_Elements.erase(it);
            return;
        }
        if (static_cast<signed char>(existing.GetLetter()) > static_cast<signed char>(cLetter))
            break;
    }
    m_Elements.insert(it, variable.Clone());
}

// x^0 and 2^0 are one: such a factor leaves the term as it is.
void CEqElm::AddElement(const CEqElmAtom& factor)
{
    if ((factor.IsNumber() || factor.IsVariable()) && factor.m_Power.IsZero())
        return;
    if (factor.IsNumber() && static_cast<const CEqElmNumber&>(factor).IsSimpleNumber())
        FoldIntoCoefficient(factor);
    else if (factor.IsVariable())
        InsertVariable(factor);
    else
        InsertByKind(factor);
}

void CEqElm::MultiplyBy(const CEqElm& other)
{
    m_Coefficient.Multiply(other.m_Coefficient);
    for (const auto& pFactor : other.m_Elements)
        AddElement(*pFactor);
}

int CEqElm::NeedsFurtherSimplification() const
{
    for (const auto& pFactor : m_Elements)
        if (pFactor->IsSubExpression() || (pFactor->IsVariable() && pFactor->IsDivisor()))
            return 2;
    return 0;
}

std::unique_ptr<CEqElmAtom> CEqElm::FirstDivisor()
{
    m_nDivisorCursor = -1;
    return NextDivisor();
}

std::unique_ptr<CEqElmAtom> CEqElm::NextDivisor()
{
    const int nCount = static_cast<int>(m_Elements.size());
    while (++m_nDivisorCursor < nCount)
        if (m_Elements[m_nDivisorCursor]->IsDivisor())
            return m_Elements[m_nDivisorCursor]->Clone();
    m_nDivisorCursor = nCount;
    return nullptr;
}

std::unique_ptr<CEqElmAtom> CEqElm::FirstElement()
{
    m_nElementCursor = -1;
    return NextElement();
}

std::unique_ptr<CEqElmAtom> CEqElm::NextElement()
{
    const int nCount = static_cast<int>(m_Elements.size());
    if (++m_nElementCursor < nCount)
        return m_Elements[m_nElementCursor]->Clone();
    m_nElementCursor = nCount;
    return nullptr;
}

bool CEqElm::IsOne() const
{
    return m_Elements.empty() && m_Coefficient.IsOne(true);
}

// Zero times anything is zero, so the factors do not matter.
bool CEqElm::IsZero() const
{
    return m_Coefficient.IsZero();
}

void CEqElm::Invert()
{
    m_Coefficient = m_Coefficient.Reciprocal();
    for (auto& pFactor : m_Elements)
    {
        if (pFactor->IsDivisor())
            pFactor->SetExplicitMultiply(false);
        else
            pFactor->SetDivisor();
    }
}
