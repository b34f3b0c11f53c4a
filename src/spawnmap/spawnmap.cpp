#include "spawnmap/spawnmap.h"

#include <algorithm>
#include <array>

namespace spawnMap {

namespace {

// 32-bit pixels whose low 24 bits are the colour; other formats are converted once.
QImage asRgb32(const QImage &picture)
{
    switch (picture.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
        return picture;
    default:
        return picture.convertToFormat(QImage::Format_RGB32);
    }
}

// One row of a picture as the comparison sees it: the pixels and how many there are
// (none when the row lies outside the picture).
struct Row {
    const QRgb *pixels = nullptr;
    int width = 0;
};

Row rowOf(const QImage &picture, int y)
{
    if (picture.isNull() || y >= picture.height())
        return {};
    return {reinterpret_cast<const QRgb *>(picture.constScanLine(y)), picture.width()};
}

// Whether the two rows differ at x (x >= 0): a position only one picture covers differs.
inline bool differs(const Row &a, const Row &b, int x)
{
    const bool inA = x < a.width;
    const bool inB = x < b.width;
    if (inA != inB)
        return true;
    return inA && ((a.pixels[x] ^ b.pixels[x]) & 0x00FFFFFFu) != 0;
}

} // namespace

bool offsetValid(QPoint offset)
{
    return offset.x() >= 0 && offset.y() >= 0 && offset.x() <= maxOffset && offset.y() <= maxOffset;
}

QImage blankMap()
{
    QImage map(mapSize, mapSize, QImage::Format_RGB32);
    map.fill(white);
    return map;
}

void markColumns(const QImage &reference, const QImage &screenshot, QPoint offset, QImage &map, int first, int last)
{
    first = std::max(first, 0);
    last = std::min(last, mapSize);
    if (!offsetValid(offset) || first >= last || map.size() != QSize(mapSize, mapSize)
        || map.depth() != 32)
        return;
    const QImage a = asRgb32(reference);
    const QImage b = asRgb32(screenshot);
    const int x0 = offset.x() + 2 * first;
    const int x1 = offset.x() + 2 * last;
    for (int j = 0; j < mapSize; ++j) {
        // Row by row keeps the reads sequential; a block differs when either row does.
        std::array<quint8, mapSize> marked{};
        for (int dy = 0; dy < 2; ++dy) {
            const int y = offset.y() + 2 * j + dy;
            const Row ra = rowOf(a, y);
            const Row rb = rowOf(b, y);
            if (!ra.pixels && !rb.pixels)
                continue;
            // Where both rows cover the positions, a plain masked compare.
            const int both = std::clamp(std::min(ra.width, rb.width), x0, x1);
            int x = x0;
            const QRgb *pa = ra.pixels;
            const QRgb *pb = rb.pixels;
            for (int i = first; x + 1 < both; ++i, x += 2)
                marked[i] |= (((pa[x] ^ pb[x]) | (pa[x + 1] ^ pb[x + 1])) & 0x00FFFFFFu) != 0;
            for (; x < x1; ++x) {
                const int i = (x - offset.x()) / 2;
                marked[i] |= quint8(differs(ra, rb, x));
            }
        }
        QRgb *out = reinterpret_cast<QRgb *>(map.scanLine(j));
        for (int i = first; i < last; ++i)
            if (marked[i])
                out[i] = red;
    }
}

QImage compare(const QImage &reference, const QImage &screenshot, QPoint offset)
{
    QImage map = blankMap();
    markColumns(reference, screenshot, offset, map, 0, mapSize);
    return map;
}

} // namespace spawnMap
