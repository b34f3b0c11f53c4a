#include "app/live/cropmagnifier.h"

#include "capture/magnifier.h"

namespace {
constexpr int margin = 6;
}

CropMagnifier::CropMagnifier(QWidget *viewport) : PictureArea(QStringLiteral("picMagnifier"), viewport)
{
    // A screenshot pixel takes whole device pixels, whatever the screen's scale.
    setShowsDevicePixels(true);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void CropMagnifier::showAround(const QImage &screenshot, QPoint pointer, const QRect &crop, QPoint pointerInViewport)
{
    setPicture(capture::magnifiedView(screenshot, pointer, crop));
    resize(widgetSize(picture().size()));
    const QSize room = parentWidget()->size();
    const int x = pointerInViewport.x() < room.width() / 2 ? room.width() - width() - margin : margin;
    const int y = pointerInViewport.y() < room.height() / 2 ? room.height() - height() - margin : margin;
    move(x, y);
    raise();
    show();
}
