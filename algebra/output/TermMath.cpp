// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/MathText.h"

#include "core/Number.h"
#include "core/SubExpression.h"
#include "driver/Construction.h"
#include "driver/Equation.h"

#include <algorithm>
#include <exception>
#include <utility>

// A division is stacked by one rule, read from the terms and not from the text: a term with
// divisor factors is a fraction, its sign in front, its coefficient's numerator and its
// multiplier factors on top, its coefficient's denominator and its divisor factors below.
namespace
{
// Thrown where the graph holds more than the writers may nest; the text is then read as it
// stands, which flattens deep brackets.
struct CTooDeep
{
};

CMathNode Node(EMathKind eKind, std::string strText = {})
{
    CMathNode node;
    node.m_eKind = eKind;
    node.m_strText = std::move(strText);
    return node;
}

void AppendParsed(const std::string& strText, std::vector<CMathNode>& row)
{
    for (CMathNode& node : ParseMathText(strText))
        row.push_back(std::move(node));
}

std::string WithoutPlus(std::string strText)
{
    if (!strText.empty() && strText.front() == '+')
        strText.erase(0, 1);
    return strText;
}

CScalar Magnitude(CScalar scalar)
{
    if (scalar.m_nSign < 0)
        scalar.Negate();
    return scalar;
}

// The two parts of a coefficient's magnitude: 3/4 gives 3 and 4, 3 1/2 gives 7 and 2, a
// whole number or a decimal itself and "".
std::pair<std::string, std::string> NumeratorAndDenominator(const CScalar& magnitude)
{
    if (magnitude.m_bDecimal || magnitude.IsWhole())
        return {WithoutPlus(magnitude.ToText(true)), ""};
    return {magnitude.ImproperNumerator().ToText(), magnitude.m_Denominator.ToText()};
}

bool EndsInNumber(const std::vector<CMathNode>& row)
{
    if (row.empty() || row.back().m_strExponent)
        return false;
    return row.back().m_eKind == EMathKind::Number || row.back().m_eKind == EMathKind::Fraction;
}

bool IsPlainBracket(const CEqElmAtom& factor)
{
    return factor.IsSubExpression() && factor.m_Power.IsOne(true);
}

// A negative number opening a term (-2/x keeps -2 as its factor) gives its sign to the term.
bool IsSignedLeadingNumber(const CEqElmAtom& factor)
{
    return factor.IsNumber() && factor.m_nOperation != CEqElmAtom::kExplicitStar &&
           factor.HasUnitPower() && static_cast<const CEqElmNumber&>(factor).m_Value.m_nSign < 0;
}

class CTermTypesetter
{
public:
    std::vector<CMathNode> Formula(const CExpression& expression)
    {
        std::vector<CMathNode> row = Sum(expression, 0);
        if (expression.GetKind() == CExpression::kKindEquation)
        {
            row.push_back(Node(EMathKind::Operator, "="));
            for (CMathNode& node : Sum(*static_cast<const CEquation&>(expression).m_pRightSide, 0))
                row.push_back(std::move(node));
        }
        return row;
    }

private:
    std::vector<CMathNode> Sum(const CExpression& expression, size_t nDepth)
    {
        if (nDepth > kMaxGroupDepth)
            throw CTooDeep();
        std::vector<CMathNode> row;
        for (size_t i = 0; i < expression.m_Terms.size(); ++i)
            AppendTerm(*expression.m_Terms[i], i == 0, row, nDepth);
        return row;
    }

