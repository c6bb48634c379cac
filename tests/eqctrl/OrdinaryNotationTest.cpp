// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/OrdinaryNotation.h"
#include "model/EquationStructure.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

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

namespace
{
class OrdinaryConversion : public ::testing::TestWithParam<CNotationCase>
{
};

TEST_P(OrdinaryConversion, ReadsTheOrdinaryCharacters)
{
    const SOrdinaryConversion conversion = ConvertOrdinaryNotation(GetParam().m_szTyped);
    EXPECT_TRUE(conversion.m_bOk) << GetParam().m_szTyped << ": " << conversion.m_strMessage;
    EXPECT_EQ(conversion.m_strText, GetParam().m_szText) << GetParam().m_szTyped;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Characters, OrdinaryConversion, ::testing::Values(
    CNotationCase{"3×4", "3*4"}, CNotationCase{"3·x", "3*x"}, CNotationCase{"3⋅x", "3*x"},
    CNotationCase{"6÷3", "6/3"}, CNotationCase{"6∕3", "6/3"},
    CNotationCase{"x−1", "x-1"}, CNotationCase{"x‐1", "x-1"}, CNotationCase{"x‑1", "x-1"},
    CNotationCase{"x‒1", "x-1"}, CNotationCase{"x–1", "x-1"}, CNotationCase{"x—1", "x-1"},
    CNotationCase{"x―1", "x-1"}, CNotationCase{"x﹣1", "x-1"}, CNotationCase{"x－1", "x-1"},
    CNotationCase{"x²", "x^2!"}, CNotationCase{"x³+y²", "x^3!+y^2!"},
    CNotationCase{"x¹⁰", "x^10!"}, CNotationCase{"x⁻¹", "x^-1!"},
    CNotationCase{"(x+1)²", "(x+1)^2!"}, CNotationCase{"x⁴⁵⁶⁷⁸⁹⁰", "x^4567890!"},
    CNotationCase{"½x", "%1,2$x"}, CNotationCase{"3½", "3%1,2$"}, CNotationCase{"x¼", "x%1,4$"},
    CNotationCase{"¾", "%3,4$"}, CNotationCase{"⅓+⅞", "%1,3$+%7,8$"},
    CNotationCase{"x\u00a0+\u20091", "x+1"}));

INSTANTIATE_TEST_SUITE_P(Notation, OrdinaryConversion, ::testing::Values(
    CNotationCase{"x^2-1", "x^2!-1"}, CNotationCase{"x ^ 2", "x^2!"}, CNotationCase{"x^ -1", "x^-1!"},
    CNotationCase{"x^1%1,2$", "x^1%1,2$!"}, CNotationCase{"x^2!+%1,2$x", "x^2!+%1,2$x"},
    CNotationCase{"x^!", "x^!"}, CNotationCase{"x^2 3", "x^2!3"},
    // Brackets, or equation text that closes its powers, say which power is raised.
    CNotationCase{"(x^2)^3", "(x^2!)^3!"}, CNotationCase{"x^2!^3!", "x^2!^3!"},
    CNotationCase{"x^-1.5", "x^-1.5!"}, CNotationCase{"x^%1,2$", "x^%1,2$!"},
    // What Copy writes as plain text reads back to the same equation.
    CNotationCase{"x^2+3 1/2x", "x^2!+3%1,2$x"}, CNotationCase{"3  1/2", "3%1,2$"},
    CNotationCase{"3 ½", "3%1,2$"}, CNotationCase{"x/3 1/2", "x/3%1,2$"},
    // A plain fraction stays a division of the one factor after it: the same value.
    CNotationCase{"3/4x", "3/4x"}, CNotationCase{"x/3/4", "x/3/4"},
    CNotationCase{" 2 x + 1 = 0 ", "2x+1=0"}, CNotationCase{"", ""}, CNotationCase{" \t\r\n", ""}));
// clang-format on

struct CRefusalCase
{
    const char* m_szTyped;
    size_t m_nPosition;
    const char* m_szMessage;
};

class OrdinaryRefusal : public ::testing::TestWithParam<CRefusalCase>
{
};

TEST_P(OrdinaryRefusal, NamesTheCharacterAndItsPosition)
{
    const SOrdinaryConversion conversion = ConvertOrdinaryNotation(GetParam().m_szTyped);
    EXPECT_FALSE(conversion.m_bOk) << GetParam().m_szTyped << " gave " << conversion.m_strText;
    EXPECT_EQ(conversion.m_nPosition, GetParam().m_nPosition) << GetParam().m_szTyped;
    EXPECT_EQ(conversion.m_strMessage, GetParam().m_szMessage) << GetParam().m_szTyped;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, OrdinaryRefusal, ::testing::Values(
    CRefusalCase{"2#x", 2, "\"#\" (U+0023) at character 2 cannot be read in an equation"},
    // Positions count characters: "−" and "×" are two and three bytes long.
    CRefusalCase{"x−1×2€", 6, "\"€\" (U+20AC) at character 6 cannot be read in an equation"},
    CRefusalCase{"x\x07", 2, "U+0007 at character 2 cannot be read in an equation"},
    CRefusalCase{"x+\xff", 3, "byte 0xFF at character 3 cannot be read in an equation"},
    CRefusalCase{"\xe2\x88", 1, "byte 0xE2 at character 1 cannot be read in an equation"},
    CRefusalCase{"πr²", 1, "\"π\" (U+03C0) at character 1 cannot be read in an equation"},
    // The ends of the printable range and its neighbours of the editor's refused keys.
    CRefusalCase{"x~", 2, "\"~\" (U+007E) at character 2 cannot be read in an equation"},
    CRefusalCase{"x:y", 2, "\":\" (U+003A) at character 2 cannot be read in an equation"},
    CRefusalCase{"x@", 2, "\"@\" (U+0040) at character 2 cannot be read in an equation"},
    CRefusalCase{"[x]", 1, "\"[\" (U+005B) at character 1 cannot be read in an equation"},
    CRefusalCase{"x`", 2, "\"`\" (U+0060) at character 2 cannot be read in an equation"},
    CRefusalCase{"x{", 2, "\"{\" (U+007B) at character 2 cannot be read in an equation"},
    CRefusalCase{"3 4", 2,
                 "The blank at character 2 splits a number; write 3*4 for a product or 3 1/2 "
                 "for a mixed number"},
    CRefusalCase{"1.5 1/2", 4,
                 "The blank at character 4 splits a number; write 3*4 for a product or 3 1/2 "
                 "for a mixed number"},
    // The markers of equation text are named as typed, with what to write instead.
    CRefusalCase{"2,5", 2, "\",\" at character 2 cannot be read here: write a decimal number "
                           "with a point, as 2.5, and a product with \"*\""},
    CRefusalCase{"x!", 2, "\"!\" at character 2 cannot be read here: there are no factorials; "
                          "write a power as x^2"},
    CRefusalCase{"$", 1, "\"$\" at character 1 cannot be read here: write a fraction with "
                         "\"/\", as 1/2"},
    CRefusalCase{"y+%1,2", 3, "\"%\" at character 3 cannot be read here: write a fraction with "
                              "\"/\", as 1/2, and a percentage as a decimal, as 0.5"},
    CRefusalCase{"x^y", 3, "\"y\" at character 3 cannot stand in an exponent: an exponent is a "
                           "number, as in x^2 or x^-1"},
    CRefusalCase{"x^(2)", 3, "\"(\" at character 3 cannot stand in an exponent: an exponent is a "
                             "number, as in x^2 or x^-1"},
    CRefusalCase{"%x,2$", 2, "\"x\" at character 2 cannot stand in a fraction written with "
                             "\"%\": divide with \"/\" instead, as in x/2"},
    CRefusalCase{"x^", 2, "The power at character 2 has no exponent: write a number after "
                          "\"^\", as in x^2"},
    CRefusalCase{"x^-!", 2, "The power at character 2 has no exponent: write a number after "
                            "\"^\", as in x^2"},
    CRefusalCase{"x⁻+1", 2, "The power at character 2 has no exponent: write a number after "
                            "\"^\", as in x^2"},
    // A power of a power reads two ways; the reader guesses neither.
    CRefusalCase{"x^2^3", 4, "\"^\" at character 4 raises a power to a power: write (x^2)^3 for "
                             "the power of a power, or work out the exponent, as x^8 for "
                             "x^(2^3)"},
    CRefusalCase{"x^2 ^ 3", 5, "\"^\" at character 5 raises a power to a power: write (x^2)^3 "
                               "for the power of a power, or work out the exponent, as x^8 for "
                               "x^(2^3)"},
    CRefusalCase{"x²^3", 3, "\"^\" at character 3 raises a power to a power: write (x^2)^3 for "
                            "the power of a power, or work out the exponent, as x^8 for "
                            "x^(2^3)"}));
// clang-format on
} // namespace

