#pragma once
// What the status line says after a save: the files written, in which folder, and what
// became of the files they replaced.

#include "common/oldfiles.h"

#include <QList>
#include <QString>

namespace saveMessages {

struct Saved {
    QString path;
    oldFiles::Replaced replaced;
};

// "Saved Sword.png and Sword Icon.png in Images", then a sentence for each way old files
// were kept: "Replaced Sword.png (the old file is in the trash)".
QString describe(const QList<Saved> &files);
// "Could not save Sword.png: the folder does not exist".
QString failed(const QString &path, const QString &reason);

} // namespace saveMessages
