// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <functional>

// Every refusal of the editor sounds the platform's information beep through this one
// function. The model knows no platform: the widget installs the real beep, tests install a
// counter. Until something is installed a beep is silent.
using BeepHandler = std::function<void()>;

void InformationBeep();

// Installs the function that InformationBeep calls; returns the one it replaces.
BeepHandler SetBeepHandler(BeepHandler handler);

// Installs a handler for its own lifetime and puts the previous one back afterwards.
class CScopedBeepHandler
{
public:
    explicit CScopedBeepHandler(BeepHandler handler)
        : m_Previous(SetBeepHandler(std::move(handler)))
    {
    }
    ~CScopedBeepHandler() { SetBeepHandler(std::move(m_Previous)); }
    CScopedBeepHandler(const CScopedBeepHandler&) = delete;
    CScopedBeepHandler& operator=(const CScopedBeepHandler&) = delete;

private:
    BeepHandler m_Previous;
};
