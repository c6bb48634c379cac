// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

// The public face of the Zelvix library: the control, its property page, the About box, the
// identifiers and the plain creation functions.

#include "widget/ZelvixAboutDialog.h"
#include "widget/ZelvixCtrl.h"
#include "widget/ZelvixExport.h"
#include "widget/ZelvixIds.h"
#include "widget/ZelvixPropPage.h"

#include <functional>
#include <memory>

// The caller owns what these return (hand it to a layout or parent to pass the ownership on).
ZELVIX_EXPORT std::unique_ptr<CZelvixCtrl> CreateZelvixCtrl();
ZELVIX_EXPORT std::unique_ptr<CZelvixPropPage> CreateZelvixPropPage(CZelvixCtrl& control);

// Every refused key sounds this; by default the desktop's beep. Returns the handler replaced.
ZELVIX_EXPORT std::function<void()> ZelvixSetBeepHandler(std::function<void()> handler);

// For hosts that load the library by name. The parent owns the widget they create.
extern "C"
{
    ZELVIX_EXPORT QWidget* ZelvixCreateControl(QWidget* pParent);
    // Null when pControl is not a Zelvix control.
    ZELVIX_EXPORT QWidget* ZelvixCreatePropPage(QWidget* pControl, QWidget* pParent);
    // 1 when no control or page of the library is alive.
    ZELVIX_EXPORT int ZelvixCanUnloadNow(void);
}
