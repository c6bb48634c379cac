// SPDX-License-Identifier: GPL-3.0-or-later
// A common factor that stands below the line in a bracket, divided out of the bracket and the
// outside divisor together: the divisor outside must give up exactly what the bracket took.
#include "Evaluate.h"
#include "driver/Explanation.h"
#include "driver/SimplifyRequest.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
struct CDivisorFactorRow
{
    const char* m_szName;
    const char* m_szInput;
    const char* m_szResult; // display form
};

class DivisorCommonFactor : public ::testing::TestWithParam<CDivisorFactorRow>
{
};

TEST_P(DivisorCommonFactor, DividesBracketAndDivisorAlike)
{
    const CDivisorFactorRow& row = GetParam();
    const CSimplifyOutcome outcome = RunSimplify(row.m_szInput);
    ASSERT_FALSE(outcome.m_strError) << *outcome.m_strError;
    EXPECT_EQ(outcome.m_strResultDisplay, row.m_szResult) << row.m_szInput;
    EXPECT_EQ(
        evaluate::CheckSimplification(row.m_szInput, outcome.m_strResult, outcome.m_strFurther), "")
        << row.m_szInput;
    EXPECT_TRUE(g_strIndent.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DivisorCommonFactor,
    ::testing::Values(
        // the quotient (x/y) over /y: /y taken out of the bracket and out of the divisor
        CDivisorFactorRow{"QuotientOverItsOwnDivisor", "(x^2!+x)/(xy+y)/y", "x/y^2"},
        CDivisorFactorRow{"DivisorOfHigherPowerOutside", "(x^2!+x)/(xy+y)/y^3!", "x/y^4"},
        CDivisorFactorRow{"DivisorOfHigherPowerInside", "(x^2!+x)/(xy^2!+y^2!)/y", "x/y^3"},
        CDivisorFactorRow{"EveryTermOverTheDivisor", "(x/y+1/y)/y", "(x+1)/y^2"},
        CDivisorFactorRow{"EveryTermOverAHigherPower", "(x/y^2!+1/y^2!)/y", "(x+1)/y^3"},
        // only the shared letter moves; the other divisor stays outside
        CDivisorFactorRow{"SeveralVariablesOutside", "(x^2!z+xz)/(xyz+yz)/(yz)", "(x/y^2)/z"},
        CDivisorFactorRow{"SeveralVariablesShared", "(x/(yz)+1/(yz))/(yz)", "(x+1)/y^2/z^2"},
        // a divisor bracket turned over puts a multiplier beside the divisors outside
        CDivisorFactorRow{"TurnedOverBracketOutside", "(x^2!+x)/(x/y)", "xy+y"},
        CDivisorFactorRow{"TurnedOverBracketBesideDivisor", "(xy+y)/(1/y)/y", "xy+y"},
        // a plain multiplier common factor still cancels as before
        CDivisorFactorRow{"MultiplierCommonFactor", "(x^2!+x)/x", "x+1"},
        CDivisorFactorRow{"MultiplierCommonFactorOfLowerPower", "(x^2!y+xy)/x^2!", "(xy+y)/x"}),
    [](const auto& info) { return std::string(info.param.m_szName); });

} // namespace
