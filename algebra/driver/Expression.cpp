#include "driver/Expression.h"

#include "core/SubExpression.h"
#include "driver/Construction.h"

CExpression::CExpression(std::string_view strText)
{
    ParseExpressionText(*this, strText, 0);
}

namespace
{
std::string JoinTerms(const CExpression::TermList& terms, bool bDisplay)
{
    std::string strText;
    for (const auto& pTerm : terms)
        strText += bDisplay ? pTerm->GetDisplayText(false) : pTerm->GetText(false);
    if (!strText.empty() && strText[0] == '+')
        strText.erase(0, 1);
    return strText.empty() ? "0" : strText;
}
} // namespace

std::string CExpression::GetSumText() const
{
    return JoinTerms(m_Terms, false);
}

std::string CExpression::GetSumDisplayText() const
{
    std::string strText = JoinTerms(m_Terms, true);
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
