#include "common/fileplatform.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace filePlatform {

bool restrictsNames() { return false; }

std::optional<Existing> existing(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    return Existing{S_ISREG(st.st_mode), S_ISDIR(st.st_mode), unsigned(st.st_mode & 07777)};
}

unsigned newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

FILE *createTemporary(QString &path, unsigned mode)
{
    QByteArray name = QFile::encodeName(path);
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return nullptr;
    path = QFile::decodeName(name);
    ::fchmod(fd, mode_t(mode));
    FILE *stream = ::fdopen(fd, "wb");
    if (!stream) {
        const int e = errno;
        ::close(fd);
        ::unlink(name.constData());
        errno = e;
    }
    return stream;
}

FILE *openForReading(const QString &path)
{
    return std::fopen(QFile::encodeName(path).constData(), "rb");
}

void remove(const QString &path)
{
    ::unlink(QFile::encodeName(path).constData());
}

bool syncToDisk(FILE *stream)
{
    return ::fsync(::fileno(stream)) == 0;
}

bool replace(const QString &temp, const QString &target)
{
    return ::rename(QFile::encodeName(temp).constData(), QFile::encodeName(target).constData()) == 0;
}

std::optional<Times> timesOf(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    return Times{{st.st_atim.tv_sec, st.st_atim.tv_nsec, st.st_mtim.tv_sec, st.st_mtim.tv_nsec}};
}

bool setTimes(FILE *stream, const Times &times)
{
    const timespec both[2] = {{time_t(times.values[0]), long(times.values[1])},
                              {time_t(times.values[2]), long(times.values[3])}};
    return ::futimens(::fileno(stream), both) == 0;
}

} // namespace filePlatform
