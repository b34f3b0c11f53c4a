#pragma once
// The largest picture Quillmark decodes: a file claiming more is refused before any
// memory is spent on it, so a small malicious file cannot exhaust the machine.

#include <QtGlobal>

namespace imageLimits {

constexpr int maxSide = 16384;
constexpr qint64 maxDecodedBytes = qint64(256) * 1024 * 1024;

// True when a picture of this size may be decoded at bytesPerPixel.
constexpr bool acceptable(qint64 width, qint64 height, int bytesPerPixel = 4)
{
    return width > 0 && height > 0 && width <= maxSide && height <= maxSide
        && width * height * bytesPerPixel <= maxDecodedBytes;
}

} // namespace imageLimits
