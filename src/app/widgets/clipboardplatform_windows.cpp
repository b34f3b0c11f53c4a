#include "app/widgets/clipboardplatform.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageReader>

#include <windows.h>

namespace clipboardPlatform {
namespace {

QByteArray bytesOf(UINT format)
{
    QByteArray bytes;
    if (HANDLE data = GetClipboardData(format)) {
        if (const void *at = GlobalLock(data)) {
            bytes = QByteArray(static_cast<const char *>(at), qsizetype(GlobalSize(data)));
            GlobalUnlock(data);
        }
    }
    return bytes;
}

QImage decoded(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "dib");
    return reader.read();
}

} // namespace

QImage deviceIndependentBitmap()
{
    // Only Windows' own platform shares the system clipboard; another (offscreen) keeps one
    // of its own, and a picture left on the system's is none of its business.
    if (QGuiApplication::platformName() != QLatin1String("windows"))
        return {};
    // Another program may hold the clipboard open for a moment.
    bool open = false;
    for (int attempt = 0; attempt < 5 && !(open = OpenClipboard(nullptr)); ++attempt)
        Sleep(20);
    if (!open)
        return {};
    QImage image;
    for (const UINT format : {UINT(CF_DIBV5), UINT(CF_DIB)}) {
        if (IsClipboardFormatAvailable(format) && !(image = decoded(bytesOf(format))).isNull())
            break;
    }
    CloseClipboard();
    return image;
}

} // namespace clipboardPlatform