// Random bytes and characters: either refused with a position inside the text, or read into
// equation text of the format's own characters whose structures hold numbers only, so that
// the editor's paste, which checks those structures, takes whatever the converter read.
TEST(OrdinaryConversionRandom, EveryTextIsReadIntoEquationTextOrRefusedInside)
{
    const unsigned nSeed = 7919;
    std::mt19937 random(nSeed);
    const std::vector<std::string> pieces = {"x", "2", ".", " ", "^",    "!",    "%",   ",",
                                             "$", "/", "-", "(", ")",    "=",    "×",   "²",
                                             "⁻", "½", "−", "#", "\xff", "\xe2", "1/2", "3 "};
    for (int nText = 0; nText < 5000; ++nText)
    {
        std::string strTyped;
        const int nLength = static_cast<int>(random() % 12);
        for (int i = 0; i < nLength; ++i)
            strTyped += pieces[random() % pieces.size()];
        const SOrdinaryConversion conversion = ConvertOrdinaryNotation(strTyped);
        if (!conversion.m_bOk)
        {
            ASSERT_GE(conversion.m_nPosition, 1u) << "seed " << nSeed << " \"" << strTyped << '"';
            ASSERT_LE(conversion.m_nPosition, strTyped.size()) << "seed " << nSeed;
            continue;
        }
        for (const char c : conversion.m_strText)
            ASSERT_NE(std::string("x2.^!%,$/-()=*+0123456789").find(c), std::string::npos)
                << "seed " << nSeed << " \"" << strTyped << "\" gave \"" << conversion.m_strText
                << '"';
        std::string strShape = conversion.m_strText; // two points are validation's to mark
        std::erase(strShape, '.');
        ASSERT_EQ(CountStructureProblems(strShape), 0)
            << "seed " << nSeed << " \"" << strTyped << "\" gave \"" << conversion.m_strText << '"';
    }
}
