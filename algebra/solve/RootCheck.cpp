#include "solve/RootCheck.h"

#include "solve/SolveNarrative.h"

#include <cmath>
#include <complex>
#include <cstdio>

namespace
{
// A number a + b√d of the field the surd root lies in (d fixed, square-free, not 1).
struct CQuadratic
{
    mpq_class m_A;
    mpq_class m_B;
};

CQuadratic Multiply(const CQuadratic& x, const CQuadratic& y, const mpz_class& d)
{
    return {x.m_A * y.m_A + mpq_class(d) * x.m_B * y.m_B, x.m_A * y.m_B + x.m_B * y.m_A};
}

bool IsZero(const CQuadratic& x)
{
    return x.m_A == 0 && x.m_B == 0;
}

// x / y for y not zero: times the conjugate over the norm.
CQuadratic Divide(const CQuadratic& x, const CQuadratic& y, const mpz_class& d)
{
    const mpq_class norm = y.m_A * y.m_A - mpq_class(d) * y.m_B * y.m_B;
    const CQuadratic product = Multiply(x, {y.m_A, -y.m_B}, d);
    return {product.m_A / norm, product.m_B / norm};
}

// The value of a polynomial in the letter alone at a point of the field.
CQuadratic Evaluate(const CPolynomial& poly, char cLetter, const CQuadratic& point,
                    const mpz_class& d)
{
    const std::vector<CPolynomial> coefficients = poly.CoefficientsIn(cLetter);
    CQuadratic value{0, 0};
    for (std::size_t i = coefficients.size(); i-- > 0;)
    {
        value = Multiply(value, point, d);
        value.m_A += coefficients[i].ConstantValue();
    }
    return value;
}

std::string RootSymbol(const mpz_class& d)
{
    if (d == -1)
        return "i";
    return sgn(d) < 0 ? "i√" + mpz_class(-d).get_str() : "√" + d.get_str();
}

std::string QuadraticDisplay(const CQuadratic& x, const mpz_class& d)
{
    if (x.m_B == 0)
        return RationalDisplay(x.m_A);
    const std::string strRoot = RootSymbol(d);
    const mpq_class magnitude = abs(x.m_B);
    const std::string strPart = (magnitude == 1 ? "" : RationalDisplay(magnitude)) + strRoot;
    if (x.m_A == 0)
        return (sgn(x.m_B) < 0 ? "-" : "") + strPart;
    return RationalDisplay(x.m_A) + (sgn(x.m_B) < 0 ? " - " : " + ") + strPart;
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
            m_Narrative.Rejected(m_cLetter, root.m_Root.m_strDisplay, m_Sides.m_DivisorDisplays[i]);
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
    { return m_bDecimal ? DecimalDisplay(x.get_d()) : RationalDisplay(x); };
    m_Narrative.CheckExact(m_cLetter, root.m_Root.m_strDisplay, display(left), display(right),
                           left == right);
    return left == right;
}

bool CRootCheck::AcceptsSurd(const CFoundRoot& root)
{
    const CSurd& surd = root.m_Surd;
    const mpz_class& d = surd.m_D;
    const CQuadratic point{mpq_class(surd.m_A, surd.m_C), mpq_class(surd.m_B, surd.m_C)};
    CQuadratic canonical = point;
    canonical.m_A.canonicalize();
    canonical.m_B.canonicalize();
    for (std::size_t i = 0; i < m_Sides.m_Divisors.size(); ++i)
        if (IsZero(Evaluate(m_Sides.m_Divisors[i], m_cLetter, canonical, d)))
        {
            m_Narrative.Rejected(m_cLetter, root.m_Root.m_strDisplay, m_Sides.m_DivisorDisplays[i]);
            return false;
        }
    auto side = [&](const CRationalFunction& function)
    {
        return Divide(Evaluate(function.m_Top, m_cLetter, canonical, d),
                      Evaluate(function.m_Bottom, m_cLetter, canonical, d), d);
    };
    const CQuadratic left = side(m_Sides.m_Left);
    const CQuadratic right = side(m_Sides.m_Right);
    const bool bHolds = left.m_A == right.m_A && left.m_B == right.m_B;
    m_Narrative.CheckSurd(m_cLetter, root.m_Root.m_strDisplay, RootSymbol(d),
                          QuadraticDisplay(left, d), QuadraticDisplay(right, d), bHolds);
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
            m_Narrative.Rejected(m_cLetter, root.m_Root.m_strDisplay, m_Sides.m_DivisorDisplays[i]);
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
    m_Narrative.CheckNumeric(m_cLetter, root.m_Root.m_strDisplay, NumericDisplay(left),
                             NumericDisplay(bHolds ? left : right), bHolds);
    return true;
}
