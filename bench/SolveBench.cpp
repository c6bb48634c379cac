// SPDX-License-Identifier: GPL-3.0-or-later
// Times solving on top of the Simplify request: what solving a quadratic adds to its Simplify,
// and whole solves of polynomials of degree 5 to 100, with rational roots and without.
#include "driver/SimplifyRequest.h"
#include "solve/Solve.h"
#include "solve/SolveRequest.h"

#include <benchmark/benchmark.h>

#include <gmpxx.h>

#include <random>
#include <string>
#include <vector>

namespace
{
std::string EquationText(const std::vector<mpz_class>& poly)
{
    std::string strText;
    for (std::size_t i = poly.size(); i-- > 0;)
    {
        if (poly[i] == 0)
            continue;
        strText += sgn(poly[i]) < 0 ? "-" : "+";
        if (abs(poly[i]) != 1 || i == 0)
            strText += mpz_class(abs(poly[i])).get_str();
        if (i > 0)
            strText += i == 1 ? "x" : "x^" + std::to_string(i) + "!";
    }
    return strText + "=0";
}

// (x-1)(x+2)(x-3)...: n rational roots, coefficients as large as n! makes them.
std::string RationalRoots(int n)
{
    std::vector<mpz_class> poly = {1};
    for (int k = 1; k <= n; ++k)
    {
        const int nRoot = k % 2 == 1 ? k : -k;
        std::vector<mpz_class> next(poly.size() + 1);
        for (std::size_t i = 0; i < poly.size(); ++i)
        {
            next[i + 1] += poly[i];
            next[i] -= poly[i] * nRoot;
        }
        poly = next;
    }
    return EquationText(poly);
}

// Small random coefficients: nearly always irreducible, so every root is found numerically.
std::string RandomCoefficients(int n)
{
    std::mt19937 random(static_cast<unsigned>(n));
    std::uniform_int_distribution<int> digit(-9, 9);
    std::vector<mpz_class> poly(static_cast<std::size_t>(n) + 1);
    for (auto& c : poly)
        c = digit(random);
    poly.back() = 1;
    poly.front() = 7;
    return EquationText(poly);
}

void Request(benchmark::State& state, const std::string& strText, bool bSolve)
{
    for (auto _ : state)
    {
        CSimplifyOutcome outcome = bSolve ? RunSimplifyAndSolve(strText, 0) : RunSimplify(strText);
        benchmark::DoNotOptimize(outcome);
    }
}

void Quadratic(benchmark::State& state)
{
    Request(state, "2x^2!-2x-1=0", state.range(0) != 0);
}
BENCHMARK(Quadratic)->ArgName("solved")->Arg(0)->Arg(1);

void RationalQuadratic(benchmark::State& state)
{
    Request(state, "x^2!=4", state.range(0) != 0);
}
BENCHMARK(RationalQuadratic)->ArgName("solved")->Arg(0)->Arg(1);

template <std::string (*MakeText)(int)> void Solve(benchmark::State& state)
{
    const std::string strText = MakeText(static_cast<int>(state.range(0)));
    for (auto _ : state)
    {
        CSolution solution = SolveEquation(strText, 'x');
        if (solution.m_eKind != ESolutionKind::Roots)
        {
            state.SkipWithError(solution.m_strLine.c_str());
            break;
        }
        benchmark::DoNotOptimize(solution);
    }
}
BENCHMARK(Solve<RationalRoots>)
    ->Name("SolveRationalRoots")
    ->Arg(5)
    ->Arg(20)
    ->Arg(50)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(Solve<RandomCoefficients>)
    ->Name("SolveNumericRoots")
    ->Arg(5)
    ->Arg(20)
    ->Arg(50)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond);
} // namespace
