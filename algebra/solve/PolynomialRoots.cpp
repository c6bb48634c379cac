// SPDX-License-Identifier: GPL-3.0-or-later
#include "solve/PolynomialRoots.h"

#include "solve/FlintAdapter.h"
#include "solve/SolveFormula.h"
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

// "√3", typeset "√{3}".
std::string RootOf(const std::string& strNumber, bool bTypeset)
{
    return bTypeset ? "√{" + strNumber + "}" : "√" + strNumber;
}

// A division top/bottom: the top bracketed when it is a sum; typeset, stacked.
std::string Over(const std::string& strTop, bool bSum, const std::string& strBottom, bool bTypeset)
{
    if (bTypeset)
        return "{" + strTop + "}/{" + strBottom + "}";
    return bSum ? "(" + strTop + ")/" + strBottom : strTop + "/" + strBottom;
}

// "±√2", "(1 ± √3)/2", "±i": the two surds at once.
std::string PlusMinusForm(const CSurd& surd, bool bTypeset)
{
    const mpz_class magnitude = abs(surd.m_D);
    const mpz_class coefficient = abs(surd.m_B);
    std::string strRoot = coefficient == 1 ? "" : coefficient.get_str();
    if (sgn(surd.m_D) < 0)
        strRoot += "i";
    if (magnitude != 1)
        strRoot += RootOf(magnitude.get_str(), bTypeset);
    if (surd.m_A == 0)
        return "±" + (surd.m_C == 1 ? strRoot : Over(strRoot, false, surd.m_C.get_str(), bTypeset));
    const std::string strTop = surd.m_A.get_str() + " ± " + strRoot;
    return surd.m_C == 1 ? strTop : Over(strTop, true, surd.m_C.get_str(), bTypeset);
}

std::string SquareRootText(const mpz_class& square, const mpz_class& rest, bool bTypeset)
{
    std::string strText = square == 1 ? "" : square.get_str();
    if (sgn(rest) < 0)
        strText += "i";
    if (abs(rest) != 1)
        strText += RootOf(mpz_class(abs(rest)).get_str(), bTypeset);
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

std::string CoefficientsDisplay(const std::vector<mpz_class>& poly, char cLetter, bool bTypeset)
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
            strText += "^" + std::to_string(i) + (bTypeset ? "!" : "");
    }
    return strText.empty() ? "0" : strText;
}

CFormula CPolynomialRoots::Display(const std::vector<mpz_class>& poly) const
{
    return BothForms([&](bool bTypeset) { return CoefficientsDisplay(poly, m_cLetter, bTypeset); });
}

