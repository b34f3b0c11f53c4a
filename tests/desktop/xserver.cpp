#include "xserver.h"

#include <X11/Xlib.h>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

VirtualDisplay::~VirtualDisplay()
{
    if (pid_ <= 0)
        return;
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
}

std::string VirtualDisplay::start()
{
    int ready[2];
    if (::pipe(ready) != 0)
        return {};
    const pid_t parent = ::getpid();
    pid_ = ::fork();
    if (pid_ == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM); // the server never outlives the tests, however they end
        if (::getppid() != parent)
            ::_exit(1);
        ::close(ready[0]);
        const int devNull = ::open("/dev/null", O_RDWR);
        for (const int fd : {0, 1, 2})
            ::dup2(devNull, fd);
        const std::string fd = std::to_string(ready[1]);
        ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-screen", "0", "1280x1024x24", nullptr);
        ::_exit(127);
    }
    ::close(ready[1]);
    // Xvfb writes the display number once it accepts clients; end of file means it failed.
    std::string number;
    pollfd wait{ready[0], POLLIN, 0};
    char c = 0;
    while (pid_ > 0 && number.find('\n') == std::string::npos && ::poll(&wait, 1, 15000) > 0
        && ::read(ready[0], &c, 1) == 1)
        number += c;
    ::close(ready[0]);
    return number.find('\n') == std::string::npos ? std::string() : ':' + number.substr(0, number.find('\n'));
}

bool askToClose(unsigned long window)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
    XCloseDisplay(display);
    return sent != 0;
}
