// SPDX-License-Identifier: GPL-3.0-or-later
// CancelCommonFactors: a multiplier part against a divisor part.
#include "engine/Engine.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace
{
// A term in canonical order, as the engine's parts are built.
std::unique_ptr<CEqElm> Part(const std::string& strText)
{
    CEqElm parsed(strText);
    auto pPart = std::make_unique<CEqElm>();
    pPart->m_Coefficient = parsed.m_Coefficient;
    for (const auto& pFactor : parsed.m_Elements)
        pPart->AddElement(*pFactor);
    return pPart;
}

struct CCancelCase
{
    const char* m_pszMultiplier;
    const char* m_pszDivisor;
    const char* m_pszMultiplierAfter;
    const char* m_pszDivisorAfter;
    const char* m_pszNarrative;
};

class SimplifyTermCancelTest : public testing::TestWithParam<CCancelCase>
{
};

TEST_P(SimplifyTermCancelTest, CancelsLikeFactorsAcrossTheLine)
{
    const CCancelCase& row = GetParam();
    auto pMultiplier = Part(row.m_pszMultiplier);
    auto pDivisor = Part(row.m_pszDivisor);
    pMultiplier->CancelCommonFactors(*pDivisor);
    EXPECT_EQ(pMultiplier->GetText(false), row.m_pszMultiplierAfter) << row.m_pszMultiplier;
    EXPECT_EQ(pDivisor->GetText(false), row.m_pszDivisorAfter) << row.m_pszDivisor;
    EXPECT_EQ(pMultiplier->GetExplanation(), row.m_pszNarrative);
}

const CCancelCase kCancels[] = {
    {"2x", "/x", "+2", "+1",
     "Have found x is common to both multipliers and divisors and so may be cancelled out.\r\n"},
    {"x^3!y", "/x", "+x^2!y", "+1",
     "Have found the multiplier x^3 and the divisor /x These may be combined to leave the "
     "multiplier x^2.\r\n"},
    {"x", "/x^3!/y", "+1", "+1/x^2!/y",
     "Have found the multiplier x and the divisor /x^3 These may be combined to leave the "
     "divisor /x^2.\r\n"},
    // The divisor part's coefficient moves over; unlike letters stay.
    {"3y", "1/2/x", "+1%1,2$y", "+1/x", ""},
    // Two divisors never cancel each other.
    {"1/x", "1/x", "+1/x", "+1/x", ""},
};

INSTANTIATE_TEST_SUITE_P(Parts, SimplifyTermCancelTest, testing::ValuesIn(kCancels));
} // namespace
