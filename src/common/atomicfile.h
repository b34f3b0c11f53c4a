#pragma once
// A file written beside its target and renamed over it only once it is complete, so a
// failed write (a full disk, an encoder error, a crash) never destroys the file that was
// there. The C stream suits libraries that write through FILE*.

#include "common/fileproblem.h"
#include "common/oldfiles.h"

#include <QString>
#include <cstdio>

namespace textFiles {

enum class Durability { Cached, Synced };

class AtomicFile {
public:
    explicit AtomicFile(const QString &target);
    ~AtomicFile(); // abandons an uncommitted file
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    // Creates the temporary file beside the target. Refuses a target that exists and is
    // not a regular file. A new file gets the usual permissions, a replacement those of
    // the file it replaces.
    bool open();
    FILE *stream() const { return stream_; }

    // The file this one replaces is put aside (see oldFiles) rather than lost, unless it
    // holds the same bytes. For files the user made; call before commit.
    void keepReplaced() { keepReplaced_ = true; }

    // Flushes (and with Synced, puts on the disk) and renames over the target. When the
    // rename fails, a file put aside for it is put back.
    bool commit(Durability durability = Durability::Cached);
    // What became of the file the committed one replaced.
    const oldFiles::Replaced &replaced() const { return replaced_; }
    // Removes the temporary file; the target stays as it was.
    void abandon();

    // Why the last step failed, and the system's error number for it.
    const FileProblem &problem() const { return problem_; }
    int errorNumber() const { return errorNumber_; }

private:
    bool fail(FileProblem::Code what, int errorNumber);
    bool putOldAside();

    QString target_;
    QString tempPath_;
    FILE *stream_ = nullptr;
    FileProblem problem_;
    int errorNumber_ = 0;
    bool keepReplaced_ = false;
    oldFiles::Replaced replaced_;
};

} // namespace textFiles
