// SPDX-License-Identifier: LGPL-3.0-or-later
#include "widget/ZelvixAboutDialog.h"

#include "widget/DialogUnits.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

QPixmap CreateZelvixIcon()
{
    QPixmap icon(32, 32);
    icon.fill(Qt::white);
    QPainter painter(&icon);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawRect(1, 1, 30, 30);
    QFont font(QStringLiteral("Times New Roman"), 9);
    font.setBold(true);
    font.setItalic(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 2, 32, 14), Qt::AlignCenter, QStringLiteral("x"));
    painter.drawLine(8, 16, 24, 16);
    painter.drawText(QRect(0, 16, 32, 14), Qt::AlignCenter, QStringLiteral("2"));
    return icon;
}

CZelvixAboutDialog::CZelvixAboutDialog(QWidget* pParent) : QDialog(pParent)
{
    setWindowTitle(QStringLiteral("About Zelvix Control"));
    setFixedSize(DialogUnitsToPixels(0, 0, 260, 55).size());

    auto* pIcon = new QLabel(this);
    pIcon->setPixmap(CreateZelvixIcon());
    pIcon->setGeometry(QRect(DialogUnitsToPixels(10, 10, 0, 0).topLeft(), QSize(32, 32)));

    auto* pVersion = new QLabel(QStringLiteral("Zelvix Control, Version 1.0"), this);
    pVersion->setObjectName(QStringLiteral("versionText"));
    pVersion->setGeometry(DialogUnitsToPixels(40, 10, 119, 8));

    // The maker's notice: the licence under which other programs may use the control.
    auto* pNotice = new QLabel(QStringLiteral("Free software: GNU LGPL 3 or later"), this);
    pNotice->setObjectName(QStringLiteral("noticeText"));
    pNotice->setGeometry(DialogUnitsToPixels(40, 25, 178, 8));

    auto* pOk = new QPushButton(QStringLiteral("OK"), this);
    pOk->setGeometry(DialogUnitsToPixels(221, 7, 32, 14));
    pOk->setDefault(true);
    connect(pOk, &QPushButton::clicked, this, &QDialog::accept);
}
