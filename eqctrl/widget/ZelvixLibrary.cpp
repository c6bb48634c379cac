// SPDX-License-Identifier: LGPL-3.0-or-later
#include "widget/ZelvixLibrary.h"

#include "model/Beep.h"

#include <QApplication>

#include <atomic>

namespace
{
std::atomic<int> g_nLiveObjects{0};
}

void ZelvixObjectCreated()
{
    ++g_nLiveObjects;
}

void ZelvixObjectDestroyed()
{
    --g_nLiveObjects;
}

int ZelvixLiveObjects()
{
    return g_nLiveObjects.load();
}

void ZelvixInstallDefaultBeep()
{
    BeepHandler previous = SetBeepHandler(nullptr);
    SetBeepHandler(previous ? std::move(previous) : BeepHandler(&QApplication::beep));
}
