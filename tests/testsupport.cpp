#include "testsupport.h"

#include <QDir>
#include <QFile>

#include <csignal>
#include <random>
#include <sys/resource.h>

namespace testsupport {

QImage noise(int width, int height, unsigned seed)
{
    std::mt19937 random(seed);
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, random() | 0xff000000u);
    return picture;
}

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

FileSizeLimit::FileSizeLimit(long long maxBytes)
{
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    oldSoft_ = (long long)limit.rlim_cur;
    limit.rlim_cur = rlim_t(maxBytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(oldSoft_);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler_);
}

} // namespace testsupport
