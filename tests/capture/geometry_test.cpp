#include "capture/cropgeometry.h"
#include "capture/extractgeometry.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <climits>

using namespace capture;
using testsupport::noise;

namespace {

const QRgb black = qRgb(0, 0, 0);

} // namespace

TEST(ExtractGeometry, IconAndPanelRectangles)
{
    const IconOffsets defaults;
    EXPECT_EQ(iconRect(1024, true, defaults), QRect(968, 65, 32, 32));
    const QRect fullPanel = panelRect(1024, 300, true, defaults);
    EXPECT_EQ(fullPanel.topLeft(), QPoint(724, 27));
    EXPECT_EQ(fullPanel.bottomRight(), QPoint(1023, 326));

    EXPECT_EQ(iconRect(1024, false, defaults), QRect(965, 94, 32, 32));
    EXPECT_EQ(panelRect(1024, 120, false, defaults), QRect(721, 56, 300, 120));
    const IconOffsets trained{200, 10};
    EXPECT_EQ(panelRect(800, 50, false, trained).topLeft(), iconRect(800, false, trained).topLeft() - QPoint(244, 38));

    EXPECT_EQ(windowHeightTwipsForPanel(300), 9100);
    EXPECT_EQ(windowHeightTwipsForPanel(1000), 16020);
    EXPECT_EQ(windowHeightTwipsForPanel(-40), 9100);
    EXPECT_EQ(windowHeightTwipsForPanel(30000), 451020);
    EXPECT_EQ(windowHeightTwipsForPanel(INT_MAX), INT_MAX);
}

TEST(ExtractGeometry, CutCopiesPixelsAndBlackensWhatLiesOutside)
{
    const QImage picture = noise(100, 80);
    const QRect rect(90, -5, 20, 10);
    const QImage cut = cutRect(picture, rect);
    ASSERT_EQ(cut.size(), QSize(20, 10));
    EXPECT_EQ(cut.format(), QImage::Format_RGB32);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 20; ++x) {
            const QPoint from = rect.topLeft() + QPoint(x, y);
            EXPECT_EQ(cut.pixel(x, y), picture.rect().contains(from) ? picture.pixel(from) : black) << x << "," << y;
        }
    }
    EXPECT_EQ(cutRect(picture.convertToFormat(QImage::Format_RGB888), rect), cut);
    const QImage away = cutRect(picture, QRect(500, 500, 3, 3));
    EXPECT_EQ(away.size(), QSize(3, 3));
    EXPECT_EQ(away.pixel(1, 1), black);
    EXPECT_TRUE(cutRect(picture, QRect(10, 10, 0, 5)).isNull());
    EXPECT_TRUE(cutRect(QImage(), QRect(0, 0, 2, 2)).pixel(0, 0) == black);
}

TEST(IconTraining, FrameOffsetsAndViews)
{
    const QPoint frame = trainingFrameAt({290, 110});
    EXPECT_EQ(frame, QPoint(274, 94));
    const IconOffsets offsets = offsetsFromFrame(320, frame);
    EXPECT_EQ(offsets.left, 46);
    EXPECT_EQ(offsets.top, 94);
    // The trained offsets cut the icon exactly where the frame stood over the screenshot.
    const QImage screenshot = noise(1024, 200);
    const QImage view = trainingView(screenshot, {320, 240});
    ASSERT_EQ(view.size(), QSize(320, 240));
    EXPECT_EQ(view.pixel(5, 7), screenshot.pixel(709, 7));
    EXPECT_EQ(view.pixel(319, 199), screenshot.pixel(1023, 199));
    EXPECT_EQ(view.pixel(10, 200), black);
    EXPECT_EQ(cutRect(screenshot, iconRect(1024, false, offsets)), cutRect(view, QRect(frame, QSize(32, 32))));

    const QImage narrow = trainingView(noise(200, 50, 2), {320, 140});
    EXPECT_EQ(narrow.pixel(119, 0), black);
    EXPECT_EQ(narrow.pixel(120, 3), noise(200, 50, 2).pixel(0, 3));

    const QImage big = magnifiedFrame(view, frame);
    ASSERT_EQ(big.size(), QSize(64, 64));
    for (const auto &[c, r] : {std::pair{0, 0}, {3, 11}, {11, 3}, {31, 30}}) {
        const QRgb shown = view.pixel(frame.x() + c, frame.y() + r);
        for (const QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
            EXPECT_EQ(big.pixel(2 * c + d.x(), 2 * r + d.y()), shown) << c << "," << r;
    }
    const QImage edge = magnifiedFrame(view, {310, -4});
    EXPECT_EQ(edge.pixel(1, 1), black);
    EXPECT_EQ(edge.pixel(19, 9), view.pixel(319, 0));
    EXPECT_EQ(edge.pixel(20, 9), black);
}

TEST(CropGeometry, CaptionsReadAsTwoNumbers)
{
    EXPECT_EQ(cropSizeFromCaption("300 100"), QSize(300, 100));
    EXPECT_EQ(cropSizeFromCaption("032 032"), QSize(32, 32));
    EXPECT_EQ(cropSizeFromCaption("1000 500"), QSize(1000, 500));
    EXPECT_EQ(cropSizeFromCaption(" 50   80 "), QSize(50, 80));
    EXPECT_EQ(cropSizeFromCaption("2.5 3.5"), QSize(2, 4));
    for (const char *bad : {"300", "1 2 3", "abc def", "", "   ", "0 50", "50 -1", "0.4 10", "300\t100", "99999 5"})
        EXPECT_FALSE(cropSizeFromCaption(bad)) << bad;
    EXPECT_EQ(cropCaption(50, 80), "50 80");
    EXPECT_EQ(cropSizeFromCaption(cropCaption(7, 1234)), QSize(7, 1234));
}

TEST(CropGeometry, RectanglesCaptionsAndWindowSizes)
{
    const QRect fixed = fixedCropRect({500, 400}, {300, 100});
    EXPECT_EQ(fixed.topLeft(), QPoint(200, 300));
    EXPECT_EQ(fixed.bottomRight(), QPoint(499, 399));
    const QImage screenshot = noise(600, 500);
    EXPECT_EQ(cutRect(screenshot, fixed), screenshot.copy(200, 300, 300, 100));
    EXPECT_EQ(fixedCropRect({10, 5}, {32, 32}).topLeft(), QPoint(-22, -27));

    EXPECT_EQ(stretchedRect({100, 100}, {40, 160}), QRect(40, 100, 60, 60));
    EXPECT_EQ(stretchedRect({40, 160}, {100, 100}), QRect(40, 100, 60, 60));
    EXPECT_EQ(stretchedRect({7, 7}, {7, 7}).size(), QSize(0, 0));

    EXPECT_EQ(pointerCaption("Quillmark 1.06", {120, 45}), "Quillmark 1.06 -  X: 120  Y:45");
    EXPECT_EQ(dragCaption("Quillmark 1.06", {120, 45}, {60, 30}), "Quillmark 1.06 X:120 Y:45    60x30");

    EXPECT_EQ(windowSizeTwipsForScreenshot({800, 600}), QSize(13020, 10020));
    EXPECT_EQ(windowSizeTwipsForScreenshot({200, 150}), QSize(5400, 9100));
    EXPECT_EQ(windowSizeTwipsForScreenshot({7680, 4320}), QSize(116220, 65820));
}
