// SPDX-License-Identifier: GPL-3.0-or-later
#include "solve/RootForms.h"

#include "core/Scalar.h"
#include "solve/Polynomial.h"

#include <cmath>

namespace
{
// A value from big numbers without overflowing a double on the way.
double SurdPart(const mpz_class& top, const mpz_class& bottom)
{
    const mpf_class quotient = mpf_class(top, 256) / mpf_class(bottom, 256);
    return quotient.get_d();
}

// How a surd is written: for the line, for LaTeX, or typeset by the documents.
enum class ESurdForm
{
    Line,
    Latex,
    Typeset
};

// "3√2", "√2", "i", "2i√3": the |B|√D part of a surd.
std::string RootPart(const CSurd& surd, ESurdForm eForm)
{
    const mpz_class magnitude = abs(surd.m_D);
    const mpz_class coefficient = abs(surd.m_B);
    const std::string strCoefficient = coefficient == 1 ? "" : coefficient.get_str();
    std::string strRoot;
    if (magnitude != 1)
    {
        if (eForm == ESurdForm::Latex)
            strRoot = "\\sqrt{" + magnitude.get_str() + "}";
        else
            strRoot = eForm == ESurdForm::Typeset ? "√{" + magnitude.get_str() + "}"
                                                  : "√" + magnitude.get_str();
    }
    if (sgn(surd.m_D) < 0)
        return strCoefficient + "i" + strRoot;
    return strCoefficient + strRoot;
}

// "(1 + √3)/2", "(1 - √3)/2", "-√2", "3√2/4", "-1 + 2i".
std::string SurdForm(const CSurd& surd, ESurdForm eForm)
{
    const std::string strRoot = RootPart(surd, eForm);
    const bool bMinus = sgn(surd.m_B) < 0;
    std::string strTop;
    if (surd.m_A == 0)
        strTop = (bMinus ? "-" : "") + strRoot;
    else
        strTop = surd.m_A.get_str() + (bMinus ? " - " : " + ") + strRoot;
    if (surd.m_C == 1)
        return strTop;
    if (eForm == ESurdForm::Latex)
        return "\\frac{" + strTop + "}{" + surd.m_C.get_str() + "}";
    if (eForm == ESurdForm::Typeset) // a sign alone stays in front of the division
        return surd.m_A == 0 && bMinus ? "-{" + strRoot + "}/{" + surd.m_C.get_str() + "}"
                                       : "{" + strTop + "}/{" + surd.m_C.get_str() + "}";
    return surd.m_A == 0 ? strTop + "/" + surd.m_C.get_str()
                         : "(" + strTop + ")/" + surd.m_C.get_str();
}
} // namespace

std::string RationalDisplay(const mpq_class& value)
{
    return CPolynomial::Constant(value).Written(CPolynomial::EForm::Line);
}

std::string RationalLatex(const mpq_class& value)
{
    return CPolynomial::Constant(value).Written(CPolynomial::EForm::Latex);
}

std::string DecimalDisplay(double dValue)
{
    CScalar scalar;
    scalar.SetDecimal(dValue);
    std::string strText = scalar.ToText(true);
    if (!strText.empty() && strText[0] == '+')
        strText.erase(0, 1);
    return strText;
}

CRoot RationalRoot(const mpq_class& value, bool bDecimal)
{
    CRoot root;
    root.m_bExact = true;
    root.m_dRe = SurdPart(value.get_num(), value.get_den());
    root.m_strDisplay = bDecimal ? DecimalDisplay(root.m_dRe) : RationalDisplay(value);
    root.m_strText = bDecimal ? root.m_strDisplay : RationalText(value);
    root.m_strLatex = bDecimal ? root.m_strDisplay : RationalLatex(value);
    return root;
}

