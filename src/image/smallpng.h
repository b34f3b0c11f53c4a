#pragma once
// The smallest PNG we can find quickly for a picture, for files that go up to the wiki:
// a palette or grey at the fewest bits that hold the pixels exactly, else 8-bit RGB; the
// better of a few filter and compression trials; no optional chunks. The same pixels
// always give the same bytes, because the wiki spots duplicates by the file's hash.

#include "common/oldfiles.h"
#include "image/pictureresult.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace smallPng {

// The whole file. Only the RGB of each pixel counts (alpha is ignored, as the picture
// writer does). Empty for an empty picture, one beyond the decoding limits, or when
// memory runs out.
QByteArray encode(const QImage &picture);

// Writes encode()'s bytes; an existing file is replaced only once the new one is complete.
PictureResult save(const QImage &picture, const QString &fileName, oldFiles::Replaced *kept = nullptr);

} // namespace smallPng
