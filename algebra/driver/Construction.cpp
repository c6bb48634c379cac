// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver/Construction.h"

#include "core/AlgebraError.h"
#include "core/Number.h"
#include "core/SubExpression.h"
#include "core/Variable.h"
#include "driver/Equation.h"

#include <cctype>

namespace
{
bool IsNumberChar(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) || c == '.';
}

// The end of a number run starting at nStart: digits and ".", and when the run stops at
// a "%", the fraction through its "$" (or the end of the text), as a mixed number.
size_t NumberRunEnd(std::string_view strText, size_t nStart)
{
    size_t nEnd = nStart;
    while (nEnd < strText.size() && IsNumberChar(strText[nEnd]))
        ++nEnd;
    if (nEnd < strText.size() && strText[nEnd] == '%')
    {
        const size_t nClose = strText.find('$', nEnd);
        nEnd = nClose == std::string_view::npos ? strText.size() : nClose + 1;
    }
    return nEnd;
}

// The position of the ")" that closes the "(" at nOpen, or the end of the text.
size_t MatchingBracket(std::string_view strText, size_t nOpen)
{
    int nDepth = 0;
    size_t nPos = nOpen + 1;
    for (; nPos < strText.size(); ++nPos)
    {
        if (strText[nPos] == '(')
            ++nDepth;
        else if (strText[nPos] == ')' && nDepth-- <= 0)
            break;
    }
    return nPos;
}

// The end of the term that starts at nStart; nDepth is the bracket depth carried over
// from term to term. A sign right after "^" belongs to a negative power.
size_t TermEnd(std::string_view strText, size_t nStart, int& nDepth)
{
    size_t nPos = nStart;
    if (strText[nPos] == '+' || strText[nPos] == '-')
        ++nPos;
    for (; nPos < strText.size(); ++nPos)
    {
        const char c = strText[nPos];
        if (c == '(')
            ++nDepth;
        else if (c == ')')
            --nDepth;
        else if ((c == '+' || c == '-') && nDepth <= 0 && strText[nPos - 1] != '^')
            break;
    }
    return nPos;
}

class CTermParser
{
public:
    CTermParser(CEqElm& term, std::string_view strText, int nDepth)
        : m_Term(term), m_strText(strText), m_nDepth(nDepth)
    {
    }

    void Parse()
    {
        ParseSign();
        ParseLeadingNumber();
        while (m_nPos < m_strText.size())
            ParseFactorCharacter();
    }

private:
    void ParseSign()
    {
        if (m_strText.empty() || (m_strText[0] != '+' && m_strText[0] != '-'))
            return;
        m_Term.m_Coefficient.SetUnit(m_strText[0] == '-' ? -1 : 1);
        m_nPos = 1;
    }

    void ParseLeadingNumber()
    {
        const size_t nEnd = NumberRunEnd(m_strText, m_nPos);
        if (nEnd == m_nPos)
            return;
        m_Term.m_Coefficient.Multiply(
            CScalar(std::string(m_strText.substr(m_nPos, nEnd - m_nPos))));
        m_nPos = nEnd;
    }

    void ParseFactorCharacter()
    {
        const char c = m_strText[m_nPos];
        if (c == '%' || IsNumberChar(c))
            AppendNumber();
        else if (c == '(')
            AppendBracket();
        else if (c == '*')
            Skip(m_nStarCountdown);
        else if (c == '/')
            StartDivisor();
        else if (c == '^')
            ApplyPower();
        else
            Append(std::make_unique<CEqElmVariable>(c), m_nPos + 1);
        if (c != '/' && m_nDivisorCountdown == 1 && !m_Term.m_Elements.empty())
            m_Term.m_Elements.back()->SetDivisor();
        if (m_nStarCountdown == 1 && !m_Term.m_Elements.empty())
            m_Term.m_Elements.back()->SetExplicitMultiply(true);
        if (m_nDivisorCountdown > 0)
            --m_nDivisorCountdown;
        if (m_nStarCountdown > 0)
            --m_nStarCountdown;
    }

    void Append(std::unique_ptr<CEqElmAtom> pFactor, size_t nNext)
    {
        m_Term.m_Elements.push_back(std::move(pFactor));
        m_nPos = nNext;
    }

    // 3, 2.5, %1,2$ and 3%1,2$ (three and a half) each make one number factor.
    void AppendNumber()
    {
        const size_t nEnd = NumberRunEnd(m_strText, m_nPos);
        const std::string strNumber(m_strText.substr(m_nPos, nEnd - m_nPos));
        Append(std::make_unique<CEqElmNumber>(strNumber), nEnd);
    }

