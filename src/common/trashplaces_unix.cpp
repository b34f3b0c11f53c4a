// The freedesktop.org trash: $XDG_DATA_HOME/Trash, or $topdir/.Trash-$uid or
// $topdir/.Trash/$uid on other file systems; trashed files lie in its files/, their records
// in info/ as NAME.trashinfo.

#include "common/trashplaces.h"

#include <QDir>
#include <QFileInfo>

namespace trashPlaces {

bool isInTrash(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isAbsolute() || !info.exists())
        return false;
    QDir folder = info.absoluteDir();
    if (folder.dirName() != QLatin1String("files") || !folder.cdUp())
        return false;
    const QString trash = folder.dirName();
    if (trash == QLatin1String("Trash") || trash.startsWith(QLatin1String(".Trash-")))
        return true;
    return folder.cdUp() && folder.dirName() == QLatin1String(".Trash");
}

QString infoFileOf(const QString &inTrash)
{
    const QFileInfo info(inTrash);
    return QDir::cleanPath(info.absolutePath() + QStringLiteral("/../info/") + info.fileName()
                           + QStringLiteral(".trashinfo"));
}

} // namespace trashPlaces
