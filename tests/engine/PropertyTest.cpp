// SPDX-License-Identifier: GPL-3.0-or-later
#include "Evaluate.h"
#include "RandomText.h"
#include "driver/Explanation.h"
#include "driver/SimplifyRequest.h"

#include <gtest/gtest.h>

#include <chrono>
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
    // Shaped like the editor's texts: zero powers, decimals, small powers on brackets.
    randomtext::CShape shape;
    shape.m_nMinPower = 0;
    shape.m_nMaxPower = 4;
    shape.m_nMaxBracketPower = 2;
    shape.m_bDecimals = true;
    randomtext::CRandomText generator(kSeed, shape);
    const auto deadline = std::chrono::steady_clock::now() + kTimeBudget;
    int nDone = 0;
    int nAlgebraErrors = 0;
    int nFailures = 0;
    int nUnchecked = 0;
    for (; nDone < kRandomTexts && std::chrono::steady_clock::now() < deadline; ++nDone)
    {
        const std::string strInput = generator.Text();
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
    randomtext::CRandomText random(kSeed);
    for (int i = 0; i < 500; ++i)
    {
        const std::string strInput = i % 5 == 0 ? random.Bytes(24) : random.FormatSoup(24);
        const CSimplifyOutcome outcome = RunSimplify(strInput);
        EXPECT_FALSE(outcome.m_strError && IsInternalFailure(*outcome.m_strError))
            << strInput << ": " << *outcome.m_strError;
        EXPECT_TRUE(g_strIndent.empty()) << strInput;
        g_strIndent.clear();
    }
}
} // namespace