    void AppendTerm(const CEqElm& term, bool bFirst, std::vector<CMathNode>& row, size_t nDepth)
    {
        std::vector<const CEqElmAtom*> multipliers;
        std::vector<const CEqElmAtom*> divisors;
        for (const auto& pFactor : term.m_Elements)
            (pFactor->IsDivisor() ? divisors : multipliers).push_back(pFactor.get());
        const CScalar coefficient = Magnitude(term.m_Coefficient);
        const bool bSignedLead = !multipliers.empty() && coefficient.IsOne(true) &&
                                 multipliers.front() == term.m_Elements.front().get() &&
                                 IsSignedLeadingNumber(*multipliers.front());
        const bool bNegative = (term.m_Coefficient.m_nSign < 0) != bSignedLead;
        if (bNegative || !bFirst)
            row.push_back(Node(EMathKind::Operator, bNegative ? "-" : "+"));
        if (divisors.empty())
        {
            AppendParsed(WithoutPlus(coefficient.ToText(multipliers.empty())), row);
            AppendFactors(multipliers, bSignedLead, row, nDepth);
            return;
        }
        const auto [strNumerator, strDenominator] = NumeratorAndDenominator(coefficient);
        CMathNode division = Node(EMathKind::Stacked);
        if (strNumerator != "1" || multipliers.empty())
            AppendParsed(strNumerator, division.m_Children);
        AppendPart(multipliers, bSignedLead, division.m_Children, nDepth);
        AppendParsed(strDenominator, division.m_Below);
        AppendPart(divisors, false, division.m_Below, nDepth);
        row.push_back(std::move(division));
    }

    // A bracket that makes up a whole top or bottom on its own only grouped it: it goes.
    void AppendPart(const std::vector<const CEqElmAtom*>& factors, bool bSignedLead,
                    std::vector<CMathNode>& part, size_t nDepth)
    {
        if (part.empty() && factors.size() == 1 && IsPlainBracket(*factors.front()))
        {
            const CSubExpression& bracket = *factors.front()->AsSubExpression();
            CMathNode group = Node(EMathKind::Group);
            group.m_bBracketed = false;
            group.m_Children = Sum(bracket, nDepth + 1);
            part.push_back(std::move(group));
            return;
        }
        AppendFactors(factors, bSignedLead, part, nDepth);
    }

    // Factors side by side as the text writes them: a "*" where one was typed, and between
    // two numbers (2 times 3 is not 23).
    void AppendFactors(const std::vector<const CEqElmAtom*>& factors, bool bSignedLead,
                       std::vector<CMathNode>& row, size_t nDepth)
    {
        for (size_t i = 0; i < factors.size(); ++i)
        {
            const CEqElmAtom& factor = *factors[i];
            const bool bStarred = factor.m_nOperation == CEqElmAtom::kExplicitStar;
            if (!row.empty() && (bStarred || (factor.IsNumber() && EndsInNumber(row))))
                row.push_back(Node(EMathKind::Operator, "*"));
            if (const CSubExpression* pBracket = factor.AsSubExpression())
                row.push_back(Bracket(*pBracket, nDepth));
            else if (i == 0 && bSignedLead)
                AppendParsed(
                    WithoutPlus(
                        Magnitude(static_cast<const CEqElmNumber&>(factor).m_Value).ToText(true)),
                    row);
            else
                AppendParsed(factor.GetText(false), row);
        }
    }

    CMathNode Bracket(const CSubExpression& bracket, size_t nDepth)
    {
        CMathNode group = Node(EMathKind::Group);
        group.m_Children = Sum(bracket, nDepth + 1);
        if (!bracket.m_Power.IsOne(true))
            group.m_strExponent = WithoutPlus(bracket.m_Power.ToText(true));
        return group;
    }
};
} // namespace

std::optional<std::vector<CMathNode>> TermMathNodes(const std::string& strText)
{
    try
    {
        const std::unique_ptr<CExpression> pExpression = ConstructFromText(strText);
        // Only a text the terms write back as it stands is theirs to typeset.
        if (pExpression->GetText(false) != strText || pExpression->m_Terms.empty())
            return std::nullopt;
        return CTermTypesetter().Formula(*pExpression);
    }
    catch (const CTooDeep&)
    {
        return std::nullopt;
    }
    catch (const std::exception&)
    {
        return std::nullopt;
    }
}

// Braces and signs outside ASCII are the solver's (a root, a division it stacks itself): such
// a formula is set as it was written, never read as terms.
bool HoldsSolverSigns(const std::string& strText)
{
    return std::any_of(strText.begin(), strText.end(),
                       [](char c)
                       { return c == '{' || c == '}' || static_cast<unsigned char>(c) >= 0x80; });
}

std::vector<CMathNode> MathNodes(const std::string& strText)
{
    if (HoldsSolverSigns(strText))
        return ParseMathText(strText);
    std::optional<std::vector<CMathNode>> nodes = TermMathNodes(strText);
    return nodes ? std::move(*nodes) : ParseMathText(strText);
}
