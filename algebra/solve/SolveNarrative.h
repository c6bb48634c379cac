// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "driver/Explanation.h"

#include <string>
#include <vector>

// The sentences of the solving part of "How it was done", all in one place and in Brimlet's
// voice. Each writes whole lines at the engine's current indentation into the log it holds;
// the texts handed in are display texts. The equation being solved or factored, and its
// factored form, come as formulas, so that the documents can typeset them.
class CSolveNarrative
{
public:
    explicit CSolveNarrative(std::string& strLog) : m_strLog(strLog) {}

    void Opening(const CFormula& equation, char cLetter);
    void OpeningExpression(const CFormula& expression);
    void ExcludedValue(const std::string& strDivisor, char cLetter, const std::string& strValue);
    void DivisorWithParameters(const std::string& strDivisor, char cLetter);
    void DivisorNeverZero(const std::string& strDivisor);
    void TopOnly(const std::string& strTop);
    void ClearFractions(const std::string& strFactor, const std::string& strEquation);
    void EveryValue(char cLetter);
    void NoValue(const std::string& strConstant, char cLetter);
    void NoLetterLeft(char cLetter, const std::string& strCondition);

    void Linear(const std::string& strEquation, char cLetter);
    void LinearWithParameters(const std::string& strEquation, char cLetter);
    void MoveConstant(const std::string& strEquation);
    void DivideBoth(const std::string& strBy, const std::string& strEquation);
    void DivideBothWhen(const std::string& strBy, const std::string& strEquation);
    void WhenZero(const std::string& strCoefficient, const std::string& strRest, char cLetter);

    void Factoring(const std::string& strPoly);
    void CommonLetter(const std::string& strFactor, const std::string& strEquation);
    void CommonNumber(const std::string& strFactor, const std::string& strEquation);
    void Repeated(const std::string& strFactor, int nMultiplicity, const std::string& strEquation);
    void RationalRootTest(const std::string& strPoly, const std::string& strConstant,
                          const std::string& strLeading);
    void RootFound(char cLetter, const std::string& strRoot, const std::string& strFactor);
    void Divided(const std::string& strPoly, const std::string& strFactor,
                 const std::string& strQuotient);
    void NoRationalRoot(const std::string& strPoly);
    void FactorsAre(const std::string& strPoly, const std::string& strProduct);
    void Product(const std::string& strEquation);
    void FactorRoot(const std::string& strFactor, char cLetter, const std::string& strRoot,
                    int nMultiplicity);

    void QuadraticFormula(const std::string& strFactor, char cLetter, const std::string& strA,
                          const std::string& strB, const std::string& strC);
    void FormulaPutIn(char cLetter, const std::string& strWorking);
    void Discriminant(const std::string& strWorking, const std::string& strValue);
    void SurdSimplified(const std::string& strRoot, const std::string& strSimplified);
    void FormulaRoots(char cLetter, const std::string& strPlus, const std::string& strMinus,
                      int nMultiplicity);
    void NoRealSolution(const std::string& strFactor);
    void Numeric(const std::string& strFactor, int nDigits);
    void NumericRoots(char cLetter, const std::vector<std::string>& real,
                      const std::vector<std::string>& complex, int nMultiplicity);

    void CheckExact(char cLetter, const std::string& strRoot, const std::string& strLeft,
                    const std::string& strRight, bool bHolds);
    void CheckSurd(char cLetter, const std::string& strRoot, const std::string& strSurd,
                   const std::string& strLeft, const std::string& strRight, bool bHolds);
    void CheckNumeric(char cLetter, const std::string& strRoot, const std::string& strLeft,
                      const std::string& strRight, bool bHolds);
    void Rejected(char cLetter, const std::string& strRoot, const std::string& strDivisor);
    void ParametersNotChecked(char cLetter);

    void Answer(const std::string& strLine);
    void Cannot(char cLetter, const std::string& strReason);
    void FactoredForm(const CFormula& factored);

    // Texts the solution line and the answer share.
    static std::string EveryLine(char cLetter, const std::string& strExcept);
    static std::string NoneLine();
    static std::string CannotLine(char cLetter);
    static std::string MultiplicityWords(int nMultiplicity);
    static std::string NoRealWords();

private:
    void Line(const std::string& strText);
    std::string& m_strLog;
};
