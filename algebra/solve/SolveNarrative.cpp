// SPDX-License-Identifier: GPL-3.0-or-later
#include "solve/SolveNarrative.h"

#include "driver/Explanation.h"
#include "solve/SolveFormula.h"

namespace
{
std::string Letter(char cLetter)
{
    return std::string(1, cLetter);
}

// The formula as the log writes it: marked while formula marks are on, else its display text.
std::string Written(const CFormula& formula)
{
    std::string strText;
    AppendFormula(strText, formula);
    return strText;
}

// Values the line lists, each a formula of its own.
std::string Listed(const std::vector<CFormula>& values)
{
    std::string strText;
    for (const CFormula& value : values)
        strText += (strText.empty() ? "" : " or ") + Written(value);
    return strText;
}

std::string Verdict(bool bHolds)
{
    return bHolds ? ", so it is a solution." : ", which differ, so it is not a solution.";
}

std::string PQ(bool bTypeset)
{
    return bTypeset ? "{p}/{q}" : "p/q";
}

} // namespace

void CSolveNarrative::Line(const std::string& strText)
{
    AppendEntry(m_strLog, strText, kLineEnd);
}

void CSolveNarrative::Opening(const CFormula& equation, char cLetter)
{
    Line("Brimlet now solves the Equation " + Written(equation) + " for " + Letter(cLetter) +
         ", to find the values of " + Letter(cLetter) + " that make it true.");
}

void CSolveNarrative::OpeningExpression(const CFormula& expression)
{
    Line("Brimlet now looks for factors of the Expression " + Written(expression) +
         " over the whole numbers, taking out what every term has in common and then each "
         "factor that divides it exactly.");
}

void CSolveNarrative::ExcludedValue(const CFormula& divisor, const CFormula& excluded)
{
    Line("Before anything is cleared: the Equation as typed divides by " + Written(divisor) +
         ", which is zero when " + Written(excluded) + ", so " + Written(excluded) +
         " is an excluded value.");
}

void CSolveNarrative::DivisorWithParameters(const CFormula& divisor, char cLetter)
{
    Line("Before anything is cleared: the Equation as typed divides by " + Written(divisor) +
         ", so " + Letter(cLetter) + " may not take a value that makes " + Written(divisor) +
         " zero.");
}

void CSolveNarrative::DivisorNeverZero(const CFormula& divisor)
{
    Line("The Equation as typed divides by " + Written(divisor) +
         ", which is not zero for any real value, so no value is excluded by it.");
}

void CSolveNarrative::TopOnly(const CFormula& top)
{
    Line("A division is zero only where its top is zero, so Brimlet solves " +
         Written(Chained(top, " = 0")) + ".");
}

void CSolveNarrative::ClearFractions(const CFormula& factor, const CFormula& equation)
{
    Line("Brimlet multiplies both sides by " + Written(factor) +
         " so that every number is a whole number: " + Written(equation));
}

void CSolveNarrative::EveryValue(char cLetter)
{
    Line("Both sides are equal whatever value " + Letter(cLetter) + " takes.");
}

void CSolveNarrative::NoValue(const CFormula& constant, char cLetter)
{
    Line("The Equation says " + Written(Chained(constant, " = 0")) +
         ", which is not true for any value of " + Letter(cLetter) + ".");
}

void CSolveNarrative::NoLetterLeft(char cLetter, const CFormula& condition)
{
    Line("Once simplified, the Equation no longer holds " + Letter(cLetter) + ": it is " +
         Written(Chained(condition, " = 0")) + " whatever value " + Letter(cLetter) + " takes.");
}

void CSolveNarrative::Linear(const CFormula& equation, char cLetter)
{
    Line("The Equation " + Written(equation) + " is linear in " + Letter(cLetter) + ": " +
         Letter(cLetter) + " appears only to the power 1.");
}

void CSolveNarrative::LinearWithParameters(const CFormula& equation, char cLetter)
{
    Line("The Equation " + Written(equation) + " is linear in " + Letter(cLetter) +
         "; Brimlet treats the other letters as numbers that are given.");
}

void CSolveNarrative::MoveConstant(const CFormula& equation)
{
    Line("Brimlet takes the terms without the letter to the other side, reversing their signs: " +
         Written(equation));
}

void CSolveNarrative::DivideBoth(const CFormula& by, const CFormula& equation)
{
    Line("Brimlet divides both sides by " + Written(by) + ": " + Written(equation));
}

