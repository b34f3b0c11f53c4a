#include "image/imagefiles.h"

#include "image/jpegcodec.h"
#include "image/pngcodec.h"

namespace imageFiles {

PictureResult savePng(const QImage &picture, const QString &fileName, oldFiles::Replaced *kept)
{
    QString reason;
    if (!modPNG::SavePNG(picture, fileName, &reason, kept))
        return PictureResult::failure(reason);
    return {};
}

PictureResult saveJpg(const QImage &picture, const QString &fileName, int quality, oldFiles::Replaced *kept)
{
    try {
        mIntelJPEGLibrary::SaveJPG(picture, fileName, quality, kept);
    } catch (const mIntelJPEGLibrary::JpegError &error) {
        return PictureResult::failure(error.description());
    }
    return {};
}

} // namespace imageFiles
