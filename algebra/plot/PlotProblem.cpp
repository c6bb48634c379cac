// SPDX-License-Identifier: GPL-3.0-or-later
#include "Plot.h"

#include "core/AlgebraError.h"
#include "driver/Construction.h"
#include "driver/Equation.h"
#include "driver/SimplifyRequest.h"
#include "solve/Solve.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

struct CPlotProblem::SDivisorZero
{
    double m_dX = 0;
    std::optional<mpq_class> m_Exact;
    std::string m_strDisplay; // "1", "≈ 1.324717957"
    bool m_bExact = false;
};

namespace
{
// A result that is finite but beyond this at a divisor's zero counts as undefined there: at
// an irrational zero the doubles only come near the pole.
constexpr double kHoleValueLimit = 1e10;

bool IsReal(const CRoot& root)
{
    return std::fabs(root.m_dIm) <= 1e-12 * (1 + std::fabs(root.m_dRe));
}

bool SameX(double dA, double dB)
{
    return std::fabs(dA - dB) <= 1e-12 * (1 + std::fabs(dA));
}

// "x = 2" for an exact value, "x ≈ 1.3247" for a numeric one, as the solution line writes it.
std::string LetterLabel(char cLetter, const std::string& strDisplay, bool bExact)
{
    return std::string(1, cLetter) + (bExact ? " = " : " ") + strDisplay;
}

// Display text with its powers raised: x^2 -> x².
std::string RaisePowers(const std::string& strDisplay)
{
    static const char* const kSuperscripts[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string strOut;
    for (size_t i = 0; i < strDisplay.size(); ++i)
    {
        const bool bDigitsFollow = i + 1 < strDisplay.size() &&
                                   std::isdigit(static_cast<unsigned char>(strDisplay[i + 1]));
        if (strDisplay[i] != '^' || !bDigitsFollow)
        {
            strOut += strDisplay[i];
            continue;
        }
        while (i + 1 < strDisplay.size() &&
               std::isdigit(static_cast<unsigned char>(strDisplay[i + 1])))
            strOut += kSuperscripts[strDisplay[++i] - '0'];
    }
    return strOut;
}

std::string NumericLabel(double dValue)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", dValue);
    return buffer;
}

std::string ResultTextOf(const std::string& strText)
{
    const CSimplifyOutcome outcome = RunSimplify(strText);
    if (outcome.m_strError)
        return "";
    return outcome.m_strFurther ? *outcome.m_strFurther : outcome.m_strResult;
}
} // namespace

CPlotProblem::CPlotProblem(const std::string& strText)
{
    try
    {
        Analyse(strText);
    }
    catch (const std::exception& error)
    {
        m_strMessage = std::string("No graph: ") + error.what();
        m_Functions.clear();
    }
}

void CPlotProblem::Analyse(const std::string& strText)
{
    const std::vector<char> letters = LettersOfText(strText);
    if (letters.size() != 1)
    {
        m_strMessage = kGraphNeedsOneLetter;
        return;
    }
    m_cLetter = letters[0];
    const std::unique_ptr<CExpression> pInput = ConstructFromText(strText);
    m_bEquation = pInput->GetKind() == CExpression::kKindEquation;
    std::vector<std::string> divisors = DivisorsOf(*pInput, m_cLetter);
    m_Functions.emplace_back(*pInput, m_cLetter);
    m_Labels.push_back("y = " + RaisePowers(pInput->GetSumDisplayText()));
    if (m_bEquation)
    {
        const CExpression& right = *static_cast<const CEquation&>(*pInput).m_pRightSide;
        const std::vector<std::string> rightDivisors = DivisorsOf(right, m_cLetter);
        divisors.insert(divisors.end(), rightDivisors.begin(), rightDivisors.end());
        m_Functions.emplace_back(right, m_cLetter);
        m_Labels.push_back("y = " + RaisePowers(right.GetSumDisplayText()));
    }
    const std::vector<SDivisorZero> zeros = FindDivisorZeros(divisors);
    for (const SDivisorZero& zero : zeros)
        m_DivisorZeros.push_back(zero.m_dX);
    std::sort(m_DivisorZeros.begin(), m_DivisorZeros.end());
    if (m_bEquation)
        MarkEquation(strText, zeros);
    else
        MarkExpression(strText, zeros);
}

