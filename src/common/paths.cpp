#include "common/paths.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace paths {

QString resolveProgramFolder(const QString &executableFolder, const QString &userDataFolder)
{
    if (QFileInfo(QDir(executableFolder).filePath(QStringLiteral("Templates"))).isDir())
        return QDir::toNativeSeparators(QDir(executableFolder).absolutePath());
    QDir data(userDataFolder);
    data.mkpath(QStringLiteral("Images"));
    data.mkpath(QStringLiteral("Templates"));
    return QDir::toNativeSeparators(data.absolutePath());
}

QString withSeparator(const QString &folder)
{
    if (folder.endsWith(u'/') || folder.endsWith(u'\\'))
        return folder;
    if (folder.contains(u'\\') && !folder.contains(u'/'))
        return folder + u'\\';
    return folder + QDir::separator();
}

QString joinPath(const QString &folder, const QString &name)
{
    return withSeparator(folder) + name;
}

QString findFileNoCase(const QString &folder, const QString &name)
{
    const QString exact = joinPath(folder, name);
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return joinPath(folder, entry);
    }
    return exact;
}

QString fileNameOf(const QString &path)
{
    const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(cut + 1);
}

} // namespace paths
