// SPDX-License-Identifier: GPL-3.0-or-later
#include "solve/PolynomialRoots.h"

#include "solve/FlintAdapter.h"
#include "solve/SolveNarrative.h"

#include <cmath>
#include <limits>

namespace
{
std::string Bracketed(const mpz_class& value)
{
    return sgn(value) < 0 ? "(" + value.get_str() + ")" : value.get_str();
}

bool IsIrreducibleQuadratic(const std::vector<mpz_class>& poly)
{
    const mpz_class disc = poly[1] * poly[1] - 4 * poly[2] * poly[0];
    return mpz_perfect_square_p(disc.get_mpz_t()) == 0;
}

bool IsLinear(const CIntegerFactor& factor)
{
    return factor.m_Coefficients.size() == 2;
}

// this / (q x + p) for a factor known to divide it.
std::vector<mpz_class> DivideByLinear(const std::vector<mpz_class>& poly,
                                      const std::vector<mpz_class>& linear)
{
    std::vector<mpz_class> rest = poly;
    std::vector<mpz_class> quotient(poly.size() - 1);
    for (std::size_t i = poly.size() - 1; i >= 1; --i)
    {
        const mpz_class term = rest[i] / linear[1];
        quotient[i - 1] = term;
        rest[i - 1] -= term * linear[0];
    }
    return quotient;
}

mpq_class LinearRoot(const CIntegerFactor& factor)
{
    mpq_class root(-factor.m_Coefficients[0], factor.m_Coefficients[1]);
    root.canonicalize();
    return root;
}

// "±√2", "(1 ± √3)/2", "±i": the two surds at once.
std::string PlusMinusForm(const CSurd& surd)
{
    const mpz_class magnitude = abs(surd.m_D);
    const mpz_class coefficient = abs(surd.m_B);
    std::string strRoot = coefficient == 1 ? "" : coefficient.get_str();
    if (sgn(surd.m_D) < 0)
        strRoot += "i";
    if (magnitude != 1)
        strRoot += "√" + magnitude.get_str();
    const std::string strTop = surd.m_A == 0 ? "±" + strRoot : surd.m_A.get_str() + " ± " + strRoot;
    if (surd.m_C == 1)
        return strTop;
    return surd.m_A == 0 ? strTop + "/" + surd.m_C.get_str()
                         : "(" + strTop + ")/" + surd.m_C.get_str();
}

std::string SquareRootText(const mpz_class& square, const mpz_class& rest)
{
    std::string strText = square == 1 ? "" : square.get_str();
    if (sgn(rest) < 0)
        strText += "i";
    if (abs(rest) != 1)
        strText += "√" + mpz_class(abs(rest)).get_str();
    return strText.empty() ? "1" : strText;
}
} // namespace

CPolynomial PolynomialOf(const std::vector<mpz_class>& coefficients, char cLetter)
{
    CPolynomial poly;
    for (std::size_t i = 0; i < coefficients.size(); ++i)
        if (coefficients[i] != 0)
        {
            CMonomial monomial;
            if (i > 0)
                monomial.emplace_back(cLetter, static_cast<int>(i));
            poly.m_Terms[monomial] = coefficients[i];
        }
    return poly;
}

std::string CoefficientsDisplay(const std::vector<mpz_class>& poly, char cLetter)
{
    std::string strText;
    for (std::size_t i = poly.size(); i-- > 0;)
    {
        const mpz_class& coefficient = poly[i];
        const int nSign = sgn(coefficient);
        if (nSign == 0)
            continue;
        if (nSign < 0)
            strText += '-';
        else if (!strText.empty())
            strText += '+';
        if (i == 0 || (coefficient != 1 && coefficient != -1))
            strText += nSign < 0 ? mpz_class(-coefficient).get_str() : coefficient.get_str();
        if (i > 0)
            strText += cLetter;
        if (i > 1)
            strText += "^" + std::to_string(i);
    }
    return strText.empty() ? "0" : strText;
}

