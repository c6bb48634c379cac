// SPDX-License-Identifier: GPL-3.0-or-later
#include "Evaluate.h"
#include "driver/Construction.h"
#include "solve/Polynomial.h"
#include "solve/Solve.h"
#include "solve/SolveRequest.h"

#include <gtest/gtest.h>

#include <complex>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace
{
struct CRow
{
    std::string m_strText;
    char m_cLetter = 0;
    std::string m_strLine;
    std::string m_strExcluded;
};

std::vector<CRow> ReadRows()
{
    std::ifstream file(FENNORY_SOURCE_DIR "/tests/data/solve.txt");
    std::vector<CRow> rows;
    std::string strLine;
    while (std::getline(file, strLine))
    {
        if (strLine.empty() || strLine[0] == '#')
            continue;
        std::vector<std::string> fields;
        std::istringstream stream(strLine);
        for (std::string strField; std::getline(stream, strField, '\t');)
            fields.push_back(strField);
        if (fields.size() != 4)
            ADD_FAILURE() << "a row without four fields: " << strLine;
        else
            rows.push_back(
                {fields[0], fields[1] == "-" ? '\0' : fields[1][0], fields[2], fields[3]});
    }
    return rows;
}

std::string Excluded(const CSolution& solution)
{
    std::string strText;
    for (const CRoot& root : solution.m_Excluded)
        strText += (strText.empty() ? "" : ",") + root.m_strDisplay;
    return strText.empty() ? "-" : strText;
}

std::string Replaced(const std::string& strText, char cLetter, const std::string& strValue)
{
    std::string strResult;
    for (char c : strText)
        strResult += c == cLetter ? "(" + strValue + ")" : std::string(1, c);
    return strResult;
}

// A real root put into the equation as typed: an exact one by the engine's own exact
// arithmetic (the equation must become 0=0), any other by the evaluator of the tests.
void CheckRealRoot(const std::string& strText, char cLetter, const CRoot& root)
{
    if (!root.m_strText.empty() && root.m_strText.find('.') == std::string::npos)
    {
        const CSimplifyOutcome substituted =
            RunSimplify(Replaced(strText, cLetter, root.m_strText));
        EXPECT_EQ(substituted.m_strResult, "0=0") << "root " << root.m_strDisplay;
        return;
    }
    const std::size_t nEquals = strText.find('=');
    const evaluate::CValues values = {{cLetter, static_cast<long double>(root.m_dRe)}};
    const auto left = evaluate::EvaluateSide(std::string_view(strText).substr(0, nEquals), values);
    const auto right =
        evaluate::EvaluateSide(std::string_view(strText).substr(nEquals + 1), values);
    ASSERT_TRUE(left && right) << "root " << root.m_strDisplay;
    EXPECT_TRUE(evaluate::NearlyEqual(*left, *right, 1e-8L))
        << "root " << root.m_strDisplay << ": " << static_cast<double>(*left) << " against "
        << static_cast<double>(*right);
}

// The equation's polynomial (the top of its last result) in the letter, as numbers.
std::vector<long double> Coefficients(const CPolynomial& top, char cLetter)
{
    std::vector<long double> coefficients;
    for (const CPolynomial& c : top.CoefficientsIn(cLetter))
        coefficients.push_back(static_cast<long double>(c.ConstantValue().get_d()));
    return coefficients;
}

void CheckComplexRoot(const std::vector<long double>& coefficients, const CRoot& root)
{
    const std::complex<long double> point(root.m_dRe, root.m_dIm);
    std::complex<long double> value = 0;
    long double dScale = 0;
    for (std::size_t i = coefficients.size(); i-- > 0;)
    {
        value = value * point + coefficients[i];
        dScale = std::max(dScale, std::abs(coefficients[i]) * std::pow(std::abs(point), i));
    }
    EXPECT_LE(std::abs(value), 1e-9L * dScale) << "root " << root.m_strDisplay;
}

bool HasOnlyLetter(const std::string& strText, char cLetter)
{
    const std::set<char> letters = evaluate::LettersOf(strText);
    return letters.size() == 1 && *letters.begin() == cLetter;
}

int Count(const std::string& strText, const std::string& strPart)
{
    int nCount = 0;
    for (std::size_t n = strText.find(strPart); n != std::string::npos;
         n = strText.find(strPart, n + 1))
        ++nCount;
    return nCount;
}
} // namespace

