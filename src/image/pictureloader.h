#pragma once
// The picture loader for BMP, GIF and JPEG files (and whatever else Qt reads), within the
// decoding limits.

#include <QImage>
#include <QString>
#include <optional>

namespace imageFiles {

// The picture as RGB32 (the first frame of an animation), or nothing with the reason.
std::optional<QImage> loadPicture(const QString &fileName, QString *reason = nullptr);

} // namespace imageFiles
