#include "capture/cropgeometry.h"

#include "common/numbers.h"
#include "settings/settingvalues.h"

#include <QStringList>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace capture {
namespace {

// The cut reads the rectangle's size as 16-bit numbers.
constexpr double largestCropSide = 32767;

} // namespace

std::optional<QSize> cropSizeFromCaption(const QString &caption)
{
    const QStringList parts = caption.split(u' ', Qt::SkipEmptyParts);
    if (parts.size() != 2)
        return std::nullopt;
    int sides[2];
    for (int i = 0; i < 2; ++i) {
        const auto value = numbers::toNumber(parts[i]);
        if (!value)
            return std::nullopt;
        const double side = numbers::roundHalfEven(*value);
        if (side < 1 || side > largestCropSide)
            return std::nullopt;
        sides[i] = int(side);
    }
    return QSize(sides[0], sides[1]);
}

QString cropCaption(int width, int height)
{
    return QString::number(width) + u' ' + QString::number(height);
}

QRect fixedCropRect(QPoint pointer, QSize size)
{
    return {pointer.x() - size.width(), pointer.y() - size.height(), size.width(), size.height()};
}

QRect stretchedRect(QPoint start, QPoint pointer)
{
    return {std::min(start.x(), pointer.x()), std::min(start.y(), pointer.y()), std::abs(pointer.x() - start.x()),
            std::abs(pointer.y() - start.y())};
}

QSize windowSizeTwipsForScreenshot(QSize screenshot)
{
    using namespace settings::values;
    return {windowTwipsFor(screenshot.width(), designedWindowWidthTwips),
            windowTwipsFor(screenshot.height(), designedWindowHeightTwips)};
}

} // namespace capture
