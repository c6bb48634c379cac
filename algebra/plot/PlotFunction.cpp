// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotFunction.h"

#include "core/AlgebraError.h"
#include "core/Number.h"
#include "core/SubExpression.h"
#include "driver/Expression.h"
#include "solve/RootForms.h"

#include <cmath>
#include <limits>

namespace
{
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// Exact powers beyond this are left to the doubles: their values would have no use on a graph.
constexpr long kMaxExactPower = 4096;

bool IsWholePower(const CScalar& power)
{
    return power.IsUnset() || power.IsWhole();
}

double PowerOf(const CScalar& power)
{
    return power.IsUnset() ? 1.0 : power.ToDouble();
}
} // namespace

// One factor: a constant, the letter or a bracketed sum, raised to a power, maybe dividing.
struct SFactor
{
    double m_dConstant = 1.0;
    std::unique_ptr<CPlotFunction::SSum> m_pSum; // a bracket, else nullptr
    bool m_bLetter = false;
    bool m_bUnknownLetter = false;
    double m_dPower = 1.0;
    bool m_bWholePower = true;
    bool m_bDivisor = false;
};

struct STerm
{
    double m_dCoefficient = 1.0;
    std::vector<SFactor> m_Factors;
};

struct CPlotFunction::SSum
{
    std::vector<STerm> m_Terms;
};

namespace
{
std::unique_ptr<CPlotFunction::SSum> ReadSum(const CExpression& expression, char cLetter);

SFactor ReadFactor(const CEqElmAtom& atom, char cLetter)
{
    SFactor factor;
    factor.m_dPower = PowerOf(atom.m_Power);
    factor.m_bWholePower = IsWholePower(atom.m_Power);
    factor.m_bDivisor = atom.IsDivisor();
    if (atom.IsNumber())
        factor.m_dConstant = static_cast<const CEqElmNumber&>(atom).m_Value.ToDouble();
    else if (atom.IsVariable())
    {
        factor.m_bLetter = atom.GetLetter() == cLetter;
        factor.m_bUnknownLetter = !factor.m_bLetter;
    }
    else if (const CSubExpression* pBracket = atom.AsSubExpression())
        factor.m_pSum = ReadSum(*pBracket, cLetter);
    return factor;
}

std::unique_ptr<CPlotFunction::SSum> ReadSum(const CExpression& expression, char cLetter)
{
    auto pSum = std::make_unique<CPlotFunction::SSum>();
    for (const auto& pTerm : expression.m_Terms)
    {
        STerm term;
        term.m_dCoefficient =
            pTerm->m_Coefficient.IsUnset() ? 1.0 : pTerm->m_Coefficient.ToDouble();
        for (const auto& pAtom : pTerm->m_Elements)
            term.m_Factors.push_back(ReadFactor(*pAtom, cLetter));
        pSum->m_Terms.push_back(std::move(term));
    }
    return pSum;
}

double EvaluateSum(const CPlotFunction::SSum& sum, double dX);

// base^power; NaN for 0 to a negative power (a divisor that is zero) and for a power that
// is not whole of a negative base.
double Raise(double dBase, const SFactor& factor)
{
    if (factor.m_dPower == 1.0)
        return dBase;
    if (dBase == 0.0 && factor.m_dPower < 0)
        return kNaN;
    if (dBase < 0.0 && !factor.m_bWholePower)
        return kNaN;
    return std::pow(dBase, factor.m_dPower);
}

double EvaluateFactor(const SFactor& factor, double dX)
{
    if (factor.m_bUnknownLetter)
        return kNaN;
    const double dBase = factor.m_bLetter ? dX
                         : factor.m_pSum  ? EvaluateSum(*factor.m_pSum, dX)
                                          : factor.m_dConstant;
    const double dValue = Raise(dBase, factor);
    if (!factor.m_bDivisor)
        return dValue;
    return dValue == 0.0 ? kNaN : 1.0 / dValue;
}

double EvaluateSum(const CPlotFunction::SSum& sum, double dX)
{
    double dTotal = 0.0;
    for (const STerm& term : sum.m_Terms)
    {
        double dProduct = term.m_dCoefficient;
        for (const SFactor& factor : term.m_Factors)
            dProduct *= EvaluateFactor(factor, dX);
        dTotal += dProduct;
    }
    return dTotal;
}

mpq_class RationalOfScalar(const CScalar& scalar)
{
    if (scalar.IsUnset())
        return 1;
    if (scalar.m_bDecimal)
        return mpq_class(scalar.m_dWhole) * scalar.m_nSign;
    mpq_class value(mpz_class(scalar.ImproperNumerator().ToText()),
                    mpz_class(scalar.m_Denominator.ToText()));
    value.canonicalize();
    return scalar.m_nSign < 0 ? mpq_class(-value) : value;
}

std::optional<mpq_class> ExactPower(const mpq_class& base, const CScalar& power)
{
    if (!IsWholePower(power))
        return std::nullopt;
    const double dPower = PowerOf(power);
    if (std::fabs(dPower) > kMaxExactPower || (base == 0 && dPower < 0))
        return std::nullopt;
    const long nPower = static_cast<long>(dPower);
    mpz_class top, bottom;
    mpz_pow_ui(top.get_mpz_t(), base.get_num_mpz_t(),
               static_cast<unsigned long>(std::labs(nPower)));
    mpz_pow_ui(bottom.get_mpz_t(), base.get_den_mpz_t(),
               static_cast<unsigned long>(std::labs(nPower)));
    mpq_class value = nPower >= 0 ? mpq_class(top, bottom) : mpq_class(bottom, top);
    value.canonicalize();
    return value;
}

std::optional<mpq_class> ExactFactor(const CEqElmAtom& atom, char cLetter, const mpq_class& x)
{
    std::optional<mpq_class> base;
    if (atom.IsNumber())
        base = RationalOfScalar(static_cast<const CEqElmNumber&>(atom).m_Value);
    else if (atom.IsVariable() && atom.GetLetter() == cLetter)
        base = x;
    else if (const CSubExpression* pBracket = atom.AsSubExpression())
        base = ExactValueAt(*pBracket, cLetter, x);
    if (!base)
        return std::nullopt;
    std::optional<mpq_class> value = ExactPower(*base, atom.m_Power);
    if (!value || !atom.IsDivisor())
        return value;
    if (*value == 0)
        return std::nullopt;
    return mpq_class(1) / *value;
}

void CollectDivisors(const CExpression& expression, char cLetter, std::vector<std::string>& out);

void CollectFromFactor(const CEqElmAtom& atom, char cLetter, std::vector<std::string>& out)
{
    const bool bDivides =
        atom.IsDivisor() != (!atom.m_Power.IsUnset() && atom.m_Power.ToDouble() < 0);
    const CSubExpression* pBracket = atom.AsSubExpression();
    if (pBracket)
        CollectDivisors(*pBracket, cLetter, out);
    if (!bDivides)
        return;
    std::string strBody;
    if (atom.IsVariable() && atom.GetLetter() == cLetter)
        strBody = std::string(1, cLetter);
    else if (pBracket)
        strBody = pBracket->GetSumText();
    if (strBody.find(cLetter) != std::string::npos)
        out.push_back(strBody);
}

void CollectDivisors(const CExpression& expression, char cLetter, std::vector<std::string>& out)
{
    for (const auto& pTerm : expression.m_Terms)
        for (const auto& pAtom : pTerm->m_Elements)
            CollectFromFactor(*pAtom, cLetter, out);
}
} // namespace

