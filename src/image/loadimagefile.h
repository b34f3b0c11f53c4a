#pragma once
// Puts an image file into a picture, choosing the reader by the name's last three letters.

#include <QImage>
#include <QString>

namespace modVandrel {

enum class ImageFileLoad {
    Loaded,  // picture holds the file's picture at its own size
    Ignored, // the name ends in none of bmp, gif, jpg, png: picture unchanged
    Failed,  // the file could not be read: picture unchanged, reason says why
};

ImageFileLoad LoadImageFile(const QString &fileName, QImage &picture, QString *reason = nullptr);

} // namespace modVandrel
