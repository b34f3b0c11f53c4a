#include "image/pngcodec.h"

#include "common/atomicfile.h"
#include "common/fileplatform.h"
#include "image/cdibsection.h"
#include "image/imagelimits.h"
#include "image/pngframe.h"

#include <QFile>

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace modPNG {
namespace {

using namespace pngFrame;

// One save or load: libpng's frame, and the size of the picture it decodes.
struct PngJob : PngFrame {
    png_uint_32 width; // of the decoded picture
    png_uint_32 height;
    size_t rowBytes;
};

// The whole libpng side of a save: 8-bit RGB with sBIT, default filters and compression,
// the rows handed over as blue-green-red (top row first in rows). Plain C types only in
// this frame, because an error jumps back here.
bool encodeImage(PngJob *job, FILE *out, png_bytepp rows)
{
    if (setjmp(job->jump))
        return false;
    if (!createWrite(*job))
        return false;

    png_init_io(job->png, out);
    png_set_IHDR(job->png, job->info, job->width, job->height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_color_8 significant;
    std::memset(&significant, 0, sizeof significant);
    significant.red = significant.green = significant.blue = 8;
    png_set_sBIT(job->png, job->info, &significant);
    png_write_info(job->png, job->info);
    png_set_bgr(job->png);
    png_write_image(job->png, rows);
    png_write_end(job->png, job->info);
    return true;
}

// First half of a load: the header, and the transforms that turn every kind of PNG
// (palette, grey, 16-bit, alpha, tRNS, interlaced) into 8-bit blue-green-red rows.
// Sides beyond the decoding limit are refused by libpng before any image memory exists.
bool readHeader(PngJob *job, FILE *in)
{
    if (setjmp(job->jump))
        return false;
    if (!createRead(*job))
        return false;

    png_init_io(job->png, in);
    png_set_sig_bytes(job->png, 8);
    png_set_user_limits(job->png, imageLimits::maxSide, imageLimits::maxSide);
    png_read_info(job->png, job->info);

    png_set_expand(job->png);
    if ((png_get_color_type(job->png, job->info) & PNG_COLOR_MASK_COLOR) == 0)
        png_set_gray_to_rgb(job->png);
    png_set_strip_16(job->png);
    png_set_strip_alpha(job->png);
    png_set_bgr(job->png);
    png_set_interlace_handling(job->png);
    png_read_update_info(job->png, job->info);

    job->width = png_get_image_width(job->png, job->info);
    job->height = png_get_image_height(job->png, job->info);
    job->rowBytes = png_get_rowbytes(job->png, job->info);
    return true;
}

// Second half: decode every row straight into place and check the rest of the file.
bool readImage(PngJob *job, png_bytepp rows)
{
    if (setjmp(job->jump))
        return false;
    png_read_image(job->png, rows);
    png_read_end(job->png, job->endInfo);
    return true;
}

// File row r (0 = top) lives in stored row H-1-r of the bottom-up buffer.
std::vector<png_bytep> topDownRows(cDIBSection &dib)
{
    std::vector<png_bytep> rows(size_t(dib.Height()));
    for (int r = 0; r < dib.Height(); ++r)
        rows[size_t(r)] = dib.rowOfPicture(r);
    return rows;
}

FileProblem writeProblem(const PngJob &job)
{
    if (job.errorNumber != 0)
        return FileProblem::fromErrno(FileProblem::Code::CannotWrite, job.errorNumber);
    return {FileProblem::Code::CannotWrite, QString::fromLatin1(job.message)};
}

} // namespace

bool SavePNG(const QImage &picture, const QString &fileName, FileProblem *problem, oldFiles::Replaced *kept)
{
    const auto fail = [problem](FileProblem why) {
        if (problem)
            *problem = std::move(why);
        return false;
    };
    if (picture.width() <= 0 || picture.height() <= 0)
        return fail({FileProblem::Code::EmptyPicture, {}});

    cDIBSection dib;
    if (!dib.CreateFromPicture(picture))
        return fail({FileProblem::Code::NoMemory, {}});
    std::vector<png_bytep> rows = topDownRows(dib);

    textFiles::AtomicFile file(fileName);
    if (!file.open())
        return fail(file.problem());
    if (kept)
        file.keepReplaced();

    PngJob job{};
    bool encoded;
    {
        FrameOwner owner(job, Direction::Write);
        job.width = png_uint_32(dib.Width());
        job.height = png_uint_32(dib.Height());
        errno = 0;
        encoded = encodeImage(&job, file.stream(), rows.data());
    }
    if (!encoded) {
        file.abandon();
        return fail(writeProblem(job));
    }
    // The new file must be on the disk before it takes the old one's name.
    if (!file.commit(textFiles::Durability::Synced))
        return fail(file.problem());
    if (kept)
        *kept = file.replaced();
    return true;
}

bool LoadPNG(FILE *stream, QImage &picture)
{
    if (!stream)
        return false;
    png_byte signature[8];
    if (std::fread(signature, 1, sizeof signature, stream) != sizeof signature
        || png_sig_cmp(signature, 0, sizeof signature) != 0)
        return false;

    PngJob job{};
    FrameOwner owner(job, Direction::Read);
    if (!readHeader(&job, stream))
        return false;
    // The picture ends up both in the buffer and in a 32-bit QImage; refuse sizes that
    // would cost more than the limit allows before asking for any of it.
    if (!imageLimits::acceptable(job.width, job.height) || job.rowBytes != size_t(3) * job.width)
        return false;

    cDIBSection dib;
    if (!dib.Create(int(job.width), int(job.height)))
        return false;
    std::vector<png_bytep> rows = topDownRows(dib);
    if (!readImage(&job, rows.data()))
        return false;

    QImage decoded = dib.toPicture();
    if (decoded.isNull())
        return false;
    picture = std::move(decoded);
    return true;
}

bool LoadPNG(const QString &fileName, QImage &picture)
{
    FILE *stream = filePlatform::openForReading(fileName);
    if (!stream)
        return false;
    const bool loaded = LoadPNG(stream, picture);
    std::fclose(stream);
    return loaded;
}

} // namespace modPNG
