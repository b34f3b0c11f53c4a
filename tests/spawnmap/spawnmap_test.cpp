#include "spawnmap/spawnmap.h"

#include <gtest/gtest.h>
#include <vector>

using namespace spawnMap;

namespace {

const QPoint defaults(4, 58);

QImage picture(int width, int height, QRgb colour = 0xFF336699, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, height, format);
    image.fill(colour);
    return image;
}

// The red pixels of a map, in order.
std::vector<QPoint> redPixels(const QImage &map)
{
    EXPECT_EQ(map.size(), QSize(mapSize, mapSize));
    std::vector<QPoint> found;
    for (int y = 0; y < map.height(); ++y)
        for (int x = 0; x < map.width(); ++x) {
            const QRgb p = map.pixel(x, y);
            if (p == red)
                found.emplace_back(x, y);
            else
                EXPECT_EQ(p, white) << x << "," << y;
        }
    return found;
}

} // namespace

TEST(SpawnMapCompare, SingleDifferencesMarkTheirBlockOnly)
{
    const QImage reference = picture(1920, 1080);
    for (const QPoint offset : {defaults, QPoint(0, 0), QPoint(101, 3)}) {
        QImage shot = reference.copy();
        shot.setPixel(offset + QPoint(5, 6), 0xFF336698); // one channel, one step
        EXPECT_EQ(redPixels(compare(reference, shot, offset)), std::vector<QPoint>{QPoint(2, 3)});

        // The corners of the window mark the corners of the map.
        shot = reference.copy();
        shot.setPixel(offset, 0xFF000000);
        shot.setPixel(offset + QPoint(511, 511), 0xFF000000);
        EXPECT_EQ(redPixels(compare(reference, shot, offset)),
                  (std::vector<QPoint>{QPoint(0, 0), QPoint(255, 255)}));

        // Just outside the window on every side: nothing.
        shot = reference.copy();
        shot.setPixel(offset + QPoint(512, 0), 0xFF000000);
        shot.setPixel(offset + QPoint(0, 512), 0xFF000000);
        if (offset.x() > 0)
            shot.setPixel(offset + QPoint(-1, 5), 0xFF000000);
        if (offset.y() > 0)
            shot.setPixel(offset + QPoint(5, -1), 0xFF000000);
        EXPECT_TRUE(redPixels(compare(reference, shot, offset)).empty());
    }
}

TEST(SpawnMapCompare, ColourOnlyCountsAndFormatsAgree)
{
    const QImage reference = picture(600, 600);
    EXPECT_TRUE(redPixels(compare(reference, reference.copy(), defaults)).empty());
    // Alpha is no colour; another pixel format of the same colours is the same picture.
    QImage argb = picture(600, 600, 0x00336699, QImage::Format_ARGB32);
    EXPECT_TRUE(redPixels(compare(reference, argb, defaults)).empty());
    QImage rgb888 = reference.convertToFormat(QImage::Format_RGB888);
    rgb888.setPixel(defaults + QPoint(300, 301), qRgb(0, 0, 0));
    EXPECT_EQ(redPixels(compare(reference, rgb888, defaults)), std::vector<QPoint>{QPoint(150, 150)});
}

TEST(SpawnMapCompare, PositionsOutsideThePictures)
{
    // The window spans 4..515 across and 58..569 down.
    const QImage big = picture(600, 600);
    const QImage small = picture(300, 200);
    // Outside both: equal, so equal small pictures mark nothing.
    EXPECT_TRUE(redPixels(compare(small, small.copy(), defaults)).empty());
    EXPECT_TRUE(redPixels(compare(QImage(), QImage(), defaults)).empty());
    // Covered by one only: every block the bigger picture covers beyond the smaller.
    const QImage map = compare(big, small, defaults);
    EXPECT_EQ(map, compare(small, big, defaults));
    for (const QPoint p : {QPoint(0, 0), QPoint(147, 70)})
        EXPECT_EQ(map.pixel(p), white) << p.x() << "," << p.y();
    // Column 148 starts at x = 300, row 71 at y = 200: the first outside the small one.
    for (const QPoint p : {QPoint(148, 0), QPoint(0, 71), QPoint(255, 255), QPoint(147, 71)})
        EXPECT_EQ(map.pixel(p), red) << p.x() << "," << p.y();
    // A block half covered by the smaller picture: one uncovered position is enough.
    const QImage odd = picture(301, 600);
    const QImage half = compare(big, odd, defaults);
    EXPECT_EQ(half.pixel(147, 10), white);
    EXPECT_EQ(half.pixel(148, 10), red); // x = 300 covered by both, 301 by one
    // A null screenshot against a real reference marks the whole covered window.
    EXPECT_EQ(redPixels(compare(big, QImage(), defaults)).size(), size_t(mapSize * mapSize));
}

TEST(SpawnMapCompare, ColumnStripsMakeTheSameMap)
{
    QImage reference = picture(700, 700);
    QImage shot = reference.copy();
    for (int k = 0; k < 500; ++k)
        shot.setPixel((k * 37) % 650, (k * 91) % 640, qRgb(k % 256, 0, 0));
    const QImage whole = compare(reference, shot, defaults);
    EXPECT_FALSE(redPixels(whole).empty());
    QImage strips = blankMap();
    for (int first = 0; first < mapSize; first += 29)
        markColumns(reference, shot, defaults, strips, first, first + 29);
    EXPECT_EQ(strips, whole);
    // Ranges past either end are clipped, an empty range marks nothing.
    QImage clipped = blankMap();
    markColumns(reference, shot, defaults, clipped, -10, 1000);
    EXPECT_EQ(clipped, whole);
    QImage none = blankMap();
    markColumns(reference, shot, defaults, none, 100, 100);
    EXPECT_EQ(none, blankMap());
}

TEST(SpawnMapOffset, LimitsAndMessage)
{
    EXPECT_EQ(maxOffset, 32256);
    EXPECT_TRUE(offsetValid(QPoint(0, 0)));
    EXPECT_TRUE(offsetValid(QPoint(32256, 32256)));
    for (const QPoint bad : {QPoint(32257, 0), QPoint(0, 32257), QPoint(-1, 0), QPoint(0, -1), QPoint(32767, -32768)})
        EXPECT_FALSE(offsetValid(bad)) << bad.x() << "," << bad.y();

    // At the limit the window is still compared: far outside any picture, so all equal.
    const QImage reference = picture(64, 64);
    EXPECT_TRUE(redPixels(compare(reference, picture(64, 64, 0xFF000000), QPoint(32256, 32256))).empty());
    // A refused offset never compares (no wrapped coordinates): a blank map.
    EXPECT_TRUE(redPixels(compare(reference, picture(64, 64, 0xFF000000), QPoint(-1, 0))).empty());
    EXPECT_FALSE(redPixels(compare(reference, picture(64, 64, 0xFF000000), QPoint(0, 0))).empty());

    const QString text = offsetMessage(QPoint(32300, -2));
    for (const char *part : {"\"SpawnMap\"", "\"X\"", "\"Y\"", "32300", "-2", "32256"})
        EXPECT_TRUE(text.contains(QLatin1String(part))) << part;
}
