#pragma once
// Screenshots shown one pixel to one device pixel on a scaled screen: the widget works in
// logical units of ratio device pixels, the screenshot stays in its own pixels.

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

namespace capture {

// The logical size that holds all of these pixels (rounded up).
QSize logicalSize(QSize pixels, qreal ratio);
// The whole pixels that a logical size shows (rounded down).
QSize pixelSize(QSize logical, qreal ratio);
// The pixel under a logical position.
QPoint pixelAt(QPointF logical, qreal ratio);
// The smallest logical rectangle that covers these pixels; an empty one stays empty.
QRect logicalRect(const QRect &pixels, qreal ratio);

} // namespace capture
