// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// The prime factors of a positive number, smallest first, behind a leading 1.0, walked with
// First/Next/IsEnd. Every instance reads process-wide sieves of primes, a small one built on
// first use and the full one only when a search goes past the small one.
class CPrimeFactors
{
public:
    explicit CPrimeFactors(double dValue);

    double First();
    double Next();
    bool IsEnd() const { return m_nState == kEnded; }

    // Entries including the leading 1.0.
    int GetCount() const { return m_nLast; }

    // Builds the shared sieves now rather than when first needed; safe from any thread.
    static void PrepareSieve();

    static constexpr int kSieveLimit = 3162279;
    // Entry 1 is the leading 1.0; the last entry holds whatever is left once the list is full,
    // so the product of the entries is always the value.
    static constexpr int kMaxEntries = 64;

private:
    void Factorise();
    void Append(double dEntry) { m_dEntries[++m_nLast] = dEntry; }
    static int FindIntegralDivisor(double dValue, int nFrom);
    static int FindLooseDivisor(double dValue);

    static constexpr int kIterating = 1;
    static constexpr int kEnded = 2;

    double m_dValue;
    int m_nCursor = 1;
    int m_nState = kIterating;
    int m_nLast = 1;
    std::array<double, kMaxEntries + 1> m_dEntries{};
};
