#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The window tests need an application object; without a display they run offscreen.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings the window keeps between runs go to a scratch folder, never the user's.
    const QTemporaryDir configDir;
    qputenv("XDG_CONFIG_HOME", configDir.path().toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
