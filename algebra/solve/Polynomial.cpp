// SPDX-License-Identifier: GPL-3.0-or-later
#include "solve/Polynomial.h"

#include "core/Number.h"
#include "core/Scalar.h"
#include "core/SubExpression.h"
#include "core/Term.h"
#include "driver/Equation.h"
#include "solve/SolveFormula.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace
{
using EForm = CPolynomial::EForm;

// Lexicographic in ascending letters, the higher power first: x^2, xy, x, y^2, y, 1.
bool WrittenBefore(const CMonomial& first, const CMonomial& second)
{
    for (std::size_t i = 0; i < first.size() && i < second.size(); ++i)
    {
        if (first[i].first != second[i].first)
            return first[i].first < second[i].first;
        if (first[i].second != second[i].second)
            return first[i].second > second[i].second;
    }
    return first.size() > second.size();
}

CMonomial MultiplyMonomials(const CMonomial& first, const CMonomial& second)
{
    CMonomial result;
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < first.size() || j < second.size())
    {
        if (j == second.size() || (i < first.size() && first[i].first < second[j].first))
            result.push_back(first[i++]);
        else if (i == first.size() || second[j].first < first[i].first)
            result.push_back(second[j++]);
        else
        {
            result.emplace_back(first[i].first, first[i].second + second[j].second);
            ++i;
            ++j;
        }
    }
    return result;
}

std::string Digits(const mpz_class& value)
{
    return value.get_str();
}

const char* const kSuperscripts[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
const char* const kSubscripts[] = {"₀", "₁", "₂", "₃", "₄", "₅", "₆", "₇", "₈", "₉"};

struct SVulgar
{
    int m_nTop;
    int m_nBottom;
    const char* m_pText;
};
constexpr SVulgar kVulgar[] = {{1, 2, "½"}, {1, 3, "⅓"}, {2, 3, "⅔"}, {1, 4, "¼"}, {3, 4, "¾"},
                               {1, 5, "⅕"}, {2, 5, "⅖"}, {3, 5, "⅗"}, {4, 5, "⅘"}, {1, 6, "⅙"},
                               {5, 6, "⅚"}, {1, 7, "⅐"}, {1, 8, "⅛"}, {3, 8, "⅜"}, {5, 8, "⅝"},
                               {7, 8, "⅞"}, {1, 9, "⅑"}, {1, 10, "⅒"}};

std::string Scripted(const std::string& strDigits, const char* const* pDigits)
{
    std::string strText;
    for (char c : strDigits)
        strText += pDigits[c - '0'];
    return strText;
}

// "½", "¹²⁄₁₃": a proper fraction as one piece of the line.
std::string LineFraction(const mpz_class& top, const mpz_class& bottom)
{
    for (const SVulgar& vulgar : kVulgar)
        if (top == vulgar.m_nTop && bottom == vulgar.m_nBottom)
            return vulgar.m_pText;
    return Scripted(top.get_str(), kSuperscripts) + "⁄" + Scripted(bottom.get_str(), kSubscripts);
}

// The magnitude of a coefficient in one form: "2%1,3$", "(2&1/3)", "2\frac{1}{3}", "2⅓".
std::string MagnitudeText(const mpq_class& magnitude, EForm eForm)
{
    if (eForm == EForm::Decimal)
    {
        CScalar scalar;
        scalar.SetDecimal(magnitude.get_d());
        return scalar.ToText(true).substr(1);
    }
    const mpz_class whole = magnitude.get_num() / magnitude.get_den();
    const mpz_class remainder = magnitude.get_num() % magnitude.get_den();
    if (remainder == 0)
        return Digits(whole);
    const std::string strWhole = whole == 0 ? "" : Digits(whole);
    const std::string strTop = Digits(remainder);
    const std::string strBottom = Digits(magnitude.get_den());
    switch (eForm)
    {
    case EForm::Text:
        return strWhole + "%" + strTop + "," + strBottom + "$";
    case EForm::Latex:
        return strWhole + "\\frac{" + strTop + "}{" + strBottom + "}";
    case EForm::Line:
        return strWhole + LineFraction(remainder, magnitude.get_den());
    default:
        return "(" + (strWhole.empty() ? "" : strWhole + "&") + strTop + "/" + strBottom + ")";
    }
}

std::string PowerText(int nPower, EForm eForm)
{
    if (nPower == 1)
        return "";
    const std::string strPower = std::to_string(nPower);
    if (eForm == EForm::Text)
        return "^" + strPower + "!";
    if (eForm == EForm::Latex)
        return "^{" + strPower + "}";
    return "^" + strPower;
}

int PowerOf(const CMonomial& monomial, char cLetter)
{
    for (const auto& letter : monomial)
        if (letter.first == cLetter)
            return letter.second;
    return 0;
}

mpz_class ReadDigits(const std::string& strText, std::size_t nFrom, std::size_t nTo)
{
    std::string strDigits;
    for (std::size_t i = nFrom; i < nTo && i < strText.size(); ++i)
        if (std::isdigit(static_cast<unsigned char>(strText[i])))
            strDigits += strText[i];
    // Base 10 given: a run with a leading 0 (the digits after a decimal point) is not octal.
    return strDigits.empty() ? mpz_class(0) : mpz_class(strDigits, 10);
}

mpq_class ReadPlainNumber(const std::string& strText, std::size_t nFrom, std::size_t nTo,
                          bool& bDecimal)
{
    const std::size_t nPoint = strText.find('.', nFrom);
    if (nPoint == std::string::npos || nPoint >= nTo)
        return mpq_class(ReadDigits(strText, nFrom, nTo));
    bDecimal = true;
    const mpz_class whole = ReadDigits(strText, nFrom, nPoint);
    std::size_t nEnd = std::min(nTo, strText.size());
    mpz_class scale = 1;
    for (std::size_t i = nPoint + 1; i < nEnd; ++i)
        if (std::isdigit(static_cast<unsigned char>(strText[i])))
            scale *= 10;
    mpq_class result(whole * scale + ReadDigits(strText, nPoint + 1, nEnd), scale);
    result.canonicalize();
    return result;
}
} // namespace

