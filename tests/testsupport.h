#pragma once
// Helpers shared by the tests: scratch folders and files, test pictures.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

namespace testsupport {

// A picture of random opaque pixels, the same for the same seed: any cut, shift or
// channel swap shows.
QImage noise(int width, int height, unsigned seed = 1);

// A fresh program folder with Images and Templates inside.
class ProgramFolder {
public:
    ProgramFolder();
    QString path() const { return dir_.path(); }
    QString file(const QString &name) const;
    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;
    bool exists(const QString &name) const;

private:
    QTemporaryDir dir_;
};

// Makes writes past maxBytes fail for the life of the object, as a full disk would (for
// root too); SIGXFSZ is ignored meanwhile so the write returns an error instead.
class FileSizeLimit {
public:
    explicit FileSizeLimit(long long maxBytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    long long oldSoft_ = 0;
    void (*oldHandler_)(int) = nullptr;
};

} // namespace testsupport
