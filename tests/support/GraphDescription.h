// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A compact, unambiguous description of an algebra graph for test expectations:
// a term is "coefficient[factors]", a number factor "#value", a bracket "{terms}", each
// factor with its operator ("/", "*") and power ("^+2").

#include "core/Number.h"
#include "core/SubExpression.h"
#include "core/Term.h"
#include "core/Variable.h"
#include "driver/Equation.h"

#include <string>

namespace graph
{
std::string Describe(const CExpression& expression);

inline std::string Describe(const CEqElmAtom& factor)
{
    std::string strText = factor.m_nOperation == 1 ? "/" : factor.m_nOperation == -1 ? "*" : "";
    if (const CSubExpression* pBracket = factor.AsSubExpression())
        strText += "{" + Describe(static_cast<const CExpression&>(*pBracket)) + "}";
    else if (factor.IsNumber())
        strText += "#" + static_cast<const CEqElmNumber&>(factor).m_Value.ToText(true);
    else
        strText += std::string(1, factor.GetLetter());
    if (!factor.m_Power.IsOne(true))
        strText += "^" + factor.m_Power.ToText(true);
    return strText;
}

inline std::string Describe(const CEqElm& term)
{
    std::string strText = term.m_Coefficient.ToText(true) + "[";
    for (size_t i = 0; i < term.m_Elements.size(); ++i)
        strText += (i ? " " : "") + Describe(*term.m_Elements[i]);
    return strText + "]";
}

inline std::string Describe(const CExpression& expression)
{
    std::string strText;
    for (size_t i = 0; i < expression.m_Terms.size(); ++i)
        strText += (i ? " ; " : "") + Describe(*expression.m_Terms[i]);
    if (const auto* pEquation = dynamic_cast<const CEquation*>(&expression))
        if (pEquation->m_pRightSide)
            strText += " = " + Describe(*pEquation->m_pRightSide);
    return strText;
}
} // namespace graph
