// SPDX-License-Identifier: GPL-3.0-or-later
// Pastes one huge ordinary-notation text into a Zelvix control and prints how long the paste
// took, the peak resident memory before and after it, and the message the control gave.
//   huge-paste BYTES   (run offscreen)
#include <widget/Zelvix.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace
{
long PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const long nBytes = argc > 1 ? std::atol(argv[1]) : 1048576;
    std::unique_ptr<CZelvixCtrl> pCtrl = CreateZelvixCtrl();
    pCtrl->show();
    pCtrl->setFocus();
    QString strText;
    while (strText.size() < nBytes)
        strText += QStringLiteral("x+");
    strText.truncate(nBytes);
    QApplication::clipboard()->setText(strText);
    strText = QString();
    const long nBefore = PeakMegabytes();
    const auto start = std::chrono::steady_clock::now();
    QTest::keyClick(pCtrl.get(), Qt::Key_V, Qt::ControlModifier);
    const double dSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("| %ld bytes | %.3f s | %ld MB | %ld MB | %s |\n", nBytes, dSeconds, nBefore,
                PeakMegabytes(), qPrintable(pCtrl->GetFirstError()));
    return 0;
}
