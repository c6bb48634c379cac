// SPDX-License-Identifier: GPL-3.0-or-later
#include "solve/FlintAdapter.h"

#include <acb.h>
#include <arb.h>
#include <arb_fmpz_poly.h>
#include <flint/fmpz.h>
#include <flint/fmpz_mpoly.h>
#include <flint/fmpz_mpoly_factor.h>
#include <flint/fmpz_poly.h>
#include <flint/fmpz_poly_factor.h>

#include <memory>

namespace
{
// RAII holders, so that every path (a throw from new included) clears what FLINT allocated.
class CFlintPoly
{
public:
    CFlintPoly() { fmpz_poly_init(m_Poly); }
    explicit CFlintPoly(const std::vector<mpz_class>& coefficients)
    {
        fmpz_poly_init2(m_Poly, static_cast<slong>(coefficients.size()));
        fmpz_t c;
        fmpz_init(c);
        for (std::size_t i = 0; i < coefficients.size(); ++i)
        {
            fmpz_set_mpz(c, coefficients[i].get_mpz_t());
            fmpz_poly_set_coeff_fmpz(m_Poly, static_cast<slong>(i), c);
        }
        fmpz_clear(c);
    }
    ~CFlintPoly() { fmpz_poly_clear(m_Poly); }
    CFlintPoly(const CFlintPoly&) = delete;
    CFlintPoly& operator=(const CFlintPoly&) = delete;
    fmpz_poly_struct* Get() { return m_Poly; }

private:
    fmpz_poly_t m_Poly;
};

mpz_class ToMpz(const fmpz_t value)
{
    mpz_class result;
    fmpz_get_mpz(result.get_mpz_t(), value);
    return result;
}

std::vector<mpz_class> Coefficients(const fmpz_poly_t poly)
{
    std::vector<mpz_class> result(static_cast<std::size_t>(fmpz_poly_length(poly)));
    for (slong i = 0; i < fmpz_poly_length(poly); ++i)
        result[static_cast<std::size_t>(i)] = ToMpz(fmpz_poly_get_coeff_ptr(poly, i));
    return result;
}

class CFlintFactor
{
public:
    CFlintFactor() { fmpz_poly_factor_init(m_Factor); }
    ~CFlintFactor() { fmpz_poly_factor_clear(m_Factor); }
    CFlintFactor(const CFlintFactor&) = delete;
    CFlintFactor& operator=(const CFlintFactor&) = delete;
    fmpz_poly_factor_struct* Get() { return m_Factor; }

    CIntegerFactorization Read() const
    {
        CIntegerFactorization result;
        result.m_Content = ToMpz(&m_Factor->c);
        for (slong i = 0; i < m_Factor->num; ++i)
        {
            CIntegerFactor factor;
            factor.m_Coefficients = Coefficients(m_Factor->p + i);
            factor.m_nMultiplicity = static_cast<int>(m_Factor->exp[i]);
            result.m_Factors.push_back(std::move(factor));
        }
        return result;
    }

private:
    fmpz_poly_factor_t m_Factor;
};

// The squarefree routine leaves the content out and may hand back factors of either sign:
// make each leading coefficient positive and the content what is left of the leading one.
void NormaliseSigns(CIntegerFactorization& result, const std::vector<mpz_class>& poly)
{
    mpz_class leading = 1;
    for (CIntegerFactor& factor : result.m_Factors)
    {
        if (sgn(factor.m_Coefficients.back()) < 0)
            for (mpz_class& c : factor.m_Coefficients)
                c = -c;
        for (int i = 0; i < factor.m_nMultiplicity; ++i)
            leading *= factor.m_Coefficients.back();
    }
    result.m_Content = poly.back() / leading;
}

class CBall
{
public:
    CBall(slong nCount) : m_nCount(nCount) { m_pRoots = _acb_vec_init(nCount); }
    ~CBall() { _acb_vec_clear(m_pRoots, m_nCount); }
    CBall(const CBall&) = delete;
    CBall& operator=(const CBall&) = delete;
    acb_ptr Get() { return m_pRoots; }

private:
    slong m_nCount;
    acb_ptr m_pRoots;
};

std::string BallDigits(const arb_t value, int nDigits)
{
    char* pText = arb_get_str(value, nDigits, ARB_STR_NO_RADIUS);
    std::string strText(pText);
    flint_free(pText);
    return strText;
}
} // namespace

CIntegerFactorization FactorOverIntegers(const std::vector<mpz_class>& poly)
{
    CFlintPoly flintPoly(poly);
    CFlintFactor factor;
    fmpz_poly_factor(factor.Get(), flintPoly.Get());
    return factor.Read();
}

CIntegerFactorization SquarefreeFactors(const std::vector<mpz_class>& poly)
{
    CFlintPoly flintPoly(poly);
    fmpz_t content;
    fmpz_init(content);
    fmpz_poly_content(content, flintPoly.Get());
    if (fmpz_sgn(fmpz_poly_lead(flintPoly.Get())) < 0)
        fmpz_neg(content, content);
    fmpz_poly_scalar_divexact_fmpz(flintPoly.Get(), flintPoly.Get(), content);
    fmpz_clear(content);
    CFlintFactor factor;
    fmpz_poly_factor_squarefree(factor.Get(), flintPoly.Get());
    CIntegerFactorization result = factor.Read();
    NormaliseSigns(result, poly);
    return result;
}

