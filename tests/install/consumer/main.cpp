// SPDX-License-Identifier: GPL-3.0-or-later
// Types into a Zelvix control and checks the text it reads back: proof that the installed
// headers, library and package files are enough for another Qt program.
#include <widget/Zelvix.h>

#include <QApplication>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    std::unique_ptr<CZelvixCtrl> pCtrl = CreateZelvixCtrl();
    pCtrl->show();
    pCtrl->setFocus();
    const QString typed = QStringLiteral("2x+3=y");
    QTest::keyClicks(pCtrl.get(), typed);
    const QString text = pCtrl->GetEquation();
    std::printf("typed \"%s\", the control holds \"%s\" with %d error marks\n", qPrintable(typed),
                qPrintable(text), pCtrl->IsEquationOK());
    return text == typed && pCtrl->IsEquationOK() == 0 ? 0 : 1;
}