mpq_class ReadNumberText(const std::string& strText, bool& bDecimal)
{
    // Whole numbers of up to 18 digits, nearly every number met, without the general reading.
    if (strText.size() > 1 && strText.size() <= 19 && (strText[0] == '+' || strText[0] == '-'))
    {
        long nValue = 0;
        const auto result =
            std::from_chars(strText.data() + 1, strText.data() + strText.size(), nValue);
        if (result.ec == std::errc() && result.ptr == strText.data() + strText.size())
            return mpq_class(strText[0] == '-' ? -nValue : nValue);
    }
    std::size_t nStart = 0;
    int nSign = 1;
    if (!strText.empty() && (strText[0] == '+' || strText[0] == '-'))
    {
        nSign = strText[0] == '-' ? -1 : 1;
        nStart = 1;
    }
    if (nStart == strText.size())
        return nSign;
    const std::size_t nPercent = strText.find('%');
    mpq_class result;
    if (nPercent == std::string::npos)
        result = ReadPlainNumber(strText, nStart, strText.size(), bDecimal);
    else
    {
        const mpq_class whole = ReadPlainNumber(strText, nStart, nPercent, bDecimal);
        const std::size_t nComma = strText.find(',', nPercent);
        const std::size_t nEnd = std::min(strText.find('$', nPercent), strText.size());
        const mpq_class top =
            ReadPlainNumber(strText, nPercent + 1, std::min(nComma, nEnd), bDecimal);
        mpq_class bottom = 1;
        if (nComma != std::string::npos && nComma < nEnd)
            bottom = ReadPlainNumber(strText, nComma + 1, nEnd, bDecimal);
        if (bottom == 0)
            bottom = 1;
        result = whole + top / bottom;
    }
    return nSign * result;
}

std::string RationalText(const mpq_class& value)
{
    const std::string strMagnitude = MagnitudeText(abs(value), EForm::Text);
    return sgn(value) < 0 ? "-" + strMagnitude : strMagnitude;
}

CPolynomial CPolynomial::Constant(const mpq_class& value)
{
    CPolynomial result;
    if (value != 0)
        result.m_Terms[{}] = value;
    return result;
}

CPolynomial CPolynomial::Letter(char cLetter)
{
    CPolynomial result;
    result.m_Terms[{{cLetter, 1}}] = 1;
    return result;
}

bool CPolynomial::IsConstant() const
{
    return m_Terms.empty() || (m_Terms.size() == 1 && m_Terms.begin()->first.empty());
}

mpq_class CPolynomial::ConstantValue() const
{
    const auto found = m_Terms.find({});
    return found == m_Terms.end() ? mpq_class(0) : found->second;
}

