// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Scalar.h"

#include <memory>
#include <string>

class CSubExpression;

// The base of a term's factors: a number, a one-letter variable or a bracketed
// subexpression. Each factor carries its own power and says how it joins the term.
class CEqElmAtom
{
public:
    // How a factor joins its term.
    static constexpr int kJuxtaposed = 0;    // written next to the previous factor
    static constexpr int kExplicitStar = -1; // written with "*"
    static constexpr int kDivisor = 1;       // written with "/"

    // Ordering classes (m_nOrder).
    static constexpr int kOrderBase = 0;
    static constexpr int kOrderVariable = 10;
    static constexpr int kOrderNumber = 20;
    static constexpr int kOrderSubExpression = 90;

    virtual ~CEqElmAtom() = default;

    // The virtual interface, in slot order.
    virtual std::string GetText(bool bWithOperator) const;
    virtual std::string GetDisplayText(bool bWithOperator) const;
    virtual bool IsSubExpression() const { return false; }
    virtual bool IsNumber() const { return false; }
    virtual bool IsVariable() const { return false; }
    virtual bool IsOtherKind() const { return false; }
    // 10 number, 20 variable, 40 subexpression; plus 100 for a divisor. -1 for the base.
    virtual int GetKindCode() const { return -1; }
    // Same base (same variable, same bracket shape): 0; otherwise the sign orders them.
    // -9 means "different, this one first".
    virtual int CompareBase(const CEqElmAtom& other) const;
    // A consistent total order over factors (the order used to sort and to find like
    // terms): 0 only for factors that are the same, power and divisor mark included.
    virtual int CompareFull(const CEqElmAtom& other) const;
    virtual char GetLetter() const { return 0; }
    // A deep copy owned by the caller.
    virtual std::unique_ptr<CEqElmAtom> CloneAtom() const { return nullptr; }

    std::unique_ptr<CEqElmAtom> Clone() const { return CloneAtom(); }

    bool IsDivisor() const { return m_nOperation == kDivisor; }
    void SetDivisor() { m_nOperation = kDivisor; }
    void SetExplicitMultiply(bool bFlag) { m_nOperation = bFlag ? kExplicitStar : kJuxtaposed; }
    void CopyPower(const CEqElmAtom& other) { m_Power = other.m_Power; }
    int ComparePower(const CEqElmAtom& other) const { return m_Power.Compare(other.m_Power); }
    void SubtractPower(const CEqElmAtom& other) { m_Power.Subtract(other.m_Power); }
    void MultiplyPower(const CScalar& scalar) { m_Power.Multiply(scalar); }
    // The power parsed from the text without its first character (the "^").
    void SetPowerFromText(const std::string& strText);
    // The power is exactly +1.
    bool HasUnitPower() const { return m_Power.IsOne(true) && !m_Power.IsUnset(); }

    // Rank of this factor in the total order of factor lists: plain multipliers, then the
    // end of a list (kEndOfListRank), then brackets, then divisors.
    int GetSortGroup() const;
    static constexpr int kEndOfListRank = 2;

    // The subexpression behind this factor, or nullptr when it is not one.
    CSubExpression* AsSubExpression();
    const CSubExpression* AsSubExpression() const;

    CScalar m_Power;
    int m_nOperation = kJuxtaposed;
    int m_nOrder = kOrderBase;

protected:
    CEqElmAtom() = default;
    CEqElmAtom(const CEqElmAtom&) = default;
    CEqElmAtom& operator=(const CEqElmAtom&) = default;

    // The operator and power decorations shared by every factor's text forms.
    std::string OperatorPrefix(bool bWithOperator) const;
    std::string PowerSuffix(bool bDisplay) const;
    void AppendOperatorPrefix(std::string& strText, bool bWithOperator) const;
    void AppendPowerSuffix(std::string& strText, bool bDisplay) const;
};
