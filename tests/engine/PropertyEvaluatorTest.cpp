// SPDX-License-Identifier: GPL-3.0-or-later
#include "Evaluate.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
struct CValueCase
{
    const char* m_szText;
    double m_dValue; // at x = 2, y = 3; NAN when the text is not equation text
};

class EvaluatorReads : public ::testing::TestWithParam<CValueCase>
{
};

// The tests lean on this evaluator, so its own reading of the text is pinned down here.
TEST_P(EvaluatorReads, TextAsItMeans)
{
    const evaluate::CValues point{{'x', 2.0L}, {'y', 3.0L}};
    const std::optional<long double> value =
        evaluate::EvaluateLeftMinusRight(GetParam().m_szText, point);
    if (std::isnan(GetParam().m_dValue))
    {
        EXPECT_FALSE(value) << GetParam().m_szText;
        return;
    }
    ASSERT_TRUE(value) << GetParam().m_szText;
    EXPECT_NEAR(static_cast<double>(*value), GetParam().m_dValue, 1e-12) << GetParam().m_szText;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EvaluatorReads,
    ::testing::Values(CValueCase{"", 0}, CValueCase{"x+2y", 8}, CValueCase{"3x^2!y", 36},
                      CValueCase{"-x-y", -5}, CValueCase{"x/2y", 3}, CValueCase{"x/y^2!", 2.0 / 9},
                      CValueCase{"2*x", 4}, CValueCase{"%1,2$x", 1}, CValueCase{"3%1,2$", 3.5},
                      CValueCase{"-%1,2$", -0.5}, CValueCase{"2.5x", 5}, CValueCase{"(x+1)^3!", 27},
                      CValueCase{"((x+y)x)", 10}, CValueCase{"a-(b+c)", NAN},
                      CValueCase{"x^1%1,2$!", std::pow(2.0, 1.5)}, CValueCase{"x^-1!", 0.5},
                      CValueCase{"(-4)x", -8}, CValueCase{"+1/x", 0.5}, CValueCase{"x+", 2},
                      CValueCase{"x*", 2}, CValueCase{"x=y", -1}, CValueCase{"0=x+1", 3},
                      CValueCase{"3x/(x+1)=0", 2}, CValueCase{"x+)", NAN}, CValueCase{"x#", NAN},
                      CValueCase{"(x+1", 3}, CValueCase{"%1,$", NAN}));

TEST(Evaluator, DivisorsOfOneTerm)
{
    const evaluate::CValues point{{'x', 2.0L}, {'y', 3.0L}};
    EXPECT_EQ(evaluate::EvaluateDivisors("3x/(x+1)/y^2!", point), 27.0L);
    EXPECT_FALSE(evaluate::EvaluateDivisors("x+1/x", point));
}

TEST(Evaluator, CheckSimplificationCatchesAWrongResult)
{
    EXPECT_EQ(evaluate::CheckSimplification("(x+1)(x-1)", "x^2!-1", std::nullopt), "");
    EXPECT_NE(evaluate::CheckSimplification("(x+1)(x-1)", "x^2!+1", std::nullopt), "");
    EXPECT_EQ(evaluate::CheckSimplification("3x/(x+1)=1", "(2x-1)/(x+1)=0", std::string("2x-1=0")),
              "");
    EXPECT_EQ(evaluate::CheckSimplification("3x/(x+1)=1", "(2x-1)/(x+1)=0", std::string("4x-2=0")),
              "");
    EXPECT_NE(evaluate::CheckSimplification("3x/(x+1)=1", "(2x-1)/(x+1)=0", std::string("x-1=0")),
              "");
    EXPECT_NE(evaluate::CheckSimplification("x+1/x", "(x^2!+1)/x", std::string("x+2")), "");
}
} // namespace
