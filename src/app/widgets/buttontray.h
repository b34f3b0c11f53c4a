#pragma once
// The narrow column of twelve buttons down the window's left edge that tabs 1 and 2 each
// show: the stats panel heights and the crop sizes.

#include <QList>
#include <QString>

class MouseUpButton;
class PictureArea;
class QWidget;

namespace buttonTray {

constexpr int width = 48;
constexpr int height = 440;

// A tray named trayName holding buttons stem_1 .. stem_N with the given captions, each
// word-wrapped, with the tooltip and taking dropped files. buttons receives them in order.
PictureArea *make(const QString &trayName, const QString &buttonStem, const QList<const char *> &captions,
                  const QString &tooltip, QWidget *parent, QList<MouseUpButton *> &buttons);

} // namespace buttonTray
