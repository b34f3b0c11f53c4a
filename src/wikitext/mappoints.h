#pragma once
// Map coordinates (12.3N, 45.6E) picked out of copied text as map point templates.

#include "wikitext/conversion.h"

#include <QList>
#include <QString>

namespace mapPoints {

struct Point {
    QString firstNumber;
    QString firstLetter;
    QString secondNumber;
    QString secondLetter;
};

// The completed points of the text, at most capacity of them. The line ends and blanks
// that end a copy are no letter of its last point.
QList<Point> parse(const QString &text, int capacity);

// "{{Map Point" with up to 4 points; "{{Map Point Plus" with up to 60; found: the points.
enum class Template { MapPoint, MapPointPlus };
textParsers::Conversion convert(const QString &text, Template kind);
QString mapPoint(const QString &text);
QString mapPointPlus(const QString &text);

} // namespace mapPoints
