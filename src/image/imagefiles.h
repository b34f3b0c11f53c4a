#pragma once
// Picture files as every caller reads and writes them: each call says whether it was
// done and, when not, why. A write never destroys the file it would replace.

#include "common/oldfiles.h"
#include "image/pictureresult.h"

#include <QImage>
#include <QString>

namespace imageFiles {

// PNG (8-bit RGB), JPEG at quality percent (clamped to 1..100) and uncompressed 24-bit
// bottom-up BMP, as the platform's bitmap writer makes them.
// With kept, a file the new one replaces is kept (see oldFiles) and kept says where.
PictureResult savePng(const QImage &picture, const QString &fileName, oldFiles::Replaced *kept = nullptr);
PictureResult saveJpg(const QImage &picture, const QString &fileName, int quality, oldFiles::Replaced *kept = nullptr);
PictureResult saveBmp(const QImage &picture, const QString &fileName, oldFiles::Replaced *kept = nullptr);

// The platform's picture loader for BMP, GIF and JPEG files (and whatever else it reads),
// within the decoding limits: the first frame as RGB32.
PictureRead loadPicture(const QString &fileName);

} // namespace imageFiles
