// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "widget/ZelvixExport.h"

#include <QDialog>

// "About Zelvix Control": the icon, the version line, the maker's line and OK.
class ZELVIX_EXPORT CZelvixAboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CZelvixAboutDialog(QWidget* pParent = nullptr);
};

// The control's icon: a small stacked fraction, drawn rather than shipped. Exported, as the
// Designer plugin shows it in the widget box.
ZELVIX_EXPORT QPixmap CreateZelvixIcon();
