#include "image/pngcodec.h"
#include "support.h"

#include <QElapsedTimer>

#include <png.h>

#include <csetjmp>
#include <random>
#include <vector>

using modPNG::LoadPNG;
using modPNG::SavePNG;
using testsupport::noise;
using testsupport::ProgramFolder;

namespace {

QString dataFile(const char *name) { return QStringLiteral(QUILLMARK_TEST_DATA "/") + QLatin1String(name); }

// A PNG of any kind written by libpng itself, so the loader meets files it did not make.
// Plain C types in here, because of setjmp.
bool writeRawPng(const char *path, int width, int height, int depth, int colourType, int interlace, png_bytepp rows)
{
    static const png_color palette[] = {{255, 0, 0}, {0, 128, 255}, {20, 30, 40}};
    static const png_byte paletteAlpha[] = {0, 128};
    FILE *file = std::fopen(path, "wb");
    if (!file)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), depth, colourType, interlace,
        PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (colourType == PNG_COLOR_TYPE_PALETTE) {
        png_set_PLTE(png, info, palette, 3);
        png_set_tRNS(png, info, paletteAlpha, 2, nullptr);
    }
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

} // namespace

TEST(PNG, EveryKindLoadsAsEightBitRgb)
{
    ProgramFolder folder;
    const int w = 13, h = 11; // odd sizes reach every interlace pass and sub-byte packing
    std::mt19937 random(5);
    const QRgb palette[] = {qRgb(255, 0, 0), qRgb(0, 128, 255), qRgb(20, 30, 40)};
    const struct {
        const char *name;
        int depth, colourType, channels, interlace;
    } kinds[] = {{"palette 4-bit with tRNS", 4, PNG_COLOR_TYPE_PALETTE, 1, PNG_INTERLACE_NONE},
        {"grey 8-bit", 8, PNG_COLOR_TYPE_GRAY, 1, PNG_INTERLACE_NONE},
        {"grey 2-bit", 2, PNG_COLOR_TYPE_GRAY, 1, PNG_INTERLACE_NONE},
        {"grey+alpha 8-bit", 8, PNG_COLOR_TYPE_GRAY_ALPHA, 2, PNG_INTERLACE_NONE},
        {"grey 16-bit interlaced", 16, PNG_COLOR_TYPE_GRAY, 1, PNG_INTERLACE_ADAM7},
        {"RGB 16-bit", 16, PNG_COLOR_TYPE_RGB, 3, PNG_INTERLACE_NONE},
        {"RGBA 8-bit", 8, PNG_COLOR_TYPE_RGB_ALPHA, 4, PNG_INTERLACE_NONE},
        {"RGBA 16-bit interlaced", 16, PNG_COLOR_TYPE_RGB_ALPHA, 4, PNG_INTERLACE_ADAM7},
        {"RGB 8-bit interlaced", 8, PNG_COLOR_TYPE_RGB, 3, PNG_INTERLACE_ADAM7}};
    for (const auto &kind : kinds) {
        const int perByte = kind.depth < 8 ? 8 / kind.depth : 1;
        std::vector<std::vector<png_byte>> rows(
            h, std::vector<png_byte>(size_t((w * kind.channels * kind.depth + 7) / 8)));
        QImage expected(w, h, QImage::Format_RGB32);
        // What 8-bit RGB should show: the high byte of 16-bit samples, low-bit grey scaled
        // to the full range, the palette looked up, alpha ignored.
        const auto to8 = [&](int v) { return kind.depth == 16 ? v >> 8 : v * 255 / ((1 << kind.depth) - 1); };
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                int c[4];
                for (int k = 0; k < kind.channels; ++k) {
                    const int sample = int(random() % (1u << kind.depth));
                    c[k] = kind.colourType == PNG_COLOR_TYPE_PALETTE ? sample % 3 : sample;
                    if (kind.depth < 8)
                        rows[y][size_t(x / perByte)] |= png_byte(c[k] << (8 - kind.depth * (x % perByte + 1)));
                    else if (kind.depth == 16)
                        rows[y][size_t((x * kind.channels + k) * 2)] = png_byte(c[k] >> 8),
                                                                 rows[y][size_t((x * kind.channels + k) * 2 + 1)]
                            = png_byte(c[k]);
                    else
                        rows[y][size_t(x * kind.channels + k)] = png_byte(c[k]);
                }
                expected.setPixel(x, y,
                    kind.colourType == PNG_COLOR_TYPE_PALETTE ? palette[c[0]]
                        : kind.channels <= 2                  ? qRgb(to8(c[0]), to8(c[0]), to8(c[0]))
                                                              : qRgb(to8(c[0]), to8(c[1]), to8(c[2])));
            }
        std::vector<png_bytep> pointers;
        for (auto &row : rows)
            pointers.push_back(row.data());
        const QByteArray path = QFile::encodeName(folder.file("kind.png"));
        ASSERT_TRUE(writeRawPng(path.constData(), w, h, kind.depth, kind.colourType, kind.interlace, pointers.data()));
        QImage loaded;
        ASSERT_TRUE(LoadPNG(folder.file("kind.png"), loaded)) << kind.name;
        EXPECT_EQ(loaded, expected) << kind.name;
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

TEST(PNG, DamagedForeignAndOversizedFilesAreRefusedQuicklyAndLeaveThePicture)
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
        QElapsedTimer clock;
        clock.start();
        QImage picture = before;
        EXPECT_FALSE(LoadPNG(file, picture)) << qPrintable(file);
        EXPECT_EQ(picture, before) << qPrintable(file);
        EXPECT_LT(clock.elapsed(), 1000) << qPrintable(file);
    }
    // Each damaged file differs from the sound one only in its flaw.
    const QByteArray good = testsupport::readFile(dataFile("good.png"));
    EXPECT_TRUE(good.startsWith(testsupport::readFile(dataFile("truncated.png"))));
    EXPECT_EQ(testsupport::readFile(dataFile("bad_crc.png")).size(), good.size());
}
