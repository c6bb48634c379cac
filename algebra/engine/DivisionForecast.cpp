// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Number.h"
#include "driver/Expression.h"
#include "engine/Engine.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <vector>

namespace
{

// Coefficients by power of the division's variable, lowest first.
using Polynomial = std::vector<double>;

// Fixed values for the other letters, away from 0, 1 and each other, so that a remainder that
// does not vanish as a polynomial hardly ever vanishes at the point.
double ValueOfLetter(char cLetter)
{
    return 1.3 + 0.173 * static_cast<double>(static_cast<unsigned char>(cLetter) % 29);
}

// A factor's whole power as a signed int (negative below the line); none when not whole.
std::optional<int> SignedPower(const CEqElmAtom& factor)
{
    if (!factor.m_Power.IsWhole())
        return std::nullopt;
    const double dPower = factor.m_Power.GetWholeValue();
    if (std::fabs(dPower) > 64)
        return std::nullopt;
    const int nPower = static_cast<int>(std::lround(dPower));
    return factor.IsDivisor() ? -nPower : nPower;
}

// One term at the fixed point -> its value and its power of the variable; none when it holds
// what the forecast does not read (a bracket, a broken power, the variable below the line).
bool AddTerm(const CEqElm& term, char cVariable, Polynomial& poly)
{
    double dValue = term.m_Coefficient.ToDouble();
    int nDegree = 0;
    for (const auto& pFactor : term.m_Elements)
    {
        const std::optional<int> nPower = SignedPower(*pFactor);
        if (!nPower || pFactor->IsSubExpression())
            return false;
        if (pFactor->IsVariable() && pFactor->GetLetter() == cVariable)
        {
            nDegree += *nPower;
            continue;
        }
        const double dBase = pFactor->IsVariable()
                                 ? ValueOfLetter(pFactor->GetLetter())
                                 : static_cast<const CEqElmNumber&>(*pFactor).m_Value.ToDouble();
        dValue *= std::pow(dBase, *nPower);
    }
    if (nDegree < 0 || !std::isfinite(dValue))
        return false;
    if (poly.size() <= static_cast<std::size_t>(nDegree))
        poly.resize(static_cast<std::size_t>(nDegree) + 1, 0.0);
    poly[static_cast<std::size_t>(nDegree)] += dValue;
    return true;
}

std::optional<Polynomial> AtFixedPoint(const CExpression& body, char cVariable)
{
    Polynomial poly;
    for (const auto& pTerm : body.m_Terms)
        if (!AddTerm(*pTerm, cVariable, poly))
            return std::nullopt;
    return poly;
}

double Largest(const Polynomial& poly)
{
    double dLargest = 0.0;
    for (double d : poly)
        dLargest = std::max(dLargest, std::fabs(d));
    return dLargest;
}

// Drops leading coefficients that are zero next to the largest one.
void Trim(Polynomial& poly, double dScale)
{
    while (!poly.empty() && std::fabs(poly.back()) <= dScale * 1e-9)
        poly.pop_back();
}

} // namespace

// Long division at one point for the other letters, in doubles: cheap beside the engine's
// own division, which simplifies every product and remainder on the way.
bool LooksInexact(const CExpression& dividend, const CExpression& divisor)
{
    const char cVariable = divisor.m_cMainVariable;
    if (cVariable == 0)
        return false;
    std::optional<Polynomial> a = AtFixedPoint(dividend, cVariable);
    std::optional<Polynomial> b = AtFixedPoint(divisor, cVariable);
    if (!a || !b)
        return false;
    const double dScale = std::max(Largest(*a), Largest(*b));
    Trim(*a, dScale);
    Trim(*b, dScale);
    if (b->size() < 2 || dScale == 0.0)
        return false;
    const std::size_t nDivisor = b->size() - 1;
    while (a->size() > nDivisor)
    {
        const double dFactor = a->back() / b->back();
        const std::size_t nShift = a->size() - 1 - nDivisor;
        for (std::size_t i = 0; i <= nDivisor; ++i)
            (*a)[nShift + i] -= dFactor * (*b)[i];
        a->pop_back();
        Trim(*a, dScale);
    }
    return Largest(*a) > dScale * 1e-7;
}
