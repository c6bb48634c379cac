#include "core/PrimeFactors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <thread>
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

struct SFactorCase
{
    double dValue;
    std::vector<double> expected;
};

std::ostream& operator<<(std::ostream& os, const SFactorCase& row)
{
    return os << row.dValue;
}

class PrimeFactorList : public testing::TestWithParam<SFactorCase>
{
};

TEST_P(PrimeFactorList, ListsOneThenThePrimesAscending)
{
    EXPECT_EQ(Entries(GetParam().dValue), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrimeFactorList,
    testing::Values(SFactorCase{12, {1, 2, 2, 3}}, SFactorCase{1, {1}}, SFactorCase{1.1, {1}},
                    SFactorCase{0, {1}}, SFactorCase{-12, {1}}, SFactorCase{7, {1, 7}},
                    SFactorCase{1.5, {1, 1.5}}, SFactorCase{7.5, {1, 7}},
                    SFactorCase{999999999999, {1, 3, 3, 3, 7, 11, 13, 37, 101, 9901}},
                    SFactorCase{3162277, {1, 3162277}},
                    SFactorCase{2.0 * 3162277 * 3162277, {1, 2, 3162277, 3162277}},
                    SFactorCase{1000000000039, {1, 1000000000039}},
                    SFactorCase{6.0 * 3162283 * 3162317, {1, 2, 3, 3162283.0 * 3162317}}));

TEST(PrimeFactorWalk, EndsAfterTheLastEntryAndRestartsWithFirst)
{
    CPrimeFactors factors(6);
    EXPECT_EQ(factors.First(), 1.0);
    EXPECT_EQ(factors.Next(), 2.0);
    EXPECT_EQ(factors.Next(), 3.0);
    EXPECT_FALSE(factors.IsEnd());
    EXPECT_EQ(factors.Next(), 0.0);
    EXPECT_TRUE(factors.IsEnd());
    EXPECT_EQ(factors.Next(), 0.0);
    EXPECT_EQ(factors.First(), 1.0);
    EXPECT_FALSE(factors.IsEnd());
}

// More prime factors than entries: the last entry takes the rest, so nothing overflows and
// the entries still multiply back to the value.
TEST(PrimeFactorLimit, TheLastEntryHoldsTheRest)
{
    for (const int nPower : {62, 63, 64, 70, 1000})
    {
        const double dValue = std::ldexp(1.0, nPower);
        const std::vector<double> entries = Entries(dValue);
        ASSERT_LE(entries.size(), static_cast<size_t>(CPrimeFactors::kMaxEntries)) << nPower;
        double dProduct = 1.0;
        for (const double dEntry : entries)
            dProduct *= dEntry;
        EXPECT_EQ(dProduct, dValue) << nPower;
        EXPECT_EQ(entries[61], 2.0) << nPower;
    }
    EXPECT_EQ(Entries(std::ldexp(1.0, 62)).size(), 63u);
    EXPECT_EQ(Entries(std::ldexp(1.0, 70)).back(), 256.0);
    EXPECT_EQ(Entries(1e300).size(), static_cast<size_t>(CPrimeFactors::kMaxEntries));
}

TEST(PrimeFactorLimit, NonFiniteValuesEndAtOnce)
{
    EXPECT_EQ(Entries(INFINITY), (std::vector<double>{1, INFINITY}));
    EXPECT_EQ(Entries(NAN), std::vector<double>{1});
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
