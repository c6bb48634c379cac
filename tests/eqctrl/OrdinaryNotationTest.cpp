#include "model/OrdinaryNotation.h"

#include <gtest/gtest.h>

namespace
{
struct CNotationCase
{
    const char* m_szTyped;
    const char* m_szText;
};

class OrdinaryNotation : public ::testing::TestWithParam<CNotationCase>
{
};

TEST_P(OrdinaryNotation, BecomesEquationText)
{
    EXPECT_EQ(ToEquationText(GetParam().m_szTyped), GetParam().m_szText);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OrdinaryNotation,
    ::testing::Values(CNotationCase{"x^2", "x^2!"}, CNotationCase{"x^2!", "x^2!"},
                      CNotationCase{"x^2+1", "x^2!+1"}, CNotationCase{"x^2y", "x^2!y"},
                      CNotationCase{"(x+1)^10", "(x+1)^10!"},
                      CNotationCase{" x ^ 2 + 2 x + 1 = 0 ", "x^2!+2x+1=0"},
                      CNotationCase{"x^-1", "x^-1!"}, CNotationCase{"x^1.5", "x^1.5!"},
                      CNotationCase{"x^1%1,2$", "x^1%1,2$!"},
                      CNotationCase{"x^1%1,2$!", "x^1%1,2$!"}, CNotationCase{"x^2!^3", "x^2!^3!"},
                      // Not a number: left for validation to judge.
                      CNotationCase{"x^y", "x^y"}, CNotationCase{"x^!", "x^!"},
                      CNotationCase{"x^", "x^"}, CNotationCase{"", ""},
                      CNotationCase{"\t2 x\r", "2x"}));
} // namespace
