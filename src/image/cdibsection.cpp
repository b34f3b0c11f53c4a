#include "image/cdibsection.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>

namespace {

// Pixels of a decoded picture pass through here on every load, so on little-endian
// machines four pixels go as three 32-bit words instead of twelve byte loads.
void bgrToRgb32(const uchar *in, QRgb *out, int count)
{
    int x = 0;
    if constexpr (std::endian::native == std::endian::little) {
        for (; x + 4 <= count; x += 4, in += 12) {
            quint32 w[3];
            std::memcpy(w, in, sizeof w); // B0 G0 R0 B1 | G1 R1 B2 G2 | R2 B3 G3 R3
            out[x] = 0xff000000u | (w[0] & 0xffffffu);
            out[x + 1] = 0xff000000u | (w[0] >> 24) | (w[1] & 0xffffu) << 8;
            out[x + 2] = 0xff000000u | (w[1] >> 16) | (w[2] & 0xffu) << 16;
            out[x + 3] = 0xff000000u | (w[2] >> 8);
        }
    }
    for (; x < count; ++x, in += 3)
        out[x] = qRgb(in[2], in[1], in[0]);
}

} // namespace

bool cDIBSection::Create(int width, int height)
{
    ClearUp();
    if (width <= 0 || height <= 0 || width > (1 << 28) / 3)
        return false;
    const qsizetype size = qsizetype(BytesPerScanLine(width)) * height;
    bits_.reset(new (std::nothrow) uchar[size]);
    if (!bits_)
        return false;
    width_ = width;
    height_ = height;
    return true;
}

bool cDIBSection::CreateFromPicture(const QImage &picture)
{
    if (!Create(picture.width(), picture.height()))
        return false;
    LoadPictureBlt(picture, 0, 0, -1, -1);
    return true;
}

void cDIBSection::LoadPictureBlt(const QImage &source, int sourceLeft, int sourceTop, int sourceWidth,
                                 int sourceHeight, RasterOp)
{
    if (!isLive())
        return;
    const int w = std::min(sourceWidth < 0 ? width_ : sourceWidth, width_);
    const int h = std::min(sourceHeight < 0 ? height_ : sourceHeight, height_);
    const QImage rgb = source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
                           ? source
                           : source.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        uchar *out = rowOfPicture(y);
        const int sy = sourceTop + y;
        if (sy < 0 || sy >= rgb.height()) {
            std::memset(out, 0, size_t(3 * w));
            continue;
        }
        // Columns [x0, x1) lie inside the source; the rest is black.
        const int x0 = std::clamp(-sourceLeft, 0, w);
        const int x1 = std::clamp(rgb.width() - sourceLeft, x0, w);
        std::memset(out, 0, size_t(3 * x0));
        // Indexed from the row's start: the row pointer itself must stay inside the row.
        const QRgb *in = reinterpret_cast<const QRgb *>(rgb.constScanLine(sy));
        for (int x = x0; x < x1; ++x) {
            const QRgb p = in[sourceLeft + x];
            out[3 * x] = uchar(qBlue(p));
            out[3 * x + 1] = uchar(qGreen(p));
            out[3 * x + 2] = uchar(qRed(p));
        }
        std::memset(out + 3 * x1, 0, size_t(3 * (w - x1)));
    }
}

void cDIBSection::PaintPicture(QImage &destination, int left, int top, int width, int height, int sourceLeft,
                               int sourceTop, RasterOp) const
{
    if (!isLive() || destination.isNull())
        return;
    if (destination.format() != QImage::Format_RGB32)
        destination = destination.convertToFormat(QImage::Format_RGB32);
    const int w = width < 0 ? width_ : width;
    const int h = height < 0 ? height_ : height;
    for (int y = 0; y < h; ++y) {
        const int dy = top + y;
        const int sy = sourceTop + y;
        if (dy < 0 || dy >= destination.height() || sy < 0 || sy >= height_)
            continue;
        // Columns x in [x0, x1) land inside the destination and come from inside the buffer.
        const int x0 = std::max({0, -left, -sourceLeft});
        const int x1 = std::min({w, destination.width() - left, width_ - sourceLeft});
        if (x1 > x0)
            bgrToRgb32(rowOfPicture(sy) + 3 * qsizetype(sourceLeft + x0),
                       reinterpret_cast<QRgb *>(destination.scanLine(dy)) + (left + x0), x1 - x0);
    }
}

QImage cDIBSection::toPicture() const
{
    if (!isLive())
        return QImage();
    QImage picture(width_, height_, QImage::Format_RGB32);
    if (picture.isNull())
        return picture;
    PaintPicture(picture, 0, 0, -1, -1);
    return picture;
}

void cDIBSection::ClearUp()
{
    bits_.reset();
    width_ = 0;
    height_ = 0;
}
