#pragma once

// Random texts in the shape the editor produces: terms of numbers, fractions, mixed numbers,
// letters and brackets, with powers on letters and brackets, "*" and "/" between factors,
// and now and then an "=". Every text it writes passes the editor's validation.

#include <random>
#include <string>

class CRandomEquationText
{
public:
    explicit CRandomEquationText(unsigned nSeed) : m_Random(nSeed) {}

    std::string Next()
    {
        std::string text = Side(0);
        if (Chance(5))
            text += "=" + Side(0);
        return text;
    }

private:
    bool Chance(int nOneIn) { return Below(nOneIn) == 0; }
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_Random); }
    std::string Digit(int nLow, int nHigh)
    {
        return std::to_string(nLow + Below(nHigh - nLow + 1));
    }

    std::string Side(int nDepth)
    {
        std::string text = Term(nDepth, true);
        const int nMore = Below(nDepth == 0 ? 3 : 2) + (nDepth == 0 ? 0 : 1);
        for (int i = 0; i < nMore; ++i)
            text += Term(nDepth, false);
        return text;
    }

    std::string Term(int nDepth, bool bFirst)
    {
        std::string text;
        if (!bFirst || Chance(4))
            text += Chance(2) ? "+" : "-";
        bool bAfterNumber = false;
        if (Chance(2))
        {
            text += Coefficient();
            bAfterNumber = true;
        }
        const int nFactors = Below(bAfterNumber ? 3 : 2) + (bAfterNumber ? 0 : 1);
        for (int i = 0; i < nFactors; ++i)
        {
            const bool bStartOfTerm = i == 0 && !bAfterNumber;
            const int nKind = Below(10);
            std::string factor;
            bool bNumber = false;
            if (nKind < 5)
                factor = Letter() + Power(4);
            else if (nKind < 7 && nDepth < 2)
                factor = "(" + Side(nDepth + 1) + ")" + Power(2);
            else if (nKind < 9)
            {
                factor = Chance(3) ? Fraction() : Digit(2, 9);
                bNumber = true;
            }
            else
                factor = Letter();
            std::string operation;
            if (!bStartOfTerm)
            {
                const int nOperation = Below(6);
                operation = nOperation == 0 ? "*" : nOperation == 1 ? "/" : "";
            }
            // Two numbers side by side would read as one longer number.
            if (operation.empty() && bNumber && bAfterNumber)
                operation = "*";
            text += operation + factor;
            bAfterNumber = bNumber;
        }
        return text;
    }

    std::string Coefficient()
    {
        switch (Below(6))
        {
        case 0:
            return Fraction();
        case 1:
            return Digit(1, 3) + Fraction();
        case 2:
            return Digit(1, 9) + "." + Digit(1, 9);
        default:
            return Digit(1, 12);
        }
    }

    std::string Fraction() { return "%" + Digit(1, 4) + "," + Digit(2, 7) + "$"; }

    std::string Letter() { return std::string(1, "xyzab"[Below(m_nLetters)]); }

    // Powers of brackets stay small: the engine writes them out in full.
    std::string Power(int nHighest)
    {
        if (!Chance(3))
            return "";
        return "^" + Digit(0, nHighest) + "!";
    }

    std::mt19937 m_Random;
    int m_nLetters = 3;
};
