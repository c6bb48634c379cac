// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "driver/Explanation.h"

#include <string>
#include <vector>

// The sentences of the solving part of "How it was done", all in one place and in Brimlet's
// voice. Each writes whole lines at the engine's current indentation into the log it holds.
// Every formula in a line comes as one (see SolveFormula.h), so that the documents can
// typeset it; a formula of the form "x = 2" is whole, relation and all.
class CSolveNarrative
{
public:
    explicit CSolveNarrative(std::string& strLog) : m_strLog(strLog) {}

    void Opening(const CFormula& equation, char cLetter);
    void OpeningExpression(const CFormula& expression);
    void ExcludedValue(const CFormula& divisor, const CFormula& excluded);
    void DivisorWithParameters(const CFormula& divisor, char cLetter);
    void DivisorNeverZero(const CFormula& divisor);
    void TopOnly(const CFormula& top);
    void ClearFractions(const CFormula& factor, const CFormula& equation);
    void EveryValue(char cLetter);
    void NoValue(const CFormula& constant, char cLetter);
    void NoLetterLeft(char cLetter, const CFormula& condition);

    void Linear(const CFormula& equation, char cLetter);
    void LinearWithParameters(const CFormula& equation, char cLetter);
    void MoveConstant(const CFormula& equation);
    void DivideBoth(const CFormula& by, const CFormula& equation);
    void DivideBothWhen(const CFormula& by, const CFormula& equation);
    void WhenZero(const CFormula& coefficient, const CFormula& rest, char cLetter);

    void Factoring(const CFormula& poly);
    void CommonLetter(const CFormula& factor, const CFormula& equation);
    void CommonNumber(const CFormula& factor, const CFormula& equation);
    void RationalRootTest(const CFormula& poly, const CFormula& constant, const CFormula& leading);
    void RootFound(const CFormula& root, const CFormula& factor);
    void Divided(const CFormula& poly, const CFormula& factor, const CFormula& quotient);
    void NoRationalRoot(const CFormula& poly);
    void FactorsAre(const CFormula& poly, const CFormula& product);
    void Product(const CFormula& equation);
    void FactorRoot(const CFormula& factor, const CFormula& root, int nMultiplicity);

    void QuadraticFormula(const CFormula& factor, char cLetter, const CFormula& a,
                          const CFormula& b, const CFormula& c);
    void FormulaPutIn(const CFormula& working);
    void Discriminant(const CFormula& working);
    void SurdSimplified(const CFormula& simplified);
    void FormulaRoots(const CFormula& plus, const CFormula& minus, int nMultiplicity);
    void NoRealSolution(const CFormula& factor);
    void Numeric(const CFormula& factor, int nDigits);
    void NumericRoots(const std::vector<CFormula>& real, const std::vector<CFormula>& complex,
                      int nMultiplicity);

    void CheckExact(const CFormula& root, const CFormula& left, const CFormula& right, bool bHolds);
    void CheckSurd(const CFormula& root, const CFormula& surd, const CFormula& left,
                   const CFormula& right, bool bHolds);
    void CheckNumeric(const CFormula& root, const CFormula& left, const CFormula& right,
                      bool bHolds);
    void Rejected(const CFormula& root, const CFormula& divisor);
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
