#pragma once
// Uncompressed 24-bit Windows bitmaps, as the platform's bitmap writer makes them.

#include <QImage>
#include <QString>

namespace imageFiles {

// Writes the picture as a bottom-up 24-bit BMP; an existing file is replaced only once
// the new one is complete. False (with the reason when asked) when nothing was written.
bool SaveBMP(const QImage &picture, const QString &fileName, QString *reason = nullptr);

} // namespace imageFiles
