// SPDX-License-Identifier: LGPL-3.0-or-later
#include "model/Beep.h"

#include <utility>

namespace
{
BeepHandler& CurrentHandler()
{
    static BeepHandler handler;
    return handler;
}
} // namespace

void InformationBeep()
{
    if (CurrentHandler())
        CurrentHandler()();
}

BeepHandler SetBeepHandler(BeepHandler handler)
{
    return std::exchange(CurrentHandler(), std::move(handler));
}
