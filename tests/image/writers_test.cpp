// The three picture writers: what lands in the file, and that a failed write keeps the file
// it would have replaced.

#include "image/imagefiles.h"
#include "image/jpegcodec.h"
#include "image/pngcodec.h"
#include "support.h"

#include <cstring>
#include <jerror.h>

using testsupport::noise;
using testsupport::ProgramFolder;

namespace {

// The little-endian number of that many bytes at at, as a BMP stores them.
quint32 number(const QByteArray &b, qsizetype at, int bytes)
{
    quint32 v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | uchar(b[at + i]);
    return v;
}

// Width, height, precision and components from the JPEG frame header, read by hand so the
// check does not lean on the decoder under test.
QList<int> jpegFrame(const QByteArray &jpeg)
{
    const auto *b = reinterpret_cast<const uchar *>(jpeg.constData());
    for (qsizetype i = 2; i + 9 < jpeg.size() && b[i] == 0xff; i += 2 + ((b[i + 2] << 8) | b[i + 3]))
        if (b[i + 1] == 0xc0)
            return {(b[i + 7] << 8) | b[i + 8], (b[i + 5] << 8) | b[i + 6], b[i + 4], b[i + 9]};
    return {};
}

} // namespace

TEST(PictureWriters, EveryWidthComesBackWithoutSkewPaddingOrStrayRows)
{
    ProgramFolder folder;
    // Widths with and without row padding; 400 x 300 makes a JPEG of more than one output piece.
    // Grey, so JPEG's chroma subsampling cannot blur it, and any flip or mirror shows.
    for (const QSize size : {QSize(1, 9), QSize(9, 1), QSize(4, 3), QSize(5, 24), QSize(6, 2), QSize(7, 5),
             QSize(33, 4), QSize(400, 300)}) {
        const QImage picture = noise(size.width(), size.height(), uint(size.width()))
                                   .convertToFormat(QImage::Format_Grayscale8)
                                   .convertToFormat(QImage::Format_RGB32);
        const QString name = folder.file(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()));
        ASSERT_TRUE(imageFiles::saveBmp(picture, name + ".bmp").ok() && imageFiles::savePng(picture, name + ".png").ok()
            && imageFiles::saveJpg(picture, name + ".jpg", 100).ok());
        EXPECT_EQ(QFileInfo(name + ".bmp").size(), 54 + size.height() * ((3 * size.width() + 3) & ~3));
        EXPECT_EQ(imageFiles::loadPicture(name + ".bmp").picture, picture) << size.width();
        QImage png;
        EXPECT_TRUE(modPNG::LoadPNG(name + ".png", png) && png == picture) << size.width();
        EXPECT_EQ(QImage(name + ".png", "PNG").convertToFormat(QImage::Format_RGB32), picture)
            << size.width(); // another decoder
        const QImage jpeg = imageFiles::loadPicture(name + ".jpg").picture;
        ASSERT_EQ(jpeg.size(), size);
        EXPECT_LE(testsupport::largestDifference(jpeg, picture), 8) << size.width();
        EXPECT_EQ(jpegFrame(testsupport::readFile(name + ".jpg")), QList<int>({size.width(), size.height(), 8, 3}));
    }
    EXPECT_GT(QFileInfo(folder.file("400x300.jpg")).size(), 64 * 1024);
    EXPECT_EQ(testsupport::entriesOf(folder.path()).size(), 3 * 8 + 2); // nothing left beside the files
}

