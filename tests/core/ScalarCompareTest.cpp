#include "core/Scalar.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
CScalar Unset()
{
    CScalar value;
    value.m_nSign = 0;
    return value;
}

struct SPairCase
{
    const char* pLeft;
    const char* pRight;
    int nCompare;
};

std::ostream& operator<<(std::ostream& os, const SPairCase& row)
{
    return os << row.pLeft << " vs " << row.pRight;
}

class ScalarOrder : public testing::TestWithParam<SPairCase>
{
};

// Equals and Compare agree, both ways round.
TEST_P(ScalarOrder, ComparesAndEqualsExactly)
{
    const CScalar left{std::string(GetParam().pLeft)};
    const CScalar right{std::string(GetParam().pRight)};
    EXPECT_EQ(left.Compare(right), GetParam().nCompare);
    EXPECT_EQ(right.Compare(left), -GetParam().nCompare);
    EXPECT_EQ(left.Equals(right), GetParam().nCompare == 0);
    EXPECT_EQ(right.Equals(left), GetParam().nCompare == 0);
}

// The rows with near fractions were once called equal (within half over the larger denominator).
INSTANTIATE_TEST_SUITE_P(
    Cases, ScalarOrder,
    testing::Values(SPairCase{"%1,3$", "%2,5$", -1}, SPairCase{"%5,6$", "%4,5$", 1},
                    SPairCase{"-%1,3$", "-%2,5$", 1}, SPairCase{"%1,2$", "%2,4$", 0},
                    SPairCase{"2%1,3$", "%7,3$", 0}, SPairCase{"-%1,2$", "%1,2$", -1},
                    SPairCase{"2", "-3", 1}, SPairCase{"0", "-%1,2$", 1}, SPairCase{"0", "0.0", 0},
                    SPairCase{"3", "3%1,999999999999$", -1},
                    SPairCase{"%1,999999999989$", "%1,999999999999$", 1},
                    SPairCase{"%999999999998,999999999999$", "%999999999997,999999999998$", 1},
                    SPairCase{"0.5", "%1,2$", 0}, SPairCase{"%1,3$", "0.333333333333333", 0},
                    SPairCase{"%1,3$", "0.3333", 1}, SPairCase{"2.5", "2%1,3$", 1},
                    SPairCase{"-2.5", "-2.50000000000001", 1}));

TEST(ScalarOrder, UnsetEqualsOnlyUnset)
{
    EXPECT_TRUE(Unset().Equals(Unset()));
    EXPECT_FALSE(Unset().Equals(CScalar()));
    EXPECT_EQ(Unset().Compare(Unset()), 0);
    EXPECT_EQ(Unset().Compare(CScalar("-5")), -1);
    EXPECT_EQ(CScalar("5").Compare(Unset()), 1);
}

struct SPredicateCase
{
    const char* pText;
    bool bZero;
    bool bPositiveOne;
    bool bOne;
    bool bWhole;
};

std::ostream& operator<<(std::ostream& os, const SPredicateCase& row)
{
    return os << row.pText;
}

class ScalarPredicates : public testing::TestWithParam<SPredicateCase>
{
};

TEST_P(ScalarPredicates, TellZeroOneAndWhole)
{
    const CScalar value{std::string(GetParam().pText)};
    EXPECT_EQ(value.IsZero(), GetParam().bZero);
    EXPECT_EQ(value.IsOne(true), GetParam().bPositiveOne);
    EXPECT_EQ(value.IsOne(false), GetParam().bOne);
    EXPECT_EQ(value.IsWhole(), GetParam().bWhole);
}

