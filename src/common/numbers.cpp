#include "common/numbers.h"

#include "common/textrules.h"

#include <charconv>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <string>

namespace numbers {
namespace {

// Checks the shape of a number and hands back its ASCII form without a leading "+".
std::optional<std::string> numberShape(const QString &text)
{
    const QString t = textRules::trimBlanks(text);
    std::string out;
    out.reserve(size_t(t.size()));
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) {
        if (t[i] == u'-')
            out.push_back('-');
        ++i;
    }
    int digits = 0;
    bool point = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (textRules::isDigit(c)) {
            out.push_back(char(c.unicode()));
            ++digits;
        } else if (c == u'.' && !point) {
            point = true;
            out.push_back('.');
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0)
        return std::nullopt;
    return out;
}

template <typename T>
std::optional<T> parseAs(const QString &text)
{
    const auto shape = numberShape(text);
    if (!shape)
        return std::nullopt;
    T value{};
    const char *first = shape->data();
    const char *last = first + shape->size();
    const auto res = std::from_chars(first, last, value, std::chars_format::fixed);
    if (res.ec == std::errc::result_out_of_range)
        return std::nullopt;
    if (res.ec != std::errc() || res.ptr != last)
        return std::nullopt;
    return value;
}

// nearbyint follows the current rounding mode; make sure it is the default one.
template <typename T>
T nearbyIntToEven(T value)
{
    const int mode = std::fegetround();
    if (mode == FE_TONEAREST)
        return std::nearbyint(value);
    std::fesetround(FE_TONEAREST);
    const T r = std::nearbyint(value);
    std::fesetround(mode);
    return r;
}

} // namespace

std::optional<double> toNumber(const QString &text) { return parseAs<double>(text); }
std::optional<float> toSingle(const QString &text) { return parseAs<float>(text); }

std::optional<qint16> toInt16(const QString &text)
{
    const auto value = toNumber(text);
    if (!value)
        return std::nullopt;
    const double r = roundHalfEven(*value);
    if (r < -32768.0 || r > 32767.0)
        return std::nullopt;
    return qint16(r);
}

double roundHalfEven(double value) { return nearbyIntToEven(value); }
float roundHalfEven(float value) { return nearbyIntToEven(value); }

QString formatSingle(float value)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return QString::fromLatin1(buf, int(res.ptr - buf));
}

QString formatDouble(double value)
{
    char buf[64];
    const int n = std::snprintf(buf, sizeof buf, "%.15g", value);
    return QString::fromLatin1(buf, n);
}

} // namespace numbers
