#include "common/oldfiles.h"

#include "common/trashplaces.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace oldFiles {
namespace {

// The folders a trash keeps in the working folder, where Qt 6.4 makes them when it cannot make
// the real trash folder: it then moves the file into files/ there and calls that the trash.
struct StrayFolders {
    bool filesThere = QDir::current().exists(QStringLiteral("files"));
    bool infoThere = QDir::current().exists(QStringLiteral("info"));
};

// The file comes back beside its old place; what the stray trash made is tidied away.
Replaced bringBackStray(const QString &path, const QString &strayed, const StrayFolders &before)
{
    const QString copy = numberedCopy(path);
    if (!QFile::rename(strayed, copy))
        return {Replaced::KeptBeside, strayed}; // not lost: the message says where it is
    if (!before.filesThere)
        QDir().rmdir(QFileInfo(strayed).absolutePath());
    // Where the platform keeps a record beside a trashed file, the stray one goes too.
    if (const QString info = trashPlaces::infoFileOf(strayed); !info.isEmpty()) {
        QFile::remove(info);
        if (!before.infoThere)
            QDir().rmdir(QFileInfo(info).absolutePath());
    }
    return {Replaced::KeptBeside, copy};
}

} // namespace

bool sameBytes(const QString &one, const QString &other)
{
    QFile a(one), b(other);
    if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly) || a.size() != b.size())
        return false;
    constexpr qint64 chunk = 1 << 16;
    while (!a.atEnd()) {
        const QByteArray left = a.read(chunk);
        if (left.isEmpty() || left != b.read(chunk))
            return false;
    }
    return b.atEnd();
}

QString numberedCopy(const QString &path)
{
    const QFileInfo info(path);
    const QString folder = info.path() + u'/';
    const QString stem = info.completeBaseName();
    const QString extension = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    for (int n = 1;; ++n) {
        const QString candidate = folder + stem + u'~' + QString::number(n) + extension;
        if (!QFileInfo::exists(candidate) && !QFileInfo(candidate).isSymLink())
            return candidate;
    }
}

Replaced putAside(const QString &path)
{
    QString inTrash;
    const StrayFolders before;
    if (QFile::moveToTrash(path, &inTrash)) {
        if (trashPlaces::isInTrash(inTrash))
            return {Replaced::Trashed, inTrash};
        return bringBackStray(path, QFileInfo(inTrash).absoluteFilePath(), before);
    }
    const QString copy = numberedCopy(path);
    if (QFile::rename(path, copy))
        return {Replaced::KeptBeside, copy};
    return {};
}

bool putBack(const Replaced &replaced, const QString &path)
{
    if (replaced.how != Replaced::Trashed && replaced.how != Replaced::KeptBeside)
        return true;
    if (!QFile::rename(replaced.where, path))
        return false;
    if (const QString info = trashPlaces::infoFileOf(replaced.where); replaced.how == Replaced::Trashed && !info.isEmpty())
        QFile::remove(info);
    return true;
}

} // namespace oldFiles
