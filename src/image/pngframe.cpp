#include "image/pngframe.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace pngFrame {
namespace {

[[noreturn]] void onError(png_structp png, png_const_charp message)
{
    auto *frame = static_cast<PngFrame *>(png_get_error_ptr(png));
    frame->errorNumber = errno;
    std::snprintf(frame->message, sizeof frame->message, "%s", message ? message : "libpng error");
    std::longjmp(frame->jump, 1);
}

void onWarning(png_structp, png_const_charp) {}

} // namespace

bool createWrite(PngFrame &frame)
{
    frame.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &frame, onError, onWarning);
    if (frame.png)
        frame.info = png_create_info_struct(frame.png);
    return frame.png && frame.info;
}

bool createRead(PngFrame &frame)
{
    frame.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &frame, onError, onWarning);
    if (frame.png) {
        frame.info = png_create_info_struct(frame.png);
        frame.endInfo = png_create_info_struct(frame.png);
    }
    return frame.png && frame.info && frame.endInfo;
}

FrameOwner::FrameOwner(PngFrame &frame, Direction direction) : frame_(frame), direction_(direction)
{
    std::memset(&frame_, 0, sizeof frame_);
}

FrameOwner::~FrameOwner()
{
    if (!frame_.png)
        return;
    if (direction_ == Direction::Write)
        png_destroy_write_struct(&frame_.png, &frame_.info);
    else
        png_destroy_read_struct(&frame_.png, &frame_.info, &frame_.endInfo);
}

} // namespace pngFrame
