#include "common/modvandrel.h"

#include "common/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace modVandrel {

bool fileExists(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
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

QStringList scratchSplit(const QString &programFolder, const QString &text)
{
    // The file is kept for whoever looks at it; the split itself is done in memory so a
    // read-only folder or a full disk cannot cost the user the result.
    writeTextFileAtomic(joinPath(programFolder, scratchFileName), text + crlf);
    return splitLines(text);
}

bool resetScratchFile(const QString &programFolder)
{
    return writeTextFileAtomic(joinPath(programFolder, scratchFileName), QStringLiteral(" \r\n"));
}

} // namespace modVandrel
