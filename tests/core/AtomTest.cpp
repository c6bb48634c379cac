// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlgebraErrorOf.h"
#include "core/Number.h"
#include "core/Variable.h"

#include <gtest/gtest.h>

namespace
{
std::unique_ptr<CEqElmAtom> Variable(char cLetter, const char* szPower = "1", int nOperation = 0)
{
    auto pVariable = std::make_unique<CEqElmVariable>(cLetter);
    pVariable->m_Power = CScalar(szPower);
    pVariable->m_nOperation = nOperation;
    return pVariable;
}

std::unique_ptr<CEqElmAtom> Number(const char* szValue, const char* szPower = "1",
                                   int nOperation = 0)
{
    auto pNumber = std::make_unique<CEqElmNumber>(szValue);
    pNumber->m_Power = CScalar(szPower);
    pNumber->m_nOperation = nOperation;
    return pNumber;
}

struct SFactorText
{
    const char* szName;
    std::unique_ptr<CEqElmAtom> (*make)();
    bool bWithOperator;
    const char* szText;
    const char* szDisplay;
};

const SFactorText kFactorTexts[] = {
    {"SquaredVariable", [] { return Variable('x', "2"); }, false, "x^2!", "x^2"},
    {"DivisorVariableWithOperator", [] { return Variable('x', "2", 1); }, true, "/x^2!", "/x^2"},
    {"DivisorVariableWithoutOperator", [] { return Variable('x', "2", 1); }, false, "x^2!", "x^2"},
    {"StarredVariable", [] { return Variable('y', "1", -1); }, true, "*y", "*y"},
    {"NegativeNumber", [] { return Number("-4"); }, false, "(-4)", "(-4)"},
    {"NumberOne", [] { return Number("1"); }, false, "1", "1"},
    {"NumberOneHalf", [] { return Number("%1,2$"); }, false, "%1,2$", "(1/2)"},
    {"FractionalPower", [] { return Variable('x', "1%1,2$"); }, false, "x^1%1,2$!", "x^(1&1/2)"},
    {"NegativePower", [] { return Variable('x', "-2"); }, false, "x^-2!", "x^-2"},
};

class FactorTextTest : public testing::TestWithParam<SFactorText>
{
};

TEST_P(FactorTextTest, PrintsInternalAndDisplayForms)
{
    const auto pFactor = GetParam().make();
    EXPECT_EQ(pFactor->GetText(GetParam().bWithOperator), GetParam().szText);
    EXPECT_EQ(pFactor->GetDisplayText(GetParam().bWithOperator), GetParam().szDisplay);
}

INSTANTIATE_TEST_SUITE_P(Factors, FactorTextTest, testing::ValuesIn(kFactorTexts),
                         [](const auto& info) { return std::string(info.param.szName); });

TEST(AtomTest, HigherPowerAndMultiplierSortFirst)
{
    EXPECT_EQ(Variable('x', "3")->CompareFull(*Variable('x', "2")), -1);
    EXPECT_EQ(Variable('x', "2")->CompareFull(*Variable('x', "3")), 1);
    EXPECT_EQ(Variable('x')->CompareFull(*Variable('x', "1", 1)), -1);
    EXPECT_EQ(Variable('x', "1", -1)->CompareFull(*Variable('x')), 0);
    EXPECT_EQ(Variable('a')->CompareFull(*Variable('b')), -1);
}

TEST(AtomTest, CompareBaseIgnoresPowerAndOperation)
{
    EXPECT_EQ(Variable('x', "3", 1)->CompareBase(*Variable('x')), 0);
    EXPECT_EQ(Variable('y')->CompareBase(*Variable('x')), 1);
    EXPECT_NE(Number("2")->CompareBase(*Number("2")), 0);
}

// Numbers compare by value: 2 and 3 kept as factors are not like.
TEST(AtomTest, NumbersCompareByValueThenPower)
{
    EXPECT_EQ(Number("2")->CompareFull(*Number("2")), 0);
    EXPECT_EQ(Number("2")->CompareFull(*Number("3")), -1);
    EXPECT_EQ(Number("3")->CompareFull(*Number("2")), 1);
    EXPECT_NE(Number("2", "%1,2$")->CompareFull(*Number("2")), 0);
}

TEST(AtomTest, PowerValueRaisesByWholePowers)
{
    for (const auto& [szPower, szValue] :
         {std::pair{"2", "+9"}, {"0", "+1"}, {"-2", "+%1,9$"}, {"20", "+3486784401"}})
        EXPECT_EQ(static_cast<CEqElmNumber&>(*Number("3", szPower)).PowerValue().ToText(true),
                  szValue)
            << szPower;
}

TEST(AtomTest, PowerValueRefusesFractionalPower)
{
    EXPECT_EQ(
        AlgebraErrorOf([] { static_cast<CEqElmNumber&>(*Number("3", "%1,2$")).PowerValue(); }),
        kPowerMustBeWhole);
}

TEST(AtomTest, CloneIsDeepAndKeepsEveryField)
{
    auto pNumber = Number("%2,3$", "2", 1);
    static_cast<CEqElmNumber&>(*pNumber).m_bKeepApart = true;
    const auto pCopy = pNumber->Clone();
    static_cast<CEqElmNumber&>(*pNumber).m_Value = CScalar("5");
    EXPECT_EQ(pCopy->GetText(true), "/%2,3$^2!");
    EXPECT_TRUE(static_cast<CEqElmNumber&>(*pCopy).m_bKeepApart);
}
} // namespace