std::string CPolynomialRoots::Display(const std::vector<mpz_class>& poly) const
{
    return CoefficientsDisplay(poly, m_cLetter);
}

std::string CPolynomialRoots::FactorDisplay(const std::vector<mpz_class>& poly,
                                            int nMultiplicity) const
{
    return "(" + Display(poly) + ")" +
           (nMultiplicity > 1 ? "^" + std::to_string(nMultiplicity) : "");
}

bool CPolynomialRoots::PastDeadline()
{
    if (std::chrono::steady_clock::now() > m_Deadline)
        m_bTimedOut = true;
    return m_bTimedOut;
}

std::vector<CFoundRoot> CPolynomialRoots::Solve(std::vector<mpz_class> poly)
{
    while (poly.size() > 1 && poly.back() == 0)
        poly.pop_back();
    std::vector<CFoundRoot> roots;
    if (poly.size() < 2)
        return roots;
    m_strFactored.clear();
    m_nLetterPower = 0;
    // A quadratic whose discriminant is not a square has no rational root: the formula alone.
    const bool bSingleQuadratic = poly.size() == 3 && poly[0] != 0 && IsIrreducibleQuadratic(poly);
    if (m_pNarrative && !bSingleQuadratic)
        m_pNarrative->Factoring(Display(poly));
    TakeOutLetter(poly, roots);
    if (poly.size() < 2)
    {
        if (m_pNarrative)
            m_pNarrative->FactorRoot(m_strLetterPart, m_cLetter, "0", m_nLetterPower);
        return roots;
    }
    TakeOutNumber(poly);
    CIntegerFactorization factors;
    if (bSingleQuadratic)
        factors.m_Factors.push_back({poly, 1});
    else
        factors = FactorOverIntegers(poly);
    if (PastDeadline())
        return {};
    RationalRoots(poly, factors);
    int nFactors = m_nLetterPower;
    std::string strProduct;
    for (const CIntegerFactor& factor : factors.m_Factors)
    {
        nFactors += factor.m_nMultiplicity;
        strProduct += FactorDisplay(factor.m_Coefficients, factor.m_nMultiplicity);
    }
    if (m_pNarrative && nFactors > 1)
        m_pNarrative->Product(m_strFactored + strProduct + " = 0");
    if (m_pNarrative && m_nLetterPower > 0)
        m_pNarrative->FactorRoot(m_strLetterPart, m_cLetter, "0", m_nLetterPower);
    for (const CIntegerFactor& factor : factors.m_Factors)
    {
        if (PastDeadline())
            return {};
        FactorRoots(factor, roots);
    }
    return roots;
}

void CPolynomialRoots::TakeOutLetter(std::vector<mpz_class>& poly, std::vector<CFoundRoot>& roots)
{
    std::size_t nLowest = 0;
    while (poly[nLowest] == 0)
        ++nLowest;
    if (nLowest == 0)
        return;
    poly.erase(poly.begin(), poly.begin() + static_cast<std::ptrdiff_t>(nLowest));
    const int nPower = static_cast<int>(nLowest);
    std::vector<mpz_class> monomial(nLowest + 1);
    monomial[nLowest] = 1;
    m_strFactored = Display(monomial);
    if (m_pNarrative && poly.size() > 1)
        m_pNarrative->CommonLetter(m_strFactored, m_strFactored + "(" + Display(poly) + ") = 0");
    CFoundRoot zero;
    zero.m_nKind = CFoundRoot::kRational;
    zero.m_Rational = 0;
    zero.m_Root = RationalRoot(0, m_bDecimal);
    zero.m_Root.m_nMultiplicity = nPower;
    m_nLetterPower = nPower;
    m_strLetterPart = m_strFactored;
    roots.push_back(zero);
}

void CPolynomialRoots::TakeOutNumber(std::vector<mpz_class>& poly)
{
    mpz_class content = 0;
    for (const mpz_class& c : poly)
        content = gcd(content, c);
    if (sgn(poly.back()) < 0)
        content = -content;
    if (content == 1)
        return;
    for (mpz_class& c : poly)
        c /= content;
    const std::string strNumber = content == -1 ? "-" : content.get_str();
    m_strFactored = strNumber + m_strFactored;
    if (m_pNarrative)
        m_pNarrative->CommonNumber(content.get_str(),
                                   m_strFactored + "(" + Display(poly) + ") = 0");
}

