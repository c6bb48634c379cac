// SPDX-License-Identifier: LGPL-3.0-or-later
#include "widget/Zelvix.h"

#include "model/Beep.h"
#include "widget/ZelvixLibrary.h"

std::unique_ptr<CZelvixCtrl> CreateZelvixCtrl()
{
    return std::make_unique<CZelvixCtrl>();
}

std::unique_ptr<CZelvixPropPage> CreateZelvixPropPage(CZelvixCtrl& control)
{
    return std::make_unique<CZelvixPropPage>(&control);
}

std::function<void()> ZelvixSetBeepHandler(std::function<void()> handler)
{
    return SetBeepHandler(std::move(handler));
}

QWidget* ZelvixCreateControl(QWidget* pParent)
{
    return new CZelvixCtrl(pParent);
}

QWidget* ZelvixCreatePropPage(QWidget* pControl, QWidget* pParent)
{
    auto* pCtrl = qobject_cast<CZelvixCtrl*>(pControl);
    return pCtrl ? new CZelvixPropPage(pCtrl, pParent) : nullptr;
}

int ZelvixCanUnloadNow(void)
{
    return ZelvixLiveObjects() == 0 ? 1 : 0;
}
