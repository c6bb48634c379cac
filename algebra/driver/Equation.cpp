// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver/Equation.h"

#include "driver/Construction.h"

CEquation::CEquation(std::string_view strText)
{
    ParseEquationText(*this, m_pRightSide, strText);
}

std::string CEquation::GetText(bool) const
{
    if (!m_pRightSide)
        return GetSumText();
    return GetSumText() + "=" + m_pRightSide->GetText(false);
}

std::string CEquation::GetDisplayText(bool) const
{
    if (!m_pRightSide)
        return GetSumDisplayText();
    return GetSumDisplayText() + "=" + m_pRightSide->GetDisplayText(false);
}

void CEquation::SetRightSide(std::string_view strText)
{
    m_pRightSide = std::make_unique<CExpression>(strText);
}
