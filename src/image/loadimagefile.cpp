#include "image/loadimagefile.h"

#include "image/pictureloader.h"
#include "image/pngcodec.h"

namespace modVandrel {

ImageFileLoad LoadImageFile(const QString &fileName, QImage &picture, QString *reason)
{
    // Only the last three letters count, in any case: "x.JPG" loads, "x.jpeg" does not.
    if (fileName.size() < 3)
        return ImageFileLoad::Ignored;
    const QString ending = fileName.right(3).toLower();

    if (ending == QLatin1String("bmp") || ending == QLatin1String("gif") || ending == QLatin1String("jpg")) {
        std::optional<QImage> loaded = imageFiles::loadPicture(fileName, reason);
        if (!loaded)
            return ImageFileLoad::Failed;
        picture = std::move(*loaded);
        return ImageFileLoad::Loaded;
    }
    if (ending == QLatin1String("png")) {
        // LoadPNG leaves the picture as it was when it fails.
        if (!modPNG::LoadPNG(fileName, picture)) {
            if (reason)
                *reason = QStringLiteral("not a readable PNG file");
            return ImageFileLoad::Failed;
        }
        return ImageFileLoad::Loaded;
    }
    return ImageFileLoad::Ignored;
}

} // namespace modVandrel
