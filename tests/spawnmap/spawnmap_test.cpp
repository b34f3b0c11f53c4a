#include "spawnmap/spawnmap.h"
#include "support.h"

using namespace spawnMap;
using testsupport::filled;

namespace {

const QPoint defaults(4, 58);
constexpr QRgb colour = 0xFF336699;

// The red blocks of a map, in reading order; every other pixel must be white.
QList<QPoint> redBlocks(const QImage &map)
{
    EXPECT_EQ(map.size(), QSize(mapSize, mapSize));
    QList<QPoint> found;
    for (int y = 0; y < map.height(); ++y)
        for (int x = 0; x < map.width(); ++x) {
            if (map.pixel(x, y) == red)
                found.append({x, y});
            else if (map.pixel(x, y) != white)
                ADD_FAILURE() << "neither red nor white at " << x << "," << y;
        }
    return found;
}

} // namespace

TEST(SpawnMap, EachDifferentPixelMarksItsTwoByTwoBlockInsideTheWindowOnly)
{
    // The window spans offset .. offset + 511 both ways; block (i, j) covers pixels 2i, 2i + 1.
    const std::tuple<QPoint, QPoint, QList<QPoint>> cases[]
        = {{defaults, {5, 6}, {{2, 3}}}, {{0, 0}, {5, 6}, {{2, 3}}}, {{101, 3}, {5, 6}, {{2, 3}}},
            {defaults, {0, 0}, {{0, 0}}}, {defaults, {511, 511}, {{255, 255}}}, {defaults, {300, 511}, {{150, 255}}},
            {defaults, {512, 0}, {}}, {defaults, {0, 512}, {}}, {defaults, {-1, 5}, {}}, {defaults, {5, -1}, {}}};
    const QImage reference = filled({1920, 1080}, colour);
    for (const auto &[offset, pixel, blocks] : cases) {
        QImage shot = reference.copy();
        shot.setPixel(offset + pixel, colour ^ 1); // one step of one channel
        EXPECT_EQ(redBlocks(compare(reference, shot, offset)), blocks) << pixel.x() << "," << pixel.y();
    }
    // Alpha is no colour; another pixel format of the same colours is the same picture.
    QImage transparent(1920, 1080, QImage::Format_ARGB32);
    transparent.fill(colour & 0xffffff);
    EXPECT_TRUE(redBlocks(compare(reference, transparent, defaults)).isEmpty());
    QImage rgb888 = reference.convertToFormat(QImage::Format_RGB888);
    rgb888.setPixel(defaults + QPoint(300, 301), qRgb(0, 0, 0));
    EXPECT_EQ(redBlocks(compare(reference, rgb888, defaults)), QList<QPoint>{QPoint(150, 150)});
}

TEST(SpawnMap, PositionsOnlyOnePictureCoversDifferAndThoseNeitherCoversDoNot)
{
    // Both pictures end at an odd column inside the window: the last block is half covered
    // by both, and what lies past their end (the next row, in memory) is never read.
    QImage a = filled({301, 600}, colour), b = a.copy();
    b.setPixel(0, 59, qRgb(1, 2, 3));
    b.setPixel(0, 60, qRgb(1, 2, 3));
    EXPECT_TRUE(redBlocks(compare(a, b, defaults)).isEmpty());
    b.setPixel(300, 58, qRgb(1, 2, 3));
    EXPECT_EQ(redBlocks(compare(a, b, defaults)), QList<QPoint>{QPoint(148, 0)});
    const QImage big = filled({600, 600}, colour), small = filled({300, 200}, colour);
    EXPECT_TRUE(redBlocks(compare(small, small.copy(), defaults)).isEmpty());
    EXPECT_TRUE(redBlocks(compare(QImage(), QImage(), defaults)).isEmpty());
    const QImage map = compare(big, small, defaults);
    EXPECT_EQ(map, compare(small, big, defaults));
    // Column 148 starts at x = 300, row 71 at y = 200: the first outside the small one.
    for (const QPoint p : {QPoint(0, 0), QPoint(147, 70)})
        EXPECT_EQ(map.pixel(p), white) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(148, 0), QPoint(0, 71), QPoint(255, 255), QPoint(147, 71)})
        EXPECT_EQ(map.pixel(p), red) << p.x() << "," << p.y();
    EXPECT_EQ(redBlocks(compare(big, QImage(), defaults)).size(), mapSize * mapSize);
}

TEST(SpawnMap, ColumnStripsMakeTheSameMapAndRefusedOffsetsNone)
{
    QImage reference = filled({700, 700}, colour), shot = reference.copy();
    for (int k = 0; k < 500; ++k)
        shot.setPixel((k * 37) % 650, (k * 91) % 640, qRgb(k % 256, 0, 0));
    const QImage whole = compare(reference, shot, defaults);
    EXPECT_FALSE(redBlocks(whole).isEmpty());
    QImage strips = blankMap(), clipped = blankMap(), none = blankMap();
    for (int first = 0; first < mapSize; first += 29)
        markColumns(reference, shot, defaults, strips, first, first + 29);
    markColumns(reference, shot, defaults, clipped, -10, 1000);
    markColumns(reference, shot, defaults, none, 100, 100);
    EXPECT_EQ(strips, whole);
    EXPECT_EQ(clipped, whole);
    EXPECT_EQ(none, blankMap());
    // Offsets whose window leaves 16-bit coordinates are refused and compare nothing.
    for (const auto &[offset, valid] : {std::pair{QPoint(0, 0), true}, {QPoint(32256, 32256), true},
             {QPoint(32257, 0), false}, {QPoint(0, 32257), false}, {QPoint(-1, 0), false}, {QPoint(0, -1), false}}) {
        EXPECT_EQ(offsetValid(offset), valid) << offset.x() << "," << offset.y();
        EXPECT_EQ(redBlocks(compare(filled({64, 64}, colour), filled({64, 64}, 0xff000000), offset)).isEmpty(),
            !valid || offset.x() > 0)
            << offset.x() << "," << offset.y();
    }
}
