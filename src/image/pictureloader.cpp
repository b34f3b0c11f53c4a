#include "image/imagefiles.h"
#include "image/imagelimits.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

namespace imageFiles {
namespace {

// True for an uncompressed BMP whose file ends before its pixel rows do. The reader would
// hand back a picture whose missing rows are whatever the memory held.
bool bmpCutShort(const QString &fileName, qint64 fileSize)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(54);
    if (head.size() < 54 || !head.startsWith("BM"))
        return false;
    const auto *h = reinterpret_cast<const uchar *>(head.constData());
    const quint32 offset = qFromLittleEndian<quint32>(h + 10);
    const quint32 infoSize = qFromLittleEndian<quint32>(h + 14);
    const qint64 width = qFromLittleEndian<qint32>(h + 18);
    const qint64 height = qFromLittleEndian<qint32>(h + 22);
    const int bitsPerPixel = qFromLittleEndian<quint16>(h + 28);
    const quint32 compression = qFromLittleEndian<quint32>(h + 30);
    const bool uncompressed = compression == 0 || compression == 3; // BI_RGB, BI_BITFIELDS
    if (infoSize < 40 || !uncompressed || width <= 0 || height == 0 || bitsPerPixel <= 0 || bitsPerPixel > 32)
        return false;
    const qint64 stride = (width * bitsPerPixel + 31) / 32 * 4;
    // Compared by division: a claimed width and height multiply past 64 bits.
    const qint64 rows = height < 0 ? -height : height, available = fileSize - qint64(offset);
    return available < 0 || rows > available / stride;
}

} // namespace

PictureRead loadPicture(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return PictureRead::failure(FileProblem::Code::Missing);
    if (!info.isFile())
        return PictureRead::failure(FileProblem::Code::NotAFile);

    // The name's format is tried first; when the content says otherwise the reader looks
    // at the content, so a JPEG saved as .bmp still loads.
    QImageReader reader(fileName);
    reader.setAllocationLimit(int(imageLimits::maxDecodedBytes / (1024 * 1024)));
    if (!reader.canRead())
        return PictureRead::failure(FileProblem::Code::ReaderSays, reader.errorString());

    // Refused before a byte of pixels is decoded: a small file can claim a huge picture.
    const QSize claimed = reader.size();
    if (claimed.isValid() && !imageLimits::acceptable(claimed.width(), claimed.height()))
        return PictureRead::failure(FileProblem::Code::TooLarge);

    if (bmpCutShort(fileName, info.size()))
        return PictureRead::failure(FileProblem::Code::CutShort);

    QImage picture;
    if (!reader.read(&picture) || picture.isNull())
        return PictureRead::failure(FileProblem::Code::ReaderSays, reader.errorString());
    if (!imageLimits::acceptable(picture.width(), picture.height()))
        return PictureRead::failure(FileProblem::Code::TooLarge);
    if (picture.format() != QImage::Format_RGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
    if (picture.isNull())
        return PictureRead::failure(FileProblem::Code::NoMemory);
    return {picture, {}};
}

} // namespace imageFiles
