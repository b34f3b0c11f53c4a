#include "capture/devicepixels.h"

#include <gtest/gtest.h>

#include <limits>

using namespace capture;

TEST(DevicePixels, UnscaledNothingChangesAndBrokenRatiosCountAsNone)
{
    EXPECT_EQ(logicalSize({1024, 768}, 1), QSize(1024, 768));
    EXPECT_EQ(pixelAt({500, 400}, 1), QPoint(500, 400));
    for (const QRect &r : {QRect(-250, -60, 300, 100), QRect(7, 9, 0, 0), QRect(3, 5, 1, 1)})
        EXPECT_EQ(logicalRect(r, 1), r);
    for (qreal bad : {0.0, -2.0, std::numeric_limits<qreal>::quiet_NaN(), std::numeric_limits<qreal>::infinity()}) {
        EXPECT_EQ(pixelAt({12.5, 3}, bad), QPoint(12, 3));
        EXPECT_EQ(logicalSize({10, 10}, bad), QSize(10, 10));
    }
    // A drag that has not moved yet stays empty when scaled.
    EXPECT_EQ(logicalRect({101, 51, 0, 0}, 2), QRect(50, 25, 0, 0));
    EXPECT_EQ(logicalRect({-251, -61, 300, 100}, 2), QRect(-126, -31, 151, 51));
}

// Every device pixel is reached by the pointer, and an outline covers what is cut with less
// than a unit to spare on each side, at the awkward ratios desktops offer too.
TEST(DevicePixels, EveryRatioReachesAndCoversEveryPixel)
{
    for (qreal ratio : {1.0, 1.1, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0}) {
        for (int device = -40; device < 400; ++device) {
            // The platform hands over a device pixel divided by the ratio.
            const qreal logical = device / ratio;
            EXPECT_EQ(pixelAt({logical, logical}, ratio), QPoint(device, device)) << ratio << " " << device;
        }
        for (int x = -20; x < 60; ++x)
            for (int w : {1, 2, 3, 7, 32, 300}) {
                const QRect shape = logicalRect({x, x, w, w}, ratio);
                const qreal left = shape.x() * ratio, right = (shape.x() + shape.width()) * ratio;
                EXPECT_TRUE(left <= x + 1e-9 && left > x - ratio) << ratio << " " << x << " " << w;
                EXPECT_TRUE(right >= x + w - 1e-9 && right < x + w + ratio) << ratio << " " << x << " " << w;
                EXPECT_EQ(shape.height(), shape.width());
            }
        // An area fitted to a picture holds it with less than a unit to spare, and shows
        // exactly as many pixels as it was given.
        for (int side : {1, 3, 31, 320, 1023, 16000}) {
            const int fit = logicalSize({side, side}, ratio).width();
            EXPECT_TRUE(fit * ratio >= side - 1e-9 && (fit - 1) * ratio < side) << ratio << " " << side;
        }
        for (int units : {1, 160, 320, 352})
            EXPECT_EQ(logicalSize(pixelSize({units, units}, ratio), ratio), QSize(units, units)) << ratio;
    }
}