void CSolveNarrative::DivideBothWhen(const CFormula& by, const CFormula& equation)
{
    Line("Brimlet divides both sides by " + Written(by) + ", which can be done when " +
         Written(by) + " is not 0: " + Written(equation));
}

void CSolveNarrative::WhenZero(const CFormula& coefficient, const CFormula& rest, char cLetter)
{
    Line("When " + Written(coefficient) + " is 0 the term in " + Letter(cLetter) +
         " is zero too, and the Equation becomes " + Written(Chained(rest, " = 0")) +
         ": then it is true for every " + Letter(cLetter) + " if " + Written(rest) +
         " is 0 as well, and for no " + Letter(cLetter) + " otherwise.");
}

void CSolveNarrative::Factoring(const CFormula& poly)
{
    Line("Brimlet factors the left side, " + Written(poly) + ", over the rational numbers.");
}

void CSolveNarrative::CommonLetter(const CFormula& factor, const CFormula& equation)
{
    Line("Every term holds " + Written(factor) + ", so Brimlet takes out the common factor " +
         Written(factor) + ": " + Written(equation));
}

void CSolveNarrative::CommonNumber(const CFormula& factor, const CFormula& equation)
{
    Line("Brimlet takes out the common factor " + Written(factor) +
         " of the numbers: " + Written(equation));
}

void CSolveNarrative::RationalRootTest(const CFormula& poly, const CFormula& constant,
                                       const CFormula& leading)
{
    Line("The rational root test: a root " + Written(BothForms(PQ)) + " of " + Written(poly) +
         " in lowest terms has p dividing " + Written(constant) + " and q dividing " +
         Written(leading) + ", so Brimlet tries those values.");
}

void CSolveNarrative::RootFound(const CFormula& root, const CFormula& factor)
{
    CExplanationLevel level;
    Line(Written(root) + " makes it zero, so " + Written(factor) + " is a factor.");
}

void CSolveNarrative::Divided(const CFormula& poly, const CFormula& factor,
                              const CFormula& quotient)
{
    CExplanationLevel level;
    Line("Dividing " + Written(poly) + " by " + Written(factor) + " leaves " + Written(quotient) +
         " with no remainder.");
}

void CSolveNarrative::NoRationalRoot(const CFormula& poly)
{
    Line("None of the values the rational root test allows makes " + Written(poly) +
         " zero: it has no rational root.");
}

void CSolveNarrative::FactorsAre(const CFormula& poly, const CFormula& product)
{
    Line("Over the rational numbers " + Written(poly) + " factors as " + Written(product) + ".");
}

void CSolveNarrative::Product(const CFormula& equation)
{
    Line("The Equation is now " + Written(equation) +
         ". A product is zero when one of its factors is zero, so Brimlet takes each factor in "
         "turn.");
}

void CSolveNarrative::FactorRoot(const CFormula& factor, const CFormula& root, int nMultiplicity)
{
    CExplanationLevel level;
    Line(Written(Chained(factor, " = 0")) + " gives " + Written(root) +
         MultiplicityWords(nMultiplicity) + ".");
}

void CSolveNarrative::QuadraticFormula(const CFormula& factor, char cLetter, const CFormula& a,
                                       const CFormula& b, const CFormula& c)
{
    CExplanationLevel level;
    const CFormula formula = BothForms(
        [cLetter](bool bTypeset)
        {
            return Letter(cLetter) +
                   (bTypeset ? "={-b±√{b^2!-4ac}}/{2a}" : " = (-b ± √(b^2 - 4ac))/(2a)");
        });
    Line("For " + Written(Chained(factor, " = 0")) + " Brimlet uses the quadratic formula " +
         Written(formula) + " with " + Written(Chained("a = ", a)) + ", " +
         Written(Chained("b = ", b)) + " and " + Written(Chained("c = ", c)) + ".");
}

void CSolveNarrative::FormulaPutIn(const CFormula& working)
{
    CExplanationLevel level;
    Line("Putting the numbers in: " + Written(working));
}

void CSolveNarrative::Discriminant(const CFormula& working)
{
    CExplanationLevel level;
    const CFormula general =
        BothForms([](bool bTypeset) { return bTypeset ? "b^2!-4ac" : "b^2 - 4ac"; });
    Line("The discriminant " + Written(general) + " is " + Written(working) + ".");
}

