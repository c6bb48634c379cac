#include "FennoryDlg.h"
#include "StartupOptions.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("fennory"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    const CStartupOptions options = ParseStartupOptions(QApplication::arguments());
    CFennoryDlg dialog;
    return RunMainWindow(dialog, options);
}