void CPolynomialRoots::RationalRoots(const std::vector<mpz_class>& poly,
                                     const CIntegerFactorization& factors)
{
    bool bLinear = false;
    int nOthers = 0;
    for (const CIntegerFactor& factor : factors.m_Factors)
    {
        if (IsLinear(factor))
            bLinear = true;
        else
            nOthers += factor.m_nMultiplicity;
    }
    if (!m_pNarrative || poly.size() < 3 || (!bLinear && poly.size() == 3))
        return;
    m_pNarrative->RationalRootTest(Display(poly), mpz_class(abs(poly.front())).get_str(),
                                   mpz_class(abs(poly.back())).get_str());
    std::vector<mpz_class> current = poly;
    for (const CIntegerFactor& factor : factors.m_Factors)
    {
        if (!IsLinear(factor))
            continue;
        for (int i = 0; i < factor.m_nMultiplicity && current.size() > 2; ++i)
        {
            const std::string strFactor = FactorDisplay(factor.m_Coefficients, 1);
            m_pNarrative->RootFound(m_cLetter, RationalDisplay(LinearRoot(factor)), strFactor);
            const std::vector<mpz_class> quotient = DivideByLinear(current, factor.m_Coefficients);
            m_pNarrative->Divided(Display(current), strFactor, Display(quotient));
            current = quotient;
        }
    }
    if (current.size() > 3 || (!bLinear && current.size() > 2))
        m_pNarrative->NoRationalRoot(Display(current));
    if (nOthers > 1)
    {
        std::string strProduct;
        for (const CIntegerFactor& factor : factors.m_Factors)
            if (!IsLinear(factor))
                strProduct += FactorDisplay(factor.m_Coefficients, factor.m_nMultiplicity);
        m_pNarrative->FactorsAre(Display(current), strProduct);
    }
}

void CPolynomialRoots::FactorRoots(const CIntegerFactor& factor, std::vector<CFoundRoot>& roots)
{
    if (IsLinear(factor))
    {
        CFoundRoot found;
        found.m_nKind = CFoundRoot::kRational;
        found.m_Rational = LinearRoot(factor);
        found.m_Root = RationalRoot(found.m_Rational, m_bDecimal);
        found.m_Root.m_nMultiplicity = factor.m_nMultiplicity;
        if (m_pNarrative)
            m_pNarrative->FactorRoot(FactorDisplay(factor.m_Coefficients, factor.m_nMultiplicity),
                                     m_cLetter, found.m_Root.m_strDisplay, factor.m_nMultiplicity);
        roots.push_back(found);
    }
    else if (factor.m_Coefficients.size() == 3)
        QuadraticRoots(factor, roots);
    else
        NumericRoots(factor, roots);
}

