#include "image/pngcodec.h"

#include "testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <png.h>
#include <zlib.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

using modPNG::LoadPNG;
using modPNG::SavePNG;
using testsupport::ProgramFolder;
using testsupport::noise;

namespace {

QString dataFile(const char *name)
{
    return QStringLiteral(QUILLMARK_TEST_DATA "/") + QLatin1String(name);
}

// Compares colours only, so pictures of different 32-bit formats can be compared.
::testing::AssertionResult samePixels(const QImage &actual, const QImage &expected)
{
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure() << "size " << actual.width() << "x" << actual.height() << ", expected "
                                             << expected.width() << "x" << expected.height();
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (qRgb(qRed(actual.pixel(x, y)), qGreen(actual.pixel(x, y)), qBlue(actual.pixel(x, y)))
                != qRgb(qRed(expected.pixel(x, y)), qGreen(expected.pixel(x, y)), qBlue(expected.pixel(x, y))))
                return ::testing::AssertionFailure()
                    << "pixel " << x << "," << y << " is " << std::hex << actual.pixel(x, y) << ", expected "
                    << expected.pixel(x, y);
    return ::testing::AssertionSuccess();
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

quint32 bigEndian(const QByteArray &bytes, qsizetype at)
{
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData() + at);
    return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3];
}

struct Chunk {
    QByteArray type;
    QByteArray data;
};

// Splits a PNG file into its chunks, checking each chunk's CRC; empty on any flaw.
std::vector<Chunk> chunksOf(const QByteArray &file)
{
    static const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    if (!file.startsWith(signature))
        return {};
    std::vector<Chunk> chunks;
    qsizetype at = 8;
    while (at < file.size()) {
        if (file.size() - at < 12)
            return {};
        const quint32 length = bigEndian(file, at);
        if (qsizetype(length) > file.size() - at - 12)
            return {};
        const QByteArray typeAndData = file.mid(at + 4, 4 + qsizetype(length));
        const uLong crc = crc32(0, reinterpret_cast<const Bytef *>(typeAndData.constData()), uInt(typeAndData.size()));
        if (crc != bigEndian(file, at + 8 + length))
            return {};
        chunks.push_back({typeAndData.left(4), typeAndData.mid(4)});
        at += 12 + length;
    }
    return chunks;
}

// A PNG of any kind written with libpng itself, so the loader meets files it did not make.
// Plain C types only in here, because of setjmp.
bool writeRawPng(const char *path, int width, int height, int depth, int colourType, int interlace,
                 const png_color *palette, int paletteSize, const png_byte *trans, int transCount, png_bytepp rows)
{
    FILE *out = std::fopen(path, "wb");
    if (!out)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(out);
        return false;
    }
    png_init_io(png, out);
    png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), depth, colourType, interlace,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (paletteSize > 0)
        png_set_PLTE(png, info, palette, paletteSize);
    if (transCount > 0)
        png_set_tRNS(png, info, trans, transCount, nullptr);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return std::fclose(out) == 0;
}

// The file's rows exactly as stored (no transforms): bytes per row and all rows, top first.
bool readRawPng(const char *path, size_t *rowBytes, png_byte *pixels, size_t capacity)
{
    FILE *in = std::fopen(path, "rb");
    if (!in)
        return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        std::fclose(in);
        return false;
    }
    png_init_io(png, in);
    png_read_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    *rowBytes = png_get_rowbytes(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    const png_bytepp rows = png_get_rows(png, info);
    const bool fits = *rowBytes * height <= capacity;
    for (png_uint_32 r = 0; fits && r < height; ++r)
        std::memcpy(pixels + r * *rowBytes, rows[r], *rowBytes);
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(in);
    return fits;
}

// Peak resident memory since the last reset, in kB; -1 where the kernel cannot tell.
long long peakKilobytes(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qsizetype(std::strlen(field))).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

bool resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

