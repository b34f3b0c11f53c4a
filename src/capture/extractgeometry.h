#pragma once
// Where the item icon and the stats panel lie in a game screenshot.

#include <QImage>
#include <QRect>

namespace capture {

struct IconOffsets {
    int left = 59; // windowed: from the screenshot's right edge to the icon's left edge
    int top = 94;  // windowed: from the top edge to the icon's top edge
};

QRect iconRect(int screenshotWidth, bool fullScreen, const IconOffsets &offsets);
QRect panelRect(int screenshotWidth, int panelHeight, bool fullScreen, const IconOffsets &offsets);

// The smallest screenshot that holds the whole panel of this height, and the icon when
// withIcon. Both hang from the top-right corner, so the width counts from the right edge;
// what offsets put past the right or top edge no larger picture would hold.
QSize extractionNeeds(int panelHeight, bool fullScreen, const IconOffsets &offsets, bool withIcon);

// A copy of the rectangle of picture; parts outside the picture are black.
QImage cutRect(const QImage &picture, const QRect &rect);

// The window height, in twips, that shows a stats panel of this height.
int windowHeightTwipsForPanel(int panelHeight);

// Icon training: the frame is centred on the pointer; the offsets follow from where it
// stands in a training area of width areaWidth aligned with the screenshot's top right.
QPoint trainingFrameAt(QPoint pointer);
IconOffsets offsetsFromFrame(int areaWidth, QPoint frameTopLeft);
// The top-right corner of the screenshot as the training area of that size shows it.
QImage trainingView(const QImage &screenshot, QSize areaSize);
// The frame's 32 x 32 pixels of the training view, each drawn as a 2 x 2 block.
QImage magnifiedFrame(const QImage &trainingView, QPoint frameTopLeft);

} // namespace capture
