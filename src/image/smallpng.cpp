#include "image/smallpng.h"

#include "common/atomicfile.h"
#include "image/imagelimits.h"
#include "image/pngframe.h"

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <new>
#include <vector>

namespace smallPng {
namespace {

constexpr int paletteLimit = 256;
constexpr quint32 rgbMask = 0x00ffffffu;

// The distinct colours of a picture, counted up to one past the palette limit. Open
// addressing in a table four times that size keeps the scan at a few nanoseconds a pixel.
class ColourTable {
public:
    struct Slot {
        quint32 colour;
        quint32 pixels;
        int index;
    };

    ColourTable() { slots_.fill(Slot{noColour, 0, 0}); }

    // Counts one more pixel of this colour; false once a palette cannot hold them all.
    bool add(quint32 colour)
    {
        Slot &slot = slots_[find(colour)];
        if (slot.colour == noColour && ++used_ > paletteLimit)
            return false;
        slot.colour = colour;
        ++slot.pixels;
        return true;
    }

    // Most used first; equal counts by colour, so the palette depends on nothing but the pixels.
    std::vector<Slot> entries() const
    {
        std::vector<Slot> list;
        std::copy_if(slots_.begin(), slots_.end(), std::back_inserter(list),
                     [](const Slot &slot) { return slot.colour != noColour; });
        std::sort(list.begin(), list.end(), [](const Slot &a, const Slot &b) {
            return a.pixels != b.pixels ? a.pixels > b.pixels : a.colour < b.colour;
        });
        return list;
    }

    void setIndex(quint32 colour, int index) { slots_[find(colour)].index = index; }
    int indexOf(quint32 colour) const { return slots_[find(colour)].index; }

private:
    static constexpr quint32 noColour = 0xffffffffu; // never an RGB value: its top byte is set
    static constexpr size_t tableSize = 4 * paletteLimit;

    size_t find(quint32 colour) const
    {
        size_t at = (colour * 2654435761u) >> 22; // Fibonacci hashing onto 1024 slots
        while (slots_[at].colour != colour && slots_[at].colour != noColour)
            at = (at + 1) % tableSize;
        return at;
    }

