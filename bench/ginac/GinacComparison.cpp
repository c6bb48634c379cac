// SPDX-License-Identifier: GPL-3.0-or-later
// Times Fennory's Simplify request, narrative included, side by side with GiNaC's parse plus
// normal(expand(e)) in one run: every example of the corpus and (x+1)^n for n = 2..30.
// Prints a Markdown table with the ratio of each case and their geometric mean; with a file
// name argument it also writes the binomial series as columns "n fennory_us ginac_us" for
// plotting. Times are CPU time of this thread, the median of several rounds, each round
// repeating the case until it has run for a few milliseconds.
#include "core/PrimeFactors.h"
#include "driver/SimplifyRequest.h"

#include <ginac/ginac.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iostream>
#include <regex>
#include <string>
#include <vector>

namespace
{
double ThreadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Median CPU microseconds of one call of f: nRounds rounds of enough calls to last 2 ms.
template <class F> double MedianMicros(F&& f, int nRounds)
{
    int nCalls = 1;
    for (;;)
    {
        const double dStart = ThreadSeconds();
        for (int i = 0; i < nCalls; ++i)
            f();
        if (ThreadSeconds() - dStart > 2e-3 || nCalls > 1 << 20)
            break;
        nCalls *= 2;
    }
    std::vector<double> rounds;
    for (int r = 0; r < nRounds; ++r)
    {
        const double dStart = ThreadSeconds();
        for (int i = 0; i < nCalls; ++i)
            f();
        rounds.push_back((ThreadSeconds() - dStart) * 1e6 / nCalls);
    }
    std::nth_element(rounds.begin(), rounds.begin() + nRounds / 2, rounds.end());
    return rounds[static_cast<size_t>(nRounds / 2)];
}

// Equation text -> GiNaC's ordinary notation: powers bracketed, fractions and mixed numbers
// as sums of quotients, and every product written with "*".
std::string ToGinacText(const std::string& strText)
{
    std::string strOut = std::regex_replace(strText, std::regex(R"(\^([^!]*)!)"), "^($1)");
    strOut = std::regex_replace(strOut, std::regex(R"((\d+)%(\d+),(\d+)\$)"), "($1+$2/$3)");
    strOut = std::regex_replace(strOut, std::regex(R"(%(\d+),(\d+)\$)"), "($1/$2)");
    std::string strExplicit;
    for (const char c : strOut)
    {
        if (!strExplicit.empty())
        {
            const char cLast = strExplicit.back();
            const bool bLeftEnds = std::isalnum(static_cast<unsigned char>(cLast)) || cLast == ')';
            const bool bRightStarts =
                std::isalpha(static_cast<unsigned char>(c)) || c == '(' ||
                (std::isdigit(static_cast<unsigned char>(c)) &&
                 (std::isalpha(static_cast<unsigned char>(cLast)) || cLast == ')'));
            if (bLeftEnds && bRightStarts)
                strExplicit += '*';
        }
        strExplicit += c;
    }
    return strExplicit;
}

struct SCase
{
    std::string m_strName;
    std::string m_strText;
    int m_nSeries = 0; // n of (x+1)^n, 0 for an example
};

std::vector<SCase> Cases()
{
    std::vector<SCase> cases;
    std::ifstream file(FENNORY_CORPUS);
    std::string strLine;
    while (std::getline(file, strLine))
        if (!strLine.empty() && strLine[0] != '#')
            cases.push_back({strLine, strLine, 0});
    for (int n = 2; n <= 30; ++n)
        cases.push_back(
            {"(x+1)^" + std::to_string(n) + "!", "(x+1)^" + std::to_string(n) + "!", n});
    return cases;
}

// GiNaC's work for one text: each side of an equation on its own.
void GinacSimplify(GiNaC::parser& reader, const std::vector<std::string>& sides)
{
    for (const std::string& strSide : sides)
    {
        static volatile size_t nSink = 0;
        nSink = GiNaC::normal(GiNaC::expand(reader(strSide))).nops();
    }
}
} // namespace

int main(int argc, char** argv)
{
    CPrimeFactors::PrepareSieve();
    KeepMemoryBetweenRequests();
    const int nRounds = 7;
    std::ofstream series;
    if (argc > 1)
        series.open(argv[1]);
    std::cout << "| Case | Fennory µs | GiNaC µs | ratio |\n|---|---:|---:|---:|\n";
    double dLogSum = 0.0;
    double dWorst = 0.0;
    int nCount = 0;
    int nOver100 = 0;
    for (const SCase& test : Cases())
    {
        const std::string strGinac = ToGinacText(test.m_strText);
        std::vector<std::string> sides;
        const size_t nEquals = strGinac.find('=');
        sides.push_back(strGinac.substr(0, nEquals));
        if (nEquals != std::string::npos)
            sides.push_back(strGinac.substr(nEquals + 1));
        GiNaC::parser reader;
        try
        {
            GinacSimplify(reader, sides);
        }
        catch (const std::exception& error)
        {
            std::cerr << test.m_strName << ": GiNaC cannot read " << strGinac << ": "
                      << error.what() << "\n";
            continue;
        }
        const CSimplifyOutcome check = RunSimplify(test.m_strText);
        if (check.m_strError)
        {
            std::cerr << test.m_strName << ": " << *check.m_strError << "\n";
            continue;
        }
        const double dFennory = MedianMicros([&] { RunSimplify(test.m_strText); }, nRounds);
        const double dGinac = MedianMicros([&] { GinacSimplify(reader, sides); }, nRounds);
        const double dRatio = dFennory / dGinac;
        dLogSum += std::log(dRatio);
        dWorst = std::max(dWorst, dRatio);
        ++nCount;
        if (test.m_nSeries == 0 && dFennory >= 100.0)
            ++nOver100;
        char szRow[256];
        std::snprintf(szRow, sizeof(szRow), "| `%s` | %.1f | %.1f | %.2f |\n",
                      test.m_strName.c_str(), dFennory, dGinac, dRatio);
        std::cout << szRow << std::flush;
        if (series.is_open() && test.m_nSeries > 0)
            series << test.m_nSeries << ' ' << dFennory << ' ' << dGinac << '\n';
    }
    std::printf("\nCases: %d; geometric mean of the ratios %.2f; largest ratio %.2f; "
                "examples at or over 100 µs: %d\n",
                nCount, std::exp(dLogSum / std::max(nCount, 1)), dWorst, nOver100);
    return 0;
}
