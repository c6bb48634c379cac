// SPDX-License-Identifier: GPL-3.0-or-later
#include "GraphDescription.h"
#include "RandomText.h"

#include "core/Number.h"
#include "core/SubExpression.h"
#include "core/Term.h"
#include "core/Variable.h"

#include <gtest/gtest.h>

namespace
{
using graph::Describe;

std::unique_ptr<CEqElmAtom> Variable(char cLetter, const char* szPower = "1", bool bDivisor = false)
{
    auto pVariable = std::make_unique<CEqElmVariable>(cLetter);
    pVariable->m_Power = CScalar(szPower);
    if (bDivisor)
        pVariable->SetDivisor();
    return pVariable;
}

std::unique_ptr<CEqElmAtom> Number(const char* szValue, bool bDivisor = false)
{
    auto pNumber = std::make_unique<CEqElmNumber>(szValue);
    if (bDivisor)
        pNumber->SetDivisor();
    return pNumber;
}

// A term built by AddElement from the factors of a text, so that it is in canonical order.
std::unique_ptr<CEqElm> Canonical(const char* szText)
{
    const CEqElm parsed(szText);
    auto pTerm = std::make_unique<CEqElm>();
    pTerm->m_Coefficient = parsed.m_Coefficient;
    for (const auto& pFactor : parsed.m_Elements)
        pTerm->AddElement(*pFactor);
    return pTerm;
}

TEST(TermAddElementTest, MergesVariablesAndFoldsNumbers)
{
    CEqElm term;
    term.AddElement(*Variable('x'));
    term.AddElement(*Number("3"));
    term.AddElement(*Variable('x'));
    EXPECT_EQ(Describe(term), "+3[x^+2]");
}

TEST(TermAddElementTest, DivisorNumberDividesTheCoefficient)
{
    CEqElm term;
    term.AddElement(*Variable('x'));
    term.AddElement(*Number("2", true));
    EXPECT_EQ(Describe(term), "+%1,2$[x]");
}

// x^0! used to stay in results as a factor; a power of 0 makes the factor one.
TEST(TermAddElementTest, ZeroPowerFactorLeavesTheTerm)
{
    CEqElm term;
    term.AddElement(*Number("3"));
    term.AddElement(*Variable('x', "0"));
    term.AddElement(*Variable('y', "2"));
    term.AddElement(*Variable('y', "-2"));
    auto pKeptApart = std::make_unique<CEqElmNumber>("5");
    pKeptApart->m_bKeepApart = true;
    pKeptApart->m_Power = CScalar("0");
    term.AddElement(*pKeptApart);
    EXPECT_EQ(Describe(term), "+3[]");
}

struct SCanonical
{
    const char* szText;
    const char* szGraph;
};

class CanonicalOrderTest : public testing::TestWithParam<SCanonical>
{
};

TEST_P(CanonicalOrderTest, AddElementPutsFactorsInKindThenLetterOrder)
{
    EXPECT_EQ(Describe(*Canonical(GetParam().szText)), GetParam().szGraph);
}

INSTANTIATE_TEST_SUITE_P(
    Terms, CanonicalOrderTest,
    testing::Values(SCanonical{"yx", "+1[x y]"},
                    SCanonical{"(a+b)/zyx^2!/x", "+1[x^+2 y {+1[a] ; +1[b]} /x /z]"},
                    SCanonical{"/(a)b/c", "+1[b /c /{+1[a]}]"},
                    SCanonical{"x^%1,2$!x^%1,2$!", "+1[x]"}, SCanonical{"2/3", "+%2,3$[]"},
                    SCanonical{"2^%1,2$!x", "+1[#+2^+%1,2$ x]"}));

TEST(TermCompareTest, LikeTermsCompareEqualAndCombine)
{
    auto pTwo = Canonical("2xy");
    const auto pFive = Canonical("5yx");
    EXPECT_EQ(pTwo->CompareElements(*pFive), 0);
    EXPECT_FALSE(pTwo->CombineLike(*pFive));
    EXPECT_EQ(pTwo->GetText(false), "+7xy");
    const auto pMinusSeven = Canonical("-7xy");
    EXPECT_TRUE(pTwo->CombineLike(*pMinusSeven));
    EXPECT_TRUE(pTwo->IsZero());
}

TEST(TermCompareTest, UnlikeTermsDoNotCombine)
{
    auto pX = Canonical("2x");
    EXPECT_FALSE(pX->CombineLike(*Canonical("3y")));
    EXPECT_EQ(pX->GetText(false), "+2x");
}

// The order of whole terms: x^2, xy, x, y, the plain number, then divisors and brackets.
TEST(TermCompareTest, SortsVariablesBeforeNumbersAndDivisorsAfter)
{
    const char* kAscending[] = {"x^3!", "x^2!", "xy", "x", "y", "7", "(x+1)", "/x^6!", "/x^5!"};
    for (size_t i = 0; i + 1 < std::size(kAscending); ++i)
        EXPECT_EQ(Canonical(kAscending[i])->CompareElements(*Canonical(kAscending[i + 1])), -1)
            << kAscending[i] << " against " << kAscending[i + 1];
}

// Regression: 8 sorted before 1/x^6, 1/x^5 before y^8/x^3, and y^8/x^3 before 8, so a
// bubble sort could leave like terms apart.
TEST(TermCompareTest, OrderIsTransitiveOnTheOldCycle)
{
    const auto pEight = Canonical("8");
    const auto pInverse = Canonical("1/x^5!");
    const auto pMixed = Canonical("y^8!/x^3!");
    const int nEightInverse = pEight->CompareElements(*pInverse);
    const int nInverseMixed = pInverse->CompareElements(*pMixed);
    const int nMixedEight = pMixed->CompareElements(*pEight);
    EXPECT_FALSE(nEightInverse == nInverseMixed && nInverseMixed == nMixedEight);
}

// A consistent order: antisymmetric and transitive over many random canonical terms.
TEST(TermCompareTest, OrderIsConsistentOnRandomTerms)
{
    const std::uint32_t nSeed = 20240611;
    randomtext::CShape shape;
    shape.m_nMaxTerms = 1;
    shape.m_nMaxDepth = 1;
    shape.m_bEquations = false;
    randomtext::CRandomText random(nSeed, shape);
    std::vector<std::unique_ptr<CEqElm>> terms;
    for (int i = 0; i < 60; ++i)
        terms.push_back(Canonical(random.Side(0).c_str()));
    for (const auto& a : terms)
        for (const auto& b : terms)
        {
            const int nAB = a->CompareElements(*b);
            ASSERT_EQ(nAB, -b->CompareElements(*a))
                << "seed " << nSeed << ": " << a->GetText(false) << " vs " << b->GetText(false);
            if (nAB > 0)
                continue;
            for (const auto& c : terms)
            {
                if (b->CompareElements(*c) <= 0)
                {
                    ASSERT_LE(a->CompareElements(*c), 0)
                        << "seed " << nSeed << ": " << a->GetText(false)
                        << " <= " << b->GetText(false) << " <= " << c->GetText(false);
                }
            }
        }
}

TEST(TermTest, InvertFlipsEveryFactorAndTheCoefficient)
{
    auto pTerm = Canonical("2x/y");
    pTerm->Invert();
    EXPECT_EQ(Describe(*pTerm), "+%1,2$[/x y]");
}

TEST(TermTest, CoefficientRatioNeedsLikeFactors)
{
    EXPECT_EQ(Canonical("6x")->CoefficientRatio(*Canonical("4x")).ToText(true), "+1%1,2$");
    EXPECT_TRUE(Canonical("6x")->CoefficientRatio(*Canonical("4y")).IsZero());
    EXPECT_TRUE(Canonical("6x")->CoefficientRatio(*Canonical("0x")).IsZero());
}

struct SKeep
{
    const char* szThis;
    const char* szOther;
    const char* szKept;
};

class KeepCommonFactorsTest : public testing::TestWithParam<SKeep>
{
};

TEST_P(KeepCommonFactorsTest, KeepsSharedFactorsAtTheSmallerPower)
{
    auto pTerm = Canonical(GetParam().szThis);
    pTerm->KeepCommonFactors(*Canonical(GetParam().szOther));
    EXPECT_EQ(Describe(*pTerm), GetParam().szKept);
}

INSTANTIATE_TEST_SUITE_P(Terms, KeepCommonFactorsTest,
                         testing::Values(SKeep{"2x^3!y", "4x^2!z", "+2[x^+2]"},
                                         SKeep{"xy", "7", "+1[]"}, SKeep{"xz", "x/z", "+1[x z]"},
                                         SKeep{"x(a+1)", "x(a+1)y", "+1[x {+1[a] ; +1[]}]"},
                                         SKeep{"x(a+1)", "(2a+3)", "+1[]"},
                                         SKeep{"x^2!y^2!", "yx^5!", "+1[x^+2 y]"}));

TEST(TermTest, HighestPowerTakesTheFirstFactorWithTheLargestWholePower)
{
    int nPower = -1;
    char cLetter = '?';
    Canonical("xy^3!z^3!")->HighestPower(0, nPower, cLetter);
    EXPECT_EQ(nPower, 3);
    EXPECT_EQ(cLetter, 'y');
    Canonical("xy^3!")->HighestPower('x', nPower, cLetter);
    EXPECT_EQ(nPower, 1);
    Canonical("y^%1,2$!")->HighestPower('y', nPower, cLetter);
    EXPECT_EQ(nPower, 0);
    EXPECT_EQ(cLetter, 0);
}

TEST(TermTest, WalksHandOutClones)
{
    CEqElm term("x/y(a)/z");
    std::string strDivisors;
    for (auto p = term.FirstDivisor(); p; p = term.NextDivisor())
        strDivisors += p->GetText(true);
    EXPECT_EQ(strDivisors, "/y/z");
    int nCount = 0;
    for (auto p = term.FirstElement(); p; p = term.NextElement())
        ++nCount;
    EXPECT_EQ(nCount, 4);
    EXPECT_EQ(term.NeedsFurtherSimplification(), 2);
    EXPECT_EQ(CEqElm("3x/2").NeedsFurtherSimplification(), 0);
}

TEST(TermTest, MultiplyAndDivideTermsAppendUnmerged)
{
    const auto pProduct = CEqElm("2x").MultiplyTerms(CEqElm("3x"));
    EXPECT_EQ(Describe(*pProduct), "+6[x x]");
    const auto pQuotient = CEqElm("2x").DivideTerms(CEqElm("4y"));
    EXPECT_EQ(Describe(*pQuotient), "+%1,2$[x /y]");
}

struct STermText
{
    const char* szName;
    std::unique_ptr<CEqElm> (*make)();
    bool bBracketSign;
    const char* szText;
    const char* szDisplay;
};

const STermText kTermTexts[] = {
    {"NumberAlone", [] { return Canonical("-3"); }, false, "-3", "-3"},
    {"UnitCoefficient", [] { return Canonical("x"); }, false, "+x", "+x"},
    {"MinusOneBracketed", [] { return Canonical("-x"); }, true, "(-1)x", "(-1)x"},
    {"NegativeBracketed", [] { return Canonical("-2x"); }, true, "(-2)x", "(-2)x"},
    {"FractionBracketed", [] { return Canonical("-%1,2$x"); }, true, "(-%1,2$)x", "(-1/2)x"},
    {"DivisorsAlone", [] { return Canonical("1/x"); }, false, "+1/x", "+1/x"},
    {"DivisorsAloneBracketSign", [] { return Canonical("-1/x^2!"); }, true, "(-1)/x^2!",
     "(-1)/x^2"},
    {"MixedCoefficient", [] { return Canonical("2%1,3$xy"); }, false, "+2%1,3$xy", "+(2&1/3)xy"},
    // Regression: a term never opens with "*" (2*(x+1) came back as *(...)).
    {"NoStarBeforeFirstFactor", [] { return std::make_unique<CEqElm>("*x"); }, false, "+x", "+x"},
    {"StarKeptAfterDigits", [] { return std::make_unique<CEqElm>("2*x"); }, false, "+2*x", "+2*x"},
    // Regression: a number factor after digits ran on into them (2 times 3 read as 23).
    {"NumberAfterDigits", [] { return std::make_unique<CEqElm>("2x3"); }, false, "+2x3", "+2x3"},
    {"NumberAfterCoefficient",
     []
     {
         auto pTerm = std::make_unique<CEqElm>("2");
         auto pThree = std::make_unique<CEqElmNumber>("3");
         pThree->m_bKeepApart = true;
         pTerm->m_Elements.push_back(std::move(pThree));
         return pTerm;
     },
     false, "+2*3", "+2*3"},
    // Regression: -3/x (the number -3 over x) read (-3)/x; its brackets go, unless powered.
    {"NegativeNumberOverDivisors", [] { return std::make_unique<CEqElm>("-3/x"); }, false, "-3/x",
     "-3/x"},
    {"NegativeFractionOverDivisors", [] { return std::make_unique<CEqElm>("-%1,2$/x"); }, false,
     "-%1,2$/x", "-(1/2)/x"},
    {"NegativeNumberOverDivisorsBracketSign", [] { return std::make_unique<CEqElm>("-3/x"); }, true,
     "(-3)/x", "(-3)/x"},
    {"NegativePoweredNumberKeepsBrackets",
     []
     {
         auto pTerm = std::make_unique<CEqElm>("-3/x");
         pTerm->m_Elements.front()->m_Power = CScalar("2");
         return pTerm;
     },
     false, "+(-3)^2!/x", "+(-3)^2/x"},
};

class TermTextTest : public testing::TestWithParam<STermText>
{
};

TEST_P(TermTextTest, PrintsInternalAndDisplayForms)
{
    const auto pTerm = GetParam().make();
    EXPECT_EQ(pTerm->GetText(GetParam().bBracketSign), GetParam().szText);
    EXPECT_EQ(pTerm->GetDisplayText(GetParam().bBracketSign), GetParam().szDisplay);
}

INSTANTIATE_TEST_SUITE_P(Terms, TermTextTest, testing::ValuesIn(kTermTexts),
                         [](const auto& info) { return std::string(info.param.szName); });
} // namespace

// Both texts at once must be exactly the two written one by one, whichever way the display
// is made: rewritten from the text, or written in full where the forms differ.
TEST(TermTexts, BothAtOnceAreEachTextAlone)
{
    const char* const kTerms[] = {"+3x^2!y",
                                  "-x",
                                  "+1",
                                  "-%1,2$",
                                  "+2%1,3$x",
                                  "+2.5x",
                                  "+x^%1,2$!",
                                  "+x^-2!",
                                  "+x/y",
                                  "+2*x",
                                  "+3(x+1)",
                                  "+x^2.5!",
                                  "-%3,4$x",
                                  "+7/x^2!",
                                  "+123456789012345678901234567890x^40!",
                                  "+0",
                                  "-2^3!",
                                  "+x(y+1)^2!",
                                  "+%1,2$(x+%1,3$)",
                                  "+x^2%1,3$!y"};
    for (const char* pszTerm : kTerms)
    {
        const CEqElm term(pszTerm);
        std::string strText;
        std::string strDisplay;
        term.GetTexts(strText, strDisplay);
        EXPECT_EQ(strText, term.GetText(false)) << pszTerm;
        EXPECT_EQ(strDisplay, term.GetDisplayText(false)) << pszTerm;
    }
}
