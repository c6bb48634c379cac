// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/TermWork.h"

#include <algorithm>

CTermWork::CTermWork(CEqElm& term, CExpression::TermList& output)
    : CTermWork(term, output, term.GetText(false),
                Narrating() ? term.GetDisplayText(false) : std::string())
{
}

CTermWork::CTermWork(CEqElm& term, CExpression::TermList& output, std::string strText,
                     std::string strDisplay)
    : m_Term(term), m_Output(output), m_nOutputStart(output.size()), m_strText(std::move(strText)),
      m_strDisplay(std::move(strDisplay)), m_pMultiplier(std::make_unique<CEqElm>()),
      m_pDivisor(std::make_unique<CEqElm>())
{
    if (!m_strText.empty() && (m_strText[0] == '+' || m_strText[0] == '-'))
        m_strSign = m_strText.substr(0, 1);
    m_pMultiplier->m_Coefficient = term.m_Coefficient;
}

bool IsMultiplierEntry(const CSubExpression& entry)
{
    return !entry.IsDivisor();
}

int CTermWork::CountMultiplierEntries() const
{
    return static_cast<int>(std::count_if(m_List.begin(), m_List.end(),
                                          [](const auto& p) { return IsMultiplierEntry(*p); }));
}

int CTermWork::CountDivisorEntries() const
{
    return static_cast<int>(m_List.size()) - CountMultiplierEntries();
}

std::string DivisorPartDisplay(const CEqElm& divisorPart)
{
    return divisorPart.IsOne() ? std::string() : divisorPart.GetDisplayText(true);
}

std::string DivisorPartText(const CEqElm& divisorPart)
{
    return divisorPart.IsOne() ? std::string() : divisorPart.GetText(true);
}

CFormula OutsideFormula(const CEqElm& multiplierPart, bool bSign, const CEqElm& divisorPart)
{
    return FormulaOf(
        multiplierPart.GetDisplayText(bSign) + DivisorPartDisplay(divisorPart),
        [&] { return ProductText(multiplierPart.GetText(bSign), DivisorPartText(divisorPart)); });
}
