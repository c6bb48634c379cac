// SPDX-License-Identifier: GPL-3.0-or-later
// Times the Simplify request: every example of the corpus, and three series whose cost grows
// with n: (x+1)^n, (x+y+1)^n and (x^n-1)/(x-1).
#include "core/PrimeFactors.h"
#include "driver/SimplifyRequest.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

namespace
{
void SimplifyText(benchmark::State& state, const std::string& strText)
{
    for (auto _ : state)
    {
        CSimplifyOutcome outcome = RunSimplify(strText);
        if (outcome.m_strError)
        {
            state.SkipWithError(outcome.m_strError->c_str());
            break;
        }
        benchmark::DoNotOptimize(outcome);
    }
}

std::string PowerOfSum(int n)
{
    return "(x+1)^" + std::to_string(n) + "!";
}
std::string PowerOfTrinomial(int n)
{
    return "(x+y+1)^" + std::to_string(n) + "!";
}
std::string GeometricQuotient(int n)
{
    return "(x^" + std::to_string(n) + "!-1)/(x-1)";
}

template <std::string (*MakeText)(int)> void Series(benchmark::State& state)
{
    SimplifyText(state, MakeText(static_cast<int>(state.range(0))));
    state.SetComplexityN(state.range(0));
}

BENCHMARK(Series<PowerOfSum>)->Name("PowerOfSum")->DenseRange(2, 10)->Complexity();
BENCHMARK(Series<PowerOfTrinomial>)->Name("PowerOfTrinomial")->DenseRange(2, 10)->Complexity();
BENCHMARK(Series<GeometricQuotient>)->Name("GeometricQuotient")->DenseRange(2, 10)->Complexity();

void RegisterCorpus()
{
    std::ifstream file(FENNORY_CORPUS);
    std::string strLine;
    while (std::getline(file, strLine))
        if (!strLine.empty() && strLine[0] != '#')
            benchmark::RegisterBenchmark(("Example/" + strLine).c_str(), SimplifyText, strLine);
}
} // namespace

int main(int argc, char** argv)
{
    CPrimeFactors::PrepareSieve();
    KeepMemoryBetweenRequests();
    RegisterCorpus();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
