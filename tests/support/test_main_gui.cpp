#include "support/user_actions.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Widget tests run without a display unless a platform was asked for. The
    // offscreen platform gets a large primary screen, so that windows keep
    // their real sizes, and a small second one for the cases that need it.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" VYX_OWN_TESTDATA "/offscreen_screens.json");
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
