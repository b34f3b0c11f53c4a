#pragma once
// JPEG writing through libjpeg-turbo. Failures are raised as JpegError.

#include "common/oldfiles.h"

#include <QString>
#include <QImage>
#include <stdexcept>

namespace mIntelJPEGLibrary {

class JpegError : public std::runtime_error {
public:
    static constexpr int errorNumber = 26001;
    // The description is the stage's text followed by the library's result.
    JpegError(bool duringInit, int result);
    int number() const { return errorNumber; }
    // The executable's name without extension followed by ".mIntelJPEGLibrary".
    QString source() const { return source_; }
    QString description() const { return description_; }
    // Whether initialising the library failed, rather than writing the file.
    bool duringInit() const { return duringInit_; }
    int result() const { return result_; }

private:
    bool duringInit_;
    int result_;
    QString source_;
    QString description_;
};

// Writes the picture at quality (percent, clamped to 1..100). An existing file is
// replaced only once the new one is complete, and the new file keeps the old one's
// access and modification times and its permissions. Returns true or throws JpegError.
bool SaveJPG(const QImage &picture, const QString &fileName, int quality, oldFiles::Replaced *kept = nullptr);

} // namespace mIntelJPEGLibrary