void CSolveNarrative::SurdSimplified(const CFormula& simplified)
{
    CExplanationLevel level;
    Line("Brimlet simplifies the root: " + Written(simplified) + ".");
}

void CSolveNarrative::FormulaRoots(const CFormula& plus, const CFormula& minus, int nMultiplicity)
{
    CExplanationLevel level;
    Line("So " + Written(plus) + " or " + Written(minus) + MultiplicityWords(nMultiplicity) + ".");
}

void CSolveNarrative::NoRealSolution(const CFormula& factor)
{
    CExplanationLevel level;
    const CFormula i = BothForms([](bool bTypeset) { return bTypeset ? "i=√{-1}" : "i = √-1"; });
    Line("The discriminant is negative, so " + Written(Chained(factor, " = 0")) +
         " has no real solution; its two roots are complex numbers, written with " + Written(i) +
         ".");
}

void CSolveNarrative::Numeric(const CFormula& factor, int nDigits)
{
    CExplanationLevel level;
    Line("The factor " + Written(factor) +
         " does not factor further over the rational numbers, and no formula is used for it: "
         "Brimlet finds its roots numerically to " +
         std::to_string(nDigits) +
         " significant digits, with interval arithmetic that guarantees every digit shown.");
}

void CSolveNarrative::NumericRoots(const std::vector<CFormula>& real,
                                   const std::vector<CFormula>& complex, int nMultiplicity)
{
    CExplanationLevel level;
    if (real.empty())
        Line("It has no real root.");
    else
        Line("Its real roots: " + Listed(real) + MultiplicityWords(nMultiplicity) + ".");
    if (!complex.empty())
        Line("Its complex roots: " + Listed(complex) + ".");
}

void CSolveNarrative::CheckExact(const CFormula& root, const CFormula& left, const CFormula& right,
                                 bool bHolds)
{
    Line("Check " + Written(root) + " in the Equation as typed: the left side is " + Written(left) +
         " and the right side is " + Written(right) + Verdict(bHolds));
}

void CSolveNarrative::CheckSurd(const CFormula& root, const CFormula& surd, const CFormula& left,
                                const CFormula& right, bool bHolds)
{
    Line("Check " + Written(root) + " in the Equation as typed, exactly in " + Written(surd) +
         ": the left side is " + Written(left) + " and the right side is " + Written(right) +
         Verdict(bHolds));
}

void CSolveNarrative::CheckNumeric(const CFormula& root, const CFormula& left,
                                   const CFormula& right, bool bHolds)
{
    Line("Check " + Written(root) +
         " in the Equation as typed, numerically to the digits shown: the left side is " +
         Written(left) + " and the right side is " + Written(right) + Verdict(bHolds));
}

void CSolveNarrative::Rejected(const CFormula& root, const CFormula& divisor)
{
    Line(Written(root) + " would make the divisor " + Written(divisor) +
         " of the Equation as typed zero, so it is rejected.");
}

void CSolveNarrative::ParametersNotChecked(char cLetter)
{
    Line("Putting this " + Letter(cLetter) +
         " back into the Equation makes both sides equal for every value of the other letters "
         "that keeps the divisions possible.");
}

void CSolveNarrative::Answer(const std::string& strLine)
{
    Line("So " + strLine);
}

void CSolveNarrative::Cannot(char cLetter, const std::string& strReason)
{
    Line(CannotLine(cLetter) + ": " + strReason + ".");
}

void CSolveNarrative::FactoredForm(const CFormula& factored)
{
    Line("Factored form: " + Written(factored));
}

std::string CSolveNarrative::EveryLine(char cLetter, const std::string& strExcept)
{
    if (strExcept.empty())
        return "true for every value of " + Letter(cLetter);
    return "true for every " + Letter(cLetter) + " except " + strExcept;
}

std::string CSolveNarrative::NoneLine()
{
    return "no solution";
}

std::string CSolveNarrative::CannotLine(char cLetter)
{
    return "Fennory cannot solve this equation for " + Letter(cLetter);
}

std::string CSolveNarrative::MultiplicityWords(int nMultiplicity)
{
    switch (nMultiplicity)
    {
    case 1:
        return "";
    case 2:
        return ", a double root";
    case 3:
        return ", a triple root";
    default:
        return ", a root of multiplicity " + std::to_string(nMultiplicity);
    }
}

std::string CSolveNarrative::NoRealWords()
{
    return "no real solution";
}
