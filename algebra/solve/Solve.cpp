// SPDX-License-Identifier: GPL-3.0-or-later
#include "solve/Solve.h"

#include "core/AlgebraError.h"
#include "driver/Construction.h"
#include "driver/Equation.h"
#include "driver/Explanation.h"
#include "solve/Factored.h"
#include "solve/Polynomial.h"
#include "solve/PolynomialRoots.h"
#include "solve/RootCheck.h"
#include "solve/SolveFormula.h"
#include "solve/SolveNarrative.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <limits>
#include <new>

namespace
{
std::string JoinRoots(const std::vector<CRoot>& roots, char cLetter)
{
    std::string strLine;
    for (const CRoot& root : roots)
    {
        if (!strLine.empty())
            strLine += " or ";
        strLine += std::string(1, cLetter) + (root.m_bExact ? " = " : " ") + root.m_strDisplay +
                   CSolveNarrative::MultiplicityWords(root.m_nMultiplicity);
    }
    return strLine;
}

// The answer as the narrative writes it: like JoinRoots, each "x = value" a formula.
std::string JoinRootFormulas(const std::vector<CRoot>& roots, char cLetter)
{
    std::string strLine;
    for (const CRoot& root : roots)
    {
        if (!strLine.empty())
            strLine += " or ";
        AppendFormula(strLine, LetterIs(cLetter, RootFormula(root), root.m_bExact ? " = " : " "));
        strLine += CSolveNarrative::MultiplicityWords(root.m_nMultiplicity);
    }
    return strLine;
}

std::string JoinLatex(const std::vector<CRoot>& roots, char cLetter)
{
    std::string strLine;
    for (const CRoot& root : roots)
    {
        if (!strLine.empty())
            strLine += " \\text{ or } ";
        strLine += std::string(1, cLetter) + (root.m_bExact ? " = " : " ") + root.m_strLatex;
        const std::string strWords = CSolveNarrative::MultiplicityWords(root.m_nMultiplicity);
        if (!strWords.empty())
            strLine += "\\text{" + strWords + "}";
    }
    return strLine;
}

std::string JoinValues(const std::vector<CRoot>& roots)
{
    std::string strText;
    for (std::size_t i = 0; i < roots.size(); ++i)
        strText += (i == 0 ? "" : i + 1 == roots.size() ? " and " : ", ") + roots[i].m_strDisplay;
    return strText;
}

bool IsReal(const CRoot& root)
{
    return root.m_dIm == 0;
}

// The whole-number polynomial in the letter of a polynomial in it alone: the denominators
// cleared, the sign kept.
std::vector<mpz_class> WholeCoefficients(const CPolynomial& poly, char cLetter, mpz_class& scale)
{
    const std::vector<CPolynomial> coefficients = poly.CoefficientsIn(cLetter);
    scale = 1;
    for (const CPolynomial& c : coefficients)
        scale = lcm(scale, mpq_class(c.ConstantValue()).get_den());
    std::vector<mpz_class> result;
    for (const CPolynomial& c : coefficients)
    {
        const mpq_class value = c.ConstantValue() * scale;
        result.push_back(value.get_num());
    }
    return result;
}

// The time past which the solver gives up rather than keeping the window waiting.
constexpr auto kTimeBound = std::chrono::seconds(5);

class CEquationSolver
{
public:
    CEquationSolver(const std::string& strTyped, CSolution& solution)
        : m_strTyped(strTyped), m_Solution(solution), m_Narrative(solution.m_strNarrative),
          m_Start(std::chrono::steady_clock::now())
    {
    }