CFormula CPolynomialRoots::FactorDisplay(const std::vector<mpz_class>& poly,
                                         int nMultiplicity) const
{
    if (nMultiplicity == 1)
        return Chained("(", Display(poly), ")");
    return Chained("(", Display(poly), ")^", Same(std::to_string(nMultiplicity)),
                   BothForms([](bool bTypeset) { return bTypeset ? "!" : ""; }));
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
    m_Factored = {};
    m_nLetterPower = 0;
    // A quadratic whose discriminant is not a square has no rational root: the formula alone.
    const bool bSingleQuadratic = poly.size() == 3 && poly[0] != 0 && IsIrreducibleQuadratic(poly);
    if (m_pNarrative && !bSingleQuadratic)
        m_pNarrative->Factoring(Display(poly));
    TakeOutLetter(poly, roots);
    if (poly.size() < 2)
    {
        if (m_pNarrative)
            m_pNarrative->FactorRoot(m_LetterPart, LetterIs(m_cLetter, Same("0")), m_nLetterPower);
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
    CFormula product;
    for (const CIntegerFactor& factor : factors.m_Factors)
    {
        nFactors += factor.m_nMultiplicity;
        if (m_pNarrative)
            AddToFormula(product, FactorDisplay(factor.m_Coefficients, factor.m_nMultiplicity));
    }
    if (m_pNarrative && nFactors > 1)
        m_pNarrative->Product(Chained(m_Factored, product, " = 0"));
    if (m_pNarrative && m_nLetterPower > 0)
        m_pNarrative->FactorRoot(m_LetterPart, LetterIs(m_cLetter, Same("0")), m_nLetterPower);
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
    m_Factored = Display(monomial);
    if (m_pNarrative && poly.size() > 1)
        m_pNarrative->CommonLetter(m_Factored, Chained(m_Factored, "(", Display(poly), ") = 0"));
    CFoundRoot zero;
    zero.m_nKind = CFoundRoot::kRational;
    zero.m_Rational = 0;
    zero.m_Root = RationalRoot(0, m_bDecimal);
    zero.m_Root.m_nMultiplicity = nPower;
    m_nLetterPower = nPower;
    m_LetterPart = m_Factored;
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
    m_Factored = Chained(Same(strNumber), m_Factored);
    if (m_pNarrative)
        m_pNarrative->CommonNumber(Same(content.get_str()),
                                   Chained(m_Factored, "(", Display(poly), ") = 0"));
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
    m_pNarrative->RationalRootTest(Display(poly), Same(mpz_class(abs(poly.front())).get_str()),
                                   Same(mpz_class(abs(poly.back())).get_str()));
    std::vector<mpz_class> current = poly;
    for (const CIntegerFactor& factor : factors.m_Factors)
    {
        if (!IsLinear(factor))
            continue;
        for (int i = 0; i < factor.m_nMultiplicity && current.size() > 2; ++i)
        {
            const CFormula strFactor = FactorDisplay(factor.m_Coefficients, 1);
            m_pNarrative->RootFound(LetterIs(m_cLetter, RationalFormula(LinearRoot(factor))),
                                    strFactor);
            const std::vector<mpz_class> quotient = DivideByLinear(current, factor.m_Coefficients);
            m_pNarrative->Divided(Display(current), strFactor, Display(quotient));
            current = quotient;
        }
    }
    if (current.size() > 3 || (!bLinear && current.size() > 2))
        m_pNarrative->NoRationalRoot(Display(current));
    if (nOthers > 1)
    {
        CFormula product;
        for (const CIntegerFactor& factor : factors.m_Factors)
            if (!IsLinear(factor))
                AddToFormula(product, FactorDisplay(factor.m_Coefficients, factor.m_nMultiplicity));
        m_pNarrative->FactorsAre(Display(current), product);
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
                                     LetterIs(m_cLetter, RootFormula(found.m_Root)),
                                     factor.m_nMultiplicity);
        roots.push_back(found);
    }
    else if (factor.m_Coefficients.size() == 3)
        QuadraticRoots(factor, roots);
    else
        NumericRoots(factor, roots);
}

// The quadratic formula worked: the numbers put in, the discriminant, the root simplified.
void CPolynomialRoots::NarrateFormula(const CIntegerFactor& factor, const mpz_class& disc,
                                      const CSurd& plus, const mpz_class& square,
                                      const mpz_class& rest)
{
    const mpz_class& c = factor.m_Coefficients[0];
    const mpz_class& b = factor.m_Coefficients[1];
    const mpz_class& a = factor.m_Coefficients[2];
    const CFormula strFactor = FactorDisplay(factor.m_Coefficients, factor.m_nMultiplicity);
    m_pNarrative->QuadraticFormula(strFactor, m_cLetter, Same(a.get_str()), Same(b.get_str()),
                                   Same(c.get_str()));
    const std::string strA = Bracketed(a);
    const std::string strB = Bracketed(b);
    const std::string strProduct = "·" + strA + "·" + Bracketed(c);
    const CFormula discriminant = BothForms(
        [&](bool bTypeset) { return strB + (bTypeset ? "^2!-4" : "^2 - 4") + strProduct; });
    const CFormula working = BothForms(
        [&](bool bTypeset)
        {
            const std::string& strDiscriminant =
                bTypeset ? discriminant.m_strText : discriminant.m_strDisplay;
            const std::string strRoot =
                bTypeset ? "√{" + strDiscriminant + "}" : "√(" + strDiscriminant + ")";
            const std::string strMinusB = b == 0 ? "" : "-" + strB + " ";
            return std::string(1, m_cLetter) + " = " +
                   Over(strMinusB + "± " + strRoot, true,
                        bTypeset ? "2·" + strA : "(2·" + strA + ")", bTypeset);
        });
    m_pNarrative->FormulaPutIn(working);
    m_pNarrative->Discriminant(Chained(discriminant, " = ", Same(disc.get_str())));
    if (sgn(disc) < 0)
        m_pNarrative->NoRealSolution(strFactor);
    const CFormula simplified =
        BothForms([&](bool bTypeset) { return SquareRootText(square, rest, bTypeset); });
    if (square != 1 || sgn(disc) < 0)
        m_pNarrative->SurdSimplified(
            Chained(BothForms([&](bool bTypeset) { return RootOf(disc.get_str(), bTypeset); }),
                    " = ", simplified));
    const std::string strBottom = mpz_class(2 * a).get_str();
    const CFormula raw = BothForms(
        [&](bool bTypeset)
        {
            const std::string& strSimplified =
                bTypeset ? simplified.m_strText : simplified.m_strDisplay;
            if (b == 0)
                return "±" + Over(strSimplified, false, strBottom, bTypeset);
            return Over(mpz_class(-b).get_str() + " ± " + strSimplified, true, strBottom, bTypeset);
        });
    const CFormula final = BothForms([&](bool bTypeset) { return PlusMinusForm(plus, bTypeset); });
    if (raw.m_strDisplay != final.m_strDisplay)
        m_pNarrative->SurdSimplified(Chained(raw, " = ", final));
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
        NarrateFormula(factor, disc, plus, square, rest);
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
        m_pNarrative->FormulaRoots(LetterIs(m_cLetter, RootFormula(first.m_Root)),
                                   LetterIs(m_cLetter, RootFormula(second.m_Root)), nMultiplicity);
    roots.push_back(first);
    roots.push_back(second);
}

