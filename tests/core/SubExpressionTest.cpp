// SPDX-License-Identifier: GPL-3.0-or-later
#include "GraphDescription.h"

#include "core/SubExpression.h"
#include "core/Term.h"

#include <gtest/gtest.h>

namespace
{
using graph::Describe;

std::unique_ptr<CSubExpression> Bracket(const char* szBody, const char* szPower = "1",
                                        bool bDivisor = false)
{
    auto pBracket = std::make_unique<CSubExpression>(szBody);
    pBracket->m_Power = CScalar(szPower);
    if (bDivisor)
        pBracket->SetDivisor();
    return pBracket;
}

TEST(SubExpressionTextTest, PrintsBracketsOperatorAndPower)
{
    EXPECT_EQ(Bracket("x+1", "2")->GetText(false), "(x+1)^2!");
    EXPECT_EQ(Bracket("x+1", "2")->GetDisplayText(false), "(x+1)^2");
    EXPECT_EQ(Bracket("x+1", "2", true)->GetText(true), "/(x+1)^2!");
    EXPECT_EQ(Bracket("x+%1,2$")->GetDisplayText(true), "(x+(1/2))");
    EXPECT_EQ(CSubExpression().GetText(true), "(0)");
}

TEST(SubExpressionTextTest, BothBasesPrintTheSameText)
{
    const auto pBracket = Bracket("a-b", "3", true);
    const CExpression& body = *pBracket;
    const CEqElmAtom& factor = *pBracket;
    EXPECT_EQ(body.GetText(true), factor.GetText(true));
    EXPECT_EQ(body.GetKind(), CExpression::kKindSubExpression);
    EXPECT_EQ(factor.GetKindCode(), 140);
}

// Regression: the bracketless wrapper printed beside divisors read back as separate
// terms (4x-y/(xy+1) came back wrong).
TEST(SubExpressionTextTest, BracketlessWrapperBracketsItselfBesideOtherFactors)
{
    auto pWrapper = Bracket("4x-y");
    pWrapper->m_bNoBrackets = true;
    EXPECT_EQ(pWrapper->GetText(true), "4x-y");
    CEqElm alone;
    alone.AddElement(*pWrapper);
    EXPECT_EQ(alone.GetText(false), "+4x-y");
    CEqElm beside;
    beside.AddElement(*pWrapper);
    beside.AddElement(*Bracket("xy+1", "1", true));
    EXPECT_EQ(beside.GetText(false), "+(4x-y)/(xy+1)");
    CEqElm scaled;
    scaled.m_Coefficient = CScalar("-1");
    scaled.AddElement(*pWrapper);
    EXPECT_EQ(scaled.GetText(false), "-(4x-y)");
    pWrapper->m_Power = CScalar("2");
    EXPECT_EQ(pWrapper->GetText(false), "(4x-y)^2!");
}

TEST(SubExpressionTest, CloneCopiesTermsFlagsAndMainVariable)
{
    auto pBracket = Bracket("x^2!+y", "2", true);
    pBracket->m_bNoBrackets = true;
    pBracket->FindMainVariable(0);
    const auto pCopy = pBracket->Clone();
    pBracket->m_Terms.clear();
    EXPECT_EQ(pCopy->GetText(true), "/(x^2!+y)^2!");
    EXPECT_TRUE(pCopy->m_bNoBrackets);
    EXPECT_EQ(pCopy->m_cMainVariable, 'x');
    EXPECT_EQ(pCopy->m_nHighestPower, 2);
    const std::unique_ptr<CExpression> pBody = pCopy->CloneExpression();
    EXPECT_EQ(pBody->GetKind(), CExpression::kKindSubExpression);
}

TEST(SubExpressionTest, PowerIsWrittenOutAsRepeatedCopies)
{
    auto pBracket = Bracket("x+1", "3", true);
    ASSERT_TRUE(pBracket->HasRepeatPower());
    std::string strCopies;
    int nCopies = 0;
    while (auto pCopy = pBracket->TakeOneRepeat())
    {
        strCopies += pCopy->GetText(true);
        ASSERT_LT(++nCopies, 10);
    }
    EXPECT_EQ(strCopies, "/(x+1)/(x+1)/(x+1)");
}

TEST(SubExpressionTest, OnlyWholePowersAboveOneRepeat)
{
    EXPECT_FALSE(Bracket("x+1", "%1,2$")->HasRepeatPower());
    EXPECT_FALSE(Bracket("x+1")->HasRepeatPower());
    auto pNegative = Bracket("x+1", "-2");
    EXPECT_FALSE(pNegative->HasRepeatPower());
    EXPECT_EQ(pNegative->TakeOneRepeat(), nullptr);
}

struct SRatio
{
    const char* szThis;
    const char* szOther;
    const char* szRatio;
};

class RatioToTest : public testing::TestWithParam<SRatio>
{
};

TEST_P(RatioToTest, GivesTheFactorBetweenProportionalBodies)
{
    EXPECT_EQ(Bracket(GetParam().szThis)->RatioTo(*Bracket(GetParam().szOther)).ToText(true),
              GetParam().szRatio);
}

INSTANTIATE_TEST_SUITE_P(Bodies, RatioToTest,
                         testing::Values(SRatio{"2x+4", "x+2", "+2"}, SRatio{"2x+4", "x+3", "+0"},
                                         SRatio{"x+1", "x+1+y", "+0"},
                                         SRatio{"x+1", "2x+2", "+%1,2$"},
                                         SRatio{"x+1", "y+1", "+0"}, SRatio{"", "", "+1"}));

struct SSingle
{
    const char* szName;
    const char* szBody;
    const char* szPower;
    bool bDivisor;
    const char* szTerm; // "none" when there is no single term
};

class GetSingleTermTest : public testing::TestWithParam<SSingle>
{
};

TEST_P(GetSingleTermTest, CarriesPowerAndDivisorMark)
{
    const auto pTerm =
        Bracket(GetParam().szBody, GetParam().szPower, GetParam().bDivisor)->GetSingleTerm();
    EXPECT_EQ(pTerm ? Describe(*pTerm) : "none", GetParam().szTerm);
}

INSTANTIATE_TEST_SUITE_P(Brackets, GetSingleTermTest,
                         testing::Values(SSingle{"Divisor", "2x", "1", true, "+%1,2$[/x]"},
                                         SSingle{"SeveralTerms", "x+1", "1", false, "none"},
                                         SSingle{"Empty", "", "1", false, "none"},
                                         // Regression: (2x)^2! gave 2x.
                                         SSingle{"Squared", "2x", "2", false, "+4[x^+2]"},
                                         SSingle{"SquaredDivisor", "2x/y", "2", true,
                                                 "+%1,4$[/x^+2 y^+2]"},
                                         SSingle{"PowerZero", "2x", "0", false, "+1[]"},
                                         SSingle{"FractionalPower", "4x", "%1,2$", false, "none"}),
                         [](const auto& info) { return std::string(info.param.szName); });

TEST(SubExpressionTest, CommonFactorOfTermsKeepsTheFirstCoefficient)
{
    const auto pCommon = Bracket("2xy+4x^2!")->CommonFactorOfTerms();
    ASSERT_NE(pCommon, nullptr);
    EXPECT_EQ(Describe(*pCommon), "+2[x]");
    EXPECT_EQ(Bracket("x+1")->CommonFactorOfTerms(), nullptr);
    EXPECT_EQ(CSubExpression().CommonFactorOfTerms(), nullptr);
}

TEST(SubExpressionTest, CompareBaseMatchesShapesAndFullCompareMatchesTerms)
{
    EXPECT_EQ(Bracket("x+1")->CompareBase(*Bracket("2x+3")), 0);
    EXPECT_NE(Bracket("x+1")->CompareBase(*Bracket("x+1+y")), 0);
    EXPECT_NE(Bracket("x+1")->CompareFull(*Bracket("2x+3")), 0);
    EXPECT_EQ(Bracket("x+1")->CompareFull(*Bracket("x+1")), 0);
    EXPECT_EQ(Bracket("x+1", "2")->CompareFull(*Bracket("x+1")), -1);
}

TEST(SubExpressionTest, DestroyingThroughTheFactorSideFreesTheBody)
{
    std::unique_ptr<CEqElmAtom> pFactor = Bracket("(a+b)(c+d)+e");
    const auto pBracket = ToSubExpression(std::move(pFactor));
    ASSERT_NE(pBracket, nullptr);
    EXPECT_EQ(pBracket->GetText(false), "((a+b)(c+d)+e)");
    EXPECT_EQ(ToSubExpression(std::make_unique<CEqElmVariable>('x')), nullptr);
}
} // namespace
