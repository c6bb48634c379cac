#include "AboutBox.h"

#include <QAction>
#include <QMessageBox>
#include <QWidget>

namespace
{
constexpr const char* kAboutText = "&About Fennory...";
} // namespace

QAction* CreateAboutAction(QWidget& owner)
{
    auto* pAction = new QAction(QString::fromLatin1(kAboutText), &owner);
    pAction->setObjectName(QStringLiteral("actionAbout"));
    QObject::connect(pAction, &QAction::triggered, &owner, [&owner] { ShowAboutBox(&owner); });
    return pAction;
}

void ShowAboutBox(QWidget* pParent)
{
    QMessageBox box(pParent);
    box.setObjectName(QStringLiteral("aboutBox"));
    box.setWindowTitle(QObject::tr("About Fennory"));
    box.setIconPixmap(QIcon(QStringLiteral(":/fennory.png")).pixmap(64, 64));
    box.setText(QObject::tr("<b>Fennory, Version 1.0</b>"));
    box.setInformativeText(QObject::tr(
        "Simplifies equations and expressions step by step and tells how it was done."));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}