QStringList entriesOf(const ProgramFolder &folder)
{
    return QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

TEST(PNG, SavedPicturesLoadBackPixelExact)
{
    ProgramFolder folder;
    const QString file = folder.file("Images/round.png");
    const QSize sizes[] = {{1, 1}, {1, 9}, {9, 1}, {4, 3}, {5, 3}, {6, 2}, {7, 5}, {33, 4}, {257, 129}};
    unsigned seed = 1;
    for (const QSize size : sizes) {
        const QImage picture = noise(size.width(), size.height(), seed++);
        QString reason;
        ASSERT_TRUE(SavePNG(picture, file, &reason)) << qPrintable(reason);
        QImage loaded(3, 3, QImage::Format_RGB32); // a different size: the load must resize
        ASSERT_TRUE(LoadPNG(file, loaded)) << size.width() << "x" << size.height();
        EXPECT_TRUE(samePixels(loaded, picture)) << size.width() << "x" << size.height();
    }

    // Other picture formats are written as what they show.
    const QImage gradient = [] {
        QImage g(40, 3, QImage::Format_Grayscale8);
        for (int x = 0; x < 40; ++x)
            for (int y = 0; y < 3; ++y)
                g.setPixel(x, y, qRgb(x * 6, x * 6, x * 6));
        return g;
    }();
    ASSERT_TRUE(SavePNG(gradient, file));
    QImage loaded;
    ASSERT_TRUE(LoadPNG(file, loaded));
    EXPECT_TRUE(samePixels(loaded, gradient.convertToFormat(QImage::Format_RGB32)));
    // No temporary file is left beside the one written.
    EXPECT_EQ(QDir(folder.file("Images")).entryList(QDir::Files | QDir::Hidden), QStringList{"round.png"});
}

TEST(PNG, WrittenFilesHoldOnlyHeaderSignificantBitsDataAndEnd)
{
    ProgramFolder folder;
    for (const QSize size : {QSize(1, 1), QSize(33, 4)}) {
        const QImage picture = noise(size.width(), size.height(), 7);
        const QString file = folder.file("layout.png");
        ASSERT_TRUE(SavePNG(picture, file));

        const std::vector<Chunk> chunks = chunksOf(readAll(file));
        ASSERT_GE(chunks.size(), 4u) << "not a sound PNG";
        EXPECT_EQ(chunks.front().type, "IHDR");
        const QByteArray ihdr = chunks.front().data;
        ASSERT_EQ(ihdr.size(), 13);
        EXPECT_EQ(bigEndian(ihdr, 0), quint32(size.width()));
        EXPECT_EQ(bigEndian(ihdr, 4), quint32(size.height()));
        EXPECT_EQ(ihdr.mid(8), QByteArray("\x08\x02\x00\x00\x00", 5)); // 8-bit RGB, no interlace
        EXPECT_EQ(chunks[1].type, "sBIT");
        EXPECT_EQ(chunks[1].data, QByteArray("\x08\x08\x08"));
        for (size_t i = 2; i + 1 < chunks.size(); ++i)
            EXPECT_EQ(chunks[i].type, "IDAT") << i;
        EXPECT_EQ(chunks.back().type, "IEND");
        EXPECT_TRUE(chunks.back().data.isEmpty());

        // Stored top row first, red-green-blue, 3 bytes a pixel and no padding: 99 bytes
        // a row for 33 pixels, whatever the buffer's stride.
        std::vector<png_byte> pixels(4096);
        size_t rowBytes = 0;
        ASSERT_TRUE(readRawPng(QFile::encodeName(file).constData(), &rowBytes, pixels.data(), pixels.size()));
        ASSERT_EQ(rowBytes, size_t(3 * size.width()));
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                const png_byte *p = &pixels[size_t(y) * rowBytes + 3 * size_t(x)];
                EXPECT_EQ(qRgb(p[0], p[1], p[2]), picture.pixel(x, y)) << x << "," << y;
            }
    }
}

