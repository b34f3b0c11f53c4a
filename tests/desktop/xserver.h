#pragma once
// A private X server (Xvfb) for one test process, so parallel test runs never share a
// clipboard, a focus or a screen; and the window manager's close request. Kept apart so
// Xlib's macros stay out of Qt and test code.

#include <string>
#include <sys/types.h>

class VirtualDisplay {
public:
    VirtualDisplay() = default;
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay &) = delete;
    VirtualDisplay &operator=(const VirtualDisplay &) = delete;
    // Starts Xvfb on a free display and waits until it accepts clients; its name (":N"), or
    // nothing when it did not come up.
    std::string start();

private:
    pid_t pid_ = -1;
};

// Sends WM_DELETE_WINDOW to a window on the display of DISPLAY, as a close box does.
bool askToClose(unsigned long window);