    void Solve(const CExpression& result)
    {
        const char cLetter = m_Solution.m_cLetter;
        m_Narrative.Opening(Formula(result, false), cLetter);
        ReadTyped();
        FindExcluded();
        CTermReader reader;
        const CRationalFunction function = reader.ReadEquation(result);
        m_bDecimal = m_bDecimal || reader.m_bDecimal;
        if (!function.m_Bottom.IsConstant())
            m_Narrative.TopOnly(function.m_Top.Formula(CPolynomial::EForm::Display));
        const CPolynomial& poly = function.m_Top;
        if (!poly.HasLetter(cLetter))
            return NoLetter(poly);
        if (poly.Degree(cLetter) > CTermReader::kMaxDegree)
            return Cannot("its degree in " + std::string(1, cLetter) + " is more than " +
                          std::to_string(CTermReader::kMaxDegree));
        if (poly.LargestDigits() > CTermReader::kMaxDigits)
            return Cannot("its numbers have more than " + std::to_string(CTermReader::kMaxDigits) +
                          " digits");
        if (poly.Letters().size() > 1)
            return SolveWithParameters(poly);
        SolveOneLetter(poly);
    }

private:
    void ReadTyped()
    {
        m_pTyped = ConstructFromText(m_strTyped);
        CTermReader reader;
        m_Sides.m_Left = reader.ReadExpression(*m_pTyped);
        if (m_pTyped->GetKind() == CExpression::kKindEquation)
        {
            const auto& equation = static_cast<const CEquation&>(*m_pTyped);
            if (equation.m_pRightSide)
                m_Sides.m_Right = reader.ReadExpression(*equation.m_pRightSide);
        }
        m_bDecimal = reader.m_bDecimal;
        for (std::size_t i = 0; i < reader.m_Divisors.size(); ++i)
        {
            const bool bSeen = std::find(m_Sides.m_Divisors.begin(), m_Sides.m_Divisors.end(),
                                         reader.m_Divisors[i]) != m_Sides.m_Divisors.end();
            if (bSeen)
                continue;
            m_Sides.m_Divisors.push_back(reader.m_Divisors[i]);
            m_Sides.m_DivisorForms.push_back(reader.m_DivisorForms[i]);
        }
    }

    void FindExcluded()
    {
        const char cLetter = m_Solution.m_cLetter;
        for (std::size_t i = 0; i < m_Sides.m_Divisors.size(); ++i)
        {
            const CPolynomial& divisor = m_Sides.m_Divisors[i];
            const CFormula& divisorForm = m_Sides.m_DivisorForms[i];
            if (!divisor.HasLetter(cLetter))
                continue;
            if (divisor.Letters().size() > 1 || divisor.Degree(cLetter) > CTermReader::kMaxDegree ||
                divisor.LargestDigits() > CTermReader::kMaxDigits)
            {
                m_Narrative.DivisorWithParameters(divisorForm, cLetter);
                continue;
            }
            mpz_class scale;
            CPolynomialRoots finder(cLetter, m_bDecimal, nullptr);
            bool bAny = false;
            for (const CFoundRoot& found : finder.Solve(WholeCoefficients(divisor, cLetter, scale)))
            {
                if (!IsReal(found.m_Root))
                    continue;
                bAny = true;
                m_Narrative.ExcludedValue(divisorForm,
                                          LetterIs(cLetter, RootFormula(found.m_Root)));
                AddExcluded(found.m_Root);
            }
            if (!bAny)
                m_Narrative.DivisorNeverZero(divisorForm);
        }
    }

    void AddExcluded(CRoot root)
    {
        root.m_nMultiplicity = 1;
        for (const CRoot& known : m_Solution.m_Excluded)
            if (known.m_strDisplay == root.m_strDisplay)
                return;
        m_Solution.m_Excluded.push_back(std::move(root));
    }

    void NoLetter(const CPolynomial& poly)
    {
        const char cLetter = m_Solution.m_cLetter;
        if (poly.IsZero())
        {
            m_Narrative.EveryValue(cLetter);
            m_Solution.m_eKind = ESolutionKind::Every;
            m_Solution.m_Except = m_Solution.m_Excluded;
            m_Solution.m_strLine =
                CSolveNarrative::EveryLine(cLetter, JoinValues(m_Solution.m_Except));
        }
        else if (poly.IsConstant())
        {
            m_Narrative.NoValue(poly.Formula(CPolynomial::EForm::Display), cLetter);
            m_Solution.m_eKind = ESolutionKind::None;
            m_Solution.m_strLine = CSolveNarrative::NoneLine();
        }
        else
        {
            m_Narrative.NoLetterLeft(cLetter, poly.Formula(CPolynomial::EForm::Display));
            return Cannot(std::string(1, cLetter) + " is no longer in it once it is simplified");
        }
        m_Solution.m_strLatexLine = "\\text{" + m_Solution.m_strLine + "}";
        m_Narrative.Answer(m_Solution.m_strLine);
    }

