#include "image/imagefiles.h"
#include "image/jpegcodec.h"
#include "image/loadimagefile.h"

#include "picturetestutil.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <sys/resource.h>

using modVandrel::LoadImageFile;
using imageFiles::loadPicture;
using picturetest::dataFile;
using testsupport::ProgramFolder;

namespace {

QImage marker()
{
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(qRgb(1, 2, 3));
    return picture;
}

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

TEST(LoadImageFile, ChoosesTheReaderByTheLastThreeLettersInAnyCase)
{
    ProgramFolder folder;
    const QImage picture = picturetest::noisyPicture(12, 9);
    ASSERT_TRUE(mIntelJPEGLibrary::SaveJPG(picture, folder.file("Shot.JPG"), 95));
    ASSERT_TRUE(QFile::copy(folder.file("Shot.JPG"), folder.file("shot.jpeg")));
    ASSERT_TRUE(QFile::copy(folder.file("Shot.JPG"), folder.file("icon.tif")));
    ASSERT_TRUE(imageFiles::saveBmp(picture, folder.file("Pic.BmP")).ok());
    ASSERT_TRUE(picture.save(folder.file("pic.Png"), "PNG"));

    QImage area = marker();
    EXPECT_TRUE(LoadImageFile(folder.file("Shot.JPG"), area).ok());
    EXPECT_EQ(area.size(), QSize(12, 9));

    area = marker();
    EXPECT_TRUE(LoadImageFile(folder.file("Pic.BmP"), area).ok());
    EXPECT_EQ(area, picture);

    area = marker();
    EXPECT_TRUE(LoadImageFile(folder.file("pic.Png"), area).ok());
    EXPECT_EQ(area.convertToFormat(QImage::Format_RGB32), picture);

    area = marker();
    EXPECT_TRUE(LoadImageFile(dataFile("gif-3x2.gif"), area).ok());
    ASSERT_EQ(area.size(), QSize(3, 2));
    EXPECT_EQ(area.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(area.pixel(2, 0), qRgb(0, 0, 255));
    EXPECT_EQ(area.pixel(0, 1), qRgb(255, 255, 255));

    // Endings other than the four leave the picture alone, whatever the content.
    for (const QString &name : {folder.file("shot.jpeg"), folder.file("icon.tif"), QStringLiteral("jp"),
                                QString(), folder.file("Shot.JPG.txt")}) {
        area = marker();
        EXPECT_EQ(LoadImageFile(name, area).reason(), "not a BMP, GIF, JPG or PNG file") << qPrintable(name);
        EXPECT_EQ(area, marker()) << qPrintable(name);
    }
}

TEST(LoadImageFile, FailuresLeaveThePictureAndSayWhy)
{
    ProgramFolder folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder.jpg"));
    folder.write("damaged.png", "\x89PNG\r\n\x1a\n but nothing after the signature");
    const QStringList names{folder.file("missing.bmp"),      folder.file("folder.jpg"),
                            dataFile("jpeg-empty.jpg"),      dataFile("jpeg-truncated-header.jpg"),
                            dataFile("bmp-truncated.bmp"),   dataFile("gif-truncated.gif"),
                            folder.file("damaged.png"),      folder.file("missing.png")};
    for (const QString &name : names) {
        QImage area = marker();
        const PictureResult read = LoadImageFile(name, area);
        EXPECT_FALSE(read.ok()) << qPrintable(name);
        EXPECT_EQ(area, marker()) << qPrintable(name);
        EXPECT_FALSE(read.reason().isEmpty()) << qPrintable(name);
    }
}

TEST(LoadPicture, ContentWinsOverTheNameAndDamageNeverCrashes)
{
    // A JPEG under another format's name is read as the JPEG it is.
    for (const QString &name : {QStringLiteral("jpeg-named.bmp"), QStringLiteral("jpeg-named.gif")}) {
        const PictureRead read = loadPicture(dataFile(name));
        ASSERT_TRUE(read.ok()) << qPrintable(name);
        const QImage *picture = &read.picture;
        EXPECT_EQ(picture->format(), QImage::Format_RGB32);
        ASSERT_EQ(picture->size(), QSize(16, 16));
        EXPECT_GT(qRed(picture->pixel(8, 2)), 180);
        EXPECT_GT(qBlue(picture->pixel(8, 13)), 180);
    }

    // A JPEG cut inside its scan may give a partial picture; if it does, at its full size.
    const PictureRead cut = loadPicture(dataFile("jpeg-truncated-scan.jpg"));
    if (cut.ok()) {
        EXPECT_EQ(cut.picture.size(), QSize(16, 16));
    }

    // The first frame of an animation.
    const PictureRead animated = loadPicture(dataFile("gif-two-frames.gif"));
    ASSERT_TRUE(animated.ok());
    EXPECT_EQ(animated.picture.pixel(1, 1), qRgb(255, 0, 0));

    ProgramFolder folder;
    folder.write("text.bmp", "BM but this is only text, not a bitmap at all");
    folder.write("noise.jpg", QByteArray(4096, '\xa5'));
    for (const QString &name : {folder.file("text.bmp"), folder.file("noise.jpg"), folder.path()}) {
        const PictureRead read = loadPicture(name);
        EXPECT_FALSE(read.ok()) << qPrintable(name);
        EXPECT_FALSE(read.result.reason().isEmpty()) << qPrintable(name);
    }
}

TEST(LoadPicture, RefusesHugePicturesQuicklyWithoutTheMemory)
{
    const long peakBefore = peakKilobytes();
    QElapsedTimer timer;
    timer.start();
    // Headers claiming 20000 x 20000, 2^31-1 x 1, and a 65535 x 65535 GIF screen.
    for (const QString &name : {QStringLiteral("bmp-huge.bmp"), QStringLiteral("bmp-widest.bmp"),
                                QStringLiteral("gif-huge-screen.gif")}) {
        const PictureRead read = loadPicture(dataFile(name));
        EXPECT_FALSE(read.ok()) << qPrintable(name);
        EXPECT_FALSE(read.result.reason().isEmpty()) << qPrintable(name);
    }
    EXPECT_LT(timer.elapsed(), 2000);
    EXPECT_LT(peakKilobytes() - peakBefore, 64 * 1024);

    // One pixel past the side limit is refused; at the limit a picture still loads.
    ProgramFolder folder;
    QImage tooWide(16385, 1, QImage::Format_RGB32);
    tooWide.fill(qRgb(9, 99, 199));
    ASSERT_TRUE(imageFiles::saveBmp(tooWide, folder.file("too-wide.bmp")).ok());
    EXPECT_FALSE(loadPicture(folder.file("too-wide.bmp")).ok());
    QImage wide(16384, 2, QImage::Format_RGB32);
    wide.fill(qRgb(9, 99, 199));
    ASSERT_TRUE(imageFiles::saveBmp(wide, folder.file("wide.bmp")).ok());
    const PictureRead back = loadPicture(folder.file("wide.bmp"));
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back.picture.size(), QSize(16384, 2));
}
