#include "wikitext/prices.h"

#include "common/numbers.h"
#include "common/textfile.h"
#include "common/textrules.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace prices {
namespace {

// The first bar searched for is at position 3 or later; only one at 4 or later makes a
// table row (positions count from 1).
constexpr qsizetype barSearchFrom = 3;
constexpr qsizetype firstRowBar = 4;

// "-1234567" -> "-1,234,567"; "0" (or "-0") -> nothing, as the wiki's price format has it.
QString groupDigits(QStringView number)
{
    const bool negative = number.startsWith(u'-');
    QStringView digits = negative ? number.sliced(1) : number;
    while (digits.startsWith(u'0'))
        digits = digits.sliced(1);
    if (digits.isEmpty())
        return QString();
    QString out;
    out.reserve(digits.size() + digits.size() / 3 + 1);
    if (negative)
        out.append(u'-');
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out.append(u',');
        out.append(digits[i]);
    }
    return out;
}

// The whole single-precision value as the shortest fixed text that reads back as the
// same single; for a whole number that is every digit of it, however large.
QString wholeSingleText(float value)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    return QString::fromLatin1(buf, int(res.ptr - buf));
}

} // namespace

QString groupedNumber(qint64 value)
{
    return groupDigits(QString::number(value));
}

namespace {

// The row (its commas already gone) with its price converted; nothing when the line is no
// table row or holds no price that converts.
std::optional<QString> convertedRow(const QString &row, float rate)
{
    if (row.size() < barSearchFrom)
        return std::nullopt;
    const qsizetype bar = row.indexOf(u'|', barSearchFrom - 1);
    if (bar < firstRowBar - 1)
        return std::nullopt;

    qsizetype lastDigit = row.size() - 1;
    while (lastDigit > bar && !textRules::isDigit(row[lastDigit]))
        --lastDigit;
    if (lastDigit == bar)
        return std::nullopt;

    // Words between the bar and the number make no price: such a row stays as it is.
    const std::optional<float> price = numbers::toSingle(row.sliced(bar + 1, lastDigit - bar));
    if (!price)
        return std::nullopt;
    // The product of two singles is exact in a double; keeping it as a single before the
    // rounding is what decides which way a price near a half goes.
    const float converted = float(double(rate) * double(*price));
    if (!std::isfinite(converted))
        return std::nullopt;
    const float rounded = numbers::roundHalfEven(converted);

    const QStringView suffix = textRules::trimBlanks(QStringView(row).sliced(lastDigit + 1));
    QString out = row.left(bar + 1);
    out += u' ';
    out += groupDigits(wholeSingleText(rounded));
    out += suffix;
    return out;
}

QString withoutCommas(QStringView line) { return textRules::replaceAll(line.toString(), u",", {}); }

} // namespace

QString convertLine(QStringView line, float rate)
{
    QString row = withoutCommas(line);
    std::optional<QString> converted = convertedRow(row, rate);
    return converted ? *std::move(converted) : row;
}

textParsers::Conversion convertTable(const QList<QStringView> &lines, float rate)
{
    textParsers::Conversion out;
    for (QStringView line : lines) {
        const QString row = withoutCommas(line);
        if (const std::optional<QString> converted = convertedRow(row, rate)) {
            out.text += *converted;
            ++out.found;
        } else {
            out.text += row;
        }
        out.text += textFiles::crlf;
    }
    return out;
}

QString convert(const QList<QStringView> &lines, float rate)
{
    return convertTable(lines, rate).text;
}

} // namespace prices