void CPolynomialRoots::NumericRoots(const CIntegerFactor& factor, std::vector<CFoundRoot>& roots)
{
    if (m_pNarrative)
        m_pNarrative->Numeric(FactorDisplay(factor.m_Coefficients, factor.m_nMultiplicity),
                              kDigits);
    std::vector<CFormula> real;
    std::vector<CFormula> complex;
    for (const CCertifiedRoot& certified : CertifiedRoots(factor.m_Coefficients, kDigits))
    {
        CFoundRoot found;
        found.m_nKind = CFoundRoot::kNumeric;
        found.m_Root = NumericRoot(certified);
        found.m_Root.m_nMultiplicity = factor.m_nMultiplicity;
        if (m_pNarrative)
            (certified.m_strIm.empty() ? real : complex)
                .push_back(LetterIs(m_cLetter, RootFormula(found.m_Root), " "));
        roots.push_back(found);
    }
    if (m_pNarrative)
        m_pNarrative->NumericRoots(real, complex, factor.m_nMultiplicity);
}

namespace
{
constexpr auto kDisplay = CPolynomial::EForm::Display;
constexpr auto kLine = CPolynomial::EForm::Line;

// A polynomial in a quotient's place needs brackets when it has more than one term.
std::string Grouped(const CPolynomial& poly, bool bTypeset = false)
{
    const std::string strText = poly.Written(bTypeset ? CPolynomial::EForm::Text : kLine);
    return poly.m_Terms.size() > 1 ? "(" + strText + ")" : strText;
}

// The leading written term is negative.
bool LeadsNegative(const CPolynomial& poly)
{
    const std::string strText = poly.ToText();
    return !strText.empty() && strText[0] == '-';
}

CRoot ExpressionRoot(const CFormula& value, const std::string& strLatex)
{
    CRoot root;
    root.m_bExact = true;
    root.m_strDisplay = value.m_strDisplay;
    root.m_strMath = value.m_strText;
    root.m_strLatex = strLatex;
    root.m_dRe = std::numeric_limits<double>::quiet_NaN();
    root.m_dIm = 0;
    return root;
}
} // namespace

