#include "image/smallpng.h"

#include "image/imagelimits.h"
#include "image/pngcodec.h"
#include "support.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <random>

namespace {

// count distinct colours, each at least once, scattered at random over the rest: random
// in all three channels (never grey), or grey levels `step` apart from `first`. Alpha
// varies, where the format keeps it, as the picture's alpha must not count.
QImage picture(int width, int height, int count, QImage::Format format, int first = -1, int step = 1)
{
    std::mt19937 random{unsigned(count)};
    QImage result(width, height, format);
    for (int k = 0; k < width * height; ++k) {
        const int c = k < count ? k * 7 % count : int(random() % unsigned(count));
        const quint32 mixed = quint32(c + 1) * 2654435761u;
        const QRgb colour = first < 0 ? qRgb(mixed >> 24, mixed >> 16 & 0xff, (mixed >> 8 & 0xfe) | 1)
                                      : qRgb(first + c * step, first + c * step, first + c * step);
        result.setPixel(k % width, k / width, (colour & 0xffffffu) | quint32(k * 53) << 24);
    }
    return result;
}

} // namespace

TEST(SmallPng, EveryColourCountGetsTheFewestBitsAndComesBackExactly)
{
    const int grey = 0, rgb = 2, palette = 3; // PNG's colour types
    const auto argb = QImage::Format_ARGB32, rgb32 = QImage::Format_RGB32, rgb888 = QImage::Format_RGB888,
               grey8 = QImage::Format_Grayscale8;
    const struct {
        const char *name;
        QImage picture;
        int colourType, depth;
    } cases[] = {
        {"one black pixel", picture(1, 1, 1, rgb32, 0), grey, 1},
        {"one colour", picture(5, 3, 1, rgb32), palette, 1},
        {"two colours", picture(13, 3, 2, argb), palette, 1},
        {"black and white", picture(9, 2, 2, rgb32, 0, 255), grey, 1},
        {"two greys off the 1-bit levels", picture(11, 2, 2, rgb32, 10, 190), palette, 1},
        {"four greys on the 2-bit levels", picture(7, 3, 4, rgb888, 0, 85), grey, 2},
        {"16 colours", picture(21, 5, 16, argb), palette, 4},
        {"16 greys on the 4-bit levels", picture(33, 3, 16, grey8, 0, 17), grey, 4},
        {"16 greys off them", picture(17, 4, 16, argb, 3, 5), palette, 4},
        {"17 colours", picture(19, 3, 17, rgb888), palette, 8},
        {"17 greys", picture(23, 2, 17, rgb32, 40, 3), grey, 8},
        {"256 colours", picture(64, 64, 256, rgb32), palette, 8},
        {"256 colours where the palette outweighs them", picture(16, 16, 256, rgb32), rgb, 8},
        {"256 greys", picture(61, 5, 256, grey8, 0), grey, 8},
        {"257 colours", picture(50, 7, 257, argb), rgb, 8},
    };
    for (const auto &c : cases) {
        const QByteArray file = smallPng::encode(c.picture);
        QStringList expected{QStringLiteral("IHDR %1/%2").arg(c.depth).arg(c.colourType)};
        if (c.colourType == palette)
            expected << "PLTE";
        QStringList chunks; // "IHDR" with its depth and colour type: "IHDR 8/3"
        for (const QByteArray &chunk : testsupport::pngChunks(file))
            chunks << (chunk.startsWith("IHDR") ? QStringLiteral("IHDR %1/%2").arg(int(chunk[12])).arg(int(chunk[13]))
                                                : QString::fromLatin1(chunk.left(4)));
        EXPECT_EQ(chunks, expected << "IDAT" << "IEND") << c.name;
        const QImage decoded = QImage::fromData(file, "PNG");
        ASSERT_EQ(decoded.size(), c.picture.size()) << c.name;
        for (int y = 0; y < c.picture.height(); ++y)
            for (int x = 0; x < c.picture.width(); ++x)
                ASSERT_EQ(decoded.pixel(x, y), c.picture.pixel(x, y) | 0xff000000u) << c.name << " " << x << "," << y;
        // The wiki finds duplicates by the file's hash: the same pixels, the same bytes.
        EXPECT_EQ(smallPng::encode(c.picture), file) << c.name;
        EXPECT_EQ(smallPng::encode(c.picture.convertToFormat(rgb888)), file) << c.name;
    }
}

TEST(SmallPng, NeverLargerThanThePictureWriter)
{
    testsupport::ProgramFolder folder;
    for (const QImage &picture : {testsupport::noise(200, 150, 4), testsupport::filled({300, 200}, qRgb(20, 22, 30))}) {
        ASSERT_TRUE(modPNG::SavePNG(picture, folder.file("plain.png")));
        EXPECT_LE(smallPng::encode(picture).size(), QFile(folder.file("plain.png")).size());
    }
}

TEST(SmallPng, FailedSavesSayWhyAndKeepTheOldFile)
{
    testsupport::ProgramFolder folder;
    const QByteArray old("an older picture, to be kept");
    folder.write("keep.png", old);
    const QImage noise = testsupport::noise(100, 100, 2);
    const QStringList entries = QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden);

    const long long noLimit = 1LL << 40;
    const struct {
        const char *name;
        QImage picture;
        QString target;
        long long fileSizeLimit;
    } cases[] = {
        {"a missing folder", noise, folder.file("no folder/keep.png"), noLimit},
        {"a full disk", noise, folder.file("keep.png"), 1000},
        {"an empty picture", QImage(), folder.file("keep.png"), noLimit},
        {"a picture beyond the limits", QImage(imageLimits::maxSide + 1, 1, QImage::Format_RGB32),
         folder.file("keep.png"), noLimit},
    };
    for (const auto &c : cases) {
        if (c.fileSizeLimit != noLimit && !testsupport::FileSizeLimit::works)
            continue;
        PictureResult saved;
        {
            testsupport::FileSizeLimit limit(c.fileSizeLimit);
            saved = smallPng::save(c.picture, c.target);
        }
        EXPECT_FALSE(saved.ok()) << c.name;
        EXPECT_EQ(folder.read("keep.png"), old) << c.name;
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden), entries) << c.name;
    }
    EXPECT_TRUE(smallPng::encode(cases[3].picture).isEmpty());

    ASSERT_TRUE(smallPng::save(noise, folder.file("keep.png")).ok());
    EXPECT_EQ(folder.read("keep.png"), smallPng::encode(noise));
}
