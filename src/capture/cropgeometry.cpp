#include "capture/cropgeometry.h"

#include "common/numconv.h"

#include <QStringList>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace capture {
namespace {

constexpr int twipsPerPixel = 15;
constexpr int windowChromeTwips = 1020;
constexpr int minimumWindowWidthTwips = 5400;
constexpr int minimumWindowHeightTwips = 9100;
// The cut reads the rectangle's size as 16-bit numbers.
constexpr double largestCropSide = 32767;

int twipsFor(int pixels, int minimum)
{
    const long long twips = (long long)twipsPerPixel * pixels + windowChromeTwips;
    return int(std::clamp<long long>(twips, minimum, INT_MAX));
}

} // namespace

std::optional<QSize> cropSizeFromCaption(const QString &caption)
{
    const QStringList parts = caption.split(u' ', Qt::SkipEmptyParts);
    if (parts.size() != 2)
        return std::nullopt;
    int sides[2];
    for (int i = 0; i < 2; ++i) {
        const auto value = modVandrel::toNumber(parts[i]);
        if (!value)
            return std::nullopt;
        const double side = modVandrel::roundHalfEven(*value);
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

QString pointerCaption(const QString &title, QPoint pointer)
{
    return title + QStringLiteral(" -  X: ") + QString::number(pointer.x()) + QStringLiteral("  Y:")
         + QString::number(pointer.y());
}

QString dragCaption(const QString &title, QPoint pointer, QSize size)
{
    return title + QStringLiteral(" X:") + QString::number(pointer.x()) + QStringLiteral(" Y:")
         + QString::number(pointer.y()) + QStringLiteral("    ") + QString::number(size.width()) + u'x'
         + QString::number(size.height());
}

QSize windowSizeTwipsForScreenshot(QSize screenshot)
{
    return {twipsFor(screenshot.width(), minimumWindowWidthTwips),
            twipsFor(screenshot.height(), minimumWindowHeightTwips)};
}

} // namespace capture
