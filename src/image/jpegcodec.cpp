#include "image/jpegcodec.h"

#include "common/atomicfile.h"
#include "common/fileplatform.h"
#include "image/cdibsection.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

// The numbers appended to the error texts. Errors of libjpeg itself carry its message code
// (JERR_...). Errors of the file or of the call carry a negative errno, so the two ranges
// never meet: -2 (ENOENT) a missing folder, -20 (ENOTDIR) a path through a regular file,
// -21 (EISDIR) a folder where the file should be, -27 (EFBIG) or -28 (ENOSPC) a full
// disk, -22 (EINVAL) an empty picture, -12 (ENOMEM) no memory for the pixel buffer.

namespace mIntelJPEGLibrary {
namespace {

const char *const initFailedText = "Failed to initialise the IJL library: ";
const char *const saveFailedText = "Failed to save to JPG ";

QString errorSource()
{
    const QString program = QCoreApplication::instance()
                                ? QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName()
                                : QStringLiteral("quillmark");
    return program + QStringLiteral(".mIntelJPEGLibrary");
}

enum Stage : bool { Saving = false, Initialising = true };

[[noreturn]] void raiseError(Stage stage, int result)
{
    throw JpegError(stage, result);
}

// Everything below up to SaveJPG is plain C data and C-style functions: the functions
// that call setjmp hold no object with a destructor, so a longjmp skips nothing.

constexpr size_t outputChunk = 64 * 1024;

struct ErrorTrap {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

// libjpeg's own handler would end the process.
[[noreturn]] void trapError(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<ErrorTrap *>(cinfo->err)->jump, 1);
}

// Warnings are not errors for a writer and must not reach stderr.
void ignoreMessage(j_common_ptr) {}

// A destination writing to the open stream, remembering why a write failed so the error
// carries the system's reason rather than libjpeg's generic one.
struct StreamDestination {
    jpeg_destination_mgr pub;
    FILE *stream;
    JOCTET *buffer;
    int writeErrno;
};

void startDestination(j_compress_ptr cinfo)
{
    auto *dest = reinterpret_cast<StreamDestination *>(cinfo->dest);
    dest->pub.next_output_byte = dest->buffer;
    dest->pub.free_in_buffer = outputChunk;
}

void writeOut(j_compress_ptr cinfo, size_t count)
{
    auto *dest = reinterpret_cast<StreamDestination *>(cinfo->dest);
    errno = 0;
    if (count > 0 && std::fwrite(dest->buffer, 1, count, dest->stream) != count) {
        dest->writeErrno = errno ? errno : EIO;
        ERREXIT(cinfo, JERR_FILE_WRITE);
    }
}

boolean emptyDestination(j_compress_ptr cinfo)
{
    auto *dest = reinterpret_cast<StreamDestination *>(cinfo->dest);
    writeOut(cinfo, outputChunk);
    dest->pub.next_output_byte = dest->buffer;
    dest->pub.free_in_buffer = outputChunk;
    return TRUE;
}

void termDestination(j_compress_ptr cinfo)
{
    writeOut(cinfo, outputChunk - cinfo->dest->free_in_buffer);
}

struct Encoder {
    jpeg_compress_struct cinfo;
    ErrorTrap trap;
    StreamDestination dest;
};

// The code of the error that stopped libjpeg.
int failureCode(const Encoder *e)
{
    return e->dest.writeErrno ? -e->dest.writeErrno : e->trap.pub.msg_code;
}

// 0, or the code of the failure (the encoder is then already destroyed).
int createEncoder(Encoder *e)
{
    std::memset(e, 0, sizeof *e);
    e->cinfo.err = jpeg_std_error(&e->trap.pub);
    e->trap.pub.error_exit = trapError;
    e->trap.pub.output_message = ignoreMessage;
    if (setjmp(e->trap.jump)) {
        const int code = failureCode(e);
        jpeg_destroy_compress(&e->cinfo);
        return code;
    }
    jpeg_create_compress(&e->cinfo);
    return 0;
}

// Encodes the buffer (stored bottom-up, padded rows) to the stream: 0 or the failure code.
// The encoder stays alive either way; the caller destroys it.
int encodeBuffer(Encoder *e, const cDIBSection *dib, int quality, FILE *stream, JOCTET *chunk)
{
    if (setjmp(e->trap.jump))
        return failureCode(e);
    jpeg_compress_struct *cinfo = &e->cinfo;
    e->dest.pub.init_destination = startDestination;
    e->dest.pub.empty_output_buffer = emptyDestination;
    e->dest.pub.term_destination = termDestination;
    e->dest.stream = stream;
    e->dest.buffer = chunk;
    e->dest.writeErrno = 0;
    cinfo->dest = &e->dest.pub;

    cinfo->image_width = JDIMENSION(dib->Width());
    cinfo->image_height = JDIMENSION(dib->Height());
    cinfo->input_components = 3;
    cinfo->in_color_space = JCS_EXT_BGR; // the buffer's byte order, taken as it is
    jpeg_set_defaults(cinfo);
    jpeg_set_quality(cinfo, quality, TRUE);
    jpeg_start_compress(cinfo, TRUE);

    // Row pointers skip the padding and walk the stored rows from the picture's top down.
    enum { batch = 32 };
    JSAMPROW rows[batch];
    while (cinfo->next_scanline < cinfo->image_height) {
        const int first = int(cinfo->next_scanline);
        const int count = std::min(int(batch), dib->Height() - first);
        for (int i = 0; i < count; ++i)
            rows[i] = const_cast<JSAMPROW>(dib->rowOfPicture(first + i));
        jpeg_write_scanlines(cinfo, rows, JDIMENSION(count));
    }
    jpeg_finish_compress(cinfo);
    return 0;
}

// Frees the encoder however far it got.
struct EncoderRelease {
    Encoder *encoder;
    ~EncoderRelease() { jpeg_destroy_compress(&encoder->cinfo); }
};

} // namespace

JpegError::JpegError(bool duringInit, int result)
    : std::runtime_error(std::string(duringInit ? initFailedText : saveFailedText) + std::to_string(result)),
      duringInit_(duringInit), result_(result), source_(errorSource()), description_(QString::fromLatin1(what()))
{
}

namespace {

// Everything on the stream, and the old file's times on it when it replaces one. Flushed
// first, or the last write would give it a new time.
void finishWrite(FILE *stream, const std::optional<filePlatform::Times> &old)
{
    errno = 0;
    if (std::fflush(stream) != 0)
        raiseError(Saving, -(errno ? errno : EIO));
    if (old && !filePlatform::setTimes(stream, *old))
        raiseError(Saving, -errno);
}

} // namespace

bool SaveJPG(const QImage &picture, const QString &fileName, int quality, oldFiles::Replaced *kept)
{
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0)
        raiseError(Saving, -EINVAL);
    cDIBSection dib;
    if (!dib.CreateFromPicture(picture))
        raiseError(Saving, -ENOMEM);

    auto encoder = std::make_unique<Encoder>();
    if (const int code = createEncoder(encoder.get()); code != 0)
        raiseError(Initialising, code);
    EncoderRelease release{encoder.get()};

    // The replacement is to look as old as the file it replaces: access and modification
    // times here, permissions through AtomicFile. Linux offers no way to set the creation
    // (birth) time, so that one is the new file's own.
    const std::optional<filePlatform::Times> old = filePlatform::timesOf(fileName);

    textFiles::AtomicFile file(fileName);
    if (!file.open())
        raiseError(Saving, -file.errorNumber());
    if (kept)
        file.keepReplaced();

    std::vector<JOCTET> chunk(outputChunk);
    if (const int code = encodeBuffer(encoder.get(), &dib, std::clamp(quality, 1, 100), file.stream(),
                                      chunk.data());
        code != 0)
        raiseError(Saving, code);

    finishWrite(file.stream(), old);
    if (!file.commit(textFiles::Durability::Synced))
        raiseError(Saving, -file.errorNumber());
    if (kept)
        *kept = file.replaced();
    return true;
}

} // namespace mIntelJPEGLibrary
