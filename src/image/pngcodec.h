#pragma once
// PNG files through libpng: pictures are written as 8-bit RGB with an sBIT chunk, and
// read back whatever their kind (palette, grey, 16-bit, alpha, interlaced) as 8-bit RGB.

#include "common/fileproblem.h"
#include "common/oldfiles.h"

#include <QImage>
#include <QString>
#include <cstdio>

namespace modPNG {

// Writes the whole picture; an existing file is replaced only once the new one is
// complete. False (with the problem when asked) when nothing was written.
bool SavePNG(const QImage &picture, const QString &fileName, FileProblem *problem = nullptr,
             oldFiles::Replaced *kept = nullptr);

// Reads the file into picture (RGB32, the image's size). False, leaving picture as it
// was, for anything that is not a whole, sound PNG within the decoding limits.
bool LoadPNG(const QString &fileName, QImage &picture);
// The same from an open stream positioned at the signature.
bool LoadPNG(FILE *stream, QImage &picture);

} // namespace modPNG
