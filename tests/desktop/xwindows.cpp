#include "xwindows.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstring>
#include <string>

namespace xWindows {

namespace {

// A window may go away while we look at it; that is no reason to end the tests.
int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

struct Connection {
    Connection() : display(XOpenDisplay(nullptr)), oldHandler(XSetErrorHandler(ignoreErrors)) {}
    ~Connection()
    {
        if (display)
            XCloseDisplay(display);
        XSetErrorHandler(oldHandler);
    }
    Display *display;
    XErrorHandler oldHandler;
};

// The bytes of a window property, empty when it is not set.
std::string property(Display *display, Window window, const char *name, Atom type)
{
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    std::string value;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1024, False, type, &actualType,
                           &format, &count, &after, &data) == Success && data) {
        // 32-bit items arrive as longs.
        value.assign(reinterpret_cast<const char *>(data), format == 32 ? count * sizeof(long) : count * (format / 8));
    }
    if (data)
        XFree(data);
    return value;
}

} // namespace

unsigned long shownWindow(qint64 pid, const char *titlePart)
{
    Connection x;
    if (!x.display)
        return 0;
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(x.display, DefaultRootWindow(x.display), &root, &parent, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(x.display, children[i], &attributes) || attributes.map_state != IsViewable)
            continue;
        const std::string owner = property(x.display, children[i], "_NET_WM_PID", XA_CARDINAL);
        long ownerPid = 0;
        if (owner.size() != sizeof ownerPid)
            continue;
        std::memcpy(&ownerPid, owner.data(), sizeof ownerPid);
        if (ownerPid == pid
            && property(x.display, children[i], "_NET_WM_NAME", AnyPropertyType).find(titlePart) != std::string::npos)
            found = children[i];
    }
    if (children)
        XFree(children);
    return found;
}

bool askToClose(unsigned long window)
{
    Connection x;
    if (!x.display)
        return false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(x.display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(x.display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(x.display, window, False, NoEventMask, &event);
    XFlush(x.display);
    return sent != 0;
}

} // namespace xWindows
