#pragma once
// Puts an image file into a picture, choosing the reader by the name's last three letters.

#include "image/pictureresult.h"

#include <QImage>
#include <QString>

namespace modVandrel {

// .bmp, .gif and .jpg through the platform's picture loader, .png through LoadPNG, in any
// letter case; a name with any other ending is not read. picture holds the file's picture
// at its own size when it was read, and is left as it was otherwise.
PictureResult LoadImageFile(const QString &fileName, QImage &picture);

} // namespace modVandrel
