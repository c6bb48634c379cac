// SPDX-License-Identifier: GPL-3.0-or-later
#include "solve/RootCheck.h"

#include "solve/SolveFormula.h"
#include "solve/SolveNarrative.h"

#include <cmath>
#include <complex>
#include <cstdio>

namespace
{
// A number (a + b√d)/den of the field the surd root lies in (d fixed, square-free, not 1),
// kept over one whole denominator so that working it out takes no greatest common divisors.
struct CQuadratic
{
    mpz_class m_A;
    mpz_class m_B;
    mpz_class m_Den = 1;
};

CQuadratic Multiply(const CQuadratic& x, const CQuadratic& y, const mpz_class& d)
{
    return {x.m_A * y.m_A + d * x.m_B * y.m_B, x.m_A * y.m_B + x.m_B * y.m_A, x.m_Den * y.m_Den};
}

bool IsZero(const CQuadratic& x)
{
    return x.m_A == 0 && x.m_B == 0;
}

// The value of a polynomial in the letter alone at a point of the field.
CQuadratic Evaluate(const CPolynomial& poly, char cLetter, const CQuadratic& point,
                    const mpz_class& d)
{
    std::vector<CQuadratic> powers = {{1, 0, 1}};
    CQuadratic value{0, 0, 1};
    for (const auto& [monomial, coefficient] : poly.m_Terms)
    {
        const bool bLetter = !monomial.empty() && monomial[0].first == cLetter;
        const std::size_t nPower = bLetter ? static_cast<std::size_t>(monomial[0].second) : 0;
        while (powers.size() <= nPower)
            powers.push_back(Multiply(powers.back(), point, d));
        const CQuadratic& power = powers[nPower];
        // value + coefficient x power, over the product of the denominators.
        const mpz_class top = coefficient.get_num() * value.m_Den;
        const mpz_class bottom = coefficient.get_den() * power.m_Den;
        value = {value.m_A * bottom + top * power.m_A, value.m_B * bottom + top * power.m_B,
                 value.m_Den * bottom};
    }
    return value;
}

// x / y for y not zero: times the conjugate over the norm, as rationals a + b√d.
void Divide(const CQuadratic& x, const CQuadratic& y, const mpz_class& d, mpq_class& a,
            mpq_class& b)
{
    const mpz_class norm = y.m_A * y.m_A - d * y.m_B * y.m_B;
    const CQuadratic product = Multiply(x, {y.m_A, -y.m_B, 1}, d);
    // (x.top / x.den) / (y.top / y.den) = x.top * y.den / (x.den * y.top).
    a = mpq_class(product.m_A * y.m_Den, x.m_Den * norm);
    b = mpq_class(product.m_B * y.m_Den, x.m_Den * norm);
    a.canonicalize();
    b.canonicalize();
}

std::string RootSymbol(const mpz_class& d, bool bTypeset)
{
    if (d == -1)
        return "i";
    const std::string strNumber = mpz_class(abs(d)).get_str();
    const std::string strRoot = bTypeset ? "√{" + strNumber + "}" : "√" + strNumber;
    return sgn(d) < 0 ? "i" + strRoot : strRoot;
}

// a + b√d, its rationals as the line writes them or, typeset, as equation text.
std::string QuadraticText(const mpq_class& a, const mpq_class& b, const mpz_class& d, bool bTypeset)
{
    const auto rational = [bTypeset](const mpq_class& x)
    { return bTypeset ? RationalText(x) : RationalDisplay(x); };
    if (b == 0)
        return rational(a);
    const std::string strRoot = RootSymbol(d, bTypeset);
    const mpq_class magnitude = abs(b);
    const std::string strPart = (magnitude == 1 ? "" : rational(magnitude)) + strRoot;
    if (a == 0)
        return (sgn(b) < 0 ? "-" : "") + strPart;
    return rational(a) + (sgn(b) < 0 ? " - " : " + ") + strPart;
}

CFormula QuadraticFormula(const mpq_class& a, const mpq_class& b, const mpz_class& d)
{
    return BothForms([&](bool bTypeset) { return QuadraticText(a, b, d, bTypeset); });
}

using CComplex = std::complex<long double>;

CComplex Evaluate(const CPolynomial& poly, char cLetter, const CComplex& point)
{
    const std::vector<CPolynomial> coefficients = poly.CoefficientsIn(cLetter);
    CComplex value = 0;
    for (std::size_t i = coefficients.size(); i-- > 0;)
        value = value * point + static_cast<long double>(coefficients[i].ConstantValue().get_d());
    return value;
}

// The largest term of the polynomial at the point: the scale its value is zero against.
long double Scale(const CPolynomial& poly, char cLetter, const CComplex& point)
{
    const std::vector<CPolynomial> coefficients = poly.CoefficientsIn(cLetter);
    long double dScale = 0;
    long double dPower = 1;
    for (const CPolynomial& c : coefficients)
    {
        dScale = std::max(dScale,
                          std::abs(static_cast<long double>(c.ConstantValue().get_d())) * dPower);
        dPower *= std::abs(point);
    }
    return dScale;
}

std::string NumericDisplay(const CComplex& value)
{
    char szText[96];
    const double dRe = static_cast<double>(value.real());
    const double dIm = static_cast<double>(value.imag());
    if (std::abs(dIm) < 1e-12 * std::max(1.0, std::abs(dRe)))
        std::snprintf(szText, sizeof(szText), "%.10g", std::abs(dRe) < 1e-12 ? 0.0 : dRe);
    else
        std::snprintf(szText, sizeof(szText), "%.10g %s %.10gi", dRe, dIm < 0 ? "-" : "+",
                      std::abs(dIm));
    return std::string("≈ ") + szText;
}

bool HasOnlyLetter(const CPolynomial& poly, char cLetter)
{
    for (char c : poly.Letters())
        if (c != cLetter)
            return false;
    return true;
}
} // namespace

