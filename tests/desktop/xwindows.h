#pragma once
// Looking at other programs' windows the way a window manager would, through Xlib on the
// display of DISPLAY. Kept apart so Xlib's macros stay out of Qt and test code.

#include <QtGlobal>

namespace xWindows {

// The viewable top-level window of process pid whose title contains titlePart, or 0.
unsigned long shownWindow(qint64 pid, const char *titlePart);

// Asks the window to close as a window manager's close box does (WM_DELETE_WINDOW).
bool askToClose(unsigned long window);

} // namespace xWindows