void CPolynomialRoots::QuadraticRoots(const CIntegerFactor& factor, std::vector<CFoundRoot>& roots)
{
    const mpz_class& c = factor.m_Coefficients[0];
    const mpz_class& b = factor.m_Coefficients[1];
    const mpz_class& a = factor.m_Coefficients[2];
    const mpz_class disc = b * b - 4 * a * c;
    CSurd plus;
    CSurd minus;
    mpz_class square;
    mpz_class rest;
    SimplifiedSurds(a, b, disc, plus, minus, square, rest);
    const int nMultiplicity = factor.m_nMultiplicity;
    if (m_pNarrative)
    {
        const std::string strFactor = FactorDisplay(factor.m_Coefficients, nMultiplicity);
        m_pNarrative->QuadraticFormula(strFactor, m_cLetter, a.get_str(), b.get_str(), c.get_str());
        const std::string strRoot =
            "√(" + Bracketed(b) + "^2 - 4·" + Bracketed(a) + "·" + Bracketed(c) + ")";
        const std::string strMinusB = b == 0 ? "" : "-" + Bracketed(b) + " ";
        m_pNarrative->FormulaPutIn(m_cLetter,
                                   "(" + strMinusB + "± " + strRoot + ")/(2·" + Bracketed(a) + ")");
        m_pNarrative->Discriminant(Bracketed(b) + "^2 - 4·" + Bracketed(a) + "·" + Bracketed(c),
                                   disc.get_str());
        if (sgn(disc) < 0)
            m_pNarrative->NoRealSolution(strFactor);
        const std::string strSimplified = SquareRootText(square, rest);
        if (square != 1 || sgn(disc) < 0)
            m_pNarrative->SurdSimplified("√" + disc.get_str(), strSimplified);
        const std::string strRaw = b == 0 ? "±" + strSimplified + "/" + mpz_class(2 * a).get_str()
                                          : "(" + mpz_class(-b).get_str() + " ± " + strSimplified +
                                                ")/" + mpz_class(2 * a).get_str();
        const std::string strFinal = PlusMinusForm(plus);
        if (strRaw != strFinal)
            m_pNarrative->SurdSimplified(strRaw, strFinal);
    }
    CFoundRoot first;
    first.m_nKind = CFoundRoot::kSurd;
    first.m_Surd = plus;
    first.m_Root = SurdRoot(plus);
    first.m_Root.m_nMultiplicity = nMultiplicity;
    CFoundRoot second = first;
    second.m_Surd = minus;
    second.m_Root = SurdRoot(minus);
    second.m_Root.m_nMultiplicity = nMultiplicity;
    if (m_pNarrative)
        m_pNarrative->FormulaRoots(m_cLetter, first.m_Root.m_strDisplay, second.m_Root.m_strDisplay,
                                   nMultiplicity);
    roots.push_back(first);
    roots.push_back(second);
}

void CPolynomialRoots::NumericRoots(const CIntegerFactor& factor, std::vector<CFoundRoot>& roots)
{
    if (m_pNarrative)
        m_pNarrative->Numeric(FactorDisplay(factor.m_Coefficients, factor.m_nMultiplicity),
                              kDigits);
    std::vector<std::string> real;
    std::vector<std::string> complex;
    for (const CCertifiedRoot& certified : CertifiedRoots(factor.m_Coefficients, kDigits))
    {
        CFoundRoot found;
        found.m_nKind = CFoundRoot::kNumeric;
        found.m_Root = NumericRoot(certified);
        found.m_Root.m_nMultiplicity = factor.m_nMultiplicity;
        const std::string strValue = found.m_Root.m_strDisplay.substr(std::string("≈ ").size());
        (certified.m_strIm.empty() ? real : complex).push_back(strValue);
        roots.push_back(found);
    }
    if (m_pNarrative)
        m_pNarrative->NumericRoots(m_cLetter, real, complex, factor.m_nMultiplicity);
}

namespace
{
constexpr auto kDisplay = CPolynomial::EForm::Display;
constexpr auto kLine = CPolynomial::EForm::Line;

// A polynomial in a quotient's place needs brackets when it has more than one term.
std::string Grouped(const CPolynomial& poly)
{
    const std::string strText = poly.Written(kLine);
    return poly.m_Terms.size() > 1 ? "(" + strText + ")" : strText;
}

// The leading written term is negative.
bool LeadsNegative(const CPolynomial& poly)
{
    const std::string strText = poly.ToText();
    return !strText.empty() && strText[0] == '-';
}

CRoot ExpressionRoot(const std::string& strDisplay, const std::string& strLatex)
{
    CRoot root;
    root.m_bExact = true;
    root.m_strDisplay = strDisplay;
    root.m_strLatex = strLatex;
    root.m_dRe = std::numeric_limits<double>::quiet_NaN();
    root.m_dIm = 0;
    return root;
}
} // namespace

