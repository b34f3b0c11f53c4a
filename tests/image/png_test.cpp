#include "image/pngcodec.h"
#include "support.h"

using modPNG::LoadPNG;
using modPNG::SavePNG;
using testsupport::noise;
using testsupport::ProgramFolder;

namespace {

QString dataFile(const QByteArray &name) { return QStringLiteral(QUILLMARK_TEST_DATA "/") + QString::fromLatin1(name); }

} // namespace

TEST(PNG, EveryKindLoadsAsEightBitRgb)
{
    // Made by make_data.py, each beside the 8-bit RGB file another decoder reads it as.
    for (const char *kind : {"palette4-trns", "grey8", "grey2", "greyalpha8", "grey16-interlaced", "rgb16", "rgba8",
             "rgba16-interlaced", "rgb8-interlaced"}) {
        QImage loaded;
        ASSERT_TRUE(LoadPNG(dataFile(QByteArray("kind-") + kind + ".png"), loaded)) << kind;
        const QImage expected(dataFile(QByteArray("kind-") + kind + "-rgb.png"));
        ASSERT_EQ(expected.size(), QSize(13, 11)) << kind;
        EXPECT_EQ(loaded, expected.convertToFormat(QImage::Format_RGB32)) << kind;
    }
}

TEST(PNG, ReadsOtherEncodersFilesAndFromAnOpenStream)
{
    QImage good; // made by make_data.py with Python's zlib, not libpng
    ASSERT_TRUE(LoadPNG(dataFile("good.png"), good));
    ASSERT_EQ(good.size(), QSize(32, 32));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            ASSERT_EQ(good.pixel(x, y), qRgb((x * 8 + y) & 255, (255 - y * 8) & 255, (x * y * 7) & 255))
                << x << "," << y;
    // Positioned at the signature in the middle of other data; the caller keeps its stream.
    ProgramFolder folder;
    folder.write("wrapped.bin", "prefix" + testsupport::readFile(dataFile("good.png")) + "suffix");
    FILE *stream = std::fopen(QFile::encodeName(folder.file("wrapped.bin")).constData(), "rb");
    ASSERT_NE(stream, nullptr);
    ASSERT_EQ(std::fseek(stream, 6, SEEK_SET), 0);
    QImage fromStream;
    EXPECT_TRUE(LoadPNG(stream, fromStream));
    EXPECT_EQ(fromStream, good);
    EXPECT_EQ(std::fseek(stream, 0, SEEK_SET), 0);
    std::fclose(stream);
    EXPECT_FALSE(LoadPNG(static_cast<FILE *>(nullptr), fromStream));
}

TEST(PNG, DamagedForeignAndOversizedFilesAreRefusedAndLeaveThePicture)
{
    ProgramFolder folder;
    QDir(folder.path()).mkdir("folder.png");
    // The two bombs claim 20000 x 20000 in the header, and a complete 16000 x 16000 that
    // would take a gigabyte decoded.
    const QString cases[] = {dataFile("truncated.png"), dataFile("bad_crc.png"), dataFile("bad_zlib.png"),
        dataFile("jpeg_named.png"), dataFile("empty.png"), dataFile("bomb_20000.png"), dataFile("bomb_16000.png"),
        folder.file("folder.png"), folder.file("missing.png"), folder.file("nowhere/x.png")};
    const QImage before = noise(6, 4, 3);
    for (const QString &file : cases) {
        QImage picture = before;
        EXPECT_FALSE(LoadPNG(file, picture)) << qPrintable(file);
        EXPECT_EQ(picture, before) << qPrintable(file);
    }
    // Each damaged file differs from the sound one only in its flaw.
    const QByteArray good = testsupport::readFile(dataFile("good.png"));
    EXPECT_TRUE(good.startsWith(testsupport::readFile(dataFile("truncated.png"))));
    EXPECT_EQ(testsupport::readFile(dataFile("bad_crc.png")).size(), good.size());
}
