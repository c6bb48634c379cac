// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver/Expression.h"

#include "core/SubExpression.h"
#include "driver/Construction.h"

CExpression::CExpression(std::string_view strText)
{
    ParseExpressionText(*this, strText, 0);
}

namespace
{
// The joined terms as a sum reads: no leading "+", and "0" for no terms.
std::string AsSum(std::string strJoined)
{
    if (!strJoined.empty() && strJoined[0] == '+')
        strJoined.erase(0, 1);
    return strJoined.empty() ? "0" : strJoined;
}

std::string Joined(const std::vector<std::string>& pieces)
{
    std::string strText;
    for (const auto& strPiece : pieces)
        strText += strPiece;
    return strText;
}
} // namespace

std::string CExpression::GetSumText() const
{
    std::string strText;
    for (const auto& pTerm : m_Terms)
        strText += pTerm->GetText(false);
    return AsSum(std::move(strText));
}

std::string CExpression::GetSumDisplayText() const
{
    std::string strText;
    for (const auto& pTerm : m_Terms)
        strText += pTerm->GetDisplayText(false);
    strText = AsSum(std::move(strText));
    MakeDisplayForm(strText);
    return strText;
}

std::string CExpression::SumOfTexts(const std::vector<std::string>& termTexts)
{
    return AsSum(Joined(termTexts));
}

std::string CExpression::SumOfDisplays(const std::vector<std::string>& termDisplays)
{
    std::string strText = AsSum(Joined(termDisplays));
    MakeDisplayForm(strText);
    return strText;
}

std::string CExpression::GetText(bool) const
{
    return GetSumText();
}

std::string CExpression::GetDisplayText(bool) const
{
    return GetSumDisplayText();
}

void CExpression::CopyTermsFrom(const CExpression& source)
{
    for (const auto& pTerm : source.m_Terms)
        m_Terms.push_back(pTerm->Clone());
}

std::unique_ptr<CExpression> CExpression::CloneExpression() const
{
    auto pClone = std::make_unique<CExpression>();
    pClone->CopyTermsFrom(*this);
    pClone->FindMainVariable(m_cMainVariable);
    return pClone;
}

int CExpression::GetDivisionState() const
{
    if (m_Terms.empty())
        return 0;
    if (m_Terms.size() == 1)
        return m_Terms.front()->NeedsFurtherSimplification();
    for (const auto& pTerm : m_Terms)
        if (pTerm->NeedsFurtherSimplification() == 2)
            return 2;
    return 1;
}

bool CExpression::IsZero() const
{
    return m_Terms.empty() || (m_Terms.size() == 1 && m_Terms.front()->IsZero());
}

// Only CSubExpression reports this kind; the static cast spares a dynamic one per call.
CSubExpression* CExpression::AsSubExpression()
{
    return GetKind() == kKindSubExpression ? static_cast<CSubExpression*>(this) : nullptr;
}

const CSubExpression* CExpression::AsSubExpression() const
{
    return GetKind() == kKindSubExpression ? static_cast<const CSubExpression*>(this) : nullptr;
}
