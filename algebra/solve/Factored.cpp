// SPDX-License-Identifier: GPL-3.0-or-later
#include "solve/Factored.h"

#include "driver/Expression.h"
#include "solve/FlintAdapter.h"
#include "solve/Polynomial.h"
#include "solve/Solve.h"
#include "solve/SolveNarrative.h"

#include <algorithm>
#include <new>
#include <tuple>

namespace
{
using EForm = CPolynomial::EForm;

// One polynomial written as its factors.
struct CFactoredPart
{
    mpq_class m_Constant = 1;
    std::vector<std::pair<CPolynomial, int>> m_Factors; // irreducible, with multiplicity
};

CPolynomial FromMonomials(const std::vector<CIntegerMonomial>& terms,
                          const std::vector<char>& letters)
{
    CPolynomial poly;
    for (const CIntegerMonomial& term : terms)
    {
        CMonomial monomial;
        for (std::size_t i = 0; i < letters.size(); ++i)
            if (term.m_Exponents[i] > 0)
                monomial.emplace_back(letters[i], static_cast<int>(term.m_Exponents[i]));
        poly.m_Terms[monomial] += term.m_Coefficient;
    }
    return poly;
}

// The factors over the integers; false when FLINT could not factor.
bool FactorPart(const CPolynomial& poly, CFactoredPart& part)
{
    const std::set<char> letterSet = poly.Letters();
    const std::vector<char> letters(letterSet.begin(), letterSet.end());
    mpz_class scale = 1;
    for (const auto& term : poly.m_Terms)
        scale = lcm(scale, term.second.get_den());
    std::vector<CIntegerMonomial> terms;
    for (const auto& [monomial, coefficient] : poly.m_Terms)
    {
        CIntegerMonomial term;
        term.m_Coefficient = mpq_class(coefficient * scale).get_num();
        term.m_Exponents.assign(letters.size(), 0);
        for (const auto& [cLetter, nPower] : monomial)
            term.m_Exponents[static_cast<std::size_t>(
                std::find(letters.begin(), letters.end(), cLetter) - letters.begin())] =
                static_cast<unsigned long>(nPower);
        terms.push_back(std::move(term));
    }
    mpz_class constant;
    std::vector<CMultiFactor> factors;
    if (!FactorSeveralLetters(terms, letters.size(), constant, factors))
        return false;
    part.m_Constant = mpq_class(constant, scale);
    part.m_Constant.canonicalize();
    for (const CMultiFactor& factor : factors)
        part.m_Factors.emplace_back(FromMonomials(factor.m_Terms, letters), factor.m_nMultiplicity);
    // Single letters first, in alphabetical order, then the others by degree and then as
    // written with "-" before "+": (x-1)(x+1).
    auto key = [](const CPolynomial& factor)
    {
        std::string strKey = factor.ToText();
        std::replace(strKey.begin(), strKey.end(), '+', '~');
        return std::make_tuple(factor.m_Terms.size() == 1 ? 0 : 1, factor.TotalDegree(), strKey);
    };
    std::stable_sort(part.m_Factors.begin(), part.m_Factors.end(),
                     [&key](const auto& a, const auto& b) { return key(a.first) < key(b.first); });
    return true;
}

int FactorCount(const CFactoredPart& part)
{
    int nCount = 0;
    for (const auto& factor : part.m_Factors)
        nCount += factor.second;
    return nCount;
}

// Factored non-trivially: two factors or more, or a whole number taken out of one; a single
// term is already as factored as it is written.
bool IsNonTrivial(const CPolynomial& poly, const CFactoredPart& part)
{
    if (poly.m_Terms.size() < 2)
        return false;
    const int nCount = FactorCount(part);
    return nCount > 1 || (nCount == 1 && abs(part.m_Constant) != 1);
}

std::string PowerText(int nPower, EForm eForm)
{
    if (nPower == 1)
        return "";
    if (eForm == EForm::Text)
        return "^" + std::to_string(nPower) + "!";
    if (eForm == EForm::Latex)
        return "^{" + std::to_string(nPower) + "}";
    return "^" + std::to_string(nPower);
}

std::string FactorText(const CPolynomial& factor, int nPower, EForm eForm)
{
    const std::string strFactor = factor.Written(eForm);
    if (factor.m_Terms.size() == 1)
        return strFactor + PowerText(nPower, eForm);
    const bool bLatex = eForm == EForm::Latex;
    return (bLatex ? "\\left(" : "(") + strFactor + (bLatex ? "\\right)" : ")") +
           PowerText(nPower, eForm);
}

// The factors side by side after the number ("-", "2", or nothing for one).
std::string ProductText(const CFactoredPart& part, EForm eForm)
{
    std::string strText;
    if (part.m_Constant == -1)
        strText = "-";
    else if (part.m_Constant != 1 || part.m_Factors.empty())
        strText = CPolynomial::Constant(part.m_Constant).Written(eForm);
    for (const auto& [factor, nPower] : part.m_Factors)
        strText += FactorText(factor, nPower, eForm);
    return strText;
}

// A bottom is written divisor by divisor, as the engine writes them.
std::string DivisorsText(const CFactoredPart& part, EForm eForm)
{
    std::string strText;
    if (part.m_Constant != 1)
        strText += "/" + CPolynomial::Constant(part.m_Constant).Written(eForm);
    for (const auto& [factor, nPower] : part.m_Factors)
        strText +=
            "/" + (factor.m_Terms.size() == 1 ? factor.Written(eForm) + PowerText(nPower, eForm)
                                              : FactorText(factor, nPower, eForm));
    return strText;
}

// Past these an expression is not factored: the answer stays quick.
bool WithinBounds(const CPolynomial& poly)
{
    return poly.TotalDegree() <= CTermReader::kMaxDegree &&
           poly.LargestDigits() <= CTermReader::kMaxDigits && poly.m_Terms.size() <= 2000;
}
} // namespace

