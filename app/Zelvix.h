// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class CZelvixCtrl;

// The window's handle on one equation editor: the six calls it makes and the two events it
// listens to, and nothing else of the control. The control itself belongs to the form.
class CZelvix : public QObject
{
    Q_OBJECT

public:
    CZelvix() = default;

    // Binds the wrapper to a control of the form and forwards its two message events.
    void Attach(CZelvixCtrl* pCtrl);
    CZelvixCtrl* GetControl() const;

    QString GetEquation() const;
    void SetEquation(const QString& strEquation);
    short IsEquationOK();
    QString GetFirstError();
    QString GetNextError();
    bool IsReadOnly() const;

signals:
    void ShowMessage();
    void ClearMessage();

private:
    QPointer<CZelvixCtrl> m_pCtrl;
};
