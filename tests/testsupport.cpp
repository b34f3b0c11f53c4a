#include "testsupport.h"

#include <QDir>
#include <QFile>

namespace testsupport {

ProgramFolder::ProgramFolder()
{
    QDir(dir_.path()).mkpath(QStringLiteral("Images"));
    QDir(dir_.path()).mkpath(QStringLiteral("Templates"));
}

QString ProgramFolder::file(const QString &name) const
{
    return QDir(dir_.path()).filePath(name);
}

void ProgramFolder::write(const QString &name, const QByteArray &bytes) const
{
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

QByteArray ProgramFolder::read(const QString &name) const
{
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool ProgramFolder::exists(const QString &name) const
{
    return QFile::exists(file(name));
}

} // namespace testsupport
