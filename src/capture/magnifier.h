#pragma once
// The magnified view beside a fixed-size crop: the screenshot pixels around the pointer,
// each a square of its own between grid lines, with the edge of the crop rectangle drawn,
// so the rectangle can be put down to the exact pixel.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>

namespace capture {

constexpr int magnifierSpan = 15; // screenshot pixels across and down, odd so one is the middle
constexpr int magnifierZoom = 9;  // view pixels a screenshot pixel takes, its grid line one of them
constexpr int magnifierSide = magnifierSpan * magnifierZoom;
constexpr QRgb magnifierGrid = 0xff808080;
constexpr QRgb magnifierEdge = 0xffff0000;

// The view around pointer, the pixel at the pointer in the middle. Pixel p of the
// screenshot fills the square whose top-left view pixel is ((p - first) * zoom + 1) along
// each axis; the first row and column of each square are grid. Pixels outside the
// screenshot are black. The grid lines along the edge of crop are drawn in the edge colour.
QImage magnifiedView(const QImage &screenshot, QPoint pointer, const QRect &crop);

// The screenshot pixel shown first (top-left) in the view around pointer.
QPoint magnifierOrigin(QPoint pointer);

} // namespace capture
