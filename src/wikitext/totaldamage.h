#pragma once
// The damage the player dealt in a combat log copied from the game's chat window.

#include <QList>
#include <QString>
#include <QStringView>

namespace totalDamage {

// The damage one log line adds: 0 for a line that does not count.
qint32 lineDamage(QStringView line);

struct Tally {
    qint32 total = 0;
    qsizetype hits = 0; // the player's hit lines that hold a number
};
// The sum over the lines; an addition that would overflow adds nothing.
Tally tally(const QList<QStringView> &lines);
qint32 total(const QList<QStringView> &lines);

} // namespace totalDamage
