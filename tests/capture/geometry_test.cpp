#include "capture/cropgeometry.h"
#include "capture/devicepixels.h"
#include "capture/extractgeometry.h"
#include "support.h"

#include <climits>
#include <limits>

using namespace capture;
using testsupport::noise;

TEST(ExtractGeometry, IconAndPanelRectanglesAndWhatACutHolds)
{
    const IconOffsets defaults, trained{200, 10};
    const std::tuple<int, bool, IconOffsets, QRect> cases[]
        = {{1024, true, defaults, {968, 65, 32, 32}}, {1024, false, defaults, {965, 94, 32, 32}},
            {800, false, trained, {600, 10, 32, 32}}, {800, true, trained, {744, 65, 32, 32}}};
    for (const auto &[width, fullScreen, offsets, icon] : cases) {
        EXPECT_EQ(iconRect(width, fullScreen, offsets), icon);
        EXPECT_EQ(panelRect(width, 120, fullScreen, offsets), QRect(icon.topLeft() - QPoint(244, 38), QSize(300, 120)));
    }
    // The smallest screenshot a cut holds whole; what lies past the right or top edge whatever
    // the size does not count.
    const std::tuple<int, bool, IconOffsets, bool, QSize> needs[] = {{300, true, defaults, true, {300, 327}},
        {100, false, defaults, true, {303, 156}}, {50, false, defaults, true, {303, 126}},
        {50, false, defaults, false, {303, 106}}, {300, false, trained, true, {444, 272}},
        {300, false, {20, 94}, true, {264, 356}}, {20, false, {59, 5}, false, {303, 0}}};
    for (const auto &[height, fullScreen, offsets, withIcon, size] : needs)
        EXPECT_EQ(extractionNeeds(height, fullScreen, offsets, withIcon), size) << height << " " << offsets.left;
    for (const auto &[height, twips] :
        {std::pair{300, 9100}, {1000, 16020}, {-40, 9100}, {30000, 451020}, {INT_MAX, INT_MAX}})
        EXPECT_EQ(windowHeightTwipsForPanel(height), twips) << height;
    const QImage picture = noise(100, 80);
    for (const QRect rect :
        {QRect(90, -5, 20, 10), QRect(-3, 70, 5, 20), QRect(500, 500, 3, 3), QRect(10, 10, 80, 60)}) {
        const QImage cut = cutRect(picture, rect);
        EXPECT_EQ(cut.format(), QImage::Format_RGB32);
        EXPECT_EQ(testsupport::cutMismatch(cut, picture, rect), QString());
        EXPECT_EQ(cutRect(picture.convertToFormat(QImage::Format_RGB888), rect), cut);
    }
    EXPECT_TRUE(cutRect(picture, QRect(10, 10, 0, 5)).isNull());
    EXPECT_TRUE(cutRect(picture, QRect(10, 10, 5, 0)).isNull());
    EXPECT_EQ(testsupport::cutMismatch(cutRect(QImage(), QRect(0, 0, 2, 2)), QImage(), QRect(0, 0, 2, 2)), QString());
}

TEST(IconTraining, TheFrameOverTheViewCutsWhatTheTrainedOffsetsCut)
{
    const QPoint frame = trainingFrameAt({290, 110});
    EXPECT_EQ(frame, QPoint(274, 94));
    const IconOffsets offsets = offsetsFromFrame(320, frame);
    EXPECT_EQ(QPoint(offsets.left, offsets.top), QPoint(46, 94));
    const QImage screenshot = noise(1024, 200);
    const QImage view = trainingView(screenshot, {320, 240});
    EXPECT_EQ(testsupport::cutMismatch(view, screenshot, {704, 0, 320, 240}), QString());
    EXPECT_EQ(cutRect(screenshot, iconRect(1024, false, offsets)), cutRect(view, QRect(frame, QSize(32, 32))));
    const QImage narrow = noise(200, 50, 2);
    EXPECT_EQ(testsupport::cutMismatch(trainingView(narrow, {320, 140}), narrow, {-120, 0, 320, 140}), QString());
    for (const QPoint at : {frame, QPoint(310, -4), QPoint(-20, 230)}) {
        const QImage big = magnifiedFrame(view, at);
        ASSERT_EQ(big.size(), QSize(64, 64));
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                const QPoint shown = at + QPoint(x / 2, y / 2);
                ASSERT_EQ(big.pixel(x, y), view.rect().contains(shown) ? view.pixel(shown) : qRgb(0, 0, 0))
                    << x << "," << y;
            }
    }
}

