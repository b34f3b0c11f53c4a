#pragma once
// What the parts of tab "4 Merge" share: where things stand on the page, and the small
// controls they are built from.

#include "compose/compose.h"
#include "image/pictureresult.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class PictureArea;
class QLineEdit;
class QWidget;

namespace mergeLayout {

// Icon areas eight to a row, below the working icon and the result.
constexpr int tileColumns = 8;
constexpr int pitch = 36;
constexpr int margin = 8;
constexpr int tilesTop = 56;
constexpr int storeTop = tilesTop + 6 * pitch + 22;
constexpr int colourTop = storeTop + 32 + 24;
constexpr int pageHeight = 575;
constexpr QSize iconSize(compose::side, compose::side);

// An icon-sized picture area, empty.
PictureArea *makeIconArea(const QString &name, QPoint at, QWidget *parent);
QLineEdit *makeBox(const QString &name, const QString &text, QRect geometry, QWidget *parent);
// A label; with a buddy, assistive technology names the buddy by it.
void addLabel(const QString &caption, QRect geometry, QWidget *parent, QWidget *buddy = nullptr);
// The file's picture, read by its name's ending, or the reason it could not be.
PictureRead loadFile(const QString &file);

} // namespace mergeLayout