std::vector<CCertifiedRoot> CertifiedRoots(const std::vector<mpz_class>& poly, int nDigits)
{
    CFlintPoly flintPoly(poly);
    const slong nDegree = fmpz_poly_degree(flintPoly.Get());
    std::vector<CCertifiedRoot> result;
    if (nDegree < 1)
        return result;
    CBall roots(nDegree);
    // Bits for the digits shown and the doubles, with room for the last one to round right.
    const slong nBits = static_cast<slong>(nDigits * 3.33) + 64;
    arb_fmpz_poly_complex_roots(roots.Get(), flintPoly.Get(), 0, nBits);
    for (slong i = 0; i < nDegree; ++i)
    {
        const acb_struct* pRoot = roots.Get() + i;
        CCertifiedRoot root;
        root.m_dRe = arf_get_d(arb_midref(acb_realref(pRoot)), ARF_RND_NEAR);
        root.m_strRe = BallDigits(acb_realref(pRoot), nDigits);
        if (!arb_is_zero(acb_imagref(pRoot)))
        {
            root.m_dIm = arf_get_d(arb_midref(acb_imagref(pRoot)), ARF_RND_NEAR);
            root.m_strIm = BallDigits(acb_imagref(pRoot), nDigits);
        }
        result.push_back(std::move(root));
    }
    return result;
}

namespace
{
class CMpolyContext
{
public:
    explicit CMpolyContext(std::size_t nLetters)
    {
        fmpz_mpoly_ctx_init(m_Context, static_cast<slong>(nLetters), ORD_LEX);
    }
    ~CMpolyContext() { fmpz_mpoly_ctx_clear(m_Context); }
    CMpolyContext(const CMpolyContext&) = delete;
    CMpolyContext& operator=(const CMpolyContext&) = delete;
    fmpz_mpoly_ctx_struct* Get() { return m_Context; }

private:
    fmpz_mpoly_ctx_t m_Context;
};

// One FLINT object that belongs to a context: initialised with it, cleared with it.
template <typename TStruct, void (*Init)(TStruct*, const fmpz_mpoly_ctx_struct*),
          void (*Clear)(TStruct*, const fmpz_mpoly_ctx_struct*)>
class CInContext
{
public:
    explicit CInContext(CMpolyContext& context) : m_Context(context)
    {
        Init(&m_Object, context.Get());
    }
    ~CInContext() { Clear(&m_Object, m_Context.Get()); }
    CInContext(const CInContext&) = delete;
    CInContext& operator=(const CInContext&) = delete;
    TStruct* Get() { return &m_Object; }

private:
    CMpolyContext& m_Context;
    TStruct m_Object;
};

using CMpoly = CInContext<fmpz_mpoly_struct, fmpz_mpoly_init, fmpz_mpoly_clear>;
using CMpolyFactor =
    CInContext<fmpz_mpoly_factor_struct, fmpz_mpoly_factor_init, fmpz_mpoly_factor_clear>;

std::vector<CIntegerMonomial> ReadMpoly(const fmpz_mpoly_t poly, CMpolyContext& context,
                                        std::size_t nLetters)
{
    std::vector<CIntegerMonomial> terms;
    fmpz_t c;
    fmpz_init(c);
    for (slong i = 0; i < fmpz_mpoly_length(poly, context.Get()); ++i)
    {
        CIntegerMonomial term;
        term.m_Exponents.resize(nLetters);
        fmpz_mpoly_get_term_coeff_fmpz(c, poly, i, context.Get());
        term.m_Coefficient = ToMpz(c);
        fmpz_mpoly_get_term_exp_ui(term.m_Exponents.data(), poly, i, context.Get());
        terms.push_back(std::move(term));
    }
    fmpz_clear(c);
    return terms;
}
} // namespace

bool FactorSeveralLetters(const std::vector<CIntegerMonomial>& poly, std::size_t nLetters,
                          mpz_class& constant, std::vector<CMultiFactor>& factors)
{
    if (nLetters == 0)
        return false;
    CMpolyContext context(nLetters);
    CMpoly flintPoly(context);
    fmpz_t c;
    fmpz_init(c);
    for (const CIntegerMonomial& term : poly)
    {
        std::vector<ulong> exponents(term.m_Exponents.begin(), term.m_Exponents.end());
        fmpz_set_mpz(c, term.m_Coefficient.get_mpz_t());
        fmpz_mpoly_push_term_fmpz_ui(flintPoly.Get(), c, exponents.data(), context.Get());
    }
    fmpz_clear(c);
    fmpz_mpoly_sort_terms(flintPoly.Get(), context.Get());
    fmpz_mpoly_combine_like_terms(flintPoly.Get(), context.Get());
    CMpolyFactor factor(context);
    if (!fmpz_mpoly_factor(factor.Get(), flintPoly.Get(), context.Get()))
        return false;
    constant = ToMpz(factor.Get()->constant);
    factors.clear();
    for (slong i = 0; i < factor.Get()->num; ++i)
    {
        CMultiFactor one;
        one.m_Terms = ReadMpoly(factor.Get()->poly + i, context, nLetters);
        one.m_nMultiplicity = static_cast<int>(fmpz_get_si(factor.Get()->exp + i));
        factors.push_back(std::move(one));
    }
    return true;
}