TEST(PictureWriters, FileLayoutsByteForByte)
{
    ProgramFolder folder;
    // A BMP: headers, then bottom-up rows of blue-green-red padded to four bytes.
    const QImage small = noise(5, 2);
    ASSERT_TRUE(imageFiles::saveBmp(small, folder.file("small.bmp")).ok());
    const QByteArray bmp = folder.read("small.bmp");
    ASSERT_EQ(bmp.size(), 54 + 2 * 16);
    EXPECT_EQ(bmp.left(2), "BM");
    const std::pair<int, quint32> fields[] = {{2, 86}, {6, 0}, {10, 54}, {14, 40}, {18, 5}, {22, 2}, {26, 1 | 24 << 16},
        {30, 0}, {34, 32}, {38, 0}, {42, 0}, {46, 0}, {50, 0}};
    for (const auto &[at, value] : fields)
        EXPECT_EQ(number(bmp, at, 4), value) << "at " << at;
    for (int stored = 0; stored < 2; ++stored) {
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(number(bmp, 54 + 16 * stored + 3 * x, 3) | 0xff000000u, small.pixel(x, 1 - stored));
        EXPECT_EQ(bmp[54 + 16 * stored + 15], '\0');
    }
    // A PNG: header (8-bit RGB, not interlaced), significant bits, data and end.
    ASSERT_TRUE(imageFiles::savePng(noise(33, 4), folder.file("layout.png")).ok());
    const QByteArrayList chunks = testsupport::pngChunks(folder.read("layout.png"));
    ASSERT_GE(chunks.size(), 4) << "not a sound PNG";
    EXPECT_EQ(chunks[0], QByteArray("IHDR\0\0\0\x21\0\0\0\x04\x08\x02\0\0\0", 17));
    EXPECT_EQ(chunks[1], "sBIT\x08\x08\x08");
    for (qsizetype i = 2; i + 1 < chunks.size(); ++i)
        EXPECT_EQ(chunks[i].left(4), "IDAT");
    EXPECT_EQ(chunks.last(), "IEND");
}

TEST(PictureWriters, FailuresSayWhyAndKeepWhatStoodThere)
{
    ProgramFolder folder;
    const QImage picture = noise(200, 150); // random pixels: no writer squeezes them into 4000 bytes
    folder.write("kept", "the picture that was there");
    ASSERT_TRUE(QDir(folder.path()).mkdir("taken"));
    const QStringList before = testsupport::entriesOf(folder.path());
    const QImage tooWide = testsupport::filled({70000, 1}, qRgb(160, 160, 160));
    // For a JPEG the system's reason as a negative errno, or libjpeg's own code. Windows tells
    // a file in the way of a folder as a missing folder.
    const std::tuple<QImage, const char *, int, bool> cases[] = {{picture, "missing/x", -ENOENT, false},
        {picture, "kept/x", testsupport::onWindows ? -ENOENT : -ENOTDIR, false}, {picture, "taken", -EISDIR, false},
        {QImage(), "kept", -EINVAL, false},
        {picture, "kept", -EFBIG, true}, {picture, "new", -EFBIG, true}, {tooWide, "kept", JERR_IMAGE_TOO_BIG, false}};
    for (const auto &[image, target, jpegCode, fullDisk] : cases) {
        if (fullDisk && !testsupport::FileSizeLimit::works)
            continue;
        std::optional<testsupport::FileSizeLimit> full;
        if (fullDisk)
            full.emplace(4000);
        EXPECT_EQ(imageFiles::saveJpg(image, folder.file(target), 90).problem(),
            (FileProblem{FileProblem::Code::JpegSaveFailed, QString::number(jpegCode)}));
        if (image.width() < 70000) {
            EXPECT_FALSE(imageFiles::savePng(image, folder.file(target)).ok()) << target;
            EXPECT_FALSE(imageFiles::saveBmp(image, folder.file(target)).ok()) << target;
        }
    }
    if (testsupport::FileSizeLimit::works) {
        testsupport::FileSizeLimit full(4000);
        EXPECT_EQ(imageFiles::savePng(picture, folder.file("kept")).problem(),
            FileProblem::fromErrno(FileProblem::Code::CannotWrite, EFBIG));
    }
    try {
        mIntelJPEGLibrary::SaveJPG(picture, folder.file("missing/x"), 90);
        ADD_FAILURE() << "no error raised";
    } catch (const mIntelJPEGLibrary::JpegError &e) {
        EXPECT_EQ(std::pair(e.number(), e.source()), std::pair(26001, QString("test_image.mIntelJPEGLibrary")));
        EXPECT_EQ(QString::fromStdString(e.what()), e.description());
        EXPECT_EQ(e.description(), "Failed to save to JPG " + QString::number(e.result()));
        EXPECT_FALSE(e.duringInit());
    }
    EXPECT_EQ(folder.read("kept"), "the picture that was there");
    EXPECT_EQ(testsupport::entriesOf(folder.path()), before);
}
