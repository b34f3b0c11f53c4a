#include "image/jpegcodec.h"

#include "picturetestutil.h"
#include "testsupport.h"

#include <QFileInfo>
#include <QPainter>
#include <gtest/gtest.h>

#include <ctime>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>

#include <jerror.h>

using mIntelJPEGLibrary::JpegError;
using mIntelJPEGLibrary::SaveJPG;
using testsupport::ProgramFolder;

namespace {

struct FrameHeader {
    int precision = -1;
    int height = -1;
    int width = -1;
    int components = -1;
};

// The baseline frame header (SOF0) of a JPEG file, read by hand so the check does not lean
// on the decoder under test.
FrameHeader frameHeader(const QByteArray &jpeg)
{
    FrameHeader frame;
    const auto *b = reinterpret_cast<const uchar *>(jpeg.constData());
    for (qsizetype i = 2; i + 9 < jpeg.size();) {
        if (b[i] != 0xff)
            break;
        const int marker = b[i + 1];
        const int length = (b[i + 2] << 8) | b[i + 3];
        if (marker == 0xc0) {
            frame.precision = b[i + 4];
            frame.height = (b[i + 5] << 8) | b[i + 6];
            frame.width = (b[i + 7] << 8) | b[i + 8];
            frame.components = b[i + 9];
            break;
        }
        i += 2 + length;
    }
    return frame;
}

QImage decoded(const QString &path)
{
    return QImage(path, "JPG").convertToFormat(QImage::Format_RGB32);
}

// Runs the save expecting it to raise; returns the error's description ("" when nothing was
// raised) after checking what every raised error carries.
QString saveFailure(const QImage &picture, const QString &path, int quality = 90)
{
    try {
        SaveJPG(picture, path, quality);
    } catch (const JpegError &e) {
        EXPECT_EQ(e.number(), 26001);
        EXPECT_EQ(e.source(), QStringLiteral("test_image.mIntelJPEGLibrary"));
        EXPECT_EQ(QString::fromStdString(e.what()), e.description());
        return e.description();
    }
    return QString();
}

} // namespace

TEST(SaveJPG, WritesAThreeChannelPictureTheRightWayUpInItsColours)
{
    ProgramFolder folder;
    // Quadrants: red top-left, green top-right, blue bottom-left, white bottom-right, so a
    // flipped or mirrored file shows.
    QImage picture(48, 32, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.fillRect(0, 0, 24, 16, QColor(200, 20, 20));
    painter.fillRect(24, 0, 24, 16, QColor(20, 200, 20));
    painter.fillRect(0, 16, 24, 16, QColor(20, 20, 200));
    painter.fillRect(24, 16, 24, 16, QColor(250, 250, 250));
    painter.end();

    const QString path = folder.file("quadrants.jpg");
    EXPECT_TRUE(SaveJPG(picture, path, 90));

    const FrameHeader frame = frameHeader(picturetest::bytesOf(path));
    EXPECT_EQ(frame.precision, 8);
    EXPECT_EQ(frame.components, 3);
    EXPECT_EQ(frame.width, 48);
    EXPECT_EQ(frame.height, 32);

    const QImage back = decoded(path);
    ASSERT_EQ(back.size(), picture.size());
    for (const QPoint at : {QPoint(8, 6), QPoint(40, 6), QPoint(8, 26), QPoint(40, 26)}) {
        const QRgb want = picture.pixel(at);
        const QRgb got = back.pixel(at);
        EXPECT_NEAR(qRed(got), qRed(want), 12) << at.x() << "," << at.y();
        EXPECT_NEAR(qGreen(got), qGreen(want), 12) << at.x() << "," << at.y();
        EXPECT_NEAR(qBlue(got), qBlue(want), 12) << at.x() << "," << at.y();
    }
    // The very first and last rows too: the file's first row is the picture's top row.
    EXPECT_GT(qRed(back.pixel(2, 0)), 150);
    EXPECT_GT(qBlue(back.pixel(2, 31)), 150);
}

TEST(SaveJPG, WidthsWithAndWithoutRowPaddingEncodeWithoutSkew)
{
    ProgramFolder folder;
    for (const int width : {1, 4, 5, 6, 7, 33}) {
        // Grey, so chroma subsampling cannot blur it: a ramp down the rows and a bright
        // stripe in one column. A wrong stride shifts the stripe and mixes rows.
        const int height = 24;
        const int stripe = width / 2;
        QImage picture(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const int v = x == stripe && width > 1 ? 240 : 10 + 8 * y;
                picture.setPixel(x, y, qRgb(v, v, v));
            }
        }
        const QString path = folder.file(QStringLiteral("w%1.jpg").arg(width));
        ASSERT_TRUE(SaveJPG(picture, path, 100));
        const QImage back = decoded(path);
        ASSERT_EQ(back.size(), picture.size()) << width;
        EXPECT_LE(picturetest::largestDifference(back, picture), 6) << "width " << width;
    }
}

