#pragma once
// The in-memory picture the codecs work on: 24-bit rows of blue, green, red, each padded
// to a multiple of 4 bytes and stored bottom-up (the first stored row is the bottom row
// of the picture). Encoders are handed these rows directly, so the layout is binding.
// A picture (QImage) stands for the drawing context pictures are copied in from and out to.

#include <QImage>
#include <memory>

class cDIBSection {
public:
    // The one raster operation the program uses: a plain copy.
    enum class RasterOp { SourceCopy };

    cDIBSection() = default;
    ~cDIBSection() = default;
    cDIBSection(const cDIBSection &) = delete;
    cDIBSection &operator=(const cDIBSection &) = delete;

    // Releases any old buffer first; false (and empty) for a size of 0 or less or when
    // the memory cannot be had.
    bool Create(int width, int height);
    // Create at the picture's size and copy the whole picture in.
    bool CreateFromPicture(const QImage &picture);

    static int BytesPerScanLine(int width) { return (3 * width + 3) & ~3; }
    int BytesPerScanLine() const { return BytesPerScanLine(width_); }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Copies source (left, top, width, height) to the buffer's (0, 0). A negative width or
    // height stands for the buffer's own. Source pixels outside the picture copy as black.
    void LoadPictureBlt(const QImage &source, int sourceLeft, int sourceTop, int sourceWidth, int sourceHeight,
                        RasterOp op = RasterOp::SourceCopy);
    // Copies the buffer's (sourceLeft, sourceTop) to destination (left, top), width by height
    // (the buffer's own where negative), clipped to the destination.
    void PaintPicture(QImage &destination, int left, int top, int width, int height, int sourceLeft = 0,
                      int sourceTop = 0, RasterOp op = RasterOp::SourceCopy) const;
    // The buffer as a new picture (RGB32) of its own size.
    QImage toPicture() const;

    // The first stored row, i.e. the bottom row of the picture; null while empty.
    uchar *DIBSectionBitsPtr() { return bits_.get(); }
    const uchar *DIBSectionBitsPtr() const { return bits_.get(); }
    // The stored row holding picture row y (0 = top).
    uchar *rowOfPicture(int y) { return bits_.get() + qsizetype(height_ - 1 - y) * BytesPerScanLine(); }
    const uchar *rowOfPicture(int y) const { return bits_.get() + qsizetype(height_ - 1 - y) * BytesPerScanLine(); }

    bool isLive() const { return bits_ != nullptr; }
    void ClearUp();

private:
    std::unique_ptr<uchar[]> bits_;
    int width_ = 0;
    int height_ = 0;
};
