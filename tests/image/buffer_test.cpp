// The pixel buffer every codec works on.

#include "image/cdibsection.h"
#include "support.h"

#include <cstring>

namespace {

// Every pixel different, so a misplaced row or column shows.
QImage numbered(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(10 + x, 100 + y, 200 + x + y));
    return picture;
}

// The blue-green-red bytes of picture pixel (x, y) as the buffer stores them.
QRgb stored(const cDIBSection &dib, int x, int y)
{
    const uchar *p = dib.rowOfPicture(y) + 3 * x;
    return qRgb(p[2], p[1], p[0]);
}

} // namespace

TEST(cDIBSection, RowsArePaddedBottomUpBlueGreenRedAndEmptySizesRefused)
{
    cDIBSection dib;
    for (const auto &[width, stride] : {std::pair{1, 4}, {4, 12}, {5, 16}, {6, 20}, {7, 24}, {33, 100}}) {
        ASSERT_TRUE(dib.Create(width, 3)) << width;
        EXPECT_EQ(dib.BytesPerScanLine(), stride) << width;
        EXPECT_EQ(QSize(dib.Width(), dib.Height()), QSize(width, 3));
        std::memset(dib.DIBSectionBitsPtr(), 0x5A, size_t(stride) * 3); // every padded byte is ours
    }
    for (const auto &[w, h] : {std::pair{0, 4}, {4, 0}, {-1, 3}, {3, -5}, {1 << 28, 1}}) {
        ASSERT_TRUE(dib.Create(8, 4));
        EXPECT_FALSE(dib.Create(w, h)) << w << "x" << h;
        EXPECT_FALSE(dib.isLive());
        EXPECT_EQ(dib.DIBSectionBitsPtr(), nullptr);
        EXPECT_EQ(QSize(dib.Width(), dib.Height()), QSize(0, 0));
        EXPECT_TRUE(dib.toPicture().isNull());
    }
    ASSERT_TRUE(dib.Create(8, 4));
    EXPECT_FALSE(dib.CreateFromPicture(QImage()));
    EXPECT_FALSE(dib.isLive());
    // The first stored bytes are the bottom-left pixel, blue first.
    const QImage picture = numbered(5, 3);
    ASSERT_TRUE(dib.CreateFromPicture(picture));
    const uchar *bits = dib.DIBSectionBitsPtr();
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(bits), 3), QByteArray("\xCA\x66\x0A", 3));
    EXPECT_EQ(dib.rowOfPicture(0), bits + 2 * 16);
    EXPECT_EQ(dib.toPicture(), picture);
    for (const QImage::Format format :
        {QImage::Format_RGB888, QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB16, QImage::Format_Indexed8}) {
        const QImage converted = picture.convertToFormat(format);
        ASSERT_TRUE(dib.CreateFromPicture(converted));
        EXPECT_EQ(dib.toPicture(), converted.convertToFormat(QImage::Format_RGB32)) << format;
    }
    // Alpha means nothing in the buffer: the colour stays, the transparency goes.
    QImage translucent(2, 1, QImage::Format_ARGB32);
    translucent.setPixel(0, 0, qRgba(12, 34, 56, 0));
    translucent.setPixel(1, 0, qRgba(200, 150, 100, 128));
    ASSERT_TRUE(dib.CreateFromPicture(translucent));
    EXPECT_EQ(stored(dib, 0, 0), qRgb(12, 34, 56));
    EXPECT_EQ(stored(dib, 1, 0), qRgb(200, 150, 100));
}

TEST(cDIBSection, LoadPictureBltCopiesFromTheSourceCornerAndBlackensWhatLiesOutside)
{
    const QImage source = numbered(10, 8);
    cDIBSection dib;
    ASSERT_TRUE(dib.Create(4, 3));
    const std::tuple<int, int, int, int> cases[] = {{0, 0, -1, -1}, {5, 4, -1, -1}, {8, 6, -1, -1}, {-2, -1, -1, -1},
        {20, 0, -1, -1}, {0, -9, -1, -1}, {1, 1, 2, 1}, {0, 0, 9, 9}};
    for (const auto &[left, top, width, height] : cases) {
        std::memset(dib.DIBSectionBitsPtr(), 0xAB, size_t(dib.BytesPerScanLine()) * 3);
        dib.LoadPictureBlt(source, left, top, width, height);
        const int w = width < 0 ? 4 : std::min(width, 4), h = height < 0 ? 3 : std::min(height, 3);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x) {
                const QPoint from(left + x, top + y);
                const QRgb want = x >= w || y >= h ? qRgb(0xAB, 0xAB, 0xAB) // left alone
                    : source.rect().contains(from) ? source.pixel(from)
                                                   : qRgb(0, 0, 0);
                EXPECT_EQ(stored(dib, x, y), want) << left << "," << top << ": " << x << "," << y;
            }
    }
}

TEST(cDIBSection, PaintPictureClipsToBothPicturesAndTouchesNothingElse)
{
    cDIBSection dib;
    ASSERT_TRUE(dib.CreateFromPicture(numbered(4, 3)));
    const QRgb white = qRgb(255, 255, 255);
    const std::tuple<int, int, int, int, int, int> cases[] = {
        {0, 0, -1, -1, 0, 0}, {3, 3, -1, -1, 0, 0}, {1, 4, -1, -1, 0, 0}, // over the right and bottom edges
        {-2, -1, -1, -1, 0, 0}, {1, 0, 10, 10, 1, 1}, {0, 0, 2, 2, -1, 2}, {0, 0, 4, 3, 3, 0}, {9, 0, -1, -1, 0, 0},
        {0, 0, 4, 0, 0, 0}, {0, 0, 0, 3, 0, 0} // nothing at all
    };
    for (const auto &[left, top, width, height, sourceLeft, sourceTop] : cases) {
        // A row past the destination's end shows any write beyond its last row.
        std::vector<QRgb> memory(5 * 6, white);
        QImage destination(reinterpret_cast<uchar *>(memory.data()), 5, 5, 5 * 4, QImage::Format_RGB32);
        dib.PaintPicture(destination, left, top, width, height, sourceLeft, sourceTop);
        const int w = width < 0 ? 4 : width, h = height < 0 ? 3 : height;
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 5; ++x) {
                const int bx = x - left + sourceLeft, by = y - top + sourceTop;
                const bool painted = y < 5 && x >= left && x < left + w && y >= top && y < top + h && bx >= 0 && bx < 4
                    && by >= 0 && by < 3;
                EXPECT_EQ(memory[size_t(5 * y + x)], painted ? qRgb(10 + bx, 100 + by, 200 + bx + by) : white)
                    << left << "," << top << " from " << sourceLeft << "," << sourceTop << ": " << x << "," << y;
            }
    }
}
