// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SubExpression.h"
#include "core/Term.h"

#include <cctype>
#include <utility>

namespace
{
bool IsNumberChar(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) || c == '.';
}

// The coefficient part of a term's text (steps 1 and 2 of the term text forms).
std::string CoefficientText(const CScalar& coefficient, bool bNoFactors, bool bBracketSign,
                            bool bDisplay)
{
    std::string strText =
        bDisplay ? coefficient.ToDisplayText(bNoFactors) : coefficient.ToText(bNoFactors);
    if (!bBracketSign)
        return strText;
    if (strText == "-")
        strText = "(-1)";
    if (!strText.empty() && strText[0] == '+')
        strText.erase(0, 1);
    if (!strText.empty() && strText[0] == '-')
    {
        if (strText.size() > 1 && strText[1] == '(')
            strText = "(-" + strText.substr(2);
        else
            strText = "(" + strText + ")";
    }
    return strText;
}

// A negative number opening a term of unit coefficient needs no brackets: the term -3/x
// holds the number -3 and reads back from "-3/x" as the same, where "(-3)/x" reads badly.
// A power keeps them, since -3^2! would be -(3^2).
void UnbracketLeadingNumber(const CEqElmAtom& factor, std::string& strFactor,
                            std::string& strResult)
{
    const bool bBracketed =
        strFactor.size() > 3 && strFactor.compare(0, 2, "(-") == 0 && strFactor.back() == ')';
    if (!factor.IsNumber() || factor.m_nOperation != CEqElmAtom::kJuxtaposed ||
        !factor.HasUnitPower() || !bBracketed)
        return;
    strResult.clear();
    strFactor.pop_back();
    strFactor.erase(0, 1);
}

// A whole number (or an unset one) writes the same digits in both forms.
bool IsPlainWhole(const CScalar& scalar)
{
    return scalar.IsUnset() || (!scalar.m_bDecimal && scalar.m_Numerator.IsZero());
}

// The display text of a term of whole numbers and letters at whole powers is its text with the
// marks rewritten: no fraction, bracket or number factor writes differently on display.
bool DisplaysAsText(const CEqElm& term)
{
    if (!IsPlainWhole(term.m_Coefficient))
        return false;
    for (const auto& pFactor : term.m_Elements)
        if (!pFactor->IsVariable() || !IsPlainWhole(pFactor->m_Power))
            return false;
    return true;
}

// Letters at whole powers, written side by side, after a whole number: the most common term
// by far (every term of a product of sums), written in one pass by WritePlainTexts.
bool IsPlainLetterTerm(const CEqElm& term)
{
    const CScalar& coefficient = term.m_Coefficient;
    if (!term.HasFactors() || coefficient.IsUnset() || coefficient.m_bDecimal ||
        !coefficient.m_Numerator.IsZero())
        return false;
    for (const auto& pFactor : term.m_Elements)
    {
        const CScalar& power = pFactor->m_Power;
        if (!pFactor->IsVariable() || pFactor->m_nOperation != CEqElmAtom::kJuxtaposed)
            return false;
        if (!power.IsOne(true) &&
            (power.IsUnset() || power.m_bDecimal || !power.m_Numerator.IsZero()))
            return false;
    }
    return true;
}

// What TextForm writes for such a term, the text and (when asked) the display text at once:
// the sign, the digits unless the number is one, then each letter and its power; the display
// leaves out the "!" that closes a power.
void WritePlainTexts(const CEqElm& term, std::string& strText, std::string* pDisplay)
{
    const CScalar& coefficient = term.m_Coefficient;
    strText.clear();
    strText += coefficient.m_nSign <= 0 ? '-' : '+';
    if (!coefficient.IsOne(false))
    {
        if (coefficient.m_Whole.IsZero())
            strText += '0';
        else
            coefficient.m_Whole.AppendText(strText);
    }
    for (const auto& pFactor : term.m_Elements)
    {
        strText += pFactor->GetLetter();
        const CScalar& power = pFactor->m_Power;
        if (power.IsOne(true))
            continue;
        strText += '^';
        if (power.m_nSign < 0)
            strText += '-';
        power.m_Whole.AppendText(strText);
        strText += '!';
    }
    if (pDisplay == nullptr)
        return;
    pDisplay->clear();
    pDisplay->reserve(strText.size());
    for (const char c : strText)
        if (c != '!')
            *pDisplay += c;
}

