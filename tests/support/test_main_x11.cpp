#include "support/x11_display.h"

#include "support/user_actions.h"

#include <QApplication>
#include <cstdio>
#include <gtest/gtest.h>

// Each run gets its own X server and window manager; listing the cases needs neither.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    // ctest runs each case alone: a laptop case gets a laptop's screen.
    const std::string filter = GTEST_FLAG_GET(filter);
    X11Display display(filter.rfind("LaptopScreenTest.", 0) == 0 ? "1366x768x24" : "1280x1024x24");
    if (display.Name().empty()) {
        std::fprintf(stderr, "%s\n", display.Failure().c_str());
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    TestApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
