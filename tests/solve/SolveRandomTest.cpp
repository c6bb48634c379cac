// SPDX-License-Identifier: GPL-3.0-or-later
#include "solve/PolynomialRoots.h"
#include "solve/Solve.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace
{
struct CChosenRoot
{
    double m_dRe;
    double m_dIm;
    int m_nMultiplicity;
};

using CPoly = std::vector<mpz_class>; // lowest degree first

CPoly Times(const CPoly& a, const CPoly& b)
{
    CPoly product(a.size() + b.size() - 1);
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = 0; j < b.size(); ++j)
            product[i + j] += a[i] * b[j];
    return product;
}

std::string EquationText(const CPoly& poly)
{
    std::string strText;
    for (std::size_t i = poly.size(); i-- > 0;)
    {
        if (poly[i] == 0)
            continue;
        strText += sgn(poly[i]) < 0 ? "-" : "+";
        const mpz_class magnitude = abs(poly[i]);
        if (magnitude != 1 || i == 0)
            strText += magnitude.get_str();
        if (i > 0)
            strText += i == 1 ? "x" : "x^" + std::to_string(i) + "!";
    }
    return strText + "=0";
}

void Add(std::vector<CChosenRoot>& roots, double dRe, double dIm, int nMultiplicity)
{
    for (CChosenRoot& root : roots)
        if (std::abs(root.m_dRe - dRe) < 1e-12 && std::abs(root.m_dIm - dIm) < 1e-12)
        {
            root.m_nMultiplicity += nMultiplicity;
            return;
        }
    roots.push_back({dRe, dIm, nMultiplicity});
}
} // namespace

// Polynomials multiplied out from chosen roots (rational ones, surd pairs (a ± √d)/c, complex
// pairs, some repeated) solve to exactly those roots, exact, with their multiplicities.
TEST(SolveRandom, PolynomialsFromChosenRootsSolveToThem)
{
    const unsigned nSeed = 20261208;
    std::mt19937 random(nSeed);
    auto pick = [&random](int nLow, int nHigh)
    { return std::uniform_int_distribution<int>(nLow, nHigh)(random); };
    const int kSquareFree[] = {2, 3, 5, 6, 7, -1, -2, -3, -5};
    for (int nCase = 0; nCase < 80; ++nCase)
    {
        CPoly poly = {1};
        std::vector<CChosenRoot> chosen;
        for (int nPiece = pick(1, 4); nPiece > 0; --nPiece)
        {
            const int nRepeat = pick(0, 3) == 0 ? 2 : 1;
            CPoly factor;
            if (pick(0, 1) == 0)
            {
                const int p = pick(-6, 6);
                const int q = pick(1, 4);
                factor = {-p, q};
                Add(chosen, static_cast<double>(p) / q, 0, nRepeat);
            }
            else
            {
                const int a = pick(-4, 4);
                const int c = pick(1, 3);
                const int d = kSquareFree[pick(0, 8)];
                factor = {a * a - d, -2 * a * c, c * c};
                const double dRoot = std::sqrt(std::abs(d)) / c;
                Add(chosen, d > 0 ? (a + std::sqrt(d)) / c : static_cast<double>(a) / c,
                    d > 0 ? 0 : dRoot, nRepeat);
                Add(chosen, d > 0 ? (a - std::sqrt(d)) / c : static_cast<double>(a) / c,
                    d > 0 ? 0 : -dRoot, nRepeat);
            }
            for (int i = 0; i < nRepeat; ++i)
                poly = Times(poly, factor);
        }
        const std::string strText = EquationText(poly);
        SCOPED_TRACE("seed " + std::to_string(nSeed) + ", case " + std::to_string(nCase) + ": " +
                     strText);
        const CSolution solution = SolveEquation(strText, 'x');
        ASSERT_EQ(solution.m_eKind, ESolutionKind::Roots) << solution.m_strNarrative;
        ASSERT_EQ(solution.m_Roots.size(), chosen.size()) << solution.m_strLine;
        for (const CChosenRoot& expected : chosen)
        {
            const auto found =
                std::find_if(solution.m_Roots.begin(), solution.m_Roots.end(),
                             [&expected](const CRoot& root)
                             {
                                 return std::abs(root.m_dRe - expected.m_dRe) < 1e-9 &&
                                        std::abs(root.m_dIm - expected.m_dIm) < 1e-9;
                             });
            ASSERT_NE(found, solution.m_Roots.end())
                << expected.m_dRe << " + " << expected.m_dIm << "i in " << solution.m_strLine;
            EXPECT_TRUE(found->m_bExact) << found->m_strDisplay;
            EXPECT_EQ(found->m_nMultiplicity, expected.m_nMultiplicity) << found->m_strDisplay;
        }
    }
}

// The narrative's quick writing of a factor matches the polynomial's own, for zero, unit, negative
// and many-digit coefficients.
TEST(FactorDisplay, WritesAsThePolynomialDoes)
{
    std::mt19937 random(7);
    const mpz_class big("-123456789012345678901234567890");
    const mpz_class kChoices[] = {0, 1, -1, 2, -7, 10, big};
    for (int nCase = 0; nCase < 300; ++nCase)
    {
        std::vector<mpz_class> coefficients(1 + random() % 6);
        for (mpz_class& coefficient : coefficients)
            coefficient = kChoices[random() % std::size(kChoices)];
        const std::string strExpected = PolynomialOf(coefficients, 'y').ToDisplay();
        EXPECT_EQ(CoefficientsDisplay(coefficients, 'y'), strExpected);
    }
}