    void Cannot(const std::string& strReason)
    {
        const char cLetter = m_Solution.m_cLetter;
        m_Solution.m_eKind = ESolutionKind::Unsolved;
        m_Solution.m_strReason = strReason;
        m_Solution.m_Roots.clear();
        m_Solution.m_strLine = CSolveNarrative::CannotLine(cLetter) + ": " + strReason;
        m_Solution.m_strLatexLine = "\\text{" + m_Solution.m_strLine + "}";
        m_Narrative.Cannot(cLetter, strReason);
    }

    void SolveOneLetter(const CPolynomial& poly)
    {
        const char cLetter = m_Solution.m_cLetter;
        mpz_class scale;
        std::vector<mpz_class> whole = WholeCoefficients(poly, cLetter, scale);
        CPolynomialRoots finder(cLetter, m_bDecimal, &m_Narrative);
        finder.SetDeadline(m_Start + kTimeBound);
        std::vector<CFoundRoot> found;
        if (whole.size() == 2)
            found.push_back(SolveLinear(poly));
        else
        {
            if (scale != 1)
                m_Narrative.ClearFractions(
                    Same(scale.get_str()),
                    Chained(FromWhole(whole, cLetter).Formula(CPolynomial::EForm::Display),
                            " = 0"));
            found = finder.Solve(whole);
        }
        if (finder.TimedOut())
            return Cannot("it took longer than " + std::to_string(kTimeBound.count()) + " seconds");
        CheckRoots(found);
        Conclude();
    }

    static CPolynomial FromWhole(const std::vector<mpz_class>& coefficients, char cLetter)
    {
        CPolynomial poly;
        for (std::size_t i = 0; i < coefficients.size(); ++i)
        {
            CPolynomial term = CPolynomial::Constant(mpq_class(coefficients[i]));
            term = term * CPolynomial::Letter(cLetter).Power(static_cast<int>(i));
            poly += term;
        }
        return poly;
    }

    CFoundRoot SolveLinear(const CPolynomial& poly)
    {
        const char cLetter = m_Solution.m_cLetter;
        const std::string strLetter(1, cLetter);
        const mpq_class a = poly.CoefficientOf(cLetter, 1).ConstantValue();
        const mpq_class b = poly.CoefficientOf(cLetter, 0).ConstantValue();
        const auto eForm = m_bDecimal ? CPolynomial::EForm::Decimal : CPolynomial::EForm::Display;
        m_Narrative.Linear(Chained(poly.Formula(eForm), " = 0"), cLetter);
        CPolynomial left = CPolynomial::Letter(cLetter);
        left *= a;
        if (b != 0)
            m_Narrative.MoveConstant(
                Chained(left.Formula(eForm), " = ", CPolynomial::Constant(-b).Formula(eForm)));
        const mpq_class value = -b / a;
        CFoundRoot found;
        found.m_nKind = CFoundRoot::kRational;
        found.m_Rational = value;
        found.m_Root = RationalRoot(value, m_bDecimal);
        if (a != 1)
            m_Narrative.DivideBoth(CPolynomial::Constant(a).Formula(eForm),
                                   LetterIs(cLetter, RootFormula(found.m_Root)));
        return found;
    }

    void CheckRoots(const std::vector<CFoundRoot>& found)
    {
        CRootCheck check(m_Sides, m_Solution.m_cLetter, m_bDecimal, m_Narrative);
        for (const CFoundRoot& root : found)
            if (check.Accepts(root))
                m_Solution.m_Roots.push_back(root.m_Root);
    }

