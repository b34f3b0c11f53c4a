#include "capture/magnifier.h"

#include <algorithm>

namespace capture {
namespace {

// Paints the grid line at the view's coordinate line (a column when vertical, else a row)
// from from to to, where it lies inside the view.
void edgeLine(QImage &view, bool vertical, int line, int from, int to)
{
    if (line < 0 || line >= magnifierSide)
        return;
    from = std::max(from, 0);
    to = std::min(to, magnifierSide - 1);
    for (int i = from; i <= to; ++i) {
        if (vertical)
            view.setPixel(line, i, magnifierEdge);
        else
            view.setPixel(i, line, magnifierEdge);
    }
}

} // namespace

QPoint magnifierOrigin(QPoint pointer)
{
    return pointer - QPoint(magnifierSpan / 2, magnifierSpan / 2);
}

QImage magnifiedView(const QImage &screenshot, QPoint pointer, const QRect &crop)
{
    QImage view(magnifierSide, magnifierSide, QImage::Format_RGB32);
    view.fill(magnifierGrid);
    const QPoint origin = magnifierOrigin(pointer);
    const QImage source = screenshot.format() == QImage::Format_RGB32 ? screenshot
                                                                      : screenshot.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < magnifierSpan; ++y) {
        for (int x = 0; x < magnifierSpan; ++x) {
            const QPoint at = origin + QPoint(x, y);
            const QRgb colour = source.rect().contains(at) ? source.pixel(at) : qRgb(0, 0, 0);
            for (int dy = 1; dy < magnifierZoom; ++dy) {
                auto *row = reinterpret_cast<QRgb *>(view.scanLine(y * magnifierZoom + dy));
                std::fill(row + x * magnifierZoom + 1, row + (x + 1) * magnifierZoom, colour);
            }
        }
    }
    if (crop.isEmpty())
        return view;
    // The grid lines just outside the rectangle's edge pixels, on each side.
    const int left = (crop.left() - origin.x()) * magnifierZoom;
    const int right = (crop.left() + crop.width() - origin.x()) * magnifierZoom;
    const int top = (crop.top() - origin.y()) * magnifierZoom;
    const int bottom = (crop.top() + crop.height() - origin.y()) * magnifierZoom;
    edgeLine(view, true, left, top, bottom);
    edgeLine(view, true, right, top, bottom);
    edgeLine(view, false, top, left, right);
    edgeLine(view, false, bottom, left, right);
    return view;
}

} // namespace capture
