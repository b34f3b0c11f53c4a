#pragma once
// The order in which the eye reads a page, top to bottom and left to right, as the order
// in which the Tab key walks its controls.

#include <QList>
#include <QRect>

class QWidget;

namespace readingOrder {

// The indices of rects in reading order. Rects form a row with the first of them when they
// begin above its middle (a column beside a taller neighbour reads after that neighbour);
// the rows read downwards and each row from left to right.
QList<int> of(const QList<QRect> &rects);

// The controls under root that the Tab key stops at, in reading order: the children of a
// frame or a panel read together, where the frame stands. Hidden ones are included, so one
// order serves every page of the window.
QList<QWidget *> tabStops(QWidget *root);

// Makes the Tab key walk root's controls in reading order, starting after first.
void apply(QWidget *first, QWidget *root);

} // namespace readingOrder