TEST(PNG, OtherKindsLoadAsEightBitRgb)
{
    ProgramFolder folder;
    const int w = 13, h = 11; // odd sizes exercise every interlace pass and sub-byte packing
    std::mt19937 random(5);
    const png_color palette[] = {{255, 0, 0}, {0, 128, 255}, {20, 30, 40}};
    const png_byte paletteAlpha[] = {0, 128};

    struct Kind {
        const char *name;
        int depth, colourType, interlace;
        bool transparentPalette;
    };
    const Kind kinds[] = {
        {"palette 4-bit with tRNS", 4, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE, true},
        {"grey 8-bit", 8, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE, false},
        {"grey 2-bit", 2, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE, false},
        {"grey+alpha 8-bit", 8, PNG_COLOR_TYPE_GRAY_ALPHA, PNG_INTERLACE_NONE, false},
        {"grey 16-bit interlaced", 16, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_ADAM7, false},
        {"RGB 16-bit", 16, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, false},
        {"RGBA 8-bit", 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, false},
        {"RGBA 16-bit interlaced", 16, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_ADAM7, false},
        {"RGB 8-bit interlaced", 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_ADAM7, false},
    };
    for (const Kind &kind : kinds) {
        const int channels = kind.colourType == PNG_COLOR_TYPE_PALETTE || kind.colourType == PNG_COLOR_TYPE_GRAY ? 1
                           : kind.colourType == PNG_COLOR_TYPE_GRAY_ALPHA                                      ? 2
                           : kind.colourType == PNG_COLOR_TYPE_RGB                                             ? 3
                                                                                                               : 4;
        const int samplesPerByte = kind.depth < 8 ? 8 / kind.depth : 1;
        const int bytesPerSample = kind.depth == 16 ? 2 : 1;
        const int rowBytes = (w * channels * kind.depth + 7) / 8;
        std::vector<std::vector<png_byte>> rows(h, std::vector<png_byte>(size_t(rowBytes), 0));
        QImage expected(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                int channel[4];
                for (int c = 0; c < channels; ++c) {
                    const int sample = int(random() % (1u << kind.depth));
                    channel[c] = kind.colourType == PNG_COLOR_TYPE_PALETTE ? sample % 3 : sample;
                    if (kind.depth < 8) {
                        const int shift = 8 - kind.depth * (x % samplesPerByte + 1);
                        rows[y][size_t(x / samplesPerByte)] |= png_byte(channel[c] << shift);
                    } else {
                        png_byte *at = &rows[y][size_t((x * channels + c) * bytesPerSample)];
                        if (bytesPerSample == 2) {
                            at[0] = png_byte(channel[c] >> 8);
                            at[1] = png_byte(channel[c]);
                        } else {
                            at[0] = png_byte(channel[c]);
                        }
                    }
                }
                // What 8-bit RGB should show: high byte of 16-bit samples, low-bit grey
                // scaled to the full range, palette looked up, alpha ignored.
                const auto to8 = [&](int v) { return kind.depth == 16 ? v >> 8 : v * 255 / ((1 << kind.depth) - 1); };
                if (kind.colourType == PNG_COLOR_TYPE_PALETTE) {
                    const png_color &p = palette[channel[0]];
                    expected.setPixel(x, y, qRgb(p.red, p.green, p.blue));
                } else if (channels <= 2) {
                    expected.setPixel(x, y, qRgb(to8(channel[0]), to8(channel[0]), to8(channel[0])));
                } else {
                    expected.setPixel(x, y, qRgb(to8(channel[0]), to8(channel[1]), to8(channel[2])));
                }
            }
        std::vector<png_bytep> rowPointers;
        for (auto &row : rows)
            rowPointers.push_back(row.data());
        const QByteArray path = QFile::encodeName(folder.file("kind.png"));
        ASSERT_TRUE(writeRawPng(path.constData(), w, h, kind.depth, kind.colourType, kind.interlace, palette,
                                kind.colourType == PNG_COLOR_TYPE_PALETTE ? 3 : 0, paletteAlpha,
                                kind.transparentPalette ? 2 : 0, rowPointers.data()))
            << kind.name;

        QImage loaded;
        ASSERT_TRUE(LoadPNG(folder.file("kind.png"), loaded)) << kind.name;
        EXPECT_TRUE(samePixels(loaded, expected)) << kind.name;
    }
}

TEST(PNG, ReadsFilesOfOtherEncodersAndFromAnOpenStream)
{
    // Made by make_data.py with Python's zlib, not libpng.
    QImage good;
    ASSERT_TRUE(LoadPNG(dataFile("good.png"), good));
    ASSERT_EQ(good.size(), QSize(32, 32));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            ASSERT_EQ(good.pixel(x, y), qRgb((x * 8 + y) & 255, (255 - y * 8) & 255, (x * y * 7) & 255))
                << x << "," << y;

    // A stream already positioned at the signature, in the middle of other data; the
    // caller keeps its stream.
    ProgramFolder folder;
    folder.write("wrapped.bin", "prefix" + readAll(dataFile("good.png")) + "suffix");
    FILE *stream = std::fopen(QFile::encodeName(folder.file("wrapped.bin")).constData(), "rb");
    ASSERT_NE(stream, nullptr);
    ASSERT_EQ(std::fseek(stream, 6, SEEK_SET), 0);
    QImage fromStream;
    EXPECT_TRUE(LoadPNG(stream, fromStream));
    EXPECT_EQ(fromStream, good);
    EXPECT_EQ(std::fseek(stream, 0, SEEK_SET), 0); // still open
    std::fclose(stream);
    EXPECT_FALSE(LoadPNG(static_cast<FILE *>(nullptr), fromStream));
}