TEST(CropGeometry, CaptionsRectanglesAndWindowSizes)
{
    const std::tuple<const char *, std::optional<QSize>> captions[]
        = {{"300 100", QSize(300, 100)}, {"032 032", QSize(32, 32)}, {" 50   80 ", QSize(50, 80)},
            {"2.5 3.5", QSize(2, 4)}, {"1 1", QSize(1, 1)}, {"300", {}}, {"1 2 3", {}}, {"abc def", {}}, {"", {}},
            {"   ", {}}, {"0 50", {}}, {"50 -1", {}}, {"0.4 10", {}}, {"300\t100", {}}, {"99999 5", {}}};
    for (const auto &[caption, size] : captions)
        EXPECT_EQ(cropSizeFromCaption(caption), size) << caption;
    EXPECT_EQ(cropSizeFromCaption(cropCaption(7, 1234)), QSize(7, 1234));
    EXPECT_EQ(fixedCropRect({500, 400}, {300, 100}), QRect(200, 300, 300, 100)); // the pointer at its bottom right
    EXPECT_EQ(fixedCropRect({10, 5}, {32, 32}), QRect(-22, -27, 32, 32));
    EXPECT_EQ(stretchedRect({100, 100}, {40, 160}), QRect(40, 100, 60, 60));
    EXPECT_EQ(stretchedRect({40, 160}, {100, 100}), QRect(40, 100, 60, 60));
    EXPECT_EQ(stretchedRect({7, 7}, {7, 7}).size(), QSize(0, 0));
    for (const auto &[shot, twips] : {std::pair{QSize(800, 600), QSize(13020, 10020)},
             {QSize(200, 150), QSize(5400, 9100)}, {QSize(7680, 4320), QSize(116220, 65820)}})
        EXPECT_EQ(windowSizeTwipsForScreenshot(shot), twips);
}

TEST(DevicePixels, EveryRatioReachesAndCoversEveryPixelAndBrokenRatiosCountAsOne)
{
    for (qreal bad : {0.0, -2.0, std::numeric_limits<qreal>::quiet_NaN(), std::numeric_limits<qreal>::infinity()}) {
        EXPECT_EQ(pixelAt({12.5, 3}, bad), QPoint(12, 3));
        EXPECT_EQ(logicalSize({10, 10}, bad), QSize(10, 10));
        EXPECT_EQ(pixelSize({10, 10}, bad), QSize(10, 10));
        EXPECT_EQ(logicalRect({3, 5, 7, 9}, bad), QRect(3, 5, 7, 9));
    }
    EXPECT_EQ(logicalRect({101, 51, 0, 0}, 2), QRect(50, 25, 0, 0)); // a drag not moved yet stays empty
    EXPECT_EQ(logicalRect({-251, -61, 300, 100}, 2), QRect(-126, -31, 151, 51));
    // The platform hands over a device pixel divided by the ratio; an outline covers what
    // is cut with less than a unit to spare, and an area fitted to a picture holds it.
    for (qreal ratio : {0.5, 0.75, 1.0, 1.1, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0}) {
        for (int device = -40; device < 400; ++device)
            ASSERT_EQ(pixelAt({device / ratio, device / ratio}, ratio), QPoint(device, device))
                << ratio << " " << device;
        for (int x = -20; x < 60; ++x)
            for (int w : {1, 2, 3, 7, 32, 300}) {
                const QRect shape = logicalRect({x, x, w, w}, ratio);
                const qreal left = shape.x() * ratio, right = (shape.x() + shape.width()) * ratio;
                ASSERT_TRUE(left <= x + 1e-9 && left > x - std::max(ratio, 1.0)) << ratio << " " << x << " " << w;
                ASSERT_TRUE(right >= x + w - 1e-9 && right < x + w + std::max(ratio, 1.0))
                    << ratio << " " << x << " " << w;
                ASSERT_EQ(shape.height(), shape.width());
            }
        for (int side : {1, 3, 31, 320, 1023, 16000}) {
            const int fit = logicalSize({side, side}, ratio).width();
            EXPECT_TRUE(fit * ratio >= side - 1e-9 && (fit - 1) * ratio < side) << ratio << " " << side;
        }
        for (int units : {1, 160, 320, 352}) // below a ratio of 1 a unit is no whole pixel
            EXPECT_TRUE(ratio < 1 || logicalSize(pixelSize({units, units}, ratio), ratio) == QSize(units, units))
                << ratio;
    }
}
