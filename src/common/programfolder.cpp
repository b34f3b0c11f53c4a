#include "common/programfolder.h"

#include <QDir>
#include <QFileInfo>

namespace modVandrel {

QString resolveProgramFolder(const QString &executableFolder, const QString &userDataFolder)
{
    if (QFileInfo(QDir(executableFolder).filePath(QStringLiteral("Templates"))).isDir())
        return QDir::toNativeSeparators(QDir(executableFolder).absolutePath());
    QDir data(userDataFolder);
    data.mkpath(QStringLiteral("Images"));
    data.mkpath(QStringLiteral("Templates"));
    return QDir::toNativeSeparators(data.absolutePath());
}

} // namespace modVandrel
