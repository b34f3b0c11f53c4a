// The desktop tests run on a real X server of their own: the xcb platform, the real X11
// clipboard, and other programs (xclip, xdotool) acting on both.

#include "xserver.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) // test discovery needs no display
        return RUN_ALL_TESTS();
    VirtualDisplay display;
    const std::string name = display.start();
    if (name.empty()) {
        std::cerr << "desktop tests: Xvfb did not come up (is the Debian package xvfb installed?)\n";
        return 1;
    }
    ::setenv("DISPLAY", name.c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
