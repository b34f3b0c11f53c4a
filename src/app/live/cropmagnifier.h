#pragma once
// The magnified view of the pixels around the pointer while a fixed-size rectangle follows
// it, in the corner of the visible grab area farthest from the pointer. It lets the mouse
// through to the grab area below.

#include "app/widgets/picturearea.h"

class CropMagnifier : public PictureArea {
    Q_OBJECT

public:
    // viewport is the visible part of the grab area, which the view stands in.
    explicit CropMagnifier(QWidget *viewport);

    // Shows the pixels of screenshot around pointer with the edge of crop, away from the
    // pointer, which stands at pointerInViewport.
    void showAround(const QImage &screenshot, QPoint pointer, const QRect &crop, QPoint pointerInViewport);
};