CRoot SurdRoot(const CSurd& surd)
{
    CRoot root;
    root.m_bExact = true;
    // Numbers below 2^50 are exact in doubles, and a double square root is rounded right.
    const bool bSmall = mpz_sizeinbase(surd.m_A.get_mpz_t(), 2) < 50 &&
                        mpz_sizeinbase(surd.m_B.get_mpz_t(), 2) < 50 &&
                        mpz_sizeinbase(surd.m_C.get_mpz_t(), 2) < 50 &&
                        mpz_sizeinbase(surd.m_D.get_mpz_t(), 2) < 50;
    double dScaled = 0;
    if (bSmall)
    {
        dScaled = surd.m_B.get_d() * std::sqrt(std::abs(surd.m_D.get_d())) / surd.m_C.get_d();
        root.m_dRe = surd.m_A.get_d() / surd.m_C.get_d();
    }
    else
    {
        dScaled = mpf_class(mpf_class(surd.m_B, 256) * sqrt(mpf_class(abs(surd.m_D), 256)) /
                            mpf_class(surd.m_C, 256))
                      .get_d();
        root.m_dRe = SurdPart(surd.m_A, surd.m_C);
    }
    if (sgn(surd.m_D) < 0)
        root.m_dIm = dScaled;
    else
        root.m_dRe += dScaled;
    root.m_strDisplay = SurdForm(surd, ESurdForm::Line);
    root.m_strLatex = SurdForm(surd, ESurdForm::Latex);
    if (MarkingFormulas())
        root.m_strMath = SurdForm(surd, ESurdForm::Typeset);
    return root;
}

std::string SurdDisplay(const CSurd& surd)
{
    return SurdForm(surd, ESurdForm::Line);
}

CFormula RationalFormula(const mpq_class& value)
{
    return FormulaOf(RationalDisplay(value), [&] { return RationalText(value); });
}

CFormula RootFormula(const CRoot& root)
{
    return FormulaOf(root.m_strDisplay,
                     [&]
                     {
                         if (!root.m_strMath.empty())
                             return root.m_strMath;
                         return root.m_strText.empty() ? root.m_strDisplay : root.m_strText;
                     });
}

CRoot NumericRoot(const CCertifiedRoot& certified)
{
    CRoot root;
    root.m_dRe = certified.m_dRe;
    root.m_dIm = certified.m_dIm;
    if (certified.m_strIm.empty())
    {
        root.m_strDisplay = "≈ " + certified.m_strRe;
        root.m_strLatex = "\\approx " + certified.m_strRe;
        return root;
    }
    std::string strIm = certified.m_strIm;
    const bool bMinus = !strIm.empty() && strIm[0] == '-';
    if (bMinus)
        strIm.erase(0, 1);
    const std::string strSum = certified.m_strRe + (bMinus ? " - " : " + ") + strIm + "i";
    root.m_strDisplay = "≈ " + strSum;
    root.m_strLatex = "\\approx " + strSum;
    return root;
}

namespace
{
// Square factors found by trial division; what is left may keep a square of a prime past the
// bound, which leaves a surd unsimplified but never wrong.
constexpr unsigned long kTrialBound = 100000;

void SplitSquare(mpz_class value, mpz_class& square, mpz_class& rest)
{
    square = 1;
    rest = 1;
    for (unsigned long p = 2; p <= kTrialBound && p * p <= value; p += (p == 2 ? 1 : 2))
    {
        int nCount = 0;
        while (mpz_divisible_ui_p(value.get_mpz_t(), p))
        {
            value /= p;
            ++nCount;
        }
        for (int i = 0; i < nCount / 2; ++i)
            square *= p;
        if (nCount % 2 == 1)
            rest *= p;
    }
    if (mpz_perfect_square_p(value.get_mpz_t()))
        square *= sqrt(value);
    else
        rest *= value;
}
} // namespace

bool SimplifiedSurds(const mpz_class& a, const mpz_class& b, const mpz_class& disc, CSurd& plus,
                     CSurd& minus, mpz_class& square, mpz_class& rest)
{
    SplitSquare(abs(disc), square, rest);
    if (sgn(disc) >= 0 && rest == 1)
        return false;
    if (sgn(disc) < 0)
        rest = -rest;
    mpz_class top = -b;
    mpz_class scale = square;
    mpz_class bottom = 2 * a;
    if (sgn(bottom) < 0)
    {
        top = -top;
        bottom = -bottom;
    }
    mpz_class g = gcd(gcd(top, scale), bottom);
    plus = CSurd{top / g, scale / g, bottom / g, rest};
    minus = plus;
    minus.m_B = -minus.m_B;
    return true;
}
