// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PrimeFactors.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace
{
// One bit per odd number below the limit, set when it is composite: 200 KB for the full
// range instead of a byte per number, and marking each prime only from its square builds it
// in a few milliseconds.
class COddSieve
{
public:
    explicit COddSieve(int nLimit) : m_Words((nLimit / 2 + 63) / 64, 0)
    {
        for (int i = 3; static_cast<long long>(i) * i < nLimit; i += 2)
        {
            if (IsCompositeOdd(i))
                continue;
            for (int j = i * i; j < nLimit; j += 2 * i)
                m_Words[static_cast<std::size_t>(j >> 7)] |= std::uint64_t{1} << ((j >> 1) & 63);
        }
    }

    // Numbers from 2 up to below the limit.
    bool IsPrime(int n) const { return n == 2 || (n % 2 != 0 && !IsCompositeOdd(n)); }

private:
    bool IsCompositeOdd(int n) const
    {
        return (m_Words[static_cast<std::size_t>(n >> 7)] >> ((n >> 1) & 63) & 1) != 0;
    }

    std::vector<std::uint64_t> m_Words;
};

// Most factorisations only look at small primes, so a small sieve serves them and the full
// one is built only when a search goes past it. Each is built once, then only read, so
// concurrent readers need no lock; the statics' initialisation is itself thread-safe.
constexpr int kSmallSieveLimit = 1 << 16;

const COddSieve& Sieve(int nUpTo)
{
    static const COddSieve small(kSmallSieveLimit);
    if (nUpTo < kSmallSieveLimit)
        return small;
    static const COddSieve full(CPrimeFactors::kSieveLimit);
    return full;
}
} // namespace

CPrimeFactors::CPrimeFactors(double dValue) : m_dValue(dValue)
{
    m_dEntries[1] = 1.0;
    Factorise();
}

void CPrimeFactors::PrepareSieve()
{
    Sieve(kSieveLimit - 1);
}

double CPrimeFactors::First()
{
    m_nCursor = 1;
    m_nState = kIterating;
    return m_dEntries[1];
}

double CPrimeFactors::Next()
{
    if (m_nCursor < m_nLast)
        return m_dEntries[++m_nCursor];
    m_nState = kEnded;
    return 0.0;
}

// v -> 1, p1, p2, ... with the product of the entries equal to v.
void CPrimeFactors::Factorise()
{
    double dRest = m_dValue;
    if (!std::isfinite(dRest))
    {
        if (dRest > 1.1)
            Append(dRest);
        return;
    }
    int nFrom = 2;
    while (dRest > 1.1)
    {
        if (m_nLast == kMaxEntries - 1)
        {
            Append(dRest);
            return;
        }
        const bool bIntegral = dRest == std::floor(dRest);
        const int nDivisor =
            bIntegral ? FindIntegralDivisor(dRest, nFrom) : FindLooseDivisor(dRest);
        if (nDivisor == 0)
        {
            Append(dRest);
            return;
        }
        Append(nDivisor);
        dRest /= nDivisor;
        // An integral rest has no factor below the one just found.
        nFrom = bIntegral ? nDivisor : 2;
    }
}

// The smallest sieve prime dividing an integral value exactly, or 0. Past the square root the
// value itself is prime, and it is then appended whole, as a full scan would do.
int CPrimeFactors::FindIntegralDivisor(double dValue, int nFrom)
{
    const double dRoot = std::sqrt(dValue);
    const int nBound = dRoot < kSieveLimit - 1 ? static_cast<int>(dRoot) : kSieveLimit - 1;
    const COddSieve& sieve = Sieve(nBound);
    for (int i = nFrom; i <= nBound; ++i)
    {
        if (sieve.IsPrime(i) && std::fmod(dValue, i) == 0.0)
            return i;
    }
    return 0;
}

// The first sieve prime that leaves a remainder below one from a non-integral value, or 0.
int CPrimeFactors::FindLooseDivisor(double dValue)
{
    const int nBound = dValue < kSieveLimit - 1 ? static_cast<int>(dValue) + 1 : kSieveLimit - 1;
    const COddSieve& sieve = Sieve(nBound);
    for (int i = 2; i <= nBound; ++i)
    {
        if (!sieve.IsPrime(i))
            continue;
        const double dGap = i * std::floor(dValue / i) - dValue;
        if (static_cast<long long>(dGap) == 0)
            return i;
    }
    return 0;
}