CFormula CRootCheck::Tried(const CFoundRoot& root, const char* szRelation) const
{
    return LetterIs(m_cLetter, RootFormula(root.m_Root), szRelation);
}

bool CRootCheck::Accepts(const CFoundRoot& root)
{
    if (!HasOnlyLetter(m_Sides.m_Left.m_Top, m_cLetter) ||
        !HasOnlyLetter(m_Sides.m_Left.m_Bottom, m_cLetter) ||
        !HasOnlyLetter(m_Sides.m_Right.m_Top, m_cLetter) ||
        !HasOnlyLetter(m_Sides.m_Right.m_Bottom, m_cLetter))
        return true;
    switch (root.m_nKind)
    {
    case CFoundRoot::kRational:
        return AcceptsRational(root);
    case CFoundRoot::kSurd:
        return AcceptsSurd(root);
    default:
        return AcceptsNumeric(root);
    }
}

bool CRootCheck::AcceptsRational(const CFoundRoot& root)
{
    const mpq_class& value = root.m_Rational;
    for (std::size_t i = 0; i < m_Sides.m_Divisors.size(); ++i)
        if (m_Sides.m_Divisors[i].Substitute(m_cLetter, value).IsZero())
        {
            m_Narrative.Rejected(Tried(root, " = "), m_Sides.m_DivisorForms[i]);
            return false;
        }
    auto side = [&](const CRationalFunction& function)
    {
        return mpq_class(function.m_Top.Substitute(m_cLetter, value).ConstantValue() /
                         function.m_Bottom.Substitute(m_cLetter, value).ConstantValue());
    };
    const mpq_class left = side(m_Sides.m_Left);
    const mpq_class right = side(m_Sides.m_Right);
    auto display = [&](const mpq_class& x)
    { return m_bDecimal ? Same(DecimalDisplay(x.get_d())) : RationalFormula(x); };
    m_Narrative.CheckExact(Tried(root, " = "), display(left), display(right), left == right);
    return left == right;
}

bool CRootCheck::ConjugateOfLast(const CSurd& surd) const
{
    if (!m_LastSurd)
        return false;
    const CSurd& last = m_LastSurd->m_Root;
    return surd.m_A == last.m_A && surd.m_B == -last.m_B && surd.m_C == last.m_C &&
           surd.m_D == last.m_D;
}

