#pragma once
// The few file operations that differ by platform, one small function each, so that their
// callers (the atomic file, the JPEG writer) stay portable. Failures leave errno set.

#include <QString>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace filePlatform {

// Whether file names follow Windows' rules here (see capture/windowsnames.h).
bool restrictsNames();

// What stands at a path, when anything does.
struct Existing {
    bool regular = false;
    bool directory = false;
    unsigned mode = 0; // the permissions a replacement keeps
};
std::optional<Existing> existing(const QString &path);
// The permissions a new file gets.
unsigned newFileMode();
// A new file named as the template with its ending XXXXXX made unique (path comes back with
// the name), opened for binary writing with mode; null (errno set) when it cannot be made.
FILE *createTemporary(QString &path, unsigned mode);
// An existing file opened for binary reading, whatever characters its path holds; null
// (errno set) when it cannot be.
FILE *openForReading(const QString &path);
// Removes a file that is not finished.
void remove(const QString &path);
// Everything written through the stream is on the disk.
bool syncToDisk(FILE *stream);
// The complete file temp takes target's place in one step, replacing what is there.
bool replace(const QString &temp, const QString &target);

// A file's times (and where the platform has them, its attributes), in the platform's own
// form, for its replacement to look as old.
struct Times {
    std::int64_t values[4] = {};
};
std::optional<Times> timesOf(const QString &path);
bool setTimes(FILE *stream, const Times &times);

} // namespace filePlatform