std::vector<CRoot> CParametricRoots::Linear(const CPolynomial& poly)
{
    CPolynomial coefficient = poly.CoefficientOf(m_cLetter, 1);
    CPolynomial rest = poly.CoefficientOf(m_cLetter, 0);
    m_Narrative.LinearWithParameters(Chained(poly.Formula(kDisplay, m_cLetter), " = 0"), m_cLetter);
    const CPolynomial term = coefficient * CPolynomial::Letter(m_cLetter);
    CPolynomial other = rest.Negated();
    if (!rest.IsZero())
        m_Narrative.MoveConstant(
            Chained(term.Formula(kDisplay, m_cLetter), " = ", other.Formula(kDisplay)));
    if (coefficient.IsConstant())
    {
        CPolynomial value = other;
        value *= 1 / coefficient.ConstantValue();
        const CFormula valueFormula = value.Formula(kLine);
        if (coefficient.ConstantValue() != 1)
            m_Narrative.DivideBoth(coefficient.Formula(kDisplay),
                                   LetterIs(m_cLetter, valueFormula));
        m_Narrative.ParametersNotChecked(m_cLetter);
        return {ExpressionRoot(valueFormula, value.ToLatex())};
    }
    if (LeadsNegative(coefficient))
    {
        coefficient = coefficient.Negated();
        other = other.Negated();
    }
    const CFormula value = BothForms(
        [&](bool bTypeset)
        {
            if (bTypeset)
                return "{" + other.ToText() + "}/{" + coefficient.ToText() + "}";
            return Grouped(other) + "/" + Grouped(coefficient);
        });
    const std::string strLatex = "\\frac{" + other.ToLatex() + "}{" + coefficient.ToLatex() + "}";
    const CFormula by = coefficient.Formula(kDisplay);
    m_Narrative.DivideBothWhen(by, LetterIs(m_cLetter, value));
    m_Narrative.WhenZero(by, rest.Formula(kDisplay), m_cLetter);
    m_Narrative.ParametersNotChecked(m_cLetter);
    m_strCondition = coefficient.ToDisplay();
    m_strConditionLatex = coefficient.ToLatex();
    m_ConditionForm = coefficient.Formula(kDisplay);
    return {ExpressionRoot(value, strLatex)};
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
    m_Narrative.QuadraticFormula(poly.Formula(kDisplay, m_cLetter), m_cLetter, a.Formula(kDisplay),
                                 b.Formula(kDisplay), c.Formula(kDisplay));
    const CFormula working = BothForms(
        [&](bool bTypeset)
        {
            return "(" + b.Written(bTypeset ? CPolynomial::EForm::Text : kDisplay) +
                   (bTypeset ? ")^2!-4·" : ")^2 - 4·") + Grouped(a, bTypeset) + "·" +
                   Grouped(c, bTypeset);
        });
    m_Narrative.Discriminant(Chained(working, " = ", disc.Formula(kDisplay)));
    const std::string strMinusB = b.IsZero() ? "" : b.Negated().Written(kLine);
    const std::string strRoot = "√(" + disc.Written(kLine) + ")";
    const std::string strLatexRoot = "\\sqrt{" + disc.ToLatex() + "}";
    auto make = [&](const char* pSign, const char* pLatexSign)
    {
        const bool bMinus = std::string(pSign) == " - ";
        const CFormula value = BothForms(
            [&](bool bTypeset)
            {
                if (!bTypeset)
                    return "(" + (strMinusB.empty() ? (bMinus ? "-" : "") : strMinusB + pSign) +
                           strRoot + ")/" + Grouped(twoA);
                const std::string strTop =
                    (b.IsZero() ? (bMinus ? "-" : "") : b.Negated().ToText() + pSign) + "√{" +
                    disc.ToText() + "}";
                return "{" + strTop + "}/{" + twoA.ToText() + "}";
            });
        const std::string strLatexTop = strMinusB.empty()
                                            ? (bMinus ? "-" : "") + strLatexRoot
                                            : b.Negated().ToLatex() + pLatexSign + strLatexRoot;
        return ExpressionRoot(value, "\\frac{" + strLatexTop + "}{" + twoA.ToLatex() + "}");
    };
    std::vector<CRoot> roots = {make(" + ", " + "), make(" - ", " - ")};
    m_Narrative.FormulaRoots(LetterIs(m_cLetter, RootFormula(roots[0])),
                             LetterIs(m_cLetter, RootFormula(roots[1])), 1);
    if (!a.IsConstant())
    {
        m_strCondition = a.ToDisplay();
        m_strConditionLatex = a.ToLatex();
        m_ConditionForm = a.Formula(kDisplay);
    }
    return roots;
}
