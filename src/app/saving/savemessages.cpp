#include "app/saving/savemessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

// The context of the status line's words about saving.
class SaveMessages {
    Q_DECLARE_TR_FUNCTIONS(SaveMessages)
};

namespace saveMessages {
namespace {

using oldFiles::Replaced;

QString fileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

QString folderName(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    const QString name = QFileInfo(folder).fileName();
    return name.isEmpty() ? QDir::toNativeSeparators(folder) : name;
}

// The numbered copy by its name; a file that could not be brought back beside by its path.
QString keptName(const Saved &file)
{
    const QFileInfo kept(file.replaced.where);
    if (kept.absolutePath() == QFileInfo(file.path).absolutePath())
        return kept.fileName();
    return QDir::toNativeSeparators(kept.absoluteFilePath());
}

// "A", "A and B", "A, B and C".
QString listed(const QStringList &items)
{
    if (items.size() < 2)
        return items.join(QString());
    QString list = items.first();
    for (qsizetype i = 1; i < items.size() - 1; ++i)
        list = SaveMessages::tr("%1, %2", "a list going on").arg(list, items[i]);
    return SaveMessages::tr("%1 and %2", "the last two of a list").arg(list, items.last());
}

QString savedSentence(const QList<Saved> &files)
{
    // The files of each folder together, the folders in the order first written to.
    QStringList folders;
    QList<QStringList> names;
    for (const Saved &file : files) {
        if (file.replaced.how == Replaced::Trashed || file.replaced.how == Replaced::KeptBeside)
            continue;
        const QString folder = folderName(file.path);
        qsizetype at = folders.indexOf(folder);
        if (at < 0) {
            folders.append(folder);
            names.append(QStringList());
            at = folders.size() - 1;
        }
        names[at].append(fileName(file.path));
    }
    QStringList groups;
    for (qsizetype i = 0; i < folders.size(); ++i)
        groups.append(SaveMessages::tr("%1 in %2", "files in a folder").arg(listed(names[i]), folders[i]));
    return groups.isEmpty() ? QString() : SaveMessages::tr("Saved %1").arg(listed(groups));
}

} // namespace

QString describe(const QList<Saved> &files)
{
    QStringList sentences;
    if (const QString saved = savedSentence(files); !saved.isEmpty())
        sentences.append(saved);
    QStringList trashed;
    for (const Saved &file : files) {
        if (file.replaced.how == Replaced::Trashed)
            trashed.append(fileName(file.path));
        else if (file.replaced.how == Replaced::KeptBeside)
            sentences.append(SaveMessages::tr("Replaced %1 (the old file is kept as %2)")
                                 .arg(fileName(file.path), keptName(file)));
    }
    if (!trashed.isEmpty())
        sentences.append(trashed.size() == 1
                             ? SaveMessages::tr("Replaced %1 (the old file is in the trash)").arg(trashed.first())
                             : SaveMessages::tr("Replaced %1 (the old files are in the trash)").arg(listed(trashed)));
    return sentences.join(QStringLiteral(". "));
}

QString failed(const QString &path, const QString &reason)
{
    return SaveMessages::tr("Could not save %1: %2").arg(fileName(path), reason);
}

} // namespace saveMessages
