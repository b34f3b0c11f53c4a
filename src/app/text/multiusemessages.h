#pragma once
// What the multi-use button says on the status line about the parsers' work: what each
// converted, or why the copied text was left as it was.

#include <QString>

namespace multiUseMessages {

inline const QString noMapPoints
    = QStringLiteral("Nothing to convert: no map points (like 12.3N, 45.6E) found in the copied text");
inline const QString noHits = QStringLiteral(
    "Nothing to add up: no lines like \"You hit the drudge for 25 points of damage.\" in the copied text");
inline const QString noCreaturePage
    = QStringLiteral("Nothing to convert: the copied text is not a creature page in the old table layout");
inline const QString noPriceRows = QStringLiteral("0 rows converted: rows look like `Name | 1,000`");

// "1 row", "12 rows".
inline QString counted(qsizetype n, const QString &thing)
{
    return n == 1 ? QStringLiteral("1 ") + thing : QStringLiteral("%1 %2s").arg(n).arg(thing);
}

inline QString rowsConverted(qsizetype rows)
{
    return rows == 0 ? noPriceRows : counted(rows, QStringLiteral("row")) + QStringLiteral(" converted");
}
inline QString mapPointsConverted(qsizetype points)
{
    return counted(points, QStringLiteral("map point")) + QStringLiteral(" converted");
}
inline QString creatureConverted(qsizetype fields)
{
    return QStringLiteral("Creature page converted: %1 found").arg(counted(fields, QStringLiteral("field")));
}
inline QString damageAdded(qint32 total, qsizetype hits)
{
    return QStringLiteral("Total damage %1 from %2").arg(total).arg(counted(hits, QStringLiteral("hit line")));
}

} // namespace multiUseMessages
