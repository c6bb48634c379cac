// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlgebraErrorOf.h"
#include "Evaluate.h"
#include "GraphDescription.h"
#include "RandomText.h"

#include "core/AlgebraError.h"
#include "driver/Construction.h"
#include "driver/Equation.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
using graph::Describe;

struct SConstruction
{
    const char* szText;
    int nKind;
    const char* szGraph;
};

class ConstructionTest : public testing::TestWithParam<SConstruction>
{
};

TEST_P(ConstructionTest, BuildsTheGraphOfTheText)
{
    const auto pRoot = ConstructFromText(GetParam().szText);
    EXPECT_EQ(pRoot->GetKind(), GetParam().nKind);
    EXPECT_EQ(Describe(*pRoot), GetParam().szGraph);
    EXPECT_TRUE(pRoot->m_strExplanation.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ConstructionTest,
    testing::Values(
        SConstruction{"", 1, ""}, SConstruction{"x", 1, "+1[x]"}, SConstruction{"-x", 1, "-1[x]"},
        SConstruction{"+x", 1, "+1[x]"}, SConstruction{"%1,2$x", 1, "+%1,2$[x]"},
        SConstruction{"x%1,2$", 1, "+1[x #+%1,2$]"}, SConstruction{"2*x", 1, "+2[*x]"},
        SConstruction{"x/2", 1, "+1[x /#+2]"},
        SConstruction{"(a-b)(a+b)", 1, "+1[{+1[a] ; -1[b]} {+1[a] ; +1[b]}]"},
        SConstruction{"a-(b+c)", 1, "+1[a] ; -1[{+1[b] ; +1[c]}]"},
        SConstruction{"((a+b)c)", 1, "+1[{+1[{+1[a] ; +1[b]} c]}]"},
        SConstruction{"x^1%1,2$!", 1, "+1[x^+1%1,2$]"},
        SConstruction{"x+2y-(a-b)", 1, "+1[x] ; +2[y] ; -1[{+1[a] ; -1[b]}]"},
        SConstruction{"-2%1,3$x", 1, "-2%1,3$[x]"}, SConstruction{"2/x", 1, "+1[#+2 /x]"},
        SConstruction{"-3/x", 1, "+1[#-3 /x]"}, SConstruction{"x/y^2!", 1, "+1[x /y^+2]"},
        SConstruction{"3x^2!y/(a+b)=0", 2, "+3[x^+2 y /{+1[a] ; +1[b]}] = +0[]"},
        SConstruction{"0=x+1", 2, "+1[x] ; +1[] = +0[]"},
        SConstruction{"x+1=0", 2, "+1[x] ; +1[] = +0[]"}, SConstruction{"x=", 2, "+1[x] = "},
        // A mixed number stays one number wherever it stands (3%1,2$ is 3.5).
        SConstruction{"x3%1,2$", 1, "+1[x #+3%1,2$]"},
        // A power right after the leading number raises that number.
        SConstruction{"2^3!x", 1, "+1[#+2^+3 x]"}, SConstruction{"-2^2!", 1, "-1[#+2^+2]"},
        // A trailing operator adds nothing.
        SConstruction{"x+", 1, "+1[x]"}, SConstruction{"x-", 1, "+1[x]"}, SConstruction{"-", 1, ""},
        SConstruction{"x*", 1, "+1[x]"},
        // A power of a power multiplies (it was overwritten: x^2!^3! read as x^3); an
        // unfilled power template is no power.
        SConstruction{"x^2!^3!", 1, "+1[x^+6]"}, SConstruction{"x^!", 1, "+1[x]"},
        // Texts the editor would refuse still build something.
        SConstruction{"(x+1", 1, "+1[{+1[x] ; +1[]}]"}, SConstruction{"x)+1", 1, "+1[x )] ; +1[]"},
        SConstruction{"x^2", 1, "+1[x^+2]"}, SConstruction{"x=y=z", 2, "+1[x] = +1[y = z]"}));

TEST(ConstructionTest, TermAndBracketConstructorsParseTheirText)
{
    EXPECT_EQ(Describe(CEqElm("-2x(y+1)")), "-2[x {+1[y] ; +1[]}]");
    EXPECT_EQ(Describe(static_cast<const CExpression&>(CSubExpression("a+b"))), "+1[a] ; +1[b]");
    EXPECT_EQ(Describe(CExpression("")), "");
    EXPECT_EQ(CExpression("").GetLastTerm(), -1);
}

TEST(ConstructionTest, EquationWithoutEqualsIsRefused)
{
    EXPECT_EQ(AlgebraErrorOf([] { CEquation{"x+1"}; }), kInvalidEquationCreation);
}

TEST(ConstructionTest, EquationAccessorsAndRightSide)
{
    CEquation equation("x^2!=%1,2$");
    EXPECT_EQ(equation.GetText(false), "x^2!=%1,2$");
    EXPECT_EQ(equation.GetDisplayText(false), "x^2=(1/2)");
    equation.SetRightSide("y");
    EXPECT_EQ(equation.GetText(false), "x^2!=y");
    EXPECT_EQ(CEquation().GetText(false), "0");
    EXPECT_EQ(CEquation("x=1").Clone()->GetKind(), CExpression::kKindExpression);
}

TEST(ConstructionTest, DeepBracketsRaiseAClearError)
{
    const std::string strFine =
        std::string(kMaxBracketDepth, '(') + "x" + std::string(kMaxBracketDepth, ')');
    EXPECT_NO_THROW(ConstructFromText(strFine));
    const std::string strDeep = "(" + strFine + ")";
    EXPECT_EQ(AlgebraErrorOf([&] { ConstructFromText(strDeep); }), kBracketsTooDeep);
    EXPECT_THROW(ConstructFromText(std::string(100000, '(')), CAlgebraError);
}

// Any bytes build a graph or raise the algebra's error; run under the sanitizers this
// also proves no overrun, leak or crash.
TEST(ConstructionPropertyTest, RandomBytesNeverFail)
{
    const std::uint32_t nSeed = 977;
    randomtext::CRandomText random(nSeed);
    for (int i = 0; i < 4000; ++i)
    {
        const std::string strText = i % 2 ? random.Bytes(40) : random.FormatSoup(40);
        try
        {
            const auto pRoot = ConstructFromText(strText);
            (void)pRoot->GetText(false);
            (void)pRoot->GetDisplayText(false);
            (void)pRoot->GetDivisionState();
        }
        catch (const CAlgebraError&)
        {
        }
        catch (...)
        {
            FAIL() << "seed " << nSeed << " case " << i << ": unexpected exception";
        }
    }
}

// A valid text written back reads as what it means, and reading it again changes nothing.
TEST(ConstructionPropertyTest, RandomTextsRoundTrip)
{
    const std::uint32_t nSeed = 4242;
    randomtext::CShape shape;
    shape.m_bDecimals = true;
    randomtext::CRandomText random(nSeed, shape);
    for (int i = 0; i < 1500; ++i)
    {
        const std::string strText = random.Text();
        const std::string strOnce = ConstructFromText(strText)->GetText(false);
        const std::string strTwice = ConstructFromText(strOnce)->GetText(false);
        ASSERT_EQ(strTwice, strOnce) << "seed " << nSeed << " text " << strText;
        for (const auto& values :
             evaluate::RandomPoints(evaluate::LettersOf(strText), nSeed + i, 2))
        {
            const auto original = evaluate::EvaluateLeftMinusRight(strText, values);
            const auto written = evaluate::EvaluateLeftMinusRight(strOnce, values);
            ASSERT_TRUE(original && written) << strText << " -> " << strOnce;
            if (!std::isfinite(static_cast<double>(*original)))
                continue; // a division by zero such as /(z-z)
            ASSERT_TRUE(evaluate::NearlyEqual(*original, *written))
                << "seed " << nSeed << ": " << strText << " -> " << strOnce;
        }
    }
}
} // namespace
