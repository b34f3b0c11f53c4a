#pragma once
// How reading or writing a picture file came out: done, or the reason it failed, in words
// the user can be shown.

#include <QImage>
#include <QString>

class PictureResult {
public:
    PictureResult() = default; // done
    static PictureResult failure(const QString &reason)
    {
        PictureResult result;
        result.ok_ = false;
        result.reason_ = reason.isEmpty() ? QStringLiteral("the file could not be read or written") : reason;
        return result;
    }

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    // Empty when it was done.
    const QString &reason() const { return reason_; }

private:
    bool ok_ = true;
    QString reason_;
};

// A picture read from a file (RGB32, at its own size), or why it could not be.
struct PictureRead {
    QImage picture; // null when the read failed
    PictureResult result;

    bool ok() const { return result.ok(); }
    static PictureRead failure(const QString &reason) { return {QImage(), PictureResult::failure(reason)}; }
};
