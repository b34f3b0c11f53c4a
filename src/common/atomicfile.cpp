#include "common/atomicfile.h"

#include "common/fileplatform.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace textFiles {

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
    unsigned mode = filePlatform::newFileMode();
    if (const auto existing = filePlatform::existing(target_)) {
        if (!existing->regular)
            return fail(QStringLiteral("not a regular file"), existing->directory ? EISDIR : EINVAL);
        mode = existing->mode;
    }

    const QFileInfo info(target_);
    QString temp = info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX");
    stream_ = filePlatform::createTemporary(temp, mode);
    if (!stream_)
        return fail(QStringLiteral("cannot create the file"), errno);
    tempPath_ = temp;
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
    if (durability == Durability::Synced && !filePlatform::syncToDisk(stream_))
        return fail(QStringLiteral("cannot write the file"), errno);
    const int closed = std::fclose(stream_);
    stream_ = nullptr;
    if (closed != 0)
        return fail(QStringLiteral("cannot write the file"), errno);
    if (!putOldAside())
        return fail(QStringLiteral("cannot move the old file out of the way"), EACCES);
    if (!filePlatform::replace(tempPath_, target_)) {
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
    if (!keepReplaced_ || !filePlatform::existing(target_))
        return true;
    if (oldFiles::sameBytes(tempPath_, target_)) {
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
        filePlatform::remove(tempPath_);
        tempPath_.clear();
    }
}

} // namespace textFiles
