// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Atom.h"

// A one-letter variable factor.
class CEqElmVariable : public CEqElmAtom
{
public:
    explicit CEqElmVariable(char cLetter);

    std::string GetText(bool bWithOperator) const override;
    std::string GetDisplayText(bool bWithOperator) const override;
    bool IsVariable() const override { return true; }
    int GetKindCode() const override { return IsDivisor() ? 120 : 20; }
    int CompareBase(const CEqElmAtom& other) const override;
    int CompareFull(const CEqElmAtom& other) const override;
    char GetLetter() const override { return m_cLetter; }
    std::unique_ptr<CEqElmAtom> CloneAtom() const override;

    void AddPower(const CEqElmAtom& other) { m_Power.Add(other.m_Power); }

    char m_cLetter;
};
