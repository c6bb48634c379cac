#pragma once

// Drives an editor model with a compact key script: plain characters are typed as they stand,
// and braces name the other keys: {L} {R} {D} Left, Right, Delete; {B} Backspace; {T} Tab;
// {E} Enter; {X} Esc; {P} Ctrl+P; {F} Ctrl+F; {paint} runs the marking pass as a repaint does.

#include "model/Beep.h"
#include "model/EditModel.h"

#include <map>
#include <stdexcept>
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
    static const std::map<std::string, int> codes = {
        {"B", kCodeBackspace}, {"T", kCodeTab},   {"E", kCodeEnter},
        {"X", kCodeEscape},    {"P", kCodeCtrlP}, {"F", kCodeCtrlF}};
    if (strName == "L")
        model.PressKey(EEditKey::Left);
    else if (strName == "R")
        model.PressKey(EEditKey::Right);
    else if (strName == "D")
        model.PressKey(EEditKey::Delete);
    else if (strName == "paint")
        model.RunMarkingPass();
    else if (codes.count(strName) != 0)
        model.TypeCharacter(codes.at(strName));
    else
        throw std::invalid_argument("unknown key {" + strName + "}");
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
