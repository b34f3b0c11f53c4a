#pragma once
// Asking another program's window to close as a window manager would, through Xlib on the
// display of DISPLAY. Kept apart so Xlib's macros stay out of Qt and test code.

// Sends WM_DELETE_WINDOW, as a window manager's close box does.
bool askToClose(unsigned long window);
