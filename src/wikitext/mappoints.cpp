#include "wikitext/mappoints.h"

#include "common/textfile.h"
#include "common/textrules.h"
#include "wikitext/formattext.h"

namespace mapPoints {
namespace {

const QString mapPointOpen = QStringLiteral("{{Map Point");
const QString mapPointPlusOpen = QStringLiteral("{{Map Point Plus");
const QString pointsLine = QStringLiteral(" | Points = ");
const QString fieldSeparator = QStringLiteral(" | ");
const QString locOpen = QStringLiteral("{{MPP Loc | ");
const QString locClose = QStringLiteral(" | Large |  }}");
const QString templateClose = QStringLiteral("}}");

constexpr int mapPointCapacity = 4;
constexpr int mapPointPlusCapacity = 60;

enum class State { Coordinate1, Coordinate2 };

bool continuesNumber(QChar c) { return c == u'.' || c == u'/' || textRules::isDigit(c); }

// The character at i upper-cased, a surrogate pair taken whole so it is never cut.
QString upperCharAt(const QString &text, qsizetype i)
{
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        const char32_t upper = QChar::toUpper(QChar::surrogateToUcs4(c, text[i + 1]));
        return QString::fromUcs4(&upper, 1);
    }
    return QString(c.toUpper());
}

} // namespace

// One pass over the text through a small state machine: it reads best whole.
QList<Point> parse(const QString &copied, int capacity)
{
    QList<Point> points;
    if (capacity <= 0)
        return points;
    const QString text = formatText::trimCopied(copied);
    State state = State::Coordinate1;
    const qsizetype n = text.size();
    const auto digitAt = [&](qsizetype i) { return i >= 0 && i < n && textRules::isDigit(text[i]); };

    // points.size() is the point being filled (k); every point before it is complete.
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        // A full stop that touches no digit ends a sentence, not a number.
        if (c == u'.' ? !(digitAt(i - 1) || digitAt(i + 1)) : !textRules::isDigit(c))
            continue;
        const bool last = i + 1 == n;
        if (state == State::Coordinate1) {
            if (points.isEmpty())
                points.append(Point());
            points.last().firstNumber.append(c);
            // Past the end there is no character: the letter stays empty.
            if (last || !continuesNumber(text[i + 1])) {
                if (!last)
                    points.last().firstLetter = upperCharAt(text, i + 1);
                state = State::Coordinate2;
            }
        } else {
            points.last().secondNumber.append(c);
            if (last || continuesNumber(text[i + 1]))
                continue;
            points.last().secondLetter = upperCharAt(text, i + 1);
            state = State::Coordinate1;
            if (points.size() == capacity)
                return points; // the next point would exceed the table
            points.append(Point());
        }
    }
    if (!points.isEmpty())
        points.removeLast(); // the one being filled is incomplete
    return points;
}

namespace {

QString mapPointText(const QList<Point> &points)
{
    QString out = mapPointOpen + textFiles::crlf;
    for (const Point &p : points) {
        out += fieldSeparator + p.firstNumber + fieldSeparator + p.firstLetter + fieldSeparator + p.secondNumber
            + fieldSeparator + p.secondLetter + textFiles::crlf;
    }
    return out + templateClose;
}

QString mapPointPlusText(const QList<Point> &points)
{
    QString out = mapPointPlusOpen + textFiles::crlf + pointsLine + textFiles::crlf;
    for (const Point &p : points) {
        out += locOpen + p.firstNumber + fieldSeparator + p.firstLetter + fieldSeparator + p.secondNumber
            + fieldSeparator + p.secondLetter + locClose + textFiles::crlf;
    }
    return out + templateClose;
}

} // namespace

textParsers::Conversion convert(const QString &text, Template kind)
{
    const bool plus = kind == Template::MapPointPlus;
    const QList<Point> points = parse(text, plus ? mapPointPlusCapacity : mapPointCapacity);
    return {plus ? mapPointPlusText(points) : mapPointText(points), points.size()};
}

QString mapPoint(const QString &text)
{
    return convert(text, Template::MapPoint).text;
}

QString mapPointPlus(const QString &text)
{
    return convert(text, Template::MapPointPlus).text;
}

} // namespace mapPoints
