#pragma once
// What the system clipboard gives outside Qt's reading of it.

#include <QImage>

namespace clipboardPlatform {

// The clipboard's picture read straight from a device-independent bitmap (CF_DIBV5 first,
// for its alpha, then CF_DIB), for when Qt finds none: Qt asks the clipboard through OLE,
// and not every system serves a bitmap there (Wine offers a DIB that another program put
// on the clipboard with no storage medium). A null image where there is no such bitmap, on
// systems whose clipboard has none, and under a platform with a clipboard of its own.
QImage deviceIndependentBitmap();

} // namespace clipboardPlatform
