// The desktop tests run on a real X server of their own: the xcb platform, the real
// X11 clipboard, and other programs (xclip, xdotool) acting on both.

#include "virtualdisplay.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Test discovery needs no display.
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();

    VirtualDisplay display;
    if (!display.start()) {
        std::cerr << "desktop tests: " << display.error() << '\n';
        return 1;
    }
    ::setenv("DISPLAY", display.name().c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    int result = 0;
    {
        QApplication app(argc, argv);
        result = RUN_ALL_TESTS();
    }
    display.stop();
    return result;
}
