#pragma once
// Fixed-size and free crop rectangles, and the window captions and sizes around them.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

namespace capture {

// A crop button's caption as a size: the width and the height separated by blanks
// ("300 100", "032 032", "1000 500"). Nothing when it does not read as two numbers.
std::optional<QSize> cropSizeFromCaption(const QString &caption);
QString cropCaption(int width, int height);

// Fixed-size mode: the pointer is the rectangle's bottom-right corner.
QRect fixedCropRect(QPoint pointer, QSize size);
// Free mode: the rectangle between the drag start and the pointer.
QRect stretchedRect(QPoint start, QPoint pointer);
// A free rectangle is cut once it is at least this wide and high.
constexpr int minimumFreeCrop = 3;


// The window size, in twips, that shows a whole screenshot of this size.
QSize windowSizeTwipsForScreenshot(QSize screenshot);

} // namespace capture
