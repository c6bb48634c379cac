// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Atom.h"

class CEqElm;

// A number factor. A simple number (whole power, not kept apart) is folded into a term's
// coefficient when the term adds it; other numbers stay factors of their own.
class CEqElmNumber : public CEqElmAtom
{
public:
    // The number from its internal text form ("+2%1,3$", "3", "2.5").
    explicit CEqElmNumber(const std::string& strText);

    std::string GetText(bool bWithOperator) const override;
    std::string GetDisplayText(bool bWithOperator) const override;
    bool IsNumber() const override { return true; }
    int GetKindCode() const override { return IsDivisor() ? 110 : 10; }
    int CompareBase(const CEqElmAtom& other) const override;
    int CompareFull(const CEqElmAtom& other) const override;
    std::unique_ptr<CEqElmAtom> CloneAtom() const override;

    bool IsSimpleNumber() const { return !m_bKeepApart && m_Power.IsWhole(); }
    bool IsValueOne() const { return m_Value.IsOne(true); }
    // The value raised to its whole power; raises "Power must be Whole" otherwise.
    CScalar PowerValue() const;

    bool m_bKeepApart = false;
    CScalar m_Value;

private:
    std::string Decorate(std::string strValue, bool bWithOperator, bool bDisplay) const;
};

// A new number factor whose value is the term's coefficient.
std::unique_ptr<CEqElmNumber> MakeNumber(const CEqElm& term);

// value raised to a whole power (0 gives one, a negative power the reciprocal); raises
// "Power must be Whole" for a power that is not whole.
CScalar RaiseToPower(const CScalar& value, const CScalar& power);
