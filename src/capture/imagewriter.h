#pragma once
// The write step of the save routine: one picture of one kind, under its name.

#include "capture/saveoptions.h"

#include <QImage>

namespace capture {

inline const QString gifMessage = QStringLiteral("GIF support not yet added");

struct WriteResult {
    enum Status {
        Written,         // the file at path holds the picture
        GifNotSupported, // the kind's type is "gif": nothing written, the user is told
        NoFileType,      // the type is none of the four: nothing written
        Failed,          // nothing written (an existing file stays as it was); reason says why
    };
    Status status = Failed;
    QString path;
    QString reason;
};

// A picture that would land on taken (the path a later picture of the same action will
// be written to) goes beside it instead, its name marked " Icon".
WriteResult writeImage(const KindOptions &options, const QString &programFolder, const QString &name,
                       const QImage &picture, const QString &taken = QString());
inline const QString clashMark = QStringLiteral(" Icon");

// The message that tells the user a picture could not be saved: the file and the reason.
QString failureMessage(const WriteResult &result);

} // namespace capture
