// SPDX-License-Identifier: GPL-3.0-or-later
#include "solve/SolveNarrative.h"

#include "driver/Explanation.h"

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

std::string Joined(const std::vector<std::string>& texts, char cLetter, const char* pRelation)
{
    std::string strText;
    for (const std::string& strRoot : texts)
        strText += (strText.empty() ? "" : " or ") + Letter(cLetter) + pRelation + strRoot;
    return strText;
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

void CSolveNarrative::ExcludedValue(const std::string& strDivisor, char cLetter,
                                    const std::string& strValue)
{
    Line("Before anything is cleared: the Equation as typed divides by " + strDivisor +
         ", which is zero when " + Letter(cLetter) + " = " + strValue + ", so " + Letter(cLetter) +
         " = " + strValue + " is an excluded value.");
}

void CSolveNarrative::DivisorWithParameters(const std::string& strDivisor, char cLetter)
{
    Line("Before anything is cleared: the Equation as typed divides by " + strDivisor + ", so " +
         Letter(cLetter) + " may not take a value that makes " + strDivisor + " zero.");
}

void CSolveNarrative::DivisorNeverZero(const std::string& strDivisor)
{
    Line("The Equation as typed divides by " + strDivisor +
         ", which is not zero for any real value, so no value is excluded by it.");
}

void CSolveNarrative::TopOnly(const std::string& strTop)
{
    Line("A division is zero only where its top is zero, so Brimlet solves " + strTop + " = 0.");
}

void CSolveNarrative::ClearFractions(const std::string& strFactor, const std::string& strEquation)
{
    Line("Brimlet multiplies both sides by " + strFactor +
         " so that every number is a whole number: " + strEquation);
}

void CSolveNarrative::EveryValue(char cLetter)
{
    Line("Both sides are equal whatever value " + Letter(cLetter) + " takes.");
}

void CSolveNarrative::NoValue(const std::string& strConstant, char cLetter)
{
    Line("The Equation says " + strConstant + " = 0, which is not true for any value of " +
         Letter(cLetter) + ".");
}

void CSolveNarrative::NoLetterLeft(char cLetter, const std::string& strCondition)
{
    Line("Once simplified, the Equation no longer holds " + Letter(cLetter) + ": it is " +
         strCondition + " = 0 whatever value " + Letter(cLetter) + " takes.");
}

void CSolveNarrative::Linear(const std::string& strEquation, char cLetter)
{
    Line("The Equation " + strEquation + " is linear in " + Letter(cLetter) + ": " +
         Letter(cLetter) + " appears only to the power 1.");
}

void CSolveNarrative::LinearWithParameters(const std::string& strEquation, char cLetter)
{
    Line("The Equation " + strEquation + " is linear in " + Letter(cLetter) +
         "; Brimlet treats the other letters as numbers that are given.");
}

void CSolveNarrative::MoveConstant(const std::string& strEquation)
{
    Line("Brimlet takes the terms without the letter to the other side, reversing their signs: " +
         strEquation);
}

void CSolveNarrative::DivideBoth(const std::string& strBy, const std::string& strEquation)
{
    Line("Brimlet divides both sides by " + strBy + ": " + strEquation);
}

void CSolveNarrative::DivideBothWhen(const std::string& strBy, const std::string& strEquation)
{
    Line("Brimlet divides both sides by " + strBy + ", which can be done when " + strBy +
         " is not 0: " + strEquation);
}

void CSolveNarrative::WhenZero(const std::string& strCoefficient, const std::string& strRest,
                               char cLetter)
{
    Line("When " + strCoefficient + " is 0 the term in " + Letter(cLetter) +
         " is zero too, and the Equation becomes " + strRest + " = 0: then it is true for every " +
         Letter(cLetter) + " if " + strRest + " is 0 as well, and for no " + Letter(cLetter) +
         " otherwise.");
}

void CSolveNarrative::Factoring(const std::string& strPoly)
{
    Line("Brimlet factors the left side, " + strPoly + ", over the rational numbers.");
}

void CSolveNarrative::CommonLetter(const std::string& strFactor, const std::string& strEquation)
{
    Line("Every term holds " + strFactor + ", so Brimlet takes out the common factor " + strFactor +
         ": " + strEquation);
}

void CSolveNarrative::CommonNumber(const std::string& strFactor, const std::string& strEquation)
{
    Line("Brimlet takes out the common factor " + strFactor + " of the numbers: " + strEquation);
}

void CSolveNarrative::Repeated(const std::string& strFactor, int nMultiplicity,
                               const std::string& strEquation)
{
    Line("The factor " + strFactor + " is repeated " + std::to_string(nMultiplicity) +
         " times: " + strEquation);
}

void CSolveNarrative::RationalRootTest(const std::string& strPoly, const std::string& strConstant,
                                       const std::string& strLeading)
{
    Line("The rational root test: a root p/q of " + strPoly + " in lowest terms has p dividing " +
         strConstant + " and q dividing " + strLeading + ", so Brimlet tries those values.");
}

void CSolveNarrative::RootFound(char cLetter, const std::string& strRoot,
                                const std::string& strFactor)
{
    CExplanationLevel level;
    Line(Letter(cLetter) + " = " + strRoot + " makes it zero, so " + strFactor + " is a factor.");
}

void CSolveNarrative::Divided(const std::string& strPoly, const std::string& strFactor,
                              const std::string& strQuotient)
{
    CExplanationLevel level;
    Line("Dividing " + strPoly + " by " + strFactor + " leaves " + strQuotient +
         " with no remainder.");
}

void CSolveNarrative::NoRationalRoot(const std::string& strPoly)
{
    Line("None of the values the rational root test allows makes " + strPoly +
         " zero: it has no rational root.");
}

void CSolveNarrative::FactorsAre(const std::string& strPoly, const std::string& strProduct)
{
    Line("Over the rational numbers " + strPoly + " factors as " + strProduct + ".");
}

void CSolveNarrative::Product(const std::string& strEquation)
{
    Line("The Equation is now " + strEquation +
         ". A product is zero when one of its factors is zero, so Brimlet takes each factor in "
         "turn.");
}

void CSolveNarrative::FactorRoot(const std::string& strFactor, char cLetter,
                                 const std::string& strRoot, int nMultiplicity)
{
    CExplanationLevel level;
    Line(strFactor + " = 0 gives " + Letter(cLetter) + " = " + strRoot +
         MultiplicityWords(nMultiplicity) + ".");
}

void CSolveNarrative::QuadraticFormula(const std::string& strFactor, char cLetter,
                                       const std::string& strA, const std::string& strB,
                                       const std::string& strC)
{
    CExplanationLevel level;
    Line("For " + strFactor + " = 0 Brimlet uses the quadratic formula " + Letter(cLetter) +
         " = (-b ± √(b^2 - 4ac))/(2a) with a = " + strA + ", b = " + strB + " and c = " + strC +
         ".");
}

void CSolveNarrative::FormulaPutIn(char cLetter, const std::string& strWorking)
{
    CExplanationLevel level;
    Line("Putting the numbers in: " + Letter(cLetter) + " = " + strWorking);
}

void CSolveNarrative::Discriminant(const std::string& strWorking, const std::string& strValue)
{
    CExplanationLevel level;
    Line("The discriminant b^2 - 4ac is " + strWorking + " = " + strValue + ".");
}

void CSolveNarrative::SurdSimplified(const std::string& strRoot, const std::string& strSimplified)
{
    CExplanationLevel level;
    Line("Brimlet simplifies the root: " + strRoot + " = " + strSimplified + ".");
}

void CSolveNarrative::FormulaRoots(char cLetter, const std::string& strPlus,
                                   const std::string& strMinus, int nMultiplicity)
{
    CExplanationLevel level;
    Line("So " + Letter(cLetter) + " = " + strPlus + " or " + Letter(cLetter) + " = " + strMinus +
         MultiplicityWords(nMultiplicity) + ".");
}

void CSolveNarrative::NoRealSolution(const std::string& strFactor)
{
    CExplanationLevel level;
    Line("The discriminant is negative, so " + strFactor +
         " = 0 has no real solution; its two roots are complex numbers, written with i = √-1.");
}

void CSolveNarrative::Numeric(const std::string& strFactor, int nDigits)
{
    CExplanationLevel level;
    Line("The factor " + strFactor +
         " does not factor further over the rational numbers, and no formula is used for it: "
         "Brimlet finds its roots numerically to " +
         std::to_string(nDigits) +
         " significant digits, with interval arithmetic that guarantees every digit shown.");
}

void CSolveNarrative::NumericRoots(char cLetter, const std::vector<std::string>& real,
                                   const std::vector<std::string>& complex, int nMultiplicity)
{
    CExplanationLevel level;
    if (real.empty())
        Line("It has no real root.");
    else
        Line("Its real roots: " + Joined(real, cLetter, " ≈ ") + MultiplicityWords(nMultiplicity) +
             ".");
    if (!complex.empty())
        Line("Its complex roots: " + Joined(complex, cLetter, " ≈ ") + ".");
}

void CSolveNarrative::CheckExact(char cLetter, const std::string& strRoot,
                                 const std::string& strLeft, const std::string& strRight,
                                 bool bHolds)
{
    Line("Check " + Letter(cLetter) + " = " + strRoot +
         " in the Equation as typed: the left side is " + strLeft + " and the right side is " +
         strRight +
         (bHolds ? ", so it is a solution." : ", which differ, so it is not a solution."));
}

void CSolveNarrative::CheckSurd(char cLetter, const std::string& strRoot,
                                const std::string& strSurd, const std::string& strLeft,
                                const std::string& strRight, bool bHolds)
{
    Line("Check " + Letter(cLetter) + " = " + strRoot + " in the Equation as typed, exactly in " +
         strSurd + ": the left side is " + strLeft + " and the right side is " + strRight +
         (bHolds ? ", so it is a solution." : ", which differ, so it is not a solution."));
}

void CSolveNarrative::CheckNumeric(char cLetter, const std::string& strRoot,
                                   const std::string& strLeft, const std::string& strRight,
                                   bool bHolds)
{
    Line("Check " + Letter(cLetter) + " " + strRoot +
         " in the Equation as typed, numerically to the digits shown: the left side is " + strLeft +
         " and the right side is " + strRight +
         (bHolds ? ", so it is a solution." : ", which differ, so it is not a solution."));
}

void CSolveNarrative::Rejected(char cLetter, const std::string& strRoot,
                               const std::string& strDivisor)
{
    Line(Letter(cLetter) + " = " + strRoot + " would make the divisor " + strDivisor +
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
