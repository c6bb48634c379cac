// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Drives an editor model with a key script: plain characters are typed as they stand; {L} {R}
// {D} are Left, Right, Delete; {B} Backspace, {T} Tab, {E} Enter, {X} Esc, {P} Ctrl+P,
// {F} Ctrl+F; {paint} runs the marking pass as a repaint does.

#include "model/Beep.h"
#include "model/EditModel.h"

#include <map>
#include <string>
#include <string_view>

// Counts beeps for its lifetime.
class CBeepCounter
{
public:
    CBeepCounter() : m_Scope([this] { ++m_nBeeps; }) {}
    int Count() const { return m_nBeeps; }

private:
    int m_nBeeps = 0;
    CScopedBeepHandler m_Scope;
};

inline void PressNamedKey(CEditModel& model, const std::string& strName)
{
    static const std::map<std::string, int> codes = {{"B", kCodeBackspace}, {"T", kCodeTab},
                                                     {"E", kCodeEnter},     {"X", kCodeEscape},
                                                     {"P", kCodeCtrlP},     {"F", kCodeCtrlF}};
    static const std::map<std::string, EEditKey> keys = {
        {"L", EEditKey::Left}, {"R", EEditKey::Right}, {"D", EEditKey::Delete}};
    if (strName == "paint")
        model.RunMarkingPass();
    else if (keys.count(strName) != 0)
        model.PressKey(keys.at(strName));
    else
        model.TypeCharacter(codes.at(strName));
}

inline void RunKeys(CEditModel& model, std::string_view script)
{
    for (std::size_t i = 0; i < script.size(); ++i)
    {
        if (script[i] != '{')
        {
            model.TypeCharacter(static_cast<unsigned char>(script[i]));
            continue;
        }
        const std::size_t nClose = script.find('}', i);
        PressNamedKey(model, std::string(script.substr(i + 1, nClose - i - 1)));
        i = nClose;
    }
}
