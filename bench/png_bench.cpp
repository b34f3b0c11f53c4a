// PNG saving and loading against bare libpng on the same buffer, in the same run.
//
// Each iteration times the wrapper and the bare library one after the other, so both
// see the same machine load; the figures are medians over the iterations. Counters:
//   Save: save_ms (SavePNG, synced commit included), bare_ms (libpng into a plain
//         fopen'ed file), cached_ms / synced_ms (the bare encode through the atomic
//         writer with a cached or a synced commit), commit_ms (synced_ms - bare_ms: the
//         atomic commit's own cost), sync_ms (synced_ms - cached_ms), ratio (save_ms -
//         commit_ms over bare_ms: what the wrapper adds to the encode), ratio_same_commit
//         (save_ms over synced_ms).
//   Load: load_ms (LoadPNG to a picture), bare_ms (libpng decode to 24-bit rows), ratio.
//   SaveHeap: peak resident growth during one SavePNG, in MB and as a multiple of the
//         picture's 24-bit size.

#include "common/atomicfile.h"
#include "image/cdibsection.h"
#include "image/pngcodec.h"
#include "memory.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <png.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <memory>
#include <random>
#include <vector>

namespace {

// Flat UI areas, a title-bar gradient, lines of text-like glyphs and a noisy game view:
// the mix of easy and hard content a screenshot has.
QImage screenshotLike(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    std::mt19937 random(42);
    const int titleBar = height / 30, sidebar = width / 6;
    for (int y = 0; y < height; ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < width; ++x) {
            QRgb c;
            if (y < titleBar)
                c = qRgb(40 + 100 * x / width, 70 + 80 * x / width, 160 + 60 * x / width);
            else if (x < sidebar)
                c = y % 40 == 0 ? qRgb(192, 192, 192) : qRgb(232, 232, 232);
            else if (x >= width / 2 && y >= height / 2) {
                const int noise = int(random() % 49) - 24;
                const auto channel = [noise](double v) { return std::clamp(int(v) + noise, 0, 255); };
                c = qRgb(channel(120 + 80 * std::sin(x * 0.01)), channel(100 + 60 * std::cos(y * 0.013)),
                         channel(90 + 50 * std::sin((x + y) * 0.007)));
            } else
                c = y < height / 2 ? qRgb(255, 255, 255) : qRgb(246, 248, 250 - 40 * (y - height / 2) / height);
            row[x] = c;
        }
    }
    // Text: lines of 7-pixel glyph cells with word gaps, dark strokes with grey edges.
    for (int line = titleBar + 8; line + 12 < height; line += 22) {
        const int x0 = 8, x1 = line < height / 2 ? width - 16 : width / 2 - 16;
        for (int cell = x0; cell + 7 < x1; cell += 7) {
            if (random() % 6 == 0) {
                cell += 7; // a space
                continue;
            }
            const unsigned bits = unsigned(random());
            for (int gy = 0; gy < 10; ++gy) {
                QRgb *row = reinterpret_cast<QRgb *>(picture.scanLine(line + gy));
                for (int gx = 0; gx < 5; ++gx)
                    if (bits >> ((gy * 5 + gx) % 31) & 1) {
                        row[cell + gx] = qRgb(32, 32, 32);
                        row[cell + gx + 1] = qRgb(140, 140, 140);
                    }
            }
        }
    }
    return picture;
}

double milliseconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

template <class F> double timed(F &&f)
{
    const auto start = std::chrono::steady_clock::now();
    f();
    return milliseconds(std::chrono::steady_clock::now() - start);
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// libpng by hand, with the settings SavePNG uses, from rows already in place.
bool bareEncode(FILE *out, png_bytepp rows, png_uint_32 width, png_uint_32 height)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, out);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_color_8 significant{};
    significant.red = significant.green = significant.blue = 8;
    png_set_sBIT(png, info, &significant);
    png_write_info(png, info);
    png_set_bgr(png);
    png_write_image(png, rows);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

