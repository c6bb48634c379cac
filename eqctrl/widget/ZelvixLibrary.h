// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

// Counts the library's live objects, so a host can tell when it may unload it.
void ZelvixObjectCreated();
void ZelvixObjectDestroyed();
int ZelvixLiveObjects();

// Makes refusals sound the desktop's beep unless a host or test installed its own.
void ZelvixInstallDefaultBeep();
