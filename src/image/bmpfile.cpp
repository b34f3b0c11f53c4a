#include "common/atomicfile.h"
#include "image/cdibsection.h"
#include "image/imagefiles.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace imageFiles {
namespace {

constexpr int fileHeaderSize = 14;
constexpr int infoHeaderSize = 40;
constexpr int pixelOffset = fileHeaderSize + infoHeaderSize;

void putLE16(uchar *at, quint16 v)
{
    at[0] = uchar(v);
    at[1] = uchar(v >> 8);
}

void putLE32(uchar *at, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        at[i] = uchar(v >> (8 * i));
}

// The file and info headers of a bottom-up 24-bit picture whose rows take imageSize bytes.
std::array<uchar, pixelOffset> headerFor(int width, int height, quint32 imageSize)
{
    std::array<uchar, pixelOffset> header{};
    uchar *h = header.data();
    h[0] = 'B';
    h[1] = 'M';
    putLE32(h + 2, imageSize + pixelOffset);
    putLE32(h + 10, pixelOffset);
    uchar *info = h + fileHeaderSize;
    putLE32(info, infoHeaderSize);
    putLE32(info + 4, quint32(width));
    putLE32(info + 8, quint32(height)); // positive: bottom-up
    putLE16(info + 12, 1);              // planes
    putLE16(info + 14, 24);             // bits per pixel
    putLE32(info + 16, 0);              // BI_RGB, uncompressed
    putLE32(info + 20, imageSize);
    // Resolution and palette fields stay 0, as in the buffer's own header.
    return header;
}

} // namespace

PictureResult saveBmp(const QImage &picture, const QString &fileName, oldFiles::Replaced *kept)
{
    if (picture.isNull())
        return PictureResult::failure(FileProblem::Code::NoPicture);
    cDIBSection dib;
    if (!dib.CreateFromPicture(picture))
        return PictureResult::failure(FileProblem::Code::NoMemory);

    // The stored rows are already a BMP's pixel array (bottom-up, padded to 4 bytes).
    const quint64 imageSize = quint64(dib.BytesPerScanLine()) * quint64(dib.Height());
    if (imageSize + pixelOffset > 0xffffffffu)
        return PictureResult::failure(FileProblem::Code::TooLargeForBmp);

    // The padding carries no meaning in the buffer, but a file should not hold stray memory.
    const int used = 3 * dib.Width();
    const int pad = dib.BytesPerScanLine() - used;
    if (pad > 0) {
        for (int y = 0; y < dib.Height(); ++y)
            std::memset(dib.rowOfPicture(y) + used, 0, size_t(pad));
    }

    const std::array<uchar, pixelOffset> header = headerFor(dib.Width(), dib.Height(), quint32(imageSize));

    textFiles::AtomicFile file(fileName);
    if (!file.open())
        return PictureResult::failure(file.problem());
    if (kept)
        file.keepReplaced();
    FILE *out = file.stream();
    errno = 0;
    if (std::fwrite(header.data(), 1, header.size(), out) != header.size()
        || std::fwrite(dib.DIBSectionBitsPtr(), 1, size_t(imageSize), out) != size_t(imageSize)) {
        const int error = errno ? errno : EIO;
        file.abandon();
        return PictureResult::failure(FileProblem::fromErrno(FileProblem::Code::CannotWrite, error));
    }
    if (!file.commit(textFiles::Durability::Synced))
        return PictureResult::failure(file.problem());
    if (kept)
        *kept = file.replaced();
    return {};
}

} // namespace imageFiles