// Every row: the answer line, the excluded values, the narrative the Parts wrote kept as it
// was and followed by the solving part that ends in the answer, every root checked by putting
// it into the equation as typed, and the multiplicities adding up to the degree.
TEST(SolveTable, EveryEquationGetsItsAnswer)
{
    const std::vector<CRow> rows = ReadRows();
    ASSERT_GT(rows.size(), 20u);
    for (const CRow& row : rows)
    {
        SCOPED_TRACE(row.m_strText);
        const CSimplifyOutcome parts = RunSimplify(row.m_strText);
        const CSimplifyOutcome outcome = RunSimplifyAndSolve(row.m_strText, row.m_cLetter);
        ASSERT_TRUE(outcome.m_pSolution);
        const CSolution& solution = *outcome.m_pSolution;
        EXPECT_EQ(solution.m_strLine, row.m_strLine);
        EXPECT_EQ(outcome.m_strSolution, row.m_strLine);
        EXPECT_EQ(Excluded(solution), row.m_strExcluded);
        EXPECT_EQ(outcome.m_strResult, parts.m_strResult);
        EXPECT_EQ(outcome.m_strFurther, parts.m_strFurther);
        EXPECT_EQ(outcome.m_strExplanation.substr(0, parts.m_strExplanation.size()),
                  parts.m_strExplanation);
        const std::string strEnd = (solution.m_eKind == ESolutionKind::Unsolved ? "" : "So ") +
                                   row.m_strLine +
                                   (solution.m_eKind == ESolutionKind::Unsolved ? ".\r\n" : "\r\n");
        EXPECT_TRUE(outcome.m_strExplanation.ends_with(strEnd)) << outcome.m_strExplanation;

        const char cLetter = solution.m_cLetter;
        if (solution.m_eKind != ESolutionKind::Roots || !HasOnlyLetter(row.m_strText, cLetter))
            continue;
        CTermReader reader;
        const CPolynomial top = reader
                                    .ReadEquation(*ConstructFromText(
                                        outcome.m_strFurther.value_or(outcome.m_strResult)))
                                    .m_Top;
        int nMultiplicities = 0;
        for (const CRoot& root : solution.m_Roots)
        {
            nMultiplicities += root.m_nMultiplicity;
            if (root.m_dIm == 0)
                CheckRealRoot(row.m_strText, cLetter, root);
            else
                CheckComplexRoot(Coefficients(top, cLetter), root);
        }
        EXPECT_EQ(nMultiplicities + Count(solution.m_strNarrative, "so it is rejected."),
                  top.Degree(cLetter));
    }
}

// A polynomial in a narrative line is typeset from its equation text; one written in
// decimals keeps them, its powers closed as equation text closes them.
TEST(SolveTable, PolynomialsAreTypesetFromTheirEquationText)
{
    const CFormulaMarks marks;
    const struct
    {
        const char* m_szText;
        CPolynomial::EForm m_eForm;
        const char* m_szDisplay;
        const char* m_szTypeset;
    } rows[] = {
        {"x^2!/2-1/3", CPolynomial::EForm::Display, "(1/2)x^2-(1/3)", "%1,2$x^2!-%1,3$"},
        {"x/2+3%1,4$", CPolynomial::EForm::Line, "½x+3¼", "%1,2$x+3%1,4$"},
        {"0.5x^12!-2x", CPolynomial::EForm::Decimal, "0.5x^12-2x", "0.5x^12!-2x"},
        {"0", CPolynomial::EForm::Decimal, "0", "0"}};
    for (const auto& row : rows)
    {
        CTermReader reader;
        const CPolynomial poly = reader.ReadExpression(*ConstructFromText(row.m_szText)).m_Top;
        const CFormula formula = poly.Formula(row.m_eForm);
        EXPECT_EQ(formula.m_strDisplay, row.m_szDisplay) << row.m_szText;
        EXPECT_EQ(formula.m_strText, row.m_szTypeset) << row.m_szText;
    }
}
