#include "core/PrimeFactors.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace
{
// 0 = prime, 1 = composite, one entry per integer below the limit. Built once, then only read,
// so concurrent readers need no lock; the static's initialisation is itself thread-safe.
const std::vector<std::uint8_t>& Sieve()
{
    static const std::vector<std::uint8_t> table = []
    {
        std::vector<std::uint8_t> entries(CPrimeFactors::kSieveLimit, 0);
        for (int i = 2; i < CPrimeFactors::kSieveLimit; ++i)
        {
            if (entries[i] != 0)
                continue;
            for (long long j = 2LL * i; j < CPrimeFactors::kSieveLimit; j += i)
                entries[j] = 1;
        }
        return entries;
    }();
    return table;
}
} // namespace

CPrimeFactors::CPrimeFactors(double dValue) : m_dValue(dValue)
{
    m_dEntries[1] = 1.0;
    Factorise();
}

void CPrimeFactors::PrepareSieve()
{
    Sieve();
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
    const std::vector<std::uint8_t>& sieve = Sieve();
    const double dRoot = std::sqrt(dValue);
    const int nBound = dRoot < kSieveLimit - 1 ? static_cast<int>(dRoot) : kSieveLimit - 1;
    for (int i = nFrom; i <= nBound; ++i)
    {
        if (sieve[i] == 0 && std::fmod(dValue, i) == 0.0)
            return i;
    }
    return 0;
}

// The first sieve prime that leaves a remainder below one from a non-integral value, or 0.
int CPrimeFactors::FindLooseDivisor(double dValue)
{
    const std::vector<std::uint8_t>& sieve = Sieve();
    const int nBound = dValue < kSieveLimit - 1 ? static_cast<int>(dValue) + 1 : kSieveLimit - 1;
    for (int i = 2; i <= nBound; ++i)
    {
        if (sieve[i] != 0)
            continue;
        const double dGap = i * std::floor(dValue / i) - dValue;
        if (static_cast<long long>(dGap) == 0)
            return i;
    }
    return 0;
}