// libpng by hand: the file to 24-bit blue-green-red rows in a fresh buffer.
bool bareDecode(FILE *in, std::unique_ptr<png_byte[]> &pixels)
{
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_bytepp rows = nullptr;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_init_io(png, in);
    png_read_info(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_strip_alpha(png);
    png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    const size_t rowBytes = png_get_rowbytes(png, info);
    pixels.reset(new png_byte[rowBytes * height]);
    rows = static_cast<png_bytepp>(std::malloc(height * sizeof(png_bytep)));
    for (png_uint_32 r = 0; r < height; ++r)
        rows[r] = pixels.get() + r * rowBytes;
    png_read_image(png, rows);
    png_read_end(png, nullptr);
    std::free(rows);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

struct Fixture {
    QTemporaryDir folder;
    QImage picture;
    cDIBSection dib;
    std::vector<png_bytep> rows;

    explicit Fixture(int width, int height) : picture(screenshotLike(width, height))
    {
        dib.CreateFromPicture(picture);
        for (int r = 0; r < height; ++r)
            rows.push_back(dib.rowOfPicture(r));
    }
    QString file(const char *name) const { return folder.filePath(QLatin1String(name)); }
};

bool encodeToPlainFile(Fixture &f, const QString &path)
{
    FILE *out = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!out)
        return false;
    const bool ok = bareEncode(out, f.rows.data(), png_uint_32(f.dib.Width()), png_uint_32(f.dib.Height()));
    return std::fclose(out) == 0 && ok;
}

bool encodeAtomically(Fixture &f, const QString &path, textFiles::Durability durability)
{
    textFiles::AtomicFile file(path);
    return file.open() && bareEncode(file.stream(), f.rows.data(), png_uint_32(f.dib.Width()),
                                     png_uint_32(f.dib.Height()))
        && file.commit(durability);
}

void Save(benchmark::State &state)
{
    Fixture f(int(state.range(0)), int(state.range(1)));
    std::vector<double> save, bare, cached, synced;
    for (auto _ : state) {
        bool ok = true;
        const double s = timed([&] { ok &= modPNG::SavePNG(f.picture, f.file("save.png")); });
        bare.push_back(timed([&] { ok &= encodeToPlainFile(f, f.file("bare.png")); }));
        cached.push_back(timed([&] { ok &= encodeAtomically(f, f.file("cached.png"), textFiles::Durability::Cached); }));
        synced.push_back(timed([&] { ok &= encodeAtomically(f, f.file("synced.png"), textFiles::Durability::Synced); }));
        if (!ok) {
            state.SkipWithError("a save failed");
            return;
        }
        save.push_back(s);
        state.SetIterationTime(s / 1000);
    }
    const double s = median(save), b = median(bare), c = median(cached), y = median(synced);
    state.counters["save_ms"] = s;
    state.counters["bare_ms"] = b;
    state.counters["cached_ms"] = c;
    state.counters["synced_ms"] = y;
    state.counters["commit_ms"] = y - b;
    state.counters["sync_ms"] = y - c;
    state.counters["ratio"] = (s - (y - b)) / b;
    state.counters["ratio_same_commit"] = s / y;
    state.counters["file_MB"] = double(QFile(f.file("save.png")).size()) / (1 << 20);
}

void Load(benchmark::State &state)
{
    Fixture f(int(state.range(0)), int(state.range(1)));
    const QString path = f.file("load.png");
    if (!modPNG::SavePNG(f.picture, path)) {
        state.SkipWithError("cannot write the file to load");
        return;
    }
    const QByteArray name = QFile::encodeName(path);
    std::vector<double> load, bare;
    for (auto _ : state) {
        bool ok = true;
        QImage picture;
        std::unique_ptr<png_byte[]> pixels;
        const double l = timed([&] { ok &= modPNG::LoadPNG(path, picture); });
        bare.push_back(timed([&] {
            FILE *in = std::fopen(name.constData(), "rb");
            ok &= in && bareDecode(in, pixels);
            if (in)
                std::fclose(in);
        }));
        if (!ok || picture.size() != f.picture.size()) {
            state.SkipWithError("a load failed");
            return;
        }
        load.push_back(l);
        state.SetIterationTime(l / 1000);
        benchmark::DoNotOptimize(pixels.get());
    }
    state.counters["load_ms"] = median(load);
    state.counters["bare_ms"] = median(bare);
    state.counters["ratio"] = median(load) / median(bare);
}

void SaveHeap(benchmark::State &state)
{
    Fixture f(int(state.range(0)), int(state.range(1)));
    const double pictureMB = 3.0 * f.dib.Width() * f.dib.Height() / (1 << 20);
    double growthMB = 0;
    for (auto _ : state) {
        // Memory freed by earlier work would otherwise be reused unseen.
        malloc_trim(0);
        if (!resetPeak()) {
            state.SkipWithError("peak memory cannot be reset here");
            return;
        }
        const long long before = statusKilobytes("VmRSS:");
        const double s = timed([&] { benchmark::DoNotOptimize(modPNG::SavePNG(f.picture, f.file("heap.png"))); });
        growthMB = std::max(growthMB, double(statusKilobytes("VmHWM:") - before) / 1024);
        state.SetIterationTime(s / 1000);
    }
    state.counters["growth_MB"] = growthMB;
    state.counters["picture24_MB"] = pictureMB;
    state.counters["growth_ratio"] = growthMB / pictureMB;
}

} // namespace

BENCHMARK(SaveHeap)->Args({3840, 2160})->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Save)->Args({1920, 1080})->Args({3840, 2160})->Iterations(9)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Load)->Args({1920, 1080})->Args({3840, 2160})->Iterations(15)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
