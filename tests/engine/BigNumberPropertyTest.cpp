// SPDX-License-Identifier: GPL-3.0-or-later
#include "Evaluate.h"
#include "driver/SimplifyRequest.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

// Exact rational values for the evaluator: a result must equal its input exactly, not nearly.
template <> struct evaluate::SNumberTraits<mpq_class>
{
    // "123" or "12.5" exactly.
    static mpq_class FromDigits(std::string strRun)
    {
        const size_t nPoint = strRun.find('.');
        size_t nDecimals = 0;
        if (nPoint != std::string::npos)
        {
            nDecimals = strRun.size() - nPoint - 1;
            strRun.erase(nPoint, 1);
        }
        mpz_class scale;
        mpz_ui_pow_ui(scale.get_mpz_t(), 10, nDecimals);
        mpq_class value(mpz_class(strRun.empty() ? "0" : strRun, 10), scale);
        value.canonicalize();
        return value;
    }
    // Whole powers only; none for a fraction power or a zero below the line.
    static std::optional<mpq_class> Power(const mpq_class& value, const mpq_class& power)
    {
        if (power.get_den() != 1 || abs(power.get_num()) > 1000 || (power < 0 && value == 0))
            return std::nullopt;
        const unsigned long nPower = mpz_class(abs(power.get_num())).get_ui();
        mpz_class numerator;
        mpz_class denominator;
        mpz_pow_ui(numerator.get_mpz_t(), value.get_num_mpz_t(), nPower);
        mpz_pow_ui(denominator.get_mpz_t(), value.get_den_mpz_t(), nPower);
        mpq_class result(numerator, denominator);
        result.canonicalize();
        if (power < 0)
            result = 1 / result;
        return result;
    }
    static bool CanDivideBy(const mpq_class& value) { return value != 0; }
};

namespace
{
using CExactValues = evaluate::CValuesOf<mpq_class>;

constexpr unsigned kSeed = 15011;
constexpr int kProblems = 300;

// Numbers mostly past 64 bits or past twelve digits, some small.
class CBigNumberProblems
{
public:
    explicit CBigNumberProblems(unsigned nSeed) : m_Random(nSeed) {}

    std::string Problem()
    {
        std::string strText = Terms(2 + Below(3));
        if (Below(4) == 0)
            strText += "=" + Terms(1 + Below(2));
        return strText;
    }

private:
    int Below(int n) { return static_cast<int>(m_Random() % static_cast<unsigned>(n)); }

    std::string Number()
    {
        const int nLength = Below(10) < 3 ? 1 + Below(3) : 13 + Below(18);
        std::string strDigits(1, static_cast<char>('1' + Below(9)));
        while (static_cast<int>(strDigits.size()) < nLength)
            strDigits += static_cast<char>('0' + Below(10));
        return strDigits;
    }

    // N, %N,M$, N%M,K$ or N/M.
    std::string Coefficient()
    {
        switch (Below(4))
        {
        case 0:
            return Number();
        case 1:
            return "%" + Number() + "," + Number() + "$";
        case 2:
            return Number() + "%" + Number() + "," + Number() + "$";
        default:
            return Number() + "/" + Number();
        }
    }

    std::string Term()
    {
        std::string strTerm = (Below(2) == 0 ? "+" : "-") + Coefficient();
        const int nPower = Below(4);
        if (nPower > 0)
            strTerm += nPower == 1 ? "x" : "x^" + std::to_string(nPower) + "!";
        if (Below(3) == 0)
            strTerm += "/(" + Number() + "x+" + Number() + ")";
        return strTerm;
    }

    std::string Terms(int nCount)
    {
        std::string strText;
        for (int i = 0; i < nCount; ++i)
            strText += Term();
        return strText;
    }

    std::mt19937 m_Random;
};

// "" when the result (and the further result) has the input's exact value at every point:
// for an equation the result L=0 is left minus right and the further result is L times its
// divisors up to one constant factor.
std::string CheckExactly(const std::string& strInput, const CSimplifyOutcome& outcome)
{
    const bool bEquation = strInput.find('=') != std::string::npos;
    std::optional<mpq_class> ratio;
    for (const mpq_class& x : {mpq_class(3, 7), mpq_class(-5, 2), mpq_class(11, 13)})
    {
        const CExactValues point{{'x', x}};
        const std::optional<mpq_class> expected = evaluate::EvaluateLeftMinusRight(strInput, point);
        if (!expected)
            continue; // a pole of the input
        const std::optional<mpq_class> result =
            evaluate::EvaluateLeftMinusRight(outcome.m_strResult, point);
        if (!result || *result != *expected)
            return "result " + outcome.m_strResult + " at x=" + x.get_str();
        if (!outcome.m_strFurther)
            continue;
        const std::optional<mpq_class> further =
            evaluate::EvaluateLeftMinusRight(*outcome.m_strFurther, point);
        if (!further)
            return "further " + *outcome.m_strFurther + " is not readable";
        if (!bEquation)
        {
            if (*further != *expected)
                return "further " + *outcome.m_strFurther + " at x=" + x.get_str();
            continue;
        }
        const std::string strLeft = outcome.m_strResult.substr(0, outcome.m_strResult.find('='));
        const std::optional<mpq_class> divisors = evaluate::EvaluateDivisors(strLeft, point);
        if (!divisors || *result == 0)
            continue;
        const mpq_class pointRatio = *further / (*result * *divisors);
        if (ratio && *ratio != pointRatio)
            return "further " + *outcome.m_strFurther +
                   " is no constant multiple at x=" + x.get_str();
        ratio = pointRatio;
    }
    return "";
}

// Problems with numerators and denominators past 64 bits and past 999999999999 simplify to
// their exact values: such denominators once turned into doubles and lost terms and digits.
TEST(BigNumberProperty, ResultsEqualTheInputExactly)
{
    CBigNumberProblems problems(kSeed);
    for (int i = 0; i < kProblems; ++i)
    {
        const std::string strInput = problems.Problem();
        const CSimplifyOutcome outcome = RunSimplify(strInput);
        ASSERT_FALSE(outcome.m_strError) << "seed " << kSeed << ", problem " << i << ": "
                                         << strInput << " raised " << *outcome.m_strError;
        const std::string strFailure = CheckExactly(strInput, outcome);
        EXPECT_EQ(strFailure, "") << "seed " << kSeed << ", problem " << i << ": " << strInput;
    }
}
} // namespace