    void AppendBracket()
    {
        if (m_nDepth >= kMaxBracketDepth)
            throw CAlgebraError(kBracketsTooDeep);
        const size_t nClose = MatchingBracket(m_strText, m_nPos);
        auto pBracket = std::make_unique<CSubExpression>();
        ParseExpressionText(*pBracket, m_strText.substr(m_nPos + 1, nClose - m_nPos - 1),
                            m_nDepth + 1);
        Append(std::move(pBracket), nClose < m_strText.size() ? nClose + 1 : nClose);
    }

    void Skip(int& nCountdown)
    {
        nCountdown = 2;
        ++m_nPos;
    }

    // 2/x: with no factor yet, the coefficient becomes the number factor that is divided.
    void StartDivisor()
    {
        if (m_Term.m_Elements.empty())
        {
            m_Term.m_Elements.push_back(
                std::make_unique<CEqElmNumber>(m_Term.m_Coefficient.ToText(true)));
            m_Term.m_Coefficient.SetFromParts(1, 0, 1);
        }
        Skip(m_nDivisorCountdown);
    }

    // 2^3!: with no factor yet, the coefficient's magnitude becomes the factor raised to
    // the power (the sign stays with the coefficient, so -2^2! is -4).
    void NumberFromCoefficient()
    {
        auto pNumber = std::make_unique<CEqElmNumber>(m_Term.m_Coefficient.ToText(true));
        const bool bNegative = pNumber->m_Value.m_nSign < 0;
        if (bNegative)
            pNumber->m_Value.Negate();
        m_Term.m_Coefficient.SetFromParts(bNegative ? -1 : 1, 0, 1);
        m_Term.m_Elements.push_back(std::move(pNumber));
    }

    void ApplyPower()
    {
        if (m_Term.m_Elements.empty())
            NumberFromCoefficient();
        const size_t nClose = m_strText.find('!', m_nPos + 1);
        const size_t nEnd = nClose == std::string_view::npos ? m_strText.size() : nClose;
        // A power of a power multiplies (x^2!^3! is x^6); an unfilled template (x^!) is no
        // power at all rather than a power of zero.
        const std::string_view strPower = m_strText.substr(m_nPos + 1, nEnd - m_nPos - 1);
        if (!strPower.empty())
            m_Term.m_Elements.back()->m_Power.Multiply(CScalar(std::string(strPower)));
        m_nPos = nClose == std::string_view::npos ? nEnd : nEnd + 1;
    }

    CEqElm& m_Term;
    std::string_view m_strText;
    int m_nDepth;
    size_t m_nPos = 0;
    int m_nDivisorCountdown = 0;
    int m_nStarCountdown = 0;
};
} // namespace

void ParseTermText(CEqElm& term, std::string_view strText, int nDepth)
{
    CTermParser(term, strText, nDepth).Parse();
}

// x+2y-(a-b) -> x, +2y, -(a-b). A sign with nothing after it adds no term.
void ParseExpressionText(CExpression& expression, std::string_view strText, int nDepth)
{
    int nBracketDepth = 0;
    size_t nStart = 0;
    while (nStart < strText.size())
    {
        const size_t nEnd = TermEnd(strText, nStart, nBracketDepth);
        const std::string_view strTerm = strText.substr(nStart, nEnd - nStart);
        if (strTerm != "+" && strTerm != "-")
        {
            auto pTerm = std::make_unique<CEqElm>();
            ParseTermText(*pTerm, strTerm, nDepth);
            expression.AppendTerm(std::move(pTerm));
        }
        nStart = nEnd;
    }
}

// 0=x+1 reads as x+1=0: the side that is exactly "0" goes to the right.
void ParseEquationText(CExpression& leftSide, std::unique_ptr<CExpression>& pRightSide,
                       std::string_view strText)
{
    const size_t nEquals = strText.find('=');
    if (nEquals == std::string_view::npos)
        throw CAlgebraError(kInvalidEquationCreation);
    std::string_view strLeft = strText.substr(0, nEquals);
    std::string_view strRight = strText.substr(nEquals + 1);
    if (strLeft == "0")
        std::swap(strLeft, strRight);
    ParseExpressionText(leftSide, strLeft, 0);
    pRightSide = std::make_unique<CExpression>(strRight);
}

std::unique_ptr<CExpression> ConstructFromText(std::string_view strText)
{
    if (strText.find('=') != std::string_view::npos)
        return std::make_unique<CEquation>(strText);
    return std::make_unique<CExpression>(strText);
}