int CPolynomial::Degree(char cLetter) const
{
    int nDegree = 0;
    for (const auto& [monomial, coefficient] : m_Terms)
        for (const auto& [cFound, nPower] : monomial)
            if (cFound == cLetter)
                nDegree = std::max(nDegree, nPower);
    return nDegree;
}

int CPolynomial::TotalDegree() const
{
    int nDegree = 0;
    for (const auto& [monomial, coefficient] : m_Terms)
    {
        int nSum = 0;
        for (const auto& letter : monomial)
            nSum += letter.second;
        nDegree = std::max(nDegree, nSum);
    }
    return nDegree;
}

std::set<char> CPolynomial::Letters() const
{
    std::set<char> letters;
    for (const auto& [monomial, coefficient] : m_Terms)
        for (const auto& letter : monomial)
            letters.insert(letter.first);
    return letters;
}

CPolynomial CPolynomial::CoefficientOf(char cLetter, int nPower) const
{
    CPolynomial result;
    for (const auto& [monomial, coefficient] : m_Terms)
    {
        CMonomial rest;
        int nFound = 0;
        for (const auto& letter : monomial)
        {
            if (letter.first == cLetter)
                nFound = letter.second;
            else
                rest.push_back(letter);
        }
        if (nFound == nPower)
            result.m_Terms[rest] += coefficient;
    }
    return result;
}

std::vector<CPolynomial> CPolynomial::CoefficientsIn(char cLetter) const
{
    std::vector<CPolynomial> result;
    for (int i = 0; i <= Degree(cLetter); ++i)
        result.push_back(CoefficientOf(cLetter, i));
    return result;
}

CPolynomial CPolynomial::Substitute(char cLetter, const mpq_class& value) const
{
    CPolynomial result;
    for (const auto& [monomial, coefficient] : m_Terms)
    {
        CMonomial rest;
        mpq_class factor = coefficient;
        for (const auto& letter : monomial)
        {
            if (letter.first != cLetter)
                rest.push_back(letter);
            else
                for (int i = 0; i < letter.second; ++i)
                    factor *= value;
        }
        CPolynomial term;
        if (factor != 0)
            term.m_Terms[rest] = factor;
        result += term;
    }
    return result;
}

CPolynomial& CPolynomial::operator+=(const CPolynomial& other)
{
    for (const auto& [monomial, coefficient] : other.m_Terms)
    {
        mpq_class& sum = m_Terms[monomial];
        sum += coefficient;
        if (sum == 0)
            m_Terms.erase(monomial);
    }
    return *this;
}

CPolynomial& CPolynomial::operator-=(const CPolynomial& other)
{
    return *this += other.Negated();
}

CPolynomial CPolynomial::operator*(const CPolynomial& other) const
{
    CPolynomial result;
    for (const auto& [first, a] : m_Terms)
        for (const auto& [second, b] : other.m_Terms)
        {
            const CMonomial product = MultiplyMonomials(first, second);
            mpq_class& sum = result.m_Terms[product];
            sum += a * b;
            if (sum == 0)
                result.m_Terms.erase(product);
        }
    return result;
}

CPolynomial& CPolynomial::operator*=(const mpq_class& factor)
{
    if (factor == 0)
        m_Terms.clear();
    for (auto& term : m_Terms)
        term.second *= factor;
    return *this;
}

CPolynomial CPolynomial::Power(int nPower) const
{
    CPolynomial result = Constant(1);
    for (int i = 0; i < nPower; ++i)
        result = result * *this;
    return result;
}

CPolynomial CPolynomial::Negated() const
{
    CPolynomial result = *this;
    result *= -1;
    return result;
}

std::size_t CPolynomial::LargestDigits() const
{
    std::size_t nLargest = 0;
    for (const auto& term : m_Terms)
        nLargest = std::max({nLargest, mpz_sizeinbase(term.second.get_num_mpz_t(), 10),
                             mpz_sizeinbase(term.second.get_den_mpz_t(), 10)});
    return nLargest;
}

