#include <gtest/gtest.h>

#include <QApplication>

// The widget tests drive real widgets, so they need an application object (offscreen).
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
