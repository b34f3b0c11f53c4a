#include "image/imagefiles.h"

#include "image/jpegcodec.h"
#include "image/pngcodec.h"

namespace imageFiles {

PictureResult savePng(const QImage &picture, const QString &fileName, oldFiles::Replaced *kept)
{
    FileProblem problem;
    if (!modPNG::SavePNG(picture, fileName, &problem, kept))
        return PictureResult::failure(problem);
    return {};
}

PictureResult saveJpg(const QImage &picture, const QString &fileName, int quality, oldFiles::Replaced *kept)
{
    try {
        mIntelJPEGLibrary::SaveJPG(picture, fileName, quality, kept);
    } catch (const mIntelJPEGLibrary::JpegError &error) {
        return PictureResult::failure(error.duringInit() ? FileProblem::Code::JpegInitFailed : FileProblem::Code::JpegSaveFailed,
                                      QString::number(error.result()));
    }
    return {};
}

} // namespace imageFiles
