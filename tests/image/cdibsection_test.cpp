#include "image/cdibsection.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Every pixel different, so a misplaced row or column shows.
QImage numberedPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(10 + x, 100 + y, 200 + x + y));
    return picture;
}

// The blue-green-red bytes of picture pixel (x, y) as the buffer stores them.
QRgb storedPixel(const cDIBSection &dib, int x, int y)
{
    const uchar *p = dib.DIBSectionBitsPtr() + qsizetype(dib.Height() - 1 - y) * dib.BytesPerScanLine() + 3 * x;
    return qRgb(p[2], p[1], p[0]);
}

} // namespace

TEST(cDIBSection, RowsArePaddedToFourBytes)
{
    const struct {
        int width;
        int stride;
    } cases[] = {{1, 4}, {4, 12}, {5, 16}, {6, 20}, {7, 24}, {33, 100}};
    for (const auto &c : cases) {
        cDIBSection dib;
        ASSERT_TRUE(dib.Create(c.width, 3)) << c.width;
        EXPECT_EQ(dib.BytesPerScanLine(), c.stride) << c.width;
        EXPECT_EQ(cDIBSection::BytesPerScanLine(c.width), c.stride) << c.width;
        EXPECT_EQ(dib.Width(), c.width);
        EXPECT_EQ(dib.Height(), 3);
        // The whole padded buffer is ours to touch: every byte of every stored row.
        std::memset(dib.DIBSectionBitsPtr(), 0x5A, size_t(c.stride) * 3);
    }
}

TEST(cDIBSection, CreateRefusesEmptySizesAndReplacesTheOldBuffer)
{
    cDIBSection dib;
    ASSERT_TRUE(dib.Create(8, 4));
    for (const auto &[w, h] : {std::pair{0, 4}, std::pair{4, 0}, std::pair{-1, 3}, std::pair{3, -5}}) {
        EXPECT_FALSE(dib.Create(w, h)) << w << "x" << h;
        EXPECT_FALSE(dib.isLive());
        EXPECT_EQ(dib.DIBSectionBitsPtr(), nullptr);
        EXPECT_EQ(dib.Width(), 0);
        EXPECT_EQ(dib.Height(), 0);
        ASSERT_TRUE(dib.Create(8, 4)); // usable again afterwards
    }
    ASSERT_TRUE(dib.Create(2, 9));
    EXPECT_EQ(dib.Width(), 2);
    EXPECT_EQ(dib.Height(), 9);
    EXPECT_TRUE(dib.toPicture().size() == QSize(2, 9));
    dib.ClearUp();
    EXPECT_FALSE(dib.isLive());
    EXPECT_TRUE(dib.toPicture().isNull());
}

TEST(cDIBSection, StoresRowsBottomUpAsBlueGreenRed)
{
    const QImage picture = numberedPicture(5, 3);
    cDIBSection dib;
    ASSERT_TRUE(dib.CreateFromPicture(picture));

    // The first stored bytes are the bottom-left pixel, blue first.
    const uchar *bits = dib.DIBSectionBitsPtr();
    EXPECT_EQ(bits[0], 200 + 0 + 2);
    EXPECT_EQ(bits[1], 100 + 2);
    EXPECT_EQ(bits[2], 10 + 0);
    // The top row begins (height - 1) strides further on.
    const uchar *top = bits + 2 * 16;
    EXPECT_EQ(top[3 * 4 + 0], 200 + 4);
    EXPECT_EQ(top[3 * 4 + 1], 100);
    EXPECT_EQ(top[3 * 4 + 2], 10 + 4);
    EXPECT_EQ(dib.rowOfPicture(0), top);

    // Out again unchanged, whatever format the picture came in.
    EXPECT_EQ(dib.toPicture(), picture);
    for (const QImage::Format format : {QImage::Format_RGB888, QImage::Format_ARGB32_Premultiplied,
                                        QImage::Format_RGB16, QImage::Format_Indexed8}) {
        const QImage converted = picture.convertToFormat(format);
        ASSERT_TRUE(dib.CreateFromPicture(converted));
        EXPECT_EQ(dib.toPicture(), converted.convertToFormat(QImage::Format_RGB32)) << format;
    }

    // Alpha carries no meaning in the buffer: the colour stays, the transparency goes.
    QImage translucent(2, 1, QImage::Format_ARGB32);
    translucent.setPixel(0, 0, qRgba(12, 34, 56, 0));
    translucent.setPixel(1, 0, qRgba(200, 150, 100, 128));
    ASSERT_TRUE(dib.CreateFromPicture(translucent));
    EXPECT_EQ(storedPixel(dib, 0, 0), qRgb(12, 34, 56));
    EXPECT_EQ(storedPixel(dib, 1, 0), qRgb(200, 150, 100));
}

