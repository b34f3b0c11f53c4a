#include "image/imagefiles.h"

#include "picturetestutil.h"
#include "testsupport.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using imageFiles::saveBmp;
using testsupport::ProgramFolder;

namespace {

quint32 le32(const QByteArray &b, int at)
{
    return quint32(uchar(b[at])) | quint32(uchar(b[at + 1])) << 8 | quint32(uchar(b[at + 2])) << 16
         | quint32(uchar(b[at + 3])) << 24;
}

quint16 le16(const QByteArray &b, int at)
{
    return quint16(uchar(b[at]) | uchar(b[at + 1]) << 8);
}

} // namespace

TEST(SaveBMP, WritesTheHeadersAndPaddedBottomUpRowsByteForByte)
{
    ProgramFolder folder;
    // 5 x 2: 15 bytes of pixels per row, padded to 16.
    QImage picture(5, 2, QImage::Format_RGB32);
    for (int x = 0; x < 5; ++x) {
        picture.setPixel(x, 0, qRgb(10 + x, 20 + x, 30 + x));    // top row
        picture.setPixel(x, 1, qRgb(110 + x, 120 + x, 130 + x)); // bottom row
    }
    const QString path = folder.file("small.bmp");
    ASSERT_TRUE(saveBmp(picture, path).ok());
    const QByteArray b = picturetest::bytesOf(path);
    ASSERT_EQ(b.size(), 54 + 2 * 16);

    EXPECT_EQ(b.left(2), "BM");
    EXPECT_EQ(le32(b, 2), 86u);  // file size
    EXPECT_EQ(le32(b, 6), 0u);   // reserved
    EXPECT_EQ(le32(b, 10), 54u); // pixel offset
    EXPECT_EQ(le32(b, 14), 40u); // info header size
    EXPECT_EQ(le32(b, 18), 5u);
    EXPECT_EQ(le32(b, 22), 2u); // positive: bottom-up
    EXPECT_EQ(le16(b, 26), 1u);
    EXPECT_EQ(le16(b, 28), 24u);
    EXPECT_EQ(le32(b, 30), 0u);  // uncompressed
    EXPECT_EQ(le32(b, 34), 32u); // image size
    for (int at = 38; at < 54; at += 4)
        EXPECT_EQ(le32(b, at), 0u) << at;

    // First stored row is the picture's bottom row, blue-green-red, then one zero byte.
    QByteArray rows;
    for (const int base : {110, 10}) {
        for (int x = 0; x < 5; ++x) {
            rows += char(base + 20 + x);
            rows += char(base + 10 + x);
            rows += char(base + x);
        }
        rows += '\0';
    }
    EXPECT_EQ(b.mid(54), rows);
}

TEST(SaveBMP, RoundTripsPixelExactThroughThePictureLoader)
{
    ProgramFolder folder;
    for (const int width : {1, 4, 5, 6, 7, 33}) {
        const QImage picture = picturetest::noisyPicture(width, 3, unsigned(width));
        const QString path = folder.file(QStringLiteral("w%1.bmp").arg(width));
        ASSERT_TRUE(saveBmp(picture, path).ok()) << width;
        EXPECT_EQ(QFileInfo(path).size(), 54 + 3 * ((3 * width + 3) & ~3)) << width;
        const PictureRead read = imageFiles::loadPicture(path);
        ASSERT_TRUE(read.ok()) << width;
        const QImage *back = &read.picture;
        EXPECT_EQ(*back, picture) << width;
    }
    // Pictures of other formats are saved as what they show.
    QImage indexed(3, 1, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(1, 2, 3), qRgb(250, 128, 4)});
    indexed.setPixel(0, 0, 0);
    indexed.setPixel(1, 0, 1);
    indexed.setPixel(2, 0, 0);
    ASSERT_TRUE(saveBmp(indexed, folder.file("indexed.bmp")).ok());
    EXPECT_EQ(imageFiles::loadPicture(folder.file("indexed.bmp")).picture, indexed.convertToFormat(QImage::Format_RGB32));
}

TEST(SaveBMP, FailuresGiveAReasonAndKeepTheOldFile)
{
    ProgramFolder folder;
    const QImage picture = picturetest::noisyPicture(100, 100);
    folder.write("kept.bmp", "the bitmap that was there");
    folder.write("plain", "a file, not a folder");
    ASSERT_TRUE(QDir(folder.path()).mkdir("taken.bmp"));
    const QStringList before = picturetest::entriesOf(folder.path());

    const QStringList targets{folder.file("missing/x.bmp"), folder.file("plain/x.bmp"), folder.file("taken.bmp")};
    for (const QString &target : targets) {
        const PictureResult written = saveBmp(picture, target);
        EXPECT_FALSE(written.ok()) << qPrintable(target);
        EXPECT_FALSE(written.reason().isEmpty()) << qPrintable(target);
    }
    EXPECT_FALSE(saveBmp(QImage(), folder.file("kept.bmp")).reason().isEmpty());
    {
        testsupport::FileSizeLimit full(1000);
        EXPECT_FALSE(saveBmp(picture, folder.file("kept.bmp")).reason().isEmpty());
        EXPECT_FALSE(saveBmp(picture, folder.file("new.bmp")).ok());
    }
    EXPECT_EQ(folder.read("kept.bmp"), "the bitmap that was there");
    EXPECT_TRUE(QFileInfo(folder.file("taken.bmp")).isDir());
    EXPECT_EQ(picturetest::entriesOf(folder.path()), before);
}
