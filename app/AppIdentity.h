// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The menu entry's name, without ".desktop": docks and task bars match the window to it.
inline constexpr const char* kDesktopFileName = "org.fennory.Fennory";

// The names the program goes by: its settings folder, its version, and the desktop entry
// its windows belong to. Call once the application object exists.
void SetApplicationIdentity();
