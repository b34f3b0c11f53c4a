#pragma once
// The grey line that tells a new user what to do where a picture will be shown.

#include <QRect>
#include <QString>

class QPainter;

// Draws hint (when not empty) in the middle of area, wrapped at blanks if it must be.
void paintHint(QPainter &painter, const QRect &area, const QString &hint);
