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

    // Starts Xvfb on a free display number and waits until it accepts clients. On
    // failure, error() says why.
    bool start();
    // ":N", for DISPLAY.
    std::string name() const { return ":" + std::to_string(number_); }
    const std::string &error() const { return error_; }
    void stop();

private:
    pid_t pid_ = -1;
    int number_ = -1;
    std::string error_;
};