    void Conclude()
    {
        const char cLetter = m_Solution.m_cLetter;
        if (m_Solution.m_Roots.empty())
        {
            m_Solution.m_eKind = ESolutionKind::None;
            m_Solution.m_strLine = CSolveNarrative::NoneLine();
            m_Solution.m_strLatexLine = "\\text{" + m_Solution.m_strLine + "}";
        }
        else
        {
            m_Solution.m_eKind = ESolutionKind::Roots;
            m_Solution.m_strLine = JoinRoots(m_Solution.m_Roots, cLetter);
            m_Solution.m_strLatexLine = JoinLatex(m_Solution.m_Roots, cLetter);
            if (std::none_of(m_Solution.m_Roots.begin(), m_Solution.m_Roots.end(), IsReal))
            {
                m_Solution.m_strLine = CSolveNarrative::NoRealWords() + ": " + m_Solution.m_strLine;
                m_Solution.m_strLatexLine =
                    "\\text{" + CSolveNarrative::NoRealWords() + ": } " + m_Solution.m_strLatexLine;
            }
        }
        if (!MarkingFormulas() || m_Solution.m_Roots.empty())
            return m_Narrative.Answer(m_Solution.m_strLine);
        const bool bNoneReal =
            std::none_of(m_Solution.m_Roots.begin(), m_Solution.m_Roots.end(), IsReal);
        m_Solution.m_strMarkedLine = (bNoneReal ? CSolveNarrative::NoRealWords() + ": " : "") +
                                     JoinRootFormulas(m_Solution.m_Roots, cLetter);
        m_Narrative.Answer(m_Solution.m_strMarkedLine);
    }

    void SolveWithParameters(const CPolynomial& poly)
    {
        const char cLetter = m_Solution.m_cLetter;
        const int nDegree = poly.Degree(cLetter);
        if (nDegree > 2)
            return Cannot("it is of degree " + std::to_string(nDegree) + " in " +
                          std::string(1, cLetter) + " and its coefficients hold other letters");
        CParametricRoots parametric(cLetter, m_Narrative);
        m_Solution.m_Roots = nDegree == 1 ? parametric.Linear(poly) : parametric.Quadratic(poly);
        m_Solution.m_eKind = ESolutionKind::Roots;
        m_Solution.m_strLine = JoinRoots(m_Solution.m_Roots, cLetter);
        m_Solution.m_strLatexLine = JoinLatex(m_Solution.m_Roots, cLetter);
        if (!parametric.Condition().empty())
        {
            m_Solution.m_strLine += " when " + parametric.Condition() + " is not 0";
            m_Solution.m_strLatexLine +=
                "\\text{ when } " + parametric.ConditionLatex() + " \\neq 0";
        }
        if (!MarkingFormulas())
            return m_Narrative.Answer(m_Solution.m_strLine);
        std::string& strMarked = m_Solution.m_strMarkedLine;
        strMarked = JoinRootFormulas(m_Solution.m_Roots, cLetter);
        if (!parametric.Condition().empty())
        {
            strMarked += " when ";
            AppendFormula(strMarked, parametric.ConditionForm());
            strMarked += " is not 0";
        }
        m_Narrative.Answer(strMarked);
    }

    const std::string& m_strTyped;
    CSolution& m_Solution;
    CSolveNarrative m_Narrative;
    std::chrono::steady_clock::time_point m_Start;
    std::unique_ptr<CExpression> m_pTyped;
    CTypedSides m_Sides;
    bool m_bDecimal = false;
};

void Unsolved(CSolution& solution, const std::string& strReason)
{
    solution.m_eKind = ESolutionKind::Unsolved;
    solution.m_strReason = strReason;
    solution.m_Roots.clear();
    solution.m_strLine = CSolveNarrative::CannotLine(solution.m_cLetter) + ": " + strReason;
    solution.m_strLatexLine = "\\text{" + solution.m_strLine + "}";
    CSolveNarrative(solution.m_strNarrative).Cannot(solution.m_cLetter, strReason);
}

bool IsEquationText(const std::string& strText)
{
    return strText.find('=') != std::string::npos;
}
} // namespace

