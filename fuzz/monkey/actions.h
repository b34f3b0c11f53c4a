#pragma once
// The monkey's child run: the window over the program folder inside folder, then the
// actions drawn from seed (these, or 0, 1, 2 ... for seconds). Its exit code: 0 when every
// check held. It logs each action it begins to folder/actions.log.

#include <QList>
#include <QString>

int runActions(int argc, char **argv, const QString &folder, quint64 seed, int seconds, const QList<quint32> &actions);
