// SaveJPG against a bare libjpeg-turbo encode of the same buffer with the same settings,
// both written to a file in the same temporary folder, and the cost of the sync that the
// atomic commit adds on top.

#include "common/atomicfile.h"
#include "image/cdibsection.h"
#include "image/jpegcodec.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>

#include <jpeglib.h>

namespace {

constexpr int quality = 90;

QString scratch(const char *name)
{
    static QTemporaryDir dir;
    return dir.filePath(QString::fromLatin1(name));
}

// Flat panels, gradients, rows of small dark glyph-like marks and a noisy game view: the
// mix a screenshot has.
QImage screenshot(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(qRgb(236, 236, 236));
    QPainter painter(&picture);
    QLinearGradient title(0, 0, 0, 32);
    title.setColorAt(0, QColor(70, 110, 180));
    title.setColorAt(1, QColor(30, 60, 120));
    painter.fillRect(0, 0, width, 32, title);
    painter.fillRect(0, 32, width / 5, height - 32, QColor(220, 224, 230));
    QLinearGradient side(0, 0, width, height);
    side.setColorAt(0, QColor(250, 240, 200));
    side.setColorAt(1, QColor(120, 90, 60));
    painter.fillRect(width * 3 / 5, 32, width * 2 / 5, height / 3, side);
    painter.end();

    // Text-like marks: short dark strokes on the light side panel and the main area.
    unsigned state = 12345;
    auto next = [&state] { return state = state * 1664525u + 1013904223u; };
    for (int line = 48; line + 10 < height / 2; line += 18) {
        for (int x = 8; x + 8 < width * 3 / 5; x += 7) {
            if (next() % 7 == 0)
                continue;
            const int h = 6 + int(next() % 5);
            for (int y = line; y < line + h; ++y) {
                QRgb *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
                row[x] = row[x + 1] = qRgb(20, 20, 30);
            }
        }
    }
    // The game view: noise over a tint, the part that compresses worst.
    for (int y = height / 2; y < height; ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = width / 5; x < width; ++x) {
            const unsigned n = next() >> 8;
            row[x] = qRgb(60 + int(n & 63), 90 + int((n >> 6) & 63), 40 + int((n >> 12) & 63));
        }
    }
    return picture;
}

struct Subject {
    QImage picture;
    cDIBSection dib;
    QByteArray jpeg; // the encoded file, for the commit benchmarks
};

Subject &subject(int width, int height)
{
    static std::map<std::pair<int, int>, std::unique_ptr<Subject>> made;
    auto &slot = made[{width, height}];
    if (!slot) {
        slot = std::make_unique<Subject>();
        slot->picture = screenshot(width, height);
        slot->dib.CreateFromPicture(slot->picture);
        mIntelJPEGLibrary::SaveJPG(slot->picture, scratch("probe.jpg"), quality);
        QFile f(scratch("probe.jpg"));
        if (f.open(QIODevice::ReadOnly))
            slot->jpeg = f.readAll();
    }
    return *slot;
}

// The same settings SaveJPG uses, straight to a plain fopen'ed file, default error handling.
void bareEncode(const cDIBSection &dib, const char *path)
{
    FILE *out = std::fopen(path, "wb");
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, out);
    cinfo.image_width = JDIMENSION(dib.Width());
    cinfo.image_height = JDIMENSION(dib.Height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    JSAMPROW rows[32];
    while (cinfo.next_scanline < cinfo.image_height) {
        const int first = int(cinfo.next_scanline);
        const int count = std::min(32, dib.Height() - first);
        for (int i = 0; i < count; ++i)
            rows[i] = const_cast<JSAMPROW>(dib.rowOfPicture(first + i));
        jpeg_write_scanlines(&cinfo, rows, JDIMENSION(count));
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(out);
}

void BM_SaveJPG(benchmark::State &state)
{
    Subject &s = subject(int(state.range(0)), int(state.range(1)));
    const QString path = scratch("save.jpg");
    for (auto _ : state)
        benchmark::DoNotOptimize(mIntelJPEGLibrary::SaveJPG(s.picture, path, quality));
    state.SetBytesProcessed(state.iterations() * s.picture.width() * s.picture.height() * 3);
}

void BM_BareLibjpegEncode(benchmark::State &state)
{
    Subject &s = subject(int(state.range(0)), int(state.range(1)));
    const QByteArray path = QFile::encodeName(scratch("bare.jpg"));
    for (auto _ : state)
        bareEncode(s.dib, path.constData());
    state.SetBytesProcessed(state.iterations() * s.picture.width() * s.picture.height() * 3);
}

// The one fill of the buffer SaveJPG makes before encoding.
void BM_BufferFill(benchmark::State &state)
{
    Subject &s = subject(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        cDIBSection dib;
        benchmark::DoNotOptimize(dib.CreateFromPicture(s.picture));
    }
}

// Writing the finished file through the atomic writer, with and without the sync.
template <textFiles::Durability durability>
void BM_AtomicCommit(benchmark::State &state)
{
    Subject &s = subject(int(state.range(0)), int(state.range(1)));
    const QString path = scratch("commit.jpg");
    for (auto _ : state) {
        textFiles::AtomicFile file(path);
        file.open();
        std::fwrite(s.jpeg.constData(), 1, size_t(s.jpeg.size()), file.stream());
        benchmark::DoNotOptimize(file.commit(durability));
    }
    state.counters["file_KB"] = double(s.jpeg.size()) / 1024;
}

#define SIZES Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond)
BENCHMARK(BM_SaveJPG)->SIZES;
BENCHMARK(BM_BareLibjpegEncode)->SIZES;
BENCHMARK(BM_BufferFill)->SIZES;
BENCHMARK_TEMPLATE(BM_AtomicCommit, textFiles::Durability::Synced)->SIZES;
BENCHMARK_TEMPLATE(BM_AtomicCommit, textFiles::Durability::Cached)->SIZES;

} // namespace

BENCHMARK_MAIN();
