#pragma once
// The frame every libpng call of ours runs in. libpng reports an error by jumping back
// with longjmp, so what it touches holds only plain C types and lives in the caller's
// frame: the jump then skips no destructor. A job type derives from PngFrame and adds its
// own plain fields.

#include <png.h>

#include <csetjmp>

namespace pngFrame {

struct PngFrame {
    std::jmp_buf jump;
    png_structp png;
    png_infop info;
    png_infop endInfo; // a read's only
    int errorNumber;   // errno when libpng gave up: a failed write says why
    char message[128]; // libpng's own words otherwise
};

// The write or read structures, with our error handling (never an exit, never a print);
// false when there is no memory for them. Call them after setjmp(frame.jump).
bool createWrite(PngFrame &frame);
bool createRead(PngFrame &frame);

enum class Direction { Write, Read };

// Clears the frame, and frees libpng's structures on every way out of a call.
class FrameOwner {
public:
    FrameOwner(PngFrame &frame, Direction direction);
    ~FrameOwner();
    FrameOwner(const FrameOwner &) = delete;
    FrameOwner &operator=(const FrameOwner &) = delete;

private:
    PngFrame &frame_;
    Direction direction_;
};

} // namespace pngFrame
