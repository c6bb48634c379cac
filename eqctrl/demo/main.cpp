// SPDX-License-Identifier: LGPL-3.0-or-later
// zelvix-demo: one editable equation editor that prints its events.
//   zelvix-demo                       run interactively
//   zelvix-demo --screenshot FILE     save a picture of the editor showing a sample text

#include "DemoWindow.h"

#include "widget/ZelvixCtrl.h"

#include <QApplication>
#include <QPixmap>

#include <iostream>

namespace
{
// A mixed number, a power and a bracket over a letter; the equals sign left hanging at the
// end is marked as an error.
constexpr const char* kSampleText = "3%1,2$x^2!+(x+1)/y=";

int SaveScreenshot(const QString& strPath)
{
    CZelvixCtrl control;
    control.resize(300, 40);
    control.SetEquation(QString::fromLatin1(kSampleText));
    if (!control.grab().save(strPath))
    {
        std::cerr << "zelvix-demo: cannot write " << strPath.toStdString() << '\n';
        return 1;
    }
    std::cout << "saved " << strPath.toStdString() << '\n';
    return 0;
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const qsizetype nShot = args.indexOf(QStringLiteral("--screenshot"));
    if (nShot >= 0)
    {
        if (nShot + 1 >= args.size())
        {
            std::cerr << "usage: zelvix-demo [--screenshot FILE]\n";
            return 2;
        }
        return SaveScreenshot(args.at(nShot + 1));
    }
    CDemoWindow window(std::cout);
    window.show();
    return QApplication::exec();
}