CPlotFunction::CPlotFunction() : m_pSum(std::make_unique<SSum>()) {}

CPlotFunction::CPlotFunction(const CExpression& expression, char cLetter)
    : m_pSum(ReadSum(expression, cLetter)), m_cLetter(cLetter)
{
}

CPlotFunction::~CPlotFunction() = default;
CPlotFunction::CPlotFunction(CPlotFunction&&) noexcept = default;
CPlotFunction& CPlotFunction::operator=(CPlotFunction&&) noexcept = default;

double CPlotFunction::operator()(double dX) const
{
    return EvaluateSum(*m_pSum, dX);
}

std::optional<mpq_class> ExactValueAt(const CExpression& expression, char cLetter,
                                      const mpq_class& x)
{
    mpq_class total = 0;
    for (const auto& pTerm : expression.m_Terms)
    {
        mpq_class product = RationalOfScalar(pTerm->m_Coefficient);
        for (const auto& pAtom : pTerm->m_Elements)
        {
            const std::optional<mpq_class> factor = ExactFactor(*pAtom, cLetter, x);
            if (!factor)
                return std::nullopt;
            product *= *factor;
        }
        total += product;
    }
    return total;
}

std::vector<std::string> DivisorsOf(const CExpression& expression, char cLetter)
{
    std::vector<std::string> divisors;
    CollectDivisors(expression, cLetter, divisors);
    return divisors;
}

std::optional<mpq_class> RationalFromText(const std::string& strText)
{
    if (strText.empty())
        return std::nullopt;
    try
    {
        const CScalar scalar(strText);
        if (scalar.m_bDecimal)
            return std::nullopt;
        return RationalOfScalar(scalar);
    }
    catch (const CAlgebraError&)
    {
        return std::nullopt;
    }
}

std::string RationalLabel(const mpq_class& value)
{
    // As the solver writes its roots, so that a hole's label reads like the x = ... labels.
    return RationalDisplay(value);
}
