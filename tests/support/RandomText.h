// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Random equation texts drawn from the grammar of the equation text format, and random
// byte strings, for property tests. Deterministic for a given seed.
//
//   text: side | side "=" side          side: term { ("+" | "-") term }
//   term: [sign] factor { ["*" | "/"] factor }
//   factor: number [fraction] | fraction | (letter | "(" side ")") [power]
//   fraction: "%" number "," number "$"   power: "^" number "!"

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>

namespace randomtext
{
struct CShape
{
    int m_nMaxDepth = 2;   // bracket nesting
    int m_nMaxTerms = 3;   // terms per side
    int m_nMaxFactors = 3; // factors per term
    int m_nMinPower = 2;   // powers m_nMinPower..m_nMaxPower
    int m_nMaxPower = 3;
    int m_nMaxBracketPower = 99; // brackets' powers are written out in full: keep them small
    std::string m_strLetters = "xyz";
    bool m_bDecimals = false; // numbers such as 2.5
    bool m_bEquations = true; // sometimes "side=side"
};

class CRandomText
{
public:
    explicit CRandomText(std::uint32_t nSeed, CShape shape = {}) : m_Random(nSeed), m_Shape(shape)
    {
    }

    std::string Text()
    {
        std::string strText = Side(0);
        if (m_Shape.m_bEquations && Chance(4))
            strText += "=" + Side(0);
        return strText;
    }

    std::string Side(int nDepth)
    {
        std::string strSide = Term(nDepth, Chance(4));
        const int nTerms = Pick(1, m_Shape.m_nMaxTerms);
        for (int i = 1; i < nTerms; ++i)
            strSide += (Chance(2) ? "+" : "-") + Term(nDepth, false);
        return strSide;
    }

    // Any bytes at all, including NUL and the structure markers.
    std::string Bytes(int nMaxLength)
    {
        std::string strBytes(static_cast<size_t>(Pick(0, nMaxLength)), '\0');
        for (char& c : strBytes)
            c = static_cast<char>(Pick(0, 255));
        return strBytes;
    }

    // Bytes drawn mostly from the text format's own characters: near misses of real texts.
    std::string FormatSoup(int nMaxLength)
    {
        static const std::string kAlphabet = "xy0123456789.+-*/=()^!%,$ ";
        std::string strSoup(static_cast<size_t>(Pick(0, nMaxLength)), 'x');
        for (char& c : strSoup)
            c = kAlphabet[static_cast<size_t>(Pick(0, static_cast<int>(kAlphabet.size()) - 1))];
        return strSoup;
    }

    int Pick(int nLow, int nHigh)
    {
        return std::uniform_int_distribution<int>(nLow, nHigh)(m_Random);
    }
    bool Chance(int nOneIn) { return Pick(1, nOneIn) == 1; }

private:
    std::string Term(int nDepth, bool bSign)
    {
        std::string strTerm = bSign ? (Chance(2) ? "+" : "-") : "";
        const int nFactors = Pick(1, m_Shape.m_nMaxFactors);
        bool bEndsInNumber = false;
        for (int i = 0; i < nFactors; ++i)
        {
            const int nKind = Pick(0, 9);
            const bool bNumber = nKind < 2;
            std::string strOperator;
            if (i > 0 && Chance(3))
                strOperator = Chance(2) ? "*" : "/";
            else if (i > 0 && bNumber && bEndsInNumber)
                strOperator = "*"; // 2 then 3 side by side would read as 23
            strTerm += strOperator + Factor(nKind, nDepth);
            bEndsInNumber = bNumber;
        }
        return strTerm;
    }

    std::string Factor(int nKind, int nDepth)
    {
        if (nKind == 0)
        {
            const std::string strNumber = Number();
            const bool bDecimal = strNumber.find('.') != std::string::npos;
            return strNumber + (!bDecimal && Chance(4) ? Fraction() : ""); // no 2.5%1,2$
        }
        if (nKind == 1)
            return Fraction();
        std::string strBase;
        int nMaxPower = m_Shape.m_nMaxPower;
        if (nKind < 4 && nDepth < m_Shape.m_nMaxDepth)
        {
            strBase = "(" + Side(nDepth + 1) + ")";
            nMaxPower = std::min(nMaxPower, m_Shape.m_nMaxBracketPower);
        }
        else
            strBase = std::string(1, m_Shape.m_strLetters[static_cast<size_t>(Pick(
                                         0, static_cast<int>(m_Shape.m_strLetters.size()) - 1))]);
        if (Chance(4))
            strBase += "^" +
                       std::to_string(Pick(std::min(m_Shape.m_nMinPower, nMaxPower), nMaxPower)) +
                       "!";
        return strBase;
    }

    std::string Number()
    {
        std::string strNumber = std::to_string(Pick(1, 12));
        if (m_Shape.m_bDecimals && Chance(5))
            strNumber += "." + std::to_string(Pick(1, 9));
        return strNumber;
    }

    std::string Fraction()
    {
        const int nDenominator = Pick(2, 9);
        return "%" + std::to_string(Pick(1, nDenominator - 1)) + "," +
               std::to_string(nDenominator) + "$";
    }

    std::mt19937 m_Random;
    CShape m_Shape;
};
} // namespace randomtext
