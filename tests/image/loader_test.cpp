#include "image/imagefiles.h"
#include "image/imagelimits.h"
#include "image/jpegcodec.h"
#include "image/loadimagefile.h"
#include "support.h"

#include <QImageWriter>


using imageFiles::loadPicture;
using modVandrel::LoadImageFile;
using testsupport::ProgramFolder;

namespace {

QString dataFile(const char *name) { return QStringLiteral(QUILLMARK_TEST_DATA "/") + QLatin1String(name); }

QImage marker() { return testsupport::filled({2, 2}, qRgb(1, 2, 3)); }

} // namespace

TEST(LoadImageFile, ChoosesTheReaderByTheLastThreeLettersInAnyCaseAndLeavesThePictureOnFailure)
{
    ProgramFolder folder;
    const QImage picture = testsupport::noise(12, 9);
    ASSERT_TRUE(mIntelJPEGLibrary::SaveJPG(picture, folder.file("Shot.JPG"), 95));
    for (const char *copy : {"shot.jpeg", "icon.tif", "Shot.JPG.txt"})
        ASSERT_TRUE(QFile::copy(folder.file("Shot.JPG"), folder.file(copy)));
    ASSERT_TRUE(imageFiles::saveBmp(picture, folder.file("Pic.BmP")).ok());
    ASSERT_TRUE(picture.save(folder.file("pic.Png"), "PNG"));
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder.jpg"));
    folder.write("damaged.png", "\x89PNG\r\n\x1a\n but nothing after the signature");
    const std::tuple<QString, QSize> cases[] = {{folder.file("Shot.JPG"), {12, 9}}, {folder.file("Pic.BmP"), {12, 9}},
        {folder.file("pic.Png"), {12, 9}}, {dataFile("gif-3x2.gif"), {3, 2}}, {folder.file("shot.jpeg"), {}},
        {folder.file("icon.tif"), {}}, {folder.file("Shot.JPG.txt"), {}}, {"jp", {}}, {QString(), {}},
        {folder.file("missing.bmp"), {}}, {folder.file("folder.jpg"), {}}, {dataFile("jpeg-empty.jpg"), {}},
        {dataFile("jpeg-truncated-header.jpg"), {}}, {dataFile("bmp-truncated.bmp"), {}},
        {dataFile("gif-truncated.gif"), {}}, {folder.file("damaged.png"), {}}, {folder.file("missing.png"), {}}};
    for (const auto &[name, size] : cases) {
        QImage area = marker();
        const PictureResult read = LoadImageFile(name, area);
        EXPECT_EQ(read.ok(), size.isValid()) << qPrintable(name);
        EXPECT_EQ(area.size(), size.isValid() ? size : QSize(2, 2)) << qPrintable(name);
        if (!size.isValid()) {
            EXPECT_EQ(area, marker()) << qPrintable(name);
        }
    }
    QImage area;
    EXPECT_EQ(LoadImageFile(folder.file("icon.tif"), area).problem().code, FileProblem::Code::NotAPictureType);
    ASSERT_TRUE(LoadImageFile(folder.file("Pic.BmP"), area).ok());
    EXPECT_EQ(area, picture);
    ASSERT_TRUE(LoadImageFile(dataFile("gif-3x2.gif"), area).ok());
    EXPECT_EQ(QList<QRgb>({area.pixel(0, 0), area.pixel(2, 0), area.pixel(0, 1)}),
        QList<QRgb>({qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)}));
}

TEST(LoadPicture, ContentWinsOverTheNameAndDamageIsRefusedWithAReason)
{
    for (const char *name : {"jpeg-named.bmp", "jpeg-named.gif"}) { // a JPEG under another name
        const PictureRead read = loadPicture(dataFile(name));
        ASSERT_TRUE(read.ok()) << name;
        EXPECT_EQ(read.picture.format(), QImage::Format_RGB32);
        ASSERT_EQ(read.picture.size(), QSize(16, 16));
        EXPECT_GT(qRed(read.picture.pixel(8, 2)), 180);
        EXPECT_GT(qBlue(read.picture.pixel(8, 13)), 180);
    }
    const PictureRead cut = loadPicture(dataFile("jpeg-truncated-scan.jpg")); // partial, if anything
    EXPECT_TRUE(!cut.ok() || cut.picture.size() == QSize(16, 16));
    const PictureRead animated = loadPicture(dataFile("gif-two-frames.gif"));
    ASSERT_TRUE(animated.ok());
    EXPECT_EQ(animated.picture.pixel(1, 1), qRgb(255, 0, 0)); // the first frame
    // A BMP whose rows end a few bytes early (in the last row's padding too) is refused,
    // not shown with whatever the memory held.
    ProgramFolder folder;
    const QImage picture = testsupport::noise(5, 4);
    ASSERT_TRUE(imageFiles::saveBmp(picture, folder.file("whole.bmp")).ok());
    const QByteArray whole = folder.read("whole.bmp");
    for (const int missing : {1, 3, 16, 40}) {
        folder.write("short.bmp", whole.chopped(missing));
        EXPECT_FALSE(loadPicture(folder.file("short.bmp")).ok()) << missing;
    }
    folder.write("longer.bmp", whole + "trailing");
    EXPECT_EQ(loadPicture(folder.file("longer.bmp")).picture, picture);
    folder.write("text.bmp", "BM but this is only text, not a bitmap at all");
    folder.write("noise.jpg", QByteArray(4096, '\xa5'));
    for (const QString &name : {folder.file("text.bmp"), folder.file("noise.jpg"), folder.path()}) {
        const PictureRead read = loadPicture(name);
        EXPECT_FALSE(read.ok()) << qPrintable(name);
    }
}

TEST(LoadPicture, RefusesPicturesOverTheLimitWithoutTheMemoryAndTakesThoseWithin)
{
    const std::tuple<qint64, qint64, bool> sizes[] = {{16384, 4096, true}, {16384, 4097, false}, {16385, 1, false},
        {1, 16385, false}, {1, 1, true}, {0, 5, false}, {5, -1, false}, {65536, 65536, false}};
    for (const auto &[width, height, acceptable] : sizes)
        EXPECT_EQ(imageLimits::acceptable(width, height), acceptable) << width << "x" << height;
    // Headers claiming 20000 x 20000, 2^31-1 x 1, and a 65535 x 65535 GIF screen.
    const long peakBefore = testsupport::peakKilobytes();
    for (const char *name : {"bmp-huge.bmp", "bmp-widest.bmp", "bmp-overflow.bmp", "gif-huge-screen.gif"}) {
        const PictureRead read = loadPicture(dataFile(name));
        EXPECT_FALSE(read.ok()) << name;
    }
    EXPECT_LT(testsupport::peakKilobytes() - peakBefore, 64 * 1024);
    // One pixel past the side limit is refused; a picture larger than the platform reader's
    // own default limit (128 MiB) but within ours still loads.
    ProgramFolder folder;
    ASSERT_TRUE(
        imageFiles::saveBmp(testsupport::filled({16385, 1}, qRgb(9, 99, 199)), folder.file("too-wide.bmp")).ok());
    EXPECT_FALSE(loadPicture(folder.file("too-wide.bmp")).ok());
    {
        QImage large(16384, 2100, QImage::Format_RGB888);
        large.fill(qRgb(9, 99, 199));
        ASSERT_TRUE(QImageWriter(folder.file("large.jpg"), "jpg").write(large));
    }
    const PictureRead large = loadPicture(folder.file("large.jpg"));
    ASSERT_TRUE(large.ok()) << qPrintable(large.result.problem().detail);
    EXPECT_EQ(large.picture.size(), QSize(16384, 2100));
}
