#include "common/atomicfile.h"

#include "common/fileplatform.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace textFiles {

AtomicFile::AtomicFile(const QString &target) : target_(target) {}

AtomicFile::~AtomicFile()
{
    abandon();
}

bool AtomicFile::fail(FileProblem::Code what, int errorNumber)
{
    errorNumber_ = errorNumber;
    problem_ = FileProblem::fromErrno(what, errorNumber);
    abandon();
    return false;
}

bool AtomicFile::open()
{
    abandon();
    unsigned mode = filePlatform::newFileMode();
    if (const auto existing = filePlatform::existing(target_)) {
        if (!existing->regular)
            return fail(FileProblem::Code::NotRegularFile, existing->directory ? EISDIR : EINVAL);
        mode = existing->mode;
    }

    const QFileInfo info(target_);
    QString temp = info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX");
    stream_ = filePlatform::createTemporary(temp, mode);
    if (!stream_)
        return fail(FileProblem::Code::CannotCreate, errno);
    tempPath_ = temp;
    problem_ = {};
    errorNumber_ = 0;
    return true;
}

bool AtomicFile::commit(Durability durability)
{
    if (!stream_)
        return fail(FileProblem::Code::CannotWrite, EBADF);
    if (std::fflush(stream_) != 0 || std::ferror(stream_))
        return fail(FileProblem::Code::CannotWrite, errno ? errno : EIO);
    if (durability == Durability::Synced && !filePlatform::syncToDisk(stream_))
        return fail(FileProblem::Code::CannotWrite, errno);
    const int closed = std::fclose(stream_);
    stream_ = nullptr;
    if (closed != 0)
        return fail(FileProblem::Code::CannotWrite, errno);
    if (!putOldAside())
        return fail(FileProblem::Code::CannotMoveOld, EACCES);
    if (!filePlatform::replace(tempPath_, target_)) {
        const int e = errno;
        oldFiles::putBack(replaced_, target_);
        replaced_ = {};
        return fail(FileProblem::Code::CannotReplace, e);
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
