// SPDX-License-Identifier: LGPL-3.0-or-later
#include "widget/ZelvixPropPage.h"

#include "widget/DialogUnits.h"
#include "widget/ZelvixCtrl.h"
#include "widget/ZelvixLibrary.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

CZelvixPropPage::CZelvixPropPage(CZelvixCtrl* pControl, QWidget* pParent)
    : QWidget(pParent), m_pControl(pControl)
{
    ZelvixObjectCreated();
    setWindowTitle(QStringLiteral("General"));
    setFixedSize(DialogUnitsToPixels(0, 0, 250, 62).size());

    auto* pLabel = new QLabel(QStringLiteral("Static"), this);
    pLabel->setGeometry(DialogUnitsToPixels(7, 10, 39, 8));

    m_pText = new QLineEdit(this);
    m_pText->setGeometry(DialogUnitsToPixels(49, 7, 40, 14));

    m_pReadOnly = new QCheckBox(QStringLiteral("Read Only"), this);
    m_pReadOnly->setGeometry(DialogUnitsToPixels(7, 26, 48, 10));
    connect(m_pReadOnly, &QCheckBox::clicked, this,
            [this](bool bChecked)
            {
                if (m_pControl)
                    m_pControl->SetReadOnly(bChecked);
            });
    LoadProperties();
}

CZelvixPropPage::~CZelvixPropPage()
{
    ZelvixObjectDestroyed();
}

void CZelvixPropPage::showEvent(QShowEvent* pEvent)
{
    LoadProperties();
    QWidget::showEvent(pEvent);
}

void CZelvixPropPage::LoadProperties()
{
    if (m_pControl)
        m_pReadOnly->setChecked(m_pControl->IsReadOnly());
}