// Decimals near 0, 1 or a whole number were once taken for them (0.1 threshold on decimals).
INSTANTIATE_TEST_SUITE_P(
    Cases, ScalarPredicates,
    testing::Values(SPredicateCase{"0", true, false, false, true},
                    SPredicateCase{"1", false, true, true, true},
                    SPredicateCase{"-1", false, false, true, true},
                    SPredicateCase{"%3,3$", false, true, true, false},
                    SPredicateCase{"-%1,2$", false, false, false, false},
                    SPredicateCase{"7", false, false, false, true},
                    SPredicateCase{"0.0", true, false, false, true},
                    SPredicateCase{"1.0", false, true, true, true},
                    SPredicateCase{"-1.000000000000001", false, false, true, true},
                    SPredicateCase{"1.05", false, false, false, false},
                    SPredicateCase{"0.95", false, false, false, false},
                    SPredicateCase{"0.05", false, false, false, false},
                    SPredicateCase{"3.0", false, false, false, true},
                    SPredicateCase{"3.05", false, false, false, false}));

TEST(ScalarPredicates, UnsetCountsAsOneAndWholeButNotZero)
{
    EXPECT_FALSE(Unset().IsZero());
    EXPECT_TRUE(Unset().IsOne(true));
    EXPECT_TRUE(Unset().IsWhole());
}

// Three times 1.05 was once 3, since 1.05 counted as one.
TEST(ScalarPredicates, ADecimalNearOneStillMultiplies)
{
    CScalar value("3");
    value.Multiply(CScalar("1.05"));
    EXPECT_DOUBLE_EQ(value.ToDouble(), 3.15);
}

struct SCommonCase
{
    const char* pLeft;
    const char* pRight;
    const char* pExpected;
};

std::ostream& operator<<(std::ostream& os, const SCommonCase& row)
{
    return os << row.pLeft << ", " << row.pRight;
}

class ScalarCommonFactor : public testing::TestWithParam<SCommonCase>
{
};

TEST_P(ScalarCommonFactor, IsOneForExactNumbersAndTheSmallerDecimalOtherwise)
{
    const CScalar left{std::string(GetParam().pLeft)};
    EXPECT_EQ(left.CommonFactor(CScalar(GetParam().pRight)).ToText(true), GetParam().pExpected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ScalarCommonFactor,
                         testing::Values(SCommonCase{"%2,3$", "%4,9$", "+1"},
                                         SCommonCase{"-%2,3$", "-%4,9$", "-1"},
                                         SCommonCase{"2.5", "10", "+2.5"},
                                         SCommonCase{"10", "2.5", "+2.5"},
                                         SCommonCase{"-2.5", "10", "-2.5"},
                                         SCommonCase{"-1.5", "-7", "-1.5"},
                                         SCommonCase{"0", "2.5", "+1"},
                                         SCommonCase{"-1", "-2.5", "-1"}));

struct SPartsCase
{
    double dWhole;
    double dNumerator;
    double dDenominator;
    const char* pExpected;
};

std::ostream& operator<<(std::ostream& os, const SPartsCase& row)
{
    return os << row.dWhole << ", " << row.dNumerator << ", " << row.dDenominator;
}

class ScalarFromParts : public testing::TestWithParam<SPartsCase>
{
};

TEST_P(ScalarFromParts, NormalisesSignAndFields)
{
    CScalar value;
    value.SetFromParts(GetParam().dWhole, GetParam().dNumerator, GetParam().dDenominator);
    EXPECT_EQ(value.ToText(true), GetParam().pExpected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ScalarFromParts,
                         testing::Values(SPartsCase{2, 1, 3, "+2%1,3$"},
                                         SPartsCase{-2, 1, 3, "-2%1,3$"},
                                         SPartsCase{0, -1, 2, "-%1,2$"},
                                         SPartsCase{3, 2.7, -4.2, "+3%2,4$"},
                                         SPartsCase{0, 0, 1, "+0"}, SPartsCase{2.5, 1, 3, "+2.5"},
                                         SPartsCase{-0.25, 0, 1, "-0.25"},
                                         SPartsCase{1e20, 0, 1, "+100000000000000000000"}));

TEST(ScalarSign, NegateAndSetUnit)
{
    CScalar value = Unset();
    value.Negate();
    EXPECT_EQ(value.ToText(true), "-1");
    CScalar zero("0");
    zero.Negate();
    EXPECT_EQ(zero.ToText(true), "+0");
    CScalar half("%1,2$");
    half.SetUnit(-1);
    EXPECT_EQ(half.ToText(true), "-1");
}
} // namespace