    std::array<Slot, tableSize> slots_;
    int used_ = 0;
};

struct Layout {
    int colourType = PNG_COLOR_TYPE_RGB;
    int depth = 8;
    std::vector<png_color> palette;
};

// False when the picture has more colours than a palette holds.
bool countColours(const QImage &rgb, ColourTable &table)
{
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            if (!table.add(row[x] & rgbMask))
                return false;
    }
    return true;
}

// The fewest bits a grey sample needs so every level comes back exactly (a level at depth
// d is a multiple of 255 / (2^d - 1)); 0 when some pixel is not grey.
int greyDepth(const std::vector<ColourTable::Slot> &colours)
{
    int depth = 1;
    for (const ColourTable::Slot &entry : colours) {
        const int level = int(entry.colour & 0xff);
        if (qRgb(level, level, level) != (entry.colour | 0xff000000u))
            return 0;
        while (depth < 8 && level % (255 / ((1 << depth) - 1)) != 0)
            depth *= 2;
    }
    return depth;
}

// The fewest bits a pixel: grey wins a tie with a palette, as it needs no PLTE chunk.
Layout chooseLayout(const QImage &rgb, ColourTable &table)
{
    Layout layout;
    if (!countColours(rgb, table))
        return layout;
    const std::vector<ColourTable::Slot> colours = table.entries();
    const int grey = greyDepth(colours);
    const size_t count = colours.size();
    layout.depth = count <= 2 ? 1 : count <= 4 ? 2 : count <= 16 ? 4 : 8;
    if (grey != 0 && grey <= layout.depth) {
        layout.colourType = PNG_COLOR_TYPE_GRAY;
        layout.depth = grey;
        return layout;
    }
    layout.colourType = PNG_COLOR_TYPE_PALETTE;
    for (const ColourTable::Slot &entry : colours) {
        table.setIndex(entry.colour, int(layout.palette.size()));
        layout.palette.push_back({png_byte(qRed(entry.colour)), png_byte(qGreen(entry.colour)),
                                  png_byte(qBlue(entry.colour))});
    }
    return layout;
}

// One row as the file stores it before filtering.
void packRow(const QRgb *in, int width, const Layout &layout, const ColourTable &table, png_bytep out)
{
    if (layout.colourType == PNG_COLOR_TYPE_RGB) {
        for (int x = 0; x < width; ++x, out += 3) {
            out[0] = png_byte(qRed(in[x]));
            out[1] = png_byte(qGreen(in[x]));
            out[2] = png_byte(qBlue(in[x]));
        }
        return;
    }
    const int depth = layout.depth, perByte = 8 / depth;
    quint32 last = ~rgbMask; // no colour yet
    int sample = 0;
    for (int x = 0; x < width; ++x) {
        const quint32 colour = in[x] & rgbMask;
        if (colour != last) {
            sample = layout.colourType == PNG_COLOR_TYPE_GRAY ? int(colour & 0xff) >> (8 - depth)
                                                               : table.indexOf(colour);
            last = colour;
        }
        out[x / perByte] |= png_byte(sample << (8 - depth * (x % perByte + 1)));
    }
}

// One way of compressing the rows: the filters libpng may choose from, zlib's strategy
// and level. Always the largest window; memory level 9 gave larger files than 8 on every
// picture we tried.
struct Trial {
    int filters, strategy, level;
};

// The picture as libpng is handed it; plain C types, as it crosses the setjmp frame.
struct PngImage {
    png_uint_32 width, height;
    int colourType, depth;
    const png_color *palette;
    int paletteSize;
    png_bytepp rows;
    size_t idatBytes; // one IDAT chunk for the whole stream: each more costs 12 bytes
};

// One trial: libpng's frame and the file it writes into memory.
struct PngJob : pngFrame::PngFrame {
    png_bytep data; // the file so far, from malloc
    size_t size, capacity;
    size_t limit; // a trial that grows past the best so far cannot win: it stops there
};

void onWrite(png_structp png, png_bytep bytes, size_t length)
{
    PngJob *job = static_cast<PngJob *>(png_get_io_ptr(png));
    if (job->size + length > job->limit)
        png_error(png, "larger than the best so far");
    if (job->size + length > job->capacity) {
        const size_t capacity = std::max(2 * job->capacity, job->size + length + 4096);
        void *grown = std::realloc(job->data, capacity);
        if (!grown)
            png_error(png, "out of memory");
        job->data = static_cast<png_bytep>(grown);
        job->capacity = capacity;
    }
    std::memcpy(job->data + job->size, bytes, length);
    job->size += length;
}

void onFlush(png_structp) {} // libpng's own would take our job for a FILE

// One trial into job's buffer. Plain C types only in this frame: an error jumps back here.
bool writePng(PngJob *job, const PngImage *image, const Trial *trial)
{
    if (setjmp(job->jump))
        return false;
    if (!pngFrame::createWrite(*job))
        return false;
    png_set_write_fn(job->png, job, onWrite, onFlush);
    png_set_IHDR(job->png, job->info, image->width, image->height, image->depth, image->colourType,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (image->paletteSize > 0)
        png_set_PLTE(job->png, job->info, image->palette, image->paletteSize);
    png_set_filter(job->png, PNG_FILTER_TYPE_BASE, trial->filters);
    png_set_compression_level(job->png, trial->level);
    png_set_compression_mem_level(job->png, 8);
    png_set_compression_strategy(job->png, trial->strategy);
    png_set_compression_window_bits(job->png, 15);
    png_set_compression_buffer_size(job->png, image->idatBytes);
    png_write_info(job->png, job->info);
    png_write_image(job->png, image->rows);
    png_write_end(job->png, nullptr);
    return true;
}

// The trial's file when it beats best; empty otherwise or on any failure.
QByteArray runTrial(const PngImage &image, const Trial &trial, const QByteArray &best)
{
    PngJob job{};
    QByteArray file;
    {
        pngFrame::FrameOwner owner(job, pngFrame::Direction::Write);
        job.limit = best.isEmpty() ? ~size_t(0) : size_t(best.size()) - 1;
        if (writePng(&job, &image, &trial))
            file = QByteArray(reinterpret_cast<const char *>(job.data), qsizetype(job.size));
    }
    std::free(job.data);
    return file;
}

// Filters and compression by what the picture is made of. Flat art (windows, text,
// panels) stays unfiltered, so deflate sees its repeats, and gains most from level 9's
// long searches. Shaded and textured art is filtered and wants Z_FILTERED, where level 4
// did as well as 9 on our screenshots at a quarter of the time, or run-length matching.
constexpr Trial flat{PNG_FILTER_NONE, Z_DEFAULT_STRATEGY, 9};
constexpr Trial shaded{PNG_ALL_FILTERS, Z_FILTERED, 4};
constexpr Trial shadedRuns{PNG_ALL_FILTERS, Z_RLE, 9};
constexpr Trial shadedThorough{PNG_ALL_FILTERS, Z_FILTERED, 9};
// Up to this many bytes of rows a picture (an icon) is cheap enough to try every way in full.
constexpr size_t smallPicture = 64 * 1024;

// The smallest file of the trials into best (the first of equals); the index of its trial.
size_t smallest(const PngImage &image, const std::vector<Trial> &trials, QByteArray &best)
{
    size_t winner = 0;
    for (size_t i = 0; i < trials.size(); ++i) {
        QByteArray file = runTrial(image, trials[i], best);
        if (!file.isEmpty()) {
            best = std::move(file);
            winner = i;
        }
    }
    return winner;
}

// Bands of rows spread over the whole picture, a quarter of it: enough to tell which
// trial wins, as deflate looks back only 32 kB.
std::vector<png_bytep> sampleRows(const PngImage &image)
{
    constexpr png_uint_32 band = 16, every = 64;
    std::vector<png_bytep> rows;
    for (png_uint_32 r = 0; r < image.height; ++r)
        if (r % every < band)
            rows.push_back(image.rows[r]);
    return rows;
}

QByteArray compress(const PngImage &image, size_t rawBytes)
{
    // Packed samples below 8 bits are flat art: filters work on whole bytes and only blur them.
    if (image.depth < 8)
        return runTrial(image, flat, {});
    QByteArray best;
    if (rawBytes <= smallPicture) {
        smallest(image, {flat, shadedThorough, shadedRuns}, best);
        return best;
    }
    // The trials on a sample pick the one that runs in full.
    const std::vector<Trial> trials{flat, shaded, shadedRuns};
    std::vector<png_bytep> rows = sampleRows(image);
    PngImage sample = image;
    sample.height = png_uint_32(rows.size());
    sample.rows = rows.data();
    const Trial &winner = trials[smallest(sample, trials, best)];
    // A strip of a few rows is its own sample.
    return sample.height == image.height ? best : runTrial(image, winner, {});
}

// The pixels in this layout, compressed the best way we find.
QByteArray encodeAs(const QImage &rgb, const Layout &layout, const ColourTable &table)
{
    const int bitsPerPixel = layout.colourType == PNG_COLOR_TYPE_RGB ? 24 : layout.depth;
    const size_t rowBytes = (size_t(rgb.width()) * size_t(bitsPerPixel) + 7) / 8;
    std::vector<png_byte> bytes(rowBytes * size_t(rgb.height()), 0);
    std::vector<png_bytep> rows;
    for (int y = 0; y < rgb.height(); ++y) {
        rows.push_back(bytes.data() + rowBytes * size_t(y));
        packRow(reinterpret_cast<const QRgb *>(rgb.constScanLine(y)), rgb.width(), layout, table, rows.back());
    }
    const size_t rawBytes = bytes.size() + rows.size(); // a filter byte a row
    // Room for deflate's worst case, so the whole stream goes in one IDAT.
    const size_t idatBytes = std::min<size_t>(rawBytes + rawBytes / 100 + 1024, 1u << 30);
    const PngImage image{png_uint_32(rgb.width()), png_uint_32(rgb.height()), layout.colourType, layout.depth,
                         layout.palette.data(), int(layout.palette.size()), rows.data(), idatBytes};
    return compress(image, rawBytes);
}

QByteArray encodeRgb(const QImage &rgb)
{
    ColourTable table;
    const Layout layout = chooseLayout(rgb, table);
    QByteArray file = encodeAs(rgb, layout, table);
    // A palette of many colours can outweigh what it saves on a small picture (an icon
    // of smooth shading): there, RGB gets its turn too.
    const qint64 pixels = qint64(rgb.width()) * rgb.height();
    if (layout.colourType == PNG_COLOR_TYPE_PALETTE && layout.depth == 8 && 3 * pixels <= qint64(smallPicture)) {
        QByteArray direct = encodeAs(rgb, Layout{}, table);
        if (!direct.isEmpty() && (file.isEmpty() || direct.size() < file.size()))
            file = std::move(direct);
    }
    return file;
}

} // namespace

QByteArray encode(const QImage &picture)
{
    if (picture.isNull() || !imageLimits::acceptable(picture.width(), picture.height()))
        return {};
    // Read as the picture writer reads: the RGB of RGB32 and ARGB32 as they stand, any
    // other format converted first.
    const QImage rgb = picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
                           ? picture
                           : picture.convertToFormat(QImage::Format_RGB32);
    if (rgb.isNull())
        return {};
    try {
        return encodeRgb(rgb);
    } catch (const std::bad_alloc &) {
        return {};
    }
}

PictureResult save(const QImage &picture, const QString &fileName, oldFiles::Replaced *kept)
{
        if (picture.isNull())
        return PictureResult::failure(FileProblem::Code::EmptyPicture);
    const QByteArray bytes = encode(picture);
    if (bytes.isEmpty())
        return PictureResult::failure(imageLimits::acceptable(picture.width(), picture.height())
                                          ? FileProblem::Code::NoMemory
                                          : FileProblem::Code::TooLarge);

    textFiles::AtomicFile file(fileName);
    if (!file.open())
        return PictureResult::failure(file.problem());
    if (kept)
        file.keepReplaced();
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file.stream()) != size_t(bytes.size())) {
        const int error = errno ? errno : EIO;
        file.abandon();
        return PictureResult::failure(FileProblem::fromErrno(FileProblem::Code::CannotWrite, error));
    }
    // The new file must be on the disk before it takes the old one's name.
    if (!file.commit(textFiles::Durability::Synced))
        return PictureResult::failure(file.problem());
    if (kept)
        *kept = file.replaced();
    return {};
}

} // namespace smallPng
