// SPDX-License-Identifier: GPL-3.0-or-later
#include "Zelvix.h"

#include "widget/ZelvixCtrl.h"

void CZelvix::Attach(CZelvixCtrl* pCtrl)
{
    if (m_pCtrl)
        disconnect(m_pCtrl, nullptr, this, nullptr);
    m_pCtrl = pCtrl;
    connect(pCtrl, &CZelvixCtrl::ShowMessage, this, &CZelvix::ShowMessage);
    connect(pCtrl, &CZelvixCtrl::ClearMessage, this, &CZelvix::ClearMessage);
}

CZelvixCtrl* CZelvix::GetControl() const
{
    return m_pCtrl;
}

QString CZelvix::GetEquation() const
{
    return m_pCtrl->GetEquation();
}

void CZelvix::SetEquation(const QString& strEquation)
{
    m_pCtrl->SetEquation(strEquation);
}

short CZelvix::IsEquationOK()
{
    return m_pCtrl->IsEquationOK();
}

QString CZelvix::GetFirstError()
{
    return m_pCtrl->GetFirstError();
}

QString CZelvix::GetNextError()
{
    return m_pCtrl->GetNextError();
}

bool CZelvix::IsReadOnly() const
{
    return m_pCtrl->IsReadOnly();
}