void FactorExpression(const CExpression& result, CSolution& solution)
{
    try
    {
        CTermReader reader;
        CRationalFunction function = reader.ReadExpression(result);
        if (function.m_Top.Letters().empty() && function.m_Bottom.Letters().empty())
            return;
        if (!WithinBounds(function.m_Top) || !WithinBounds(function.m_Bottom))
            return;
        CFactoredPart top;
        CFactoredPart bottom;
        const bool bQuotient = !function.m_Bottom.IsConstant();
        if (function.m_Top.IsConstant())
            top.m_Constant = function.m_Top.ConstantValue();
        else if (!FactorPart(function.m_Top, top))
            return;
        if (bQuotient && !FactorPart(function.m_Bottom, bottom))
            return;
        if (!IsNonTrivial(function.m_Top, top) &&
            !(bQuotient && IsNonTrivial(function.m_Bottom, bottom)))
            return;
        if (bQuotient)
        {
            // The bottom's number joins the top's, so that only letters divide.
            top.m_Constant /= bottom.m_Constant;
            bottom.m_Constant = 1;
        }
        solution.m_strFactored = ProductText(top, EForm::Text) + DivisorsText(bottom, EForm::Text);
        solution.m_strFactoredDisplay =
            ProductText(top, EForm::Display) + DivisorsText(bottom, EForm::Display);
        solution.m_strFactoredLatex = bQuotient ? "\\frac{" + ProductText(top, EForm::Latex) +
                                                      "}{" + ProductText(bottom, EForm::Latex) + "}"
                                                : ProductText(top, EForm::Latex);
        CSolveNarrative narrative(solution.m_strNarrative);
        narrative.OpeningExpression(Formula(result, false));
        narrative.FactoredForm(FormulaOf(solution.m_strFactoredDisplay,
                                         [&solution] { return solution.m_strFactored; }));
    }
    catch (const std::exception&)
    {
        // Whatever went wrong, the expression's result stands: it just has no factored form.
        solution.m_strFactored.clear();
    }
}
