#pragma once
// Helpers shared by the tests: scratch folders and files.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace testsupport {

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
