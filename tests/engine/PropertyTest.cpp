#include "Evaluate.h"
#include "PropertyRandomText.h"
#include "driver/Explanation.h"
#include "driver/SimplifyRequest.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>

namespace
{
constexpr unsigned kSeed = 20240601;
constexpr int kRandomTexts = 3000;
// Keeps the run short under the sanitizers; the count reached is printed.
constexpr auto kTimeBudget = std::chrono::seconds(20);
constexpr int kFailuresShown = 15;

bool IsInternalFailure(const std::string& strMessage)
{
    return strMessage.rfind("Internal error", 0) == 0 || strMessage == "Not enough memory";
}

TEST(Property, RandomTextsSimplifyToTheSameValueOrRaiseAnAlgebraError)
{
    CRandomEquationText generator(kSeed);
    const auto deadline = std::chrono::steady_clock::now() + kTimeBudget;
    int nDone = 0;
    int nAlgebraErrors = 0;
    int nFailures = 0;
    int nUnchecked = 0;
    for (; nDone < kRandomTexts && std::chrono::steady_clock::now() < deadline; ++nDone)
    {
        const std::string strInput = generator.Next();
        const CSimplifyOutcome outcome = RunSimplify(strInput);
        std::string failure;
        if (!g_strIndent.empty())
            failure = "left the indentation at " + std::to_string(g_strIndent.size());
        else if (outcome.m_strError && IsInternalFailure(*outcome.m_strError))
            failure = "failed with " + *outcome.m_strError;
        else if (outcome.m_strError)
        {
            if (++nAlgebraErrors <= kFailuresShown)
                std::cout << "[ property ] " << strInput << " raised " << *outcome.m_strError
                          << "\n";
        }
        else
        {
            int nChecked = 0;
            failure = evaluate::CheckSimplification(strInput, outcome.m_strResult,
                                                    outcome.m_strFurther, kSeed + nDone, &nChecked);
            nUnchecked += nChecked == 0 ? 1 : 0;
        }
        g_strIndent.clear();
        if (!failure.empty() && ++nFailures <= kFailuresShown)
            ADD_FAILURE() << "seed " << kSeed << " text " << nDone << ": " << strInput << " -> "
                          << outcome.m_strResult << " | " << outcome.m_strFurther.value_or("-")
                          << ": " << failure;
    }
    std::cout << "[ property ] " << nDone << " random texts, " << nAlgebraErrors
              << " raised an algebra error, " << nFailures << " wrong, " << nUnchecked
              << " undefined at every point tried\n";
    EXPECT_EQ(nFailures, 0);
    EXPECT_GE(nDone, 200) << "too few texts in the time budget";
    EXPECT_LT(nUnchecked, nDone / 20) << "the check compared too few texts";
}

// Construction takes any bytes; whatever they build must not crash or escape as another error.
TEST(Property, RandomBytesNeverCrash)
{
    std::mt19937 random(kSeed);
    const std::string alphabet = "xy0123456789.+-*/=()^!%,$ \xff#";
    for (int i = 0; i < 500; ++i)
    {
        std::string strInput;
        const int nLength = std::uniform_int_distribution<int>(1, 24)(random);
        for (int j = 0; j < nLength; ++j)
            strInput +=
                alphabet[std::uniform_int_distribution<size_t>(0, alphabet.size() - 1)(random)];
        const CSimplifyOutcome outcome = RunSimplify(strInput);
        EXPECT_FALSE(outcome.m_strError && IsInternalFailure(*outcome.m_strError))
            << strInput << ": " << *outcome.m_strError;
        EXPECT_TRUE(g_strIndent.empty()) << strInput;
        g_strIndent.clear();
    }
}
} // namespace
