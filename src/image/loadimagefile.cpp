#include "image/loadimagefile.h"

#include "image/imagefiles.h"
#include "image/pngcodec.h"

namespace modVandrel {

PictureResult LoadImageFile(const QString &fileName, QImage &picture)
{
    // Only the last three letters count, in any case: "x.JPG" loads, "x.jpeg" does not.
    const QString ending = fileName.right(3).toLower();
    if (ending == QLatin1String("bmp") || ending == QLatin1String("gif") || ending == QLatin1String("jpg")) {
        PictureRead read = imageFiles::loadPicture(fileName);
        if (read.ok())
            picture = std::move(read.picture);
        return read.result;
    }
    if (ending == QLatin1String("png")) {
        // LoadPNG leaves the picture as it was when it fails.
        if (!modPNG::LoadPNG(fileName, picture))
            return PictureResult::failure(FileProblem::Code::NotReadablePng);
        return {};
    }
    return PictureResult::failure(FileProblem::Code::NotAPictureType);
}

} // namespace modVandrel
