#pragma once
// A shop price table multiplied by a shopkeeper's conversion rate.

#include "wikitext/conversion.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace prices {

// "###,###,###": groups of three digits joined by commas, a minus sign for negatives,
// nothing at all for 0.
QString groupedNumber(qint64 value);
// One converted line (commas removed; unchanged apart from that when it is not a table
// row or its price is not a number).
QString convertLine(QStringView line, float rate);
// Every line converted, each followed by CR LF; found: the rows whose price was converted.
textParsers::Conversion convertTable(const QList<QStringView> &lines, float rate);
QString convert(const QList<QStringView> &lines, float rate);

} // namespace prices