void CRootCheck::WorkOutSides(const CSurd& surd)
{
    const mpz_class& d = surd.m_D;
    const CQuadratic point{surd.m_A, surd.m_B, surd.m_C};
    CSurdSides sides{surd, std::nullopt, 0, 0, 0, 0};
    for (std::size_t i = 0; i < m_Sides.m_Divisors.size() && !sides.m_ZeroDivisor; ++i)
        if (IsZero(Evaluate(m_Sides.m_Divisors[i], m_cLetter, point, d)))
            sides.m_ZeroDivisor = i;
    if (!sides.m_ZeroDivisor)
    {
        Divide(Evaluate(m_Sides.m_Left.m_Top, m_cLetter, point, d),
               Evaluate(m_Sides.m_Left.m_Bottom, m_cLetter, point, d), d, sides.m_LeftA,
               sides.m_LeftB);
        Divide(Evaluate(m_Sides.m_Right.m_Top, m_cLetter, point, d),
               Evaluate(m_Sides.m_Right.m_Bottom, m_cLetter, point, d), d, sides.m_RightA,
               sides.m_RightB);
    }
    m_LastSurd = std::move(sides);
}

bool CRootCheck::AcceptsSurd(const CFoundRoot& root)
{
    const CSurd& surd = root.m_Surd;
    if (ConjugateOfLast(surd))
    {
        m_LastSurd->m_Root = surd;
        m_LastSurd->m_LeftB = -m_LastSurd->m_LeftB;
        m_LastSurd->m_RightB = -m_LastSurd->m_RightB;
    }
    else
        WorkOutSides(surd);
    const CSurdSides& sides = *m_LastSurd;
    if (sides.m_ZeroDivisor)
    {
        m_Narrative.Rejected(Tried(root, " = "), m_Sides.m_DivisorForms[*sides.m_ZeroDivisor]);
        return false;
    }
    const bool bHolds = sides.m_LeftA == sides.m_RightA && sides.m_LeftB == sides.m_RightB;
    const mpz_class& d = surd.m_D;
    m_Narrative.CheckSurd(Tried(root, " = "),
                          BothForms([&](bool bTypeset) { return RootSymbol(d, bTypeset); }),
                          QuadraticFormula(sides.m_LeftA, sides.m_LeftB, d),
                          QuadraticFormula(sides.m_RightA, sides.m_RightB, d), bHolds);
    return bHolds;
}

bool CRootCheck::AcceptsNumeric(const CFoundRoot& root)
{
    const CComplex point(root.m_Root.m_dRe, root.m_Root.m_dIm);
    // A simple root of a polynomial with whole coefficients, known to about 16 digits: its
    // values are zero to within this share of their largest term.
    constexpr long double kTolerance = 1e-9L;
    for (std::size_t i = 0; i < m_Sides.m_Divisors.size(); ++i)
    {
        const CPolynomial& divisor = m_Sides.m_Divisors[i];
        if (std::abs(Evaluate(divisor, m_cLetter, point)) <=
            kTolerance * Scale(divisor, m_cLetter, point))
        {
            m_Narrative.Rejected(Tried(root, " = "), m_Sides.m_DivisorForms[i]);
            return false;
        }
    }
    auto side = [&](const CRationalFunction& function, long double& dScale)
    {
        const CComplex bottom = Evaluate(function.m_Bottom, m_cLetter, point);
        dScale = Scale(function.m_Top, m_cLetter, point) / std::abs(bottom);
        return Evaluate(function.m_Top, m_cLetter, point) / bottom;
    };
    long double dLeftScale = 0;
    long double dRightScale = 0;
    CComplex left = side(m_Sides.m_Left, dLeftScale);
    CComplex right = side(m_Sides.m_Right, dRightScale);
    const long double dZero = kTolerance * std::max({1.0L, dLeftScale, dRightScale});
    if (std::abs(left) <= dZero)
        left = 0;
    if (std::abs(right) <= dZero)
        right = 0;
    const bool bHolds = std::abs(left - right) <= dZero;
    m_Narrative.CheckNumeric(Tried(root, " "), Same(NumericDisplay(left)),
                             Same(NumericDisplay(bHolds ? left : right)), bHolds);
    return true;
}