std::vector<char> LettersOfText(const std::string& strText)
{
    std::vector<char> letters;
    for (char c : strText)
        if (std::isalpha(static_cast<unsigned char>(c)) &&
            std::find(letters.begin(), letters.end(), c) == letters.end())
            letters.push_back(c);
    std::sort(letters.begin(), letters.end());
    return letters;
}

char DefaultLetter(const std::vector<char>& letters)
{
    if (std::find(letters.begin(), letters.end(), 'x') != letters.end())
        return 'x';
    return letters.empty() ? 0 : letters.front();
}

CSolution SolveSimplified(const std::string& strTyped, const CExpression& result, char cLetter)
{
    CSolution solution;
    solution.m_Letters = LettersOfText(strTyped);
    solution.m_bEquation = IsEquationText(strTyped);
    solution.m_cLetter = cLetter != 0 ? cLetter : DefaultLetter(solution.m_Letters);
    if (!solution.m_bEquation)
    {
        solution.m_eKind = ESolutionKind::Unsolved;
        FactorExpression(result, solution);
        return solution;
    }
    if (solution.m_cLetter == 0)
        solution.m_cLetter = 'x';
    const std::vector<char>& letters = solution.m_Letters;
    if (cLetter != 0 && std::find(letters.begin(), letters.end(), cLetter) == letters.end())
    {
        Unsolved(solution, std::string(1, cLetter) + " is not a letter of the equation");
        return solution;
    }
    try
    {
        CEquationSolver(strTyped, solution).Solve(result);
    }
    catch (const CNotPolynomial& error)
    {
        Unsolved(solution, error.what());
    }
    catch (const CAlgebraError& error)
    {
        Unsolved(solution, std::string("the engine stopped with \"") + error.what() + "\"");
    }
    catch (const std::bad_alloc&)
    {
        Unsolved(solution, "there was not enough memory");
    }
    catch (const std::exception& error)
    {
        Unsolved(solution, std::string("of an internal error (") + error.what() + ")");
    }
    return solution;
}

CSolution SolveEquation(const std::string& strEquationText, char cLetter)
{
    std::unique_ptr<CExpression> pResult;
    try
    {
        CQuietNarrative quiet;
        const std::unique_ptr<CExpression> pRoot = ConstructFromText(strEquationText);
        pResult = pRoot->Simplify();
        if (pResult->GetDivisionState() == 2)
            if (std::unique_ptr<CExpression> pFurther = pResult->RemoveDivisions())
                pResult = std::move(pFurther);
    }
    catch (const std::exception& error)
    {
        g_strIndent.clear();
        CSolution solution;
        solution.m_Letters = LettersOfText(strEquationText);
        solution.m_cLetter = cLetter != 0 ? cLetter : DefaultLetter(solution.m_Letters);
        Unsolved(solution, std::string("the engine stopped with \"") + error.what() + "\"");
        return solution;
    }
    return SolveSimplified(strEquationText, *pResult, cLetter);
}

std::vector<CRoot> RealRootsOfPolynomial(const std::vector<std::string>& coefficients)
{
    std::vector<CRoot> roots;
    try
    {
        CPolynomial poly;
        bool bDecimal = false;
        for (std::size_t i = 0; i < coefficients.size(); ++i)
        {
            CPolynomial term = CPolynomial::Constant(ReadNumberText(coefficients[i], bDecimal));
            poly += term * CPolynomial::Letter('x').Power(static_cast<int>(i));
        }
        if (!poly.HasLetter('x') || poly.Degree('x') > CTermReader::kMaxDegree ||
            poly.LargestDigits() > CTermReader::kMaxDigits)
            return roots;
        mpz_class scale;
        CPolynomialRoots finder('x', false, nullptr);
        for (const CFoundRoot& found : finder.Solve(WholeCoefficients(poly, 'x', scale)))
            if (IsReal(found.m_Root))
                roots.push_back(found.m_Root);
    }
    catch (const std::bad_alloc&)
    {
        roots.clear();
    }
    std::sort(roots.begin(), roots.end(),
              [](const CRoot& first, const CRoot& second) { return first.m_dRe < second.m_dRe; });
    return roots;
}