std::string CPolynomial::Written(EForm eForm, char cMain) const
{
    std::vector<const std::pair<const CMonomial, mpq_class>*> terms;
    for (const auto& term : m_Terms)
        terms.push_back(&term);
    std::sort(terms.begin(), terms.end(),
              [cMain](auto* pFirst, auto* pSecond)
              {
                  const int nFirst = PowerOf(pFirst->first, cMain);
                  const int nSecond = PowerOf(pSecond->first, cMain);
                  if (nFirst != nSecond)
                      return nFirst > nSecond;
                  return WrittenBefore(pFirst->first, pSecond->first);
              });
    std::string strText;
    for (const auto* pTerm : terms)
    {
        const mpq_class& coefficient = pTerm->second;
        if (sgn(coefficient) < 0)
            strText += "-";
        else if (!strText.empty())
            strText += "+";
        const mpq_class magnitude = abs(coefficient);
        if (magnitude != 1 || pTerm->first.empty())
            strText += MagnitudeText(magnitude, eForm);
        for (const auto& [cLetter, nPower] : pTerm->first)
            strText += std::string(1, cLetter) + PowerText(nPower, eForm);
    }
    return strText.empty() ? "0" : strText;
}

CFormula CPolynomial::Formula(EForm eForm, char cMain) const
{
    return BothForms(
        [&](bool bTypeset)
        {
            if (!bTypeset)
                return Written(eForm, cMain);
            if (eForm != EForm::Decimal)
                return Written(EForm::Text, cMain);
            const std::string strDecimal = Written(eForm, cMain);
            std::string strText;
            for (std::size_t i = 0; i < strDecimal.size();)
            {
                strText += strDecimal[i];
                if (strDecimal[i++] != '^')
                    continue;
                while (i < strDecimal.size() &&
                       std::isdigit(static_cast<unsigned char>(strDecimal[i])))
                    strText += strDecimal[i++];
                strText += '!';
            }
            return strText;
        });
}

namespace
{
// A bound on the work while reading, above the solver's own limits, so that a power of a long
// bracket cannot run on before those limits are checked.
constexpr int kMaxReadDegree = 4 * CTermReader::kMaxDegree;
constexpr int kMaxNesting = 64;

void CheckSize(const CPolynomial& poly)
{
    if (poly.TotalDegree() > kMaxReadDegree)
        throw CNotPolynomial("its degree is more than " + std::to_string(CTermReader::kMaxDegree));
    if (poly.LargestDigits() > CTermReader::kMaxDigits)
        throw CNotPolynomial("its numbers have more than " +
                             std::to_string(CTermReader::kMaxDigits) + " digits");
}

void Normalise(CRationalFunction& function)
{
    if (function.m_Bottom.IsConstant())
    {
        function.m_Top *= 1 / function.m_Bottom.ConstantValue();
        function.m_Bottom = CPolynomial::Constant(1);
    }
}

CRationalFunction Multiply(const CRationalFunction& first, const CRationalFunction& second)
{
    CRationalFunction result{first.m_Top * second.m_Top, first.m_Bottom * second.m_Bottom};
    Normalise(result);
    CheckSize(result.m_Top);
    CheckSize(result.m_Bottom);
    return result;
}

CRationalFunction Add(const CRationalFunction& first, const CRationalFunction& second)
{
    CRationalFunction result;
    if (first.m_Bottom == second.m_Bottom)
    {
        result.m_Top = first.m_Top;
        result.m_Top += second.m_Top;
        result.m_Bottom = first.m_Bottom;
    }
    else
    {
        result.m_Top = first.m_Top * second.m_Bottom;
        result.m_Top += second.m_Top * first.m_Bottom;
        result.m_Bottom = first.m_Bottom * second.m_Bottom;
    }
    Normalise(result);
    CheckSize(result.m_Top);
    CheckSize(result.m_Bottom);
    return result;
}

int WholePower(const CEqElmAtom& factor)
{
    bool bDecimal = false;
    const mpq_class power = ReadNumberText(factor.m_Power.ToText(true), bDecimal);
    if (power.get_den() != 1)
        throw CNotPolynomial("it holds a power that is not a whole number");
    if (abs(power) > kMaxReadDegree)
        throw CNotPolynomial("its degree is more than " + std::to_string(CTermReader::kMaxDegree));
    int nPower = static_cast<int>(power.get_num().get_si());
    return factor.IsDivisor() ? -nPower : nPower;
}
} // namespace

