// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PrimeFactors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <thread>
#include <tuple>
#include <vector>

namespace
{
std::vector<double> Entries(double dValue)
{
    CPrimeFactors factors(dValue);
    std::vector<double> entries;
    for (double dEntry = factors.First(); !factors.IsEnd(); dEntry = factors.Next())
        entries.push_back(dEntry);
    return entries;
}

using FactorRow = std::tuple<double, std::vector<double>>;

class PrimeFactorList : public testing::TestWithParam<FactorRow>
{
};

TEST_P(PrimeFactorList, ListsOneThenThePrimesAscending)
{
    EXPECT_EQ(Entries(std::get<0>(GetParam())), std::get<1>(GetParam()));
}

// 3162277 is the largest prime below the sieve limit, 3162283 and 3162317 lie past it;
// 65521 is the last prime the small sieve holds and 65537 the first one past it.
INSTANTIATE_TEST_SUITE_P(
    Cases, PrimeFactorList,
    testing::Values(FactorRow{12, {1, 2, 2, 3}}, FactorRow{1, {1}}, FactorRow{1.1, {1}},
                    FactorRow{-12, {1}}, FactorRow{7, {1, 7}}, FactorRow{1.5, {1, 1.5}},
                    FactorRow{7.5, {1, 7}},
                    FactorRow{999999999999, {1, 3, 3, 3, 7, 11, 13, 37, 101, 9901}},
                    FactorRow{2.0 * 3162277 * 3162277, {1, 2, 3162277, 3162277}},
                    FactorRow{1000000000039, {1, 1000000000039}},
                    FactorRow{6.0 * 3162283 * 3162317, {1, 2, 3, 3162283.0 * 3162317}},
                    FactorRow{65521.0 * 65521, {1, 65521, 65521}},
                    FactorRow{65537.0 * 65537, {1, 65537, 65537}}, FactorRow{65537.5, {1, 65537}},
                    FactorRow{INFINITY, {1, INFINITY}}, FactorRow{NAN, {1}}));

// Every number below 40000 against plain trial division: catches a sieve that marks or
// misses a single number, such as the odd numbers at the edges of its words.
TEST(PrimeFactorList, MatchesTrialDivisionForSmallNumbers)
{
    for (int n = 2; n < 40000; ++n)
    {
        std::vector<double> expected{1};
        int nRest = n;
        for (int d = 2; d * d <= nRest; ++d)
            for (; nRest % d == 0; nRest /= d)
                expected.push_back(d);
        if (nRest > 1)
            expected.push_back(nRest);
        ASSERT_EQ(Entries(n), expected) << n;
        // A prime p plus a half is taken apart by p itself, found among the sieve's primes.
        if (n >= 5 && n < 5000 && expected.size() == 2)
        {
            ASSERT_EQ(Entries(n + 0.5), std::vector<double>({1, static_cast<double>(n)})) << n;
        }
    }
}

TEST(PrimeFactorWalk, EndsAfterTheLastEntryAndRestartsWithFirst)
{
    CPrimeFactors factors(2);
    EXPECT_EQ(std::vector<double>({factors.First(), factors.Next(), factors.Next()}),
              std::vector<double>({1, 2, 0}));
    EXPECT_TRUE(factors.IsEnd());
    EXPECT_EQ(factors.First(), 1.0);
    EXPECT_FALSE(factors.IsEnd());
}

// More prime factors than entries: the last entry takes the rest, so nothing overflows and
// the entries still multiply back to the value.
TEST(PrimeFactorLimit, TheLastEntryHoldsTheRest)
{
    for (const int nPower : {62, 63, 70, 1000})
    {
        const std::vector<double> entries = Entries(std::ldexp(1.0, nPower));
        ASSERT_EQ(entries.size(), nPower == 62 ? 63u : 64u) << nPower;
        double dProduct = 1.0;
        for (const double dEntry : entries)
            dProduct *= dEntry;
        EXPECT_EQ(dProduct, std::ldexp(1.0, nPower)) << nPower;
    }
    EXPECT_EQ(Entries(std::ldexp(1.0, 70)).back(), 256.0);
}

TEST(PrimeFactorSieve, GivesTheSameListsOnManyThreads)
{
    std::vector<std::vector<double>> results(4);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < results.size(); ++i)
        threads.emplace_back([&results, i] { results[i] = Entries(2.0 * 3 * 3162277); });
    for (std::thread& thread : threads)
        thread.join();
    for (const std::vector<double>& entries : results)
        EXPECT_EQ(entries, (std::vector<double>{1, 2, 3, 3162277}));
}
} // namespace