TEST(PNG, DamagedOrForeignFilesAreRefusedAndLeaveThePicture)
{
    ProgramFolder folder;
    QDir(folder.path()).mkdir("folder.png");
    const QString cases[] = {
        dataFile("truncated.png"),  dataFile("bad_crc.png"),   dataFile("bad_zlib.png"),
        dataFile("jpeg_named.png"), dataFile("empty.png"),     folder.file("folder.png"),
        folder.file("missing.png"), folder.file("nowhere/x.png"),
    };
    const QImage before = noise(6, 4, 3);
    for (const QString &file : cases) {
        QImage picture = before;
        EXPECT_FALSE(LoadPNG(file, picture)) << qPrintable(file);
        EXPECT_EQ(picture, before) << qPrintable(file);
    }
    // Each damaged file differs from a sound one only in its flaw.
    const QByteArray good = readAll(dataFile("good.png"));
    EXPECT_TRUE(good.startsWith(readAll(dataFile("truncated.png"))));
    EXPECT_EQ(readAll(dataFile("bad_crc.png")).size(), good.size());
    EXPECT_EQ(readAll(dataFile("bad_zlib.png")).size(), good.size());
}

TEST(PNG, OversizedImagesAreRefusedBeforeTheyCostMemory)
{
    // One header claims 20000 x 20000 pixels, the other is a complete 16000 x 16000
    // image that would need about a gigabyte decoded. Both are refused at once, without
    // the memory.
    const bool canMeasure = resetPeak();
    const long long residentBefore = peakKilobytes("VmRSS:");
    for (const char *name : {"bomb_20000.png", "bomb_16000.png"}) {
        QElapsedTimer clock;
        clock.start();
        QImage picture;
        EXPECT_FALSE(LoadPNG(dataFile(name), picture)) << name;
        EXPECT_TRUE(picture.isNull()) << name;
        EXPECT_LT(clock.elapsed(), 1000) << name;
    }
    if (canMeasure && residentBefore > 0) {
        EXPECT_LT(peakKilobytes("VmHWM:") - residentBefore, 64 * 1024);
    }
}

TEST(PNG, FailedSavesSayWhyAndKeepTheOldFile)
{
    ProgramFolder folder;
    const QByteArray old("an older picture, to be kept");
    folder.write("keep.png", old);
    QDir(folder.path()).mkdir("taken.png");
    const QImage picture = noise(200, 200, 9);

    const struct {
        QString target;
        const char *why;
    } cases[] = {
        {folder.file("no folder/out.png"), "a missing folder"},
        {folder.file("taken.png"), "a directory where the file should be"},
        {folder.file("keep.png/out.png"), "a path through a regular file"},
    };
    const QStringList entries = entriesOf(folder);
    for (const auto &c : cases) {
        QString reason;
        EXPECT_FALSE(SavePNG(picture, c.target, &reason)) << c.why;
        EXPECT_FALSE(reason.isEmpty()) << c.why;
        EXPECT_EQ(entriesOf(folder), entries) << c.why;
    }
    EXPECT_TRUE(QFileInfo(folder.file("taken.png")).isDir());

    // A full disk in the middle of the data: random pixels do not compress, so 200 x 200
    // of them cannot fit in 4000 bytes.
    QString reason;
    {
        testsupport::FileSizeLimit limit(4000);
        EXPECT_FALSE(SavePNG(picture, folder.file("keep.png"), &reason));
    }
    EXPECT_EQ(reason, QStringLiteral("cannot write the file: ") + QString::fromLocal8Bit(std::strerror(EFBIG)));
    EXPECT_EQ(folder.read("keep.png"), old);
    EXPECT_EQ(entriesOf(folder), entries);

    // Nothing to write.
    reason.clear();
    EXPECT_FALSE(SavePNG(QImage(), folder.file("keep.png"), &reason));
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(folder.read("keep.png"), old);

    // And when it works, it replaces the old file whole.
    ASSERT_TRUE(SavePNG(picture, folder.file("keep.png")));
    QImage loaded;
    ASSERT_TRUE(LoadPNG(folder.file("keep.png"), loaded));
    EXPECT_TRUE(samePixels(loaded, picture));
    EXPECT_EQ(entriesOf(folder), entries);
}