bool IsSignOnly(const std::string& strText)
{
    return strText.empty() || strText == "+" || strText == "-";
}
} // namespace

// Writes the factors so that the text reads back as what it means: a bracketless
// wrapper beside anything else gets its brackets, no "*" opens the factors, and a number
// never runs on into the digits before it (2 times 3 is 2*3, not 23) nor turns into the
// coefficient when it was written as a factor of its own.
std::string CEqElm::TextForm(bool bBracketSign, bool bDisplay) const
{
    if (!bBracketSign && IsPlainLetterTerm(*this))
    {
        std::string strText;
        std::string strDisplay;
        WritePlainTexts(*this, strText, bDisplay ? &strDisplay : nullptr);
        return bDisplay ? strDisplay : strText;
    }
    std::string strResult =
        CoefficientText(m_Coefficient, m_Elements.empty(), bBracketSign, bDisplay);
    if (m_Elements.empty())
        return strResult;
    const bool bAlone = m_Elements.size() == 1 && m_Coefficient.IsOne(true);
    for (size_t i = 0; i < m_Elements.size(); ++i)
    {
        const CEqElmAtom& factor = *m_Elements[i];
        const CSubExpression* pBracket = factor.AsSubExpression();
        std::string strFactor;
        if (pBracket && pBracket->m_bNoBrackets && !bAlone)
            strFactor = bDisplay ? pBracket->GetBracketedDisplayText(true)
                                 : pBracket->GetBracketedText(true);
        else
            strFactor = bDisplay ? factor.GetDisplayText(true) : factor.GetText(true);
        if (i == 0 && IsSignOnly(strResult) && !strFactor.empty() && strFactor[0] == '*')
        {
            // A starred number keeps its place as a factor behind a written unit: -1*%2,6$.
            if (factor.IsNumber())
                strResult += "1";
            else
                strFactor.erase(0, 1);
        }
        if (i == 0 && !bBracketSign && (strResult.empty() || strResult == "+"))
            UnbracketLeadingNumber(factor, strFactor, strResult);
        const bool bAfterDigit = !strResult.empty() && IsNumberChar(strResult.back());
        if (bAfterDigit && factor.IsNumber() && !strFactor.empty() &&
            (IsNumberChar(strFactor[0]) || strFactor[0] == '%'))
            strFactor.insert(0, "*");
        strResult += strFactor;
    }
    if (bBracketSign && !strResult.empty() && strResult[0] == '+')
        strResult.erase(0, 1);
    if (strResult.size() > 1 && (strResult[0] == '+' || strResult[0] == '-') && strResult[1] == '/')
        strResult.insert(1, "1");
    if (bDisplay)
        MakeDisplayForm(strResult);
    return strResult;
}

std::string CEqElm::GetText(bool bBracketSign) const
{
    return TextForm(bBracketSign, false);
}

std::string CEqElm::GetDisplayText(bool bBracketSign) const
{
    return TextForm(bBracketSign, true);
}

void CEqElm::GetTexts(std::string& strText, std::string& strDisplay) const
{
    if (IsPlainLetterTerm(*this))
        return WritePlainTexts(*this, strText, &strDisplay);
    strText = TextForm(false, false);
    if (!DisplaysAsText(*this))
    {
        strDisplay = TextForm(false, true);
        return;
    }
    strDisplay = strText;
    MakeDisplayForm(strDisplay);
}
