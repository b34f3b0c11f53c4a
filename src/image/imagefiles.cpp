#include "image/imagefiles.h"

#include "image/jpegcodec.h"
#include "image/pngcodec.h"

namespace imageFiles {

PictureResult savePng(const QImage &picture, const QString &fileName)
{
    QString reason;
    if (!modPNG::SavePNG(picture, fileName, &reason))
        return PictureResult::failure(reason);
    return {};
}

PictureResult saveJpg(const QImage &picture, const QString &fileName, int quality)
{
    try {
        mIntelJPEGLibrary::SaveJPG(picture, fileName, quality);
    } catch (const mIntelJPEGLibrary::JpegError &error) {
        return PictureResult::failure(error.description());
    }
    return {};
}

} // namespace imageFiles
