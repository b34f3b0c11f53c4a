#pragma once
// The write step of the save routine: one picture of one kind, under its name.

#include "capture/saveoptions.h"
#include "common/fileproblem.h"
#include "common/oldfiles.h"

#include <QImage>

namespace capture {

struct WriteResult {
    enum Status {
        Written,         // the file at path holds the picture
        GifNotSupported, // the kind's type is "gif": nothing written, the user is told
        NoFileType,      // the type is none of the four: nothing written
        Failed,          // nothing written (an existing file stays as it was); problem says why
    };
    Status status = Failed;
    QString path;
    FileProblem problem;
    oldFiles::Replaced replaced; // what became of the file a written one replaced
};

// How a picture is written beyond its kind's options.
struct WriteChoices {
    bool smallestPng = false; // the smallest lossless PNG rather than the plain layout
    bool wikiCleaned = false; // the file name as the wiki's name rules clean it
};

// The file name (prefix, name, suffix and extension) and the whole path a picture of this
// kind and name is written to. One that would land on taken (the path a later picture of
// the same action will be written to) goes beside it instead, its name marked " Icon".
QString plannedFileName(const KindOptions &options, const QString &programFolder, const QString &name,
                        const QString &taken = QString(), WriteChoices choices = {});
QString plannedPath(const KindOptions &options, const QString &programFolder, const QString &name,
                    const QString &taken = QString(), WriteChoices choices = {});

WriteResult writeImage(const KindOptions &options, const QString &programFolder, const QString &name,
                       const QImage &picture, const QString &taken = QString(), WriteChoices choices = {});
inline const QString clashMark = QStringLiteral(" Icon");

} // namespace capture