TEST(SaveJPG, QualityIsClampedToOneToHundred)
{
    ProgramFolder folder;
    const QImage picture = picturetest::noisyPicture(40, 40);
    auto saved = [&](int quality) {
        const QString path = folder.file(QStringLiteral("q%1.jpg").arg(quality));
        SaveJPG(picture, path, quality);
        return picturetest::bytesOf(path);
    };
    const QByteArray lowest = saved(1);
    const QByteArray highest = saved(100);
    ASSERT_FALSE(lowest.isEmpty());
    EXPECT_NE(lowest, highest);
    EXPECT_LT(lowest.size(), highest.size());
    EXPECT_EQ(saved(0), lowest);
    EXPECT_EQ(saved(-5), lowest);
    EXPECT_EQ(saved(101), highest);
    EXPECT_NE(saved(50), lowest);
}

TEST(SaveJPG, ReplacementKeepsTheOldFilesTimesAndPermissions)
{
    ProgramFolder folder;
    const QString path = folder.file("old.jpg");
    const QByteArray name = QFile::encodeName(path);
    folder.write("old.jpg", "an older picture");
    ASSERT_EQ(::chmod(name.constData(), 0604), 0);
    const timespec times[2] = {{1000000000, 123456789}, {1234567890, 987654321}};
    ASSERT_EQ(::utimensat(AT_FDCWD, name.constData(), times, 0), 0);

    ASSERT_TRUE(SaveJPG(picturetest::noisyPicture(30, 20), path, 80));

    // Looked at before the file is read, which would touch its access time.
    struct stat st {};
    ASSERT_EQ(::stat(name.constData(), &st), 0);
    EXPECT_EQ(st.st_atim.tv_sec, times[0].tv_sec);
    EXPECT_EQ(st.st_atim.tv_nsec, times[0].tv_nsec);
    EXPECT_EQ(st.st_mtim.tv_sec, times[1].tv_sec);
    EXPECT_EQ(st.st_mtim.tv_nsec, times[1].tv_nsec);
    EXPECT_EQ(st.st_mode & 07777, mode_t(0604));
    EXPECT_TRUE(picturetest::bytesOf(path).startsWith("\xff\xd8\xff"));
    EXPECT_EQ(picturetest::entriesOf(folder.path()), QStringList({"Images", "Templates", "old.jpg"}));

    // A new file is not back-dated.
    const QString fresh = folder.file("fresh.jpg");
    ASSERT_TRUE(SaveJPG(picturetest::noisyPicture(8, 8), fresh, 80));
    ASSERT_EQ(::stat(QFile::encodeName(fresh).constData(), &st), 0);
    EXPECT_LE(std::llabs((long long)st.st_mtim.tv_sec - (long long)std::time(nullptr)), 60);
}

TEST(SaveJPG, FailuresRaiseTheSaveErrorAndKeepTheOldFile)
{
    ProgramFolder folder;
    const QImage picture = picturetest::noisyPicture(200, 150);
    const QByteArray old = "the picture that was there";
    folder.write("kept.jpg", old);
    folder.write("plain", "a file, not a folder");
    ASSERT_TRUE(QDir(folder.path()).mkdir("taken.jpg"));
    const QStringList before = picturetest::entriesOf(folder.path());

    // The system's reason, as a negative errno, follows the text.
    EXPECT_EQ(saveFailure(picture, folder.file("missing/x.jpg")), "Failed to save to JPG -2");
    EXPECT_EQ(saveFailure(picture, folder.file("plain/x.jpg")), "Failed to save to JPG -20");
    EXPECT_EQ(saveFailure(picture, folder.file("taken.jpg")), "Failed to save to JPG -21");
    EXPECT_TRUE(QFileInfo(folder.file("taken.jpg")).isDir());
    EXPECT_EQ(saveFailure(QImage(), folder.file("kept.jpg")), "Failed to save to JPG -22");
    {
        testsupport::FileSizeLimit full(4096);
        EXPECT_EQ(saveFailure(picture, folder.file("kept.jpg")), "Failed to save to JPG -27");
        EXPECT_EQ(saveFailure(picture, folder.file("new.jpg")), "Failed to save to JPG -27");
    }
    // An error of the encoder itself carries libjpeg's code.
    QImage tooWide(70000, 1, QImage::Format_RGB32);
    tooWide.fill(Qt::gray);
    EXPECT_EQ(saveFailure(tooWide, folder.file("kept.jpg")),
              "Failed to save to JPG " + QString::number(JERR_IMAGE_TOO_BIG));

    EXPECT_EQ(folder.read("kept.jpg"), old);
    EXPECT_EQ(picturetest::entriesOf(folder.path()), before);
}
