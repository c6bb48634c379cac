// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "widget/ZelvixExport.h"

#include <QPointer>
#include <QWidget>

class CZelvixCtrl;
class QCheckBox;
class QLineEdit;

// The control's one property page, "General": its Read Only box applies to the control at
// once. The text box beside the label is the page's own and bound to nothing.
class ZELVIX_EXPORT CZelvixPropPage : public QWidget
{
    Q_OBJECT

public:
    explicit CZelvixPropPage(CZelvixCtrl* pControl, QWidget* pParent = nullptr);
    ~CZelvixPropPage() override;

    QCheckBox* GetReadOnlyBox() const { return m_pReadOnly; }
    QLineEdit* GetTextBox() const { return m_pText; }

protected:
    void showEvent(QShowEvent* pEvent) override;

private:
    void LoadProperties();

    QPointer<CZelvixCtrl> m_pControl;
    QLineEdit* m_pText = nullptr;     // owned by this page as its child
    QCheckBox* m_pReadOnly = nullptr; // owned by this page as its child
};
