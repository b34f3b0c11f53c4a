#include "capture/extractgeometry.h"

#include "settings/settingvalues.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace capture {
namespace {

constexpr int iconSize = 32;
constexpr int panelWidth = 300;
// The panel's top-left corner lies this far left of and above the icon's.
constexpr int panelLeftOfIcon = 244;
constexpr int panelAboveIcon = 38;
constexpr int fullScreenIconFromRight = 56;
constexpr int fullScreenIconTop = 65;

} // namespace

QRect iconRect(int screenshotWidth, bool fullScreen, const IconOffsets &offsets)
{
    if (fullScreen)
        return {screenshotWidth - fullScreenIconFromRight, fullScreenIconTop, iconSize, iconSize};
    return {screenshotWidth - offsets.left, offsets.top, iconSize, iconSize};
}

QRect panelRect(int screenshotWidth, int panelHeight, bool fullScreen, const IconOffsets &offsets)
{
    const QRect icon = iconRect(screenshotWidth, fullScreen, offsets);
    return {icon.left() - panelLeftOfIcon, icon.top() - panelAboveIcon, panelWidth, panelHeight};
}

QSize extractionNeeds(int panelHeight, bool fullScreen, const IconOffsets &offsets, bool withIcon)
{
    // Laid on a picture of no width, every left edge stands as far left of 0 as the
    // picture must reach.
    QRect cut = panelRect(0, panelHeight, fullScreen, offsets);
    if (withIcon)
        cut |= iconRect(0, fullScreen, offsets);
    return {std::max(0, -cut.left()), std::max(0, cut.top() + cut.height())};
}

QImage cutRect(const QImage &picture, const QRect &rect)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return QImage();
    QImage cut(rect.size(), QImage::Format_RGB32);
    if (cut.isNull())
        return cut;
    cut.fill(0xff000000u);

    const QRect inside = rect.intersected(picture.rect());
    if (inside.isEmpty())
        return cut;
    // Only the part that lies on the picture is converted, not the whole screenshot.
    const QImage source = picture.copy(inside).convertToFormat(QImage::Format_RGB32);
    if (source.isNull())
        return cut;
    const int dx = inside.left() - rect.left();
    const int dy = inside.top() - rect.top();
    const size_t rowBytes = size_t(inside.width()) * sizeof(QRgb);
    for (int y = 0; y < inside.height(); ++y) {
        auto *to = reinterpret_cast<QRgb *>(cut.scanLine(dy + y)) + dx;
        std::memcpy(to, source.constScanLine(y), rowBytes);
    }
    return cut;
}

int windowHeightTwipsForPanel(int panelHeight)
{
    return settings::values::windowTwipsFor(panelHeight, settings::values::designedWindowHeightTwips);
}

QPoint trainingFrameAt(QPoint pointer)
{
    return pointer - QPoint(iconSize / 2, iconSize / 2);
}

IconOffsets offsetsFromFrame(int areaWidth, QPoint frameTopLeft)
{
    return {areaWidth - frameTopLeft.x(), frameTopLeft.y()};
}

QImage trainingView(const QImage &screenshot, QSize areaSize)
{
    return cutRect(screenshot, QRect(QPoint(screenshot.width() - areaSize.width(), 0), areaSize));
}

QImage magnifiedFrame(const QImage &trainingView, QPoint frameTopLeft)
{
    const QImage frame = cutRect(trainingView, QRect(frameTopLeft, QSize(iconSize, iconSize)));
    QImage view(2 * iconSize, 2 * iconSize, QImage::Format_RGB32);
    for (int r = 0; r < iconSize; ++r) {
        const auto *from = reinterpret_cast<const QRgb *>(frame.constScanLine(r));
        auto *top = reinterpret_cast<QRgb *>(view.scanLine(2 * r));
        auto *bottom = reinterpret_cast<QRgb *>(view.scanLine(2 * r + 1));
        for (int c = 0; c < iconSize; ++c) {
            top[2 * c] = top[2 * c + 1] = from[c];
            bottom[2 * c] = bottom[2 * c + 1] = from[c];
        }
    }
    return view;
}

} // namespace capture
