#include "capture/devicepixels.h"

#include <cmath>

namespace capture {
namespace {

// Positions arrive as device pixel / ratio in doubles; multiplied back they may land a hair
// below the whole pixel they came from (1.1 and the like are not exact in binary).
constexpr double slack = 1e-6;

double usable(qreal ratio)
{
    return std::isfinite(ratio) && ratio > 0 ? ratio : 1.0;
}

int down(double value)
{
    return int(std::floor(value + slack));
}

int up(double value)
{
    return int(std::ceil(value - slack));
}

} // namespace

QSize logicalSize(QSize pixels, qreal ratio)
{
    const double r = usable(ratio);
    return {up(pixels.width() / r), up(pixels.height() / r)};
}

QSize pixelSize(QSize logical, qreal ratio)
{
    const double r = usable(ratio);
    return {down(logical.width() * r), down(logical.height() * r)};
}

QPoint pixelAt(QPointF logical, qreal ratio)
{
    const double r = usable(ratio);
    return {down(logical.x() * r), down(logical.y() * r)};
}

QRect logicalRect(const QRect &pixels, qreal ratio)
{
    const double r = usable(ratio);
    const int left = down(pixels.x() / r);
    const int top = down(pixels.y() / r);
    const int right = pixels.width() > 0 ? up((pixels.x() + pixels.width()) / r) : left;
    const int bottom = pixels.height() > 0 ? up((pixels.y() + pixels.height()) / r) : top;
    return {left, top, right - left, bottom - top};
}

} // namespace capture