CRationalFunction CTermReader::ReadFactor(const CEqElmAtom& factor)
{
    CRationalFunction base;
    if (const auto* pNumber = dynamic_cast<const CEqElmNumber*>(&factor))
        base.m_Top =
            CPolynomial::Constant(ReadNumberText(pNumber->m_Value.ToText(true), m_bDecimal));
    else if (factor.IsVariable())
        base.m_Top = CPolynomial::Letter(factor.GetLetter());
    else if (const CSubExpression* pBracket = factor.AsSubExpression())
        base = ReadExpression(*pBracket);
    else
        throw CNotPolynomial("it holds a part that is not a number, a letter or a bracket");
    const int nPower = WholePower(factor);
    if (nPower < 0)
    {
        if (base.m_Top.IsZero())
            throw CNotPolynomial("it divides by zero");
        if (!base.m_Top.IsConstant())
        {
            m_Divisors.push_back(base.m_Top);
            const bool bBracket = factor.IsSubExpression();
            m_DivisorForms.push_back(BothForms(
                [&](bool bTypeset)
                {
                    const std::string strText =
                        bTypeset ? base.m_Top.ToText() : base.m_Top.ToDisplay();
                    return bBracket ? "(" + strText + ")" : strText;
                }));
        }
        std::swap(base.m_Top, base.m_Bottom);
        Normalise(base);
    }
    CRationalFunction result;
    result.m_Top = CPolynomial::Constant(1);
    for (int i = 0; i < std::abs(nPower); ++i)
        result = Multiply(result, base);
    return result;
}

namespace
{
// A letter at a whole power above zero multiplies into a monomial as it stands.
bool MergeLetter(CMonomial& monomial, char cLetter, int nPower)
{
    for (auto& letter : monomial)
        if (letter.first == cLetter)
        {
            letter.second += nPower;
            return true;
        }
    monomial.emplace_back(cLetter, nPower);
    std::sort(monomial.begin(), monomial.end());
    return true;
}
} // namespace

// Most terms are a number times letters at whole powers: those build their monomial directly,
// and only brackets, divisors and powers below one go through rational functions.
CRationalFunction CTermReader::ReadTerm(const CEqElm& term)
{
    mpq_class coefficient = ReadNumberText(term.m_Coefficient.ToText(true), m_bDecimal);
    CMonomial monomial;
    CRationalFunction rest;
    bool bRest = false;
    for (const auto& pFactor : term.m_Elements)
    {
        const CEqElmAtom& factor = *pFactor;
        if (factor.IsVariable() && !factor.IsDivisor())
        {
            const int nPower = factor.HasUnitPower() ? 1 : WholePower(factor);
            if (nPower > 0 && MergeLetter(monomial, factor.GetLetter(), nPower))
                continue;
        }
        rest = bRest ? Multiply(rest, ReadFactor(factor)) : ReadFactor(factor);
        bRest = true;
    }
    CRationalFunction result;
    if (coefficient != 0)
        result.m_Top.m_Terms[monomial] = coefficient;
    if (bRest)
        result = Multiply(result, rest);
    else if (monomial.size() > 0)
        CheckSize(result.m_Top);
    return result;
}

CRationalFunction CTermReader::ReadExpression(const CExpression& expression)
{
    if (++m_nDepth > kMaxNesting)
        throw CNotPolynomial("its brackets are nested too deeply");
    // Terms without divisions add up as polynomials; the others as quotients.
    CPolynomial sum;
    CRationalFunction quotients;
    quotients.m_Top = CPolynomial();
    bool bQuotients = false;
    for (const auto& pTerm : expression.m_Terms)
    {
        CRationalFunction term = ReadTerm(*pTerm);
        if (term.m_Bottom.IsConstant() && term.m_Bottom.ConstantValue() == 1)
            sum += term.m_Top;
        else
        {
            quotients = bQuotients ? Add(quotients, term) : term;
            bQuotients = true;
        }
    }
    CRationalFunction result;
    result.m_Top = sum;
    if (bQuotients)
        result = Add(result, quotients);
    CheckSize(result.m_Top);
    --m_nDepth;
    return result;
}

CRationalFunction CTermReader::ReadEquation(const CExpression& root)
{
    CRationalFunction result = ReadExpression(root);
    if (root.GetKind() == CExpression::kKindEquation)
    {
        const auto& equation = static_cast<const CEquation&>(root);
        if (equation.m_pRightSide)
        {
            CRationalFunction right = ReadExpression(*equation.m_pRightSide);
            right.m_Top = right.m_Top.Negated();
            result = Add(result, right);
        }
    }
    return result;
}
