#include "image/smallpng.h"

#include "image/imagelimits.h"
#include "image/pngcodec.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <png.h>
#include <zlib.h>

#include <optional>
#include <random>

namespace {

// count distinct colours, each at least once, scattered at random over the rest:
// random in all three channels (never grey), or grey levels `step` apart from `first`.
QImage picture(int width, int height, int count, int first = -1, int step = 1)
{
    std::mt19937 random{unsigned(count)};
    QImage result(width, height, QImage::Format_RGB32);
    for (int k = 0; k < width * height; ++k) {
        const int c = k < count ? k * 7 % count : int(random() % unsigned(count));
        const quint32 mixed = quint32(c + 1) * 2654435761u;
        result.setPixel(k % width, k / width,
                        first < 0 ? qRgb(mixed >> 24, mixed >> 16 & 0xff, (mixed >> 8 & 0xfe) | 1)
                                  : qRgb(first + c * step, first + c * step, first + c * step));
    }
    return result;
}

quint32 bigEndian(const QByteArray &bytes, qsizetype at)
{
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData() + at);
    return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3];
}

// The chunk types in file order, with "IHDR" followed by its depth and colour type
// ("IHDR 8/3"); "bad" for a flaw in the signature, a length or a CRC.
QStringList chunksOf(const QByteArray &file)
{
    if (!file.startsWith("\x89PNG\r\n\x1a\n"))
        return {"bad"};
    QStringList chunks;
    for (qsizetype at = 8; at < file.size();) {
        const qsizetype length = file.size() - at >= 12 ? qsizetype(bigEndian(file, at)) : -1;
        if (length < 0 || length > file.size() - at - 12)
            return chunks << "bad";
        const QByteArray typeAndData = file.mid(at + 4, 4 + length);
        if (crc32(0, reinterpret_cast<const Bytef *>(typeAndData.constData()), uInt(typeAndData.size()))
            != bigEndian(file, at + 8 + length))
            return chunks << "bad";
        chunks << QString::fromLatin1(typeAndData.left(4));
        if (chunks.back() == "IHDR" && length == 13)
            chunks.back() += QStringLiteral(" %1/%2").arg(int(typeAndData[12])).arg(int(typeAndData[13]));
        at += 12 + length;
    }
    return chunks;
}

} // namespace

TEST(SmallPng, EveryColourCountGetsTheFewestBitsAndComesBackExactly)
{
    const int grey = PNG_COLOR_TYPE_GRAY, palette = PNG_COLOR_TYPE_PALETTE, rgb = PNG_COLOR_TYPE_RGB;
    const struct {
        const char *name;
        QImage picture;
        QImage::Format format;
        int colourType, depth;
    } cases[] = {
        {"one black pixel", picture(1, 1, 1, 0), QImage::Format_RGB32, grey, 1},
        {"one colour", picture(5, 3, 1), QImage::Format_RGB32, palette, 1},
        {"two colours", picture(13, 3, 2), QImage::Format_ARGB32, palette, 1},
        {"black and white", picture(9, 2, 2, 0, 255), QImage::Format_RGB32, grey, 1},
        {"two greys off the 1-bit levels", picture(11, 2, 2, 10, 190), QImage::Format_RGB32, palette, 1},
        {"four greys on the 2-bit levels", picture(7, 3, 4, 0, 85), QImage::Format_RGB888, grey, 2},
        {"16 colours", picture(21, 5, 16), QImage::Format_ARGB32, palette, 4},
        {"16 greys on the 4-bit levels", picture(33, 3, 16, 0, 17), QImage::Format_Grayscale8, grey, 4},
        {"16 greys off them", picture(17, 4, 16, 3, 5), QImage::Format_RGB32, palette, 4},
        {"17 colours", picture(19, 3, 17), QImage::Format_RGB888, palette, 8},
        {"17 greys", picture(23, 2, 17, 40, 3), QImage::Format_RGB32, grey, 8},
        {"256 colours", picture(64, 64, 256), QImage::Format_RGB32, palette, 8},
        {"256 colours where the palette outweighs them", picture(16, 16, 256), QImage::Format_RGB32, rgb, 8},
        {"256 greys", picture(61, 5, 256, 0), QImage::Format_Grayscale8, grey, 8},
        {"257 colours", picture(50, 7, 257), QImage::Format_RGB32, rgb, 8},
    };
    for (const auto &c : cases) {
        QImage input = c.picture.convertToFormat(c.format);
        if (c.format == QImage::Format_ARGB32) // alpha is not the picture's: it must not count
            for (int y = 0; y < input.height(); ++y)
                for (int x = 0; x < input.width(); ++x)
                    input.setPixel(x, y, (input.pixel(x, y) & 0xffffffu) | quint32(x * 53 + y) << 24);
        const QByteArray file = smallPng::encode(input);

        QStringList expected{QStringLiteral("IHDR %1/%2").arg(c.depth).arg(c.colourType)};
        if (c.colourType == palette)
            expected << "PLTE";
        EXPECT_EQ(chunksOf(file), expected << "IDAT" << "IEND") << c.name;
        const QImage decoded = QImage::fromData(file, "PNG");
        ASSERT_EQ(decoded.size(), c.picture.size()) << c.name;
        for (int y = 0; y < c.picture.height(); ++y)
            for (int x = 0; x < c.picture.width(); ++x)
                ASSERT_EQ(decoded.pixel(x, y), c.picture.pixel(x, y)) << c.name << " at " << x << "," << y;
        // The wiki finds duplicates by the file's hash: the same pixels, the same bytes.
        EXPECT_EQ(smallPng::encode(input), file) << c.name;
        EXPECT_EQ(smallPng::encode(c.picture), file) << c.name;
    }
}

TEST(SmallPng, NeverLargerThanThePictureWriter)
{
    testsupport::ProgramFolder folder;
    QImage flat(300, 200, QImage::Format_RGB32);
    flat.fill(qRgb(20, 22, 30));
    for (const QImage &picture : {testsupport::noise(200, 150, 4), flat}) {
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

    const struct {
        const char *name;
        QImage picture;
        QString target;
        long long fileSizeLimit;
    } cases[] = {
        {"a missing folder", noise, folder.file("no folder/keep.png"), -1},
        {"a full disk", noise, folder.file("keep.png"), 1000},
        {"an empty picture", QImage(), folder.file("keep.png"), -1},
        {"a picture beyond the limits", QImage(imageLimits::maxSide + 1, 1, QImage::Format_RGB32),
         folder.file("keep.png"), -1},
    };
    for (const auto &c : cases) {
        QString reason;
        {
            std::optional<testsupport::FileSizeLimit> limit;
            if (c.fileSizeLimit > 0)
                limit.emplace(c.fileSizeLimit);
            EXPECT_FALSE(smallPng::save(c.picture, c.target, &reason)) << c.name;
        }
        EXPECT_FALSE(reason.isEmpty()) << c.name;
        EXPECT_EQ(folder.read("keep.png"), old) << c.name;
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden), entries) << c.name;
    }
    EXPECT_TRUE(smallPng::encode(cases[3].picture).isEmpty());

    ASSERT_TRUE(smallPng::save(noise, folder.file("keep.png")));
    EXPECT_EQ(folder.read("keep.png"), smallPng::encode(noise));
}