TEST(cDIBSection, LoadPictureBltCopiesTheBufferSizeFromTheSourceCorner)
{
    const QImage source = numberedPicture(10, 8);
    cDIBSection dib;
    ASSERT_TRUE(dib.Create(4, 3));

    // -1, -1: exactly the buffer's 4 x 3, from the source's top-left corner.
    dib.LoadPictureBlt(source, 0, 0, -1, -1);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(storedPixel(dib, x, y), source.pixel(x, y)) << x << "," << y;

    // From an offset.
    dib.LoadPictureBlt(source, 5, 4, -1, -1);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(storedPixel(dib, x, y), source.pixel(5 + x, 4 + y)) << x << "," << y;

    // Whatever lies outside the source arrives black, on every side.
    for (const auto &[left, top] : {std::pair{8, 6}, std::pair{-2, -1}, std::pair{20, 0}, std::pair{0, -9}}) {
        std::memset(dib.DIBSectionBitsPtr(), 0xAB, size_t(dib.BytesPerScanLine()) * 3);
        dib.LoadPictureBlt(source, left, top, -1, -1);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x) {
                const int sx = left + x, sy = top + y;
                const bool inside = sx >= 0 && sx < 10 && sy >= 0 && sy < 8;
                EXPECT_EQ(storedPixel(dib, x, y), inside ? source.pixel(sx, sy) : qRgb(0, 0, 0))
                    << left << "," << top << ": " << x << "," << y;
            }
    }

    // A smaller explicit size leaves the rest of the buffer alone.
    std::memset(dib.DIBSectionBitsPtr(), 0xAB, size_t(dib.BytesPerScanLine()) * 3);
    dib.LoadPictureBlt(source, 0, 0, 2, 1);
    EXPECT_EQ(storedPixel(dib, 1, 0), source.pixel(1, 0));
    EXPECT_EQ(storedPixel(dib, 2, 0), qRgb(0xAB, 0xAB, 0xAB));
    EXPECT_EQ(storedPixel(dib, 0, 1), qRgb(0xAB, 0xAB, 0xAB));
}

TEST(cDIBSection, PaintPictureClipsToBothPictures)
{
    cDIBSection dib;
    ASSERT_TRUE(dib.CreateFromPicture(numberedPicture(4, 3)));
    const QRgb white = qRgb(255, 255, 255);

    // Each case: where the buffer lands, from where, and how much; pixels that fall outside
    // either picture are skipped, and the destination keeps what it had there.
    const struct {
        int left, top, width, height, sourceLeft, sourceTop;
    } cases[] = {
        {0, 0, -1, -1, 0, 0},   // whole buffer
        {3, 3, -1, -1, 0, 0},   // runs off the bottom-right
        {-2, -1, -1, -1, 0, 0}, // starts off the top-left
        {1, 0, 10, 10, 1, 1},   // asks for more than the buffer holds
        {0, 0, 2, 2, -1, 2},    // source rectangle partly before and below the buffer
        {9, 0, -1, -1, 0, 0},   // entirely outside
    };
    for (const auto &c : cases) {
        QImage destination(5, 5, QImage::Format_RGB32);
        destination.fill(white);
        dib.PaintPicture(destination, c.left, c.top, c.width, c.height, c.sourceLeft, c.sourceTop);
        const int w = c.width < 0 ? 4 : c.width, h = c.height < 0 ? 3 : c.height;
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 5; ++x) {
                const int bx = x - c.left + c.sourceLeft, by = y - c.top + c.sourceTop;
                const bool painted = x >= c.left && x < c.left + w && y >= c.top && y < c.top + h && bx >= 0
                                  && bx < 4 && by >= 0 && by < 3;
                EXPECT_EQ(destination.pixel(x, y), painted ? qRgb(10 + bx, 100 + by, 200 + bx + by) : white)
                    << c.left << "," << c.top << " from " << c.sourceLeft << "," << c.sourceTop << ": " << x << ","
                    << y;
            }
    }
}
