// SPDX-License-Identifier: LGPL-3.0-or-later
#include "model/EquationTerms.h"

#include "model/EquationText.h"

namespace
{
// Deeper brackets than any result has are left to the plain drawing, so reading never runs
// out of stack on a text written through the property.
constexpr int kDeepestBrackets = 64;

bool IsNumeric(char c)
{
    return IsAsciiDigit(c) || c == kDecimalPoint;
}

// A recursive reader of the formal shape: text, side, term, factor. Each step returns false
// when the text leaves the shape; the reader then gives up on the whole text.
class CTermReader
{
public:
    explicit CTermReader(std::string_view text) : m_Text(text) {}

    std::optional<CTermEquation> Read()
    {
        CTermEquation equation;
        equation.m_Sides.emplace_back();
        if (!ReadSide(equation.m_Sides.back()))
            return std::nullopt;
        if (At(kEqualsSign))
        {
            equation.m_nEquals = m_nPos++;
            equation.m_Sides.emplace_back();
            if (!ReadSide(equation.m_Sides.back()))
                return std::nullopt;
        }
        if (m_nPos != Length())
            return std::nullopt;
        return equation;
    }

private:
    int Length() const { return static_cast<int>(m_Text.size()); }
    char Peek() const { return m_nPos < Length() ? m_Text[static_cast<std::size_t>(m_nPos)] : 0; }
    bool At(char c) const { return m_nPos < Length() && Peek() == c; }
    bool AtSign() const { return At('+') || At('-'); }

    // side: term { ("+" or "-") term }
    bool ReadSide(CTermSide& side)
    {
        side.m_nStart = m_nPos;
        do
        {
            side.m_Terms.emplace_back();
            if (!ReadTerm(side.m_Terms.back()))
                return false;
        } while (AtSign());
        side.m_nEnd = m_nPos;
        return true;
    }

    // term: [sign] factor { ["*" or "/"] factor }; the first numeric factor is the coefficient.
    bool ReadTerm(CTerm& term)
    {
        if (AtSign())
            term.m_nSign = m_nPos++;
        term.m_nStart = m_nPos;
        bool bFirst = true;
        while (m_nPos < Length() && !AtSign() && !At(kEqualsSign) && !At(')'))
        {
            const bool bDivisor = At('/');
            if (bDivisor || At('*'))
                ++m_nPos;
            CTermFactor factor;
            bool bNumeric = false;
            if (!ReadFactor(factor, bNumeric))
                return false;
            if (bFirst && bNumeric && !bDivisor && !factor.HasPower())
                term.m_Coefficient = std::move(factor);
            else
                (bDivisor ? term.m_Divisors : term.m_Multipliers).push_back(std::move(factor));
            bFirst = false;
        }
        term.m_nEnd = m_nPos;
        return term.m_nEnd > term.m_nStart;
    }

    // factor: number [fraction], or fraction, or (letter or "(" side ")"), each with a power.
    bool ReadFactor(CTermFactor& factor, bool& bNumeric)
    {
        factor.m_nStart = m_nPos;
        const char c = Peek();
        bNumeric = IsNumeric(c) || c == kFractionOpen;
        if (IsNumeric(c))
        {
            while (IsNumeric(Peek()) && m_nPos < Length())
                ++m_nPos;
            if (At(kFractionOpen) && !ReadFraction())
                return false;
        }
        else if (c == kFractionOpen)
        {
            if (!ReadFraction())
                return false;
        }
        else if (IsAsciiLetter(c))
            ++m_nPos;
        else if (c == '(')
        {
            if (++m_nDepth > kDeepestBrackets)
                return false;
            ++m_nPos;
            factor.m_pInner = std::make_unique<CTermSide>();
            if (!ReadSide(*factor.m_pInner) || !At(')'))
                return false;
            ++m_nPos;
            --m_nDepth;
        }
        else
            return false;
        if (At(kPowerOpen))
        {
            factor.m_nPowerStart = m_nPos;
            if (!ReadPower())
                return false;
        }
        factor.m_nEnd = m_nPos;
        return true;
    }

    // fraction: "%" number "," number "$", both parts holding a digit.
    bool ReadFraction()
    {
        ++m_nPos;
        if (!ReadNumber() || !At(kFractionSeparator))
            return false;
        ++m_nPos;
        if (!ReadNumber() || !At(kFractionClose))
            return false;
        ++m_nPos;
        return true;
    }

    bool ReadNumber()
    {
        const int nStart = m_nPos;
        while (m_nPos < Length() && IsNumeric(Peek()))
            ++m_nPos;
        return m_nPos > nStart;
    }

    // power: "^" [sign] number [fraction] "!", or a fraction alone, as ordinary notation pastes.
    bool ReadPower()
    {
        ++m_nPos;
        if (AtSign())
            ++m_nPos;
        const bool bNumber = ReadNumber();
        if (At(kFractionOpen))
        {
            if (!ReadFraction())
                return false;
        }
        else if (!bNumber)
            return false;
        if (!At(kPowerClose))
            return false;
        ++m_nPos;
        return true;
    }

    std::string_view m_Text;
    int m_nPos = 0;
    int m_nDepth = 0;
};
} // namespace

bool CTermSide::HasDivision() const
{
    for (const CTerm& term : m_Terms)
    {
        if (!term.m_Divisors.empty())
            return true;
        for (const CTermFactor& factor : term.m_Multipliers)
            if (factor.IsBracket() && factor.m_pInner->HasDivision())
                return true;
    }
    return false;
}

std::optional<CTermEquation> ReadTerms(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    return CTermReader(text).Read();
}
