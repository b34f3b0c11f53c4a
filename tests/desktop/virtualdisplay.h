#pragma once
// A private X server (Xvfb) for one test process, so parallel test runs never share a
// clipboard, a focus or a screen.

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