// x such that divisor = 0, from the solver, each once.
std::vector<CPlotProblem::SDivisorZero>
CPlotProblem::FindDivisorZeros(const std::vector<std::string>& divisors) const
{
    std::vector<SDivisorZero> zeros;
    std::vector<std::string> seen;
    for (const std::string& strDivisor : divisors)
    {
        if (std::find(seen.begin(), seen.end(), strDivisor) != seen.end())
            continue;
        seen.push_back(strDivisor);
        const CSolution solution = SolveEquation(strDivisor + "=0", m_cLetter);
        for (const CRoot& root : solution.m_Roots)
        {
            const bool bSeen =
                std::any_of(zeros.begin(), zeros.end(),
                            [&](const SDivisorZero& z) { return SameX(z.m_dX, root.m_dRe); });
            if (!IsReal(root) || bSeen)
                continue;
            zeros.push_back(
                {root.m_dRe, RationalFromText(root.m_strText), root.m_strDisplay, root.m_bExact});
        }
    }
    return zeros;
}

// Holes where the simplified result is defined, asymptotes where it is not; the zeros.
void CPlotProblem::MarkExpression(const std::string& strText,
                                  const std::vector<SDivisorZero>& zeros)
{
    const std::string strResult = ResultTextOf(strText);
    std::unique_ptr<CExpression> pResult;
    if (!strResult.empty())
        pResult = ConstructFromText(strResult);
    for (const SDivisorZero& zero : zeros)
    {
        std::optional<double> y;
        std::string strY;
        if (pResult && zero.m_Exact)
        {
            if (const std::optional<mpq_class> value =
                    ExactValueAt(*pResult, m_cLetter, *zero.m_Exact))
                y = value->get_d(), strY = RationalLabel(*value);
        }
        else if (pResult)
        {
            const double dValue = CPlotFunction(*pResult, m_cLetter)(zero.m_dX);
            if (std::isfinite(dValue) && std::fabs(dValue) < kHoleValueLimit)
                y = dValue, strY = "≈ " + NumericLabel(dValue);
        }
        const std::string strX = LetterLabel(m_cLetter, zero.m_strDisplay, zero.m_bExact);
        if (y)
            m_Marks.push_back(
                {EPlotMark::Hole, zero.m_dX, *y, "(" + zero.m_strDisplay + ", " + strY + ")"});
        else
            m_Verticals.push_back({zero.m_dX, strX});
    }
    const CSolution solution = SolveEquation(strText + "=0", m_cLetter);
    if (solution.m_eKind == ESolutionKind::Unsolved)
        m_strNote = solution.m_strReason;
    for (const CRoot& root : solution.m_Roots)
        if (IsReal(root))
            m_Marks.push_back({EPlotMark::Zero, root.m_dRe, 0.0,
                               LetterLabel(m_cLetter, root.m_strDisplay, root.m_bExact)});
}

// The solutions where the sides cross; every excluded value a dashed vertical.
void CPlotProblem::MarkEquation(const std::string& strText, const std::vector<SDivisorZero>& zeros)
{
    const CSolution solution = SolveEquation(strText, m_cLetter);
    if (solution.m_eKind == ESolutionKind::Unsolved)
        m_strNote = solution.m_strReason;
    else if (solution.m_eKind != ESolutionKind::Roots)
        m_strNote = solution.m_strLine;
    const std::unique_ptr<CExpression> pInput = ConstructFromText(strText);
    for (const CRoot& root : solution.m_Roots)
    {
        if (!IsReal(root))
            continue;
        double dY = m_Functions[0](root.m_dRe);
        if (const std::optional<mpq_class> x = RationalFromText(root.m_strText))
            if (const std::optional<mpq_class> value = ExactValueAt(*pInput, m_cLetter, *x))
                dY = value->get_d();
        m_Marks.push_back({EPlotMark::Crossing, root.m_dRe, dY,
                           LetterLabel(m_cLetter, root.m_strDisplay, root.m_bExact)});
    }
    for (const SDivisorZero& zero : zeros)
        m_Verticals.push_back({zero.m_dX, std::string(1, m_cLetter) +
                                              (zero.m_bExact ? " ≠ " : " ") + zero.m_strDisplay});
}
