#pragma once
// Number reading, rounding and printing, with one set of rules for the whole program:
// blanks around a number are ignored, an optional sign, ASCII digits with an optional
// "." fraction (whatever the locale), no exponent. Anything else is a failure the caller sees.

#include <QString>
#include <optional>

namespace numbers {

std::optional<double> toNumber(const QString &text);
std::optional<float> toSingle(const QString &text);
// Rounds halves to the even neighbour; fails outside -32768..32767.
std::optional<qint16> toInt16(const QString &text);

// Halves go to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);
float roundHalfEven(float value);

// The shortest text that reads back as the same float.
QString formatSingle(float value);
// Up to 15 significant digits ("%.15g").
QString formatDouble(double value);

} // namespace numbers
