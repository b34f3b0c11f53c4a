#pragma once
// The child side of the monkey: runs the actions against a real window and checks it.

#include <QList>
#include <QString>

namespace monkey {

// The index logged for the close, check and restart that ends every run.
constexpr quint32 closeStep = 0xffffffffu;

// Runs actions 0, 1, 2 ... for seconds (or exactly the given ones) in a window over a
// program folder inside folder, logging each index before it starts; 0 when every check held.
int runActions(int argc, char **argv, const QString &folder, quint64 seed, int seconds,
               const QList<quint32> &actions);

} // namespace monkey