std::vector<CRoot> CParametricRoots::Linear(const CPolynomial& poly)
{
    const std::string strLetter(1, m_cLetter);
    CPolynomial coefficient = poly.CoefficientOf(m_cLetter, 1);
    CPolynomial rest = poly.CoefficientOf(m_cLetter, 0);
    m_Narrative.LinearWithParameters(poly.Written(kDisplay, m_cLetter) + " = 0", m_cLetter);
    const CPolynomial term = coefficient * CPolynomial::Letter(m_cLetter);
    CPolynomial other = rest.Negated();
    if (!rest.IsZero())
        m_Narrative.MoveConstant(term.Written(kDisplay, m_cLetter) + " = " + other.ToDisplay());
    if (coefficient.IsConstant())
    {
        CPolynomial value = other;
        value *= 1 / coefficient.ConstantValue();
        const std::string strValue = value.Written(kLine);
        if (coefficient.ConstantValue() != 1)
            m_Narrative.DivideBoth(coefficient.ToDisplay(), strLetter + " = " + strValue);
        m_Narrative.ParametersNotChecked(m_cLetter);
        return {ExpressionRoot(strValue, value.ToLatex())};
    }
    if (LeadsNegative(coefficient))
    {
        coefficient = coefficient.Negated();
        other = other.Negated();
    }
    const std::string strValue = Grouped(other) + "/" + Grouped(coefficient);
    const std::string strLatex = "\\frac{" + other.ToLatex() + "}{" + coefficient.ToLatex() + "}";
    m_Narrative.DivideBothWhen(coefficient.ToDisplay(), strLetter + " = " + strValue);
    m_Narrative.WhenZero(coefficient.ToDisplay(), rest.ToDisplay(), m_cLetter);
    m_Narrative.ParametersNotChecked(m_cLetter);
    m_strCondition = coefficient.ToDisplay();
    m_strConditionLatex = coefficient.ToLatex();
    return {ExpressionRoot(strValue, strLatex)};
}

std::vector<CRoot> CParametricRoots::Quadratic(const CPolynomial& poly)
{
    const CPolynomial a = poly.CoefficientOf(m_cLetter, 2);
    const CPolynomial b = poly.CoefficientOf(m_cLetter, 1);
    const CPolynomial c = poly.CoefficientOf(m_cLetter, 0);
    CPolynomial disc = b * b;
    CPolynomial fourAC = a * c;
    fourAC *= 4;
    disc -= fourAC;
    CPolynomial twoA = a;
    twoA *= 2;
    m_Narrative.QuadraticFormula(poly.Written(kDisplay, m_cLetter), m_cLetter, a.ToDisplay(),
                                 b.ToDisplay(), c.ToDisplay());
    m_Narrative.Discriminant("(" + b.ToDisplay() + ")^2 - 4·" + Grouped(a) + "·" + Grouped(c),
                             disc.ToDisplay());
    const std::string strMinusB = b.IsZero() ? "" : b.Negated().Written(kLine);
    const std::string strRoot = "√(" + disc.Written(kLine) + ")";
    const std::string strLatexRoot = "\\sqrt{" + disc.ToLatex() + "}";
    auto make = [&](const char* pSign, const char* pLatexSign)
    {
        const std::string strTop = strMinusB.empty()
                                       ? (std::string(pSign) == " - " ? "-" : "") + strRoot
                                       : strMinusB + pSign + strRoot;
        const std::string strLatexTop =
            strMinusB.empty() ? (std::string(pSign) == " - " ? "-" : "") + strLatexRoot
                              : b.Negated().ToLatex() + pLatexSign + strLatexRoot;
        return ExpressionRoot("(" + strTop + ")/" + Grouped(twoA),
                              "\\frac{" + strLatexTop + "}{" + twoA.ToLatex() + "}");
    };
    std::vector<CRoot> roots = {make(" + ", " + "), make(" - ", " - ")};
    m_Narrative.FormulaRoots(m_cLetter, roots[0].m_strDisplay, roots[1].m_strDisplay, 1);
    if (!a.IsConstant())
    {
        m_strCondition = a.ToDisplay();
        m_strConditionLatex = a.ToLatex();
    }
    return roots;
}
