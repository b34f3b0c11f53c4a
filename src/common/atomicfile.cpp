#include "common/atomicfile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace textFiles {
namespace {

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

AtomicFile::AtomicFile(const QString &target) : target_(target) {}

AtomicFile::~AtomicFile()
{
    abandon();
}

bool AtomicFile::fail(const QString &what, int errorNumber)
{
    errorNumber_ = errorNumber;
    error_ = what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errorNumber));
    abandon();
    return false;
}

bool AtomicFile::open()
{
    abandon();
    const QByteArray target = QFile::encodeName(target_);
    struct stat existing {};
    mode_t mode = newFileMode();
    if (::stat(target.constData(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode))
            return fail(QStringLiteral("not a regular file"), S_ISDIR(existing.st_mode) ? EISDIR : EINVAL);
        mode = existing.st_mode & 07777;
    }

    const QFileInfo info(target_);
    tempPath_ = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    const int fd = ::mkstemp(tempPath_.data());
    if (fd < 0) {
        const int e = errno;
        tempPath_.clear();
        return fail(QStringLiteral("cannot create the file"), e);
    }
    ::fchmod(fd, mode);
    stream_ = ::fdopen(fd, "wb");
    if (!stream_) {
        const int e = errno;
        ::close(fd);
        return fail(QStringLiteral("cannot create the file"), e);
    }
    error_.clear();
    errorNumber_ = 0;
    return true;
}

bool AtomicFile::commit(Durability durability)
{
    if (!stream_)
        return fail(QStringLiteral("cannot write the file"), EBADF);
    if (std::fflush(stream_) != 0 || std::ferror(stream_))
        return fail(QStringLiteral("cannot write the file"), errno ? errno : EIO);
    if (durability == Durability::Synced && ::fsync(::fileno(stream_)) != 0)
        return fail(QStringLiteral("cannot write the file"), errno);
    const int closed = std::fclose(stream_);
    stream_ = nullptr;
    if (closed != 0)
        return fail(QStringLiteral("cannot write the file"), errno);
    if (!putOldAside())
        return fail(QStringLiteral("cannot move the old file out of the way"), EACCES);
    if (::rename(tempPath_.constData(), QFile::encodeName(target_).constData()) != 0) {
        const int e = errno;
        oldFiles::putBack(replaced_, target_);
        replaced_ = {};
        return fail(QStringLiteral("cannot replace the file"), e);
    }
    tempPath_.clear();
    return true;
}

bool AtomicFile::putOldAside()
{
    replaced_ = {};
    struct stat existing {};
    if (!keepReplaced_ || ::stat(QFile::encodeName(target_).constData(), &existing) != 0)
        return true;
    if (oldFiles::sameBytes(QFile::decodeName(tempPath_), target_)) {
        replaced_.how = oldFiles::Replaced::Identical;
        return true;
    }
    replaced_ = oldFiles::putAside(target_);
    return replaced_.how != oldFiles::Replaced::Nothing;
}

void AtomicFile::abandon()
{
    if (stream_) {
        std::fclose(stream_);
        stream_ = nullptr;
    }
    if (!tempPath_.isEmpty()) {
        ::unlink(tempPath_.constData());
        tempPath_.clear();
    }
}

} // namespace textFiles
