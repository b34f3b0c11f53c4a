// The Recycle Bin: Qt reports a trashed file at its place in the bin of its drive
// (X:\$Recycle.Bin\<user>\$R...), which keeps no record beside it that we could tidy.

#include "common/trashplaces.h"

#include <QDir>
#include <QFileInfo>

namespace trashPlaces {

bool isInTrash(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isAbsolute() || !info.exists())
        return false;
    return QDir::fromNativeSeparators(path).contains(QLatin1String("/$Recycle.Bin/"), Qt::CaseInsensitive);
}

QString infoFileOf(const QString &)
{
    return QString();
}

} // namespace trashPlaces
