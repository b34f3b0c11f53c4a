#pragma once
// What every test shares: scratch program folders, files read back, writes made to fail,
// test pictures, and failures that print texts as texts.

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>
#include <ostream>

void PrintTo(const QString &text, std::ostream *out);
void PrintTo(const QStringList &list, std::ostream *out);

namespace testsupport {

// The whole file, or nothing when it cannot be read.
QByteArray readFile(const QString &path);
// Every entry of the folder, hidden ones included: a temporary file left behind shows.
QStringList entriesOf(const QString &folder);

// Random opaque pixels, the same for the same seed: any cut, shift or channel swap shows.
QImage noise(int width, int height, unsigned seed = 1);
QImage filled(QSize size, QRgb colour);
// Pixel (x, y) holds x and y in its channels, so any cut tells where it was taken.
QImage coordinateShot(QSize size);
// Empty when cut is exactly rect of shot, black where rect leaves the shot; else where not.
QString cutMismatch(const QImage &cut, const QImage &shot, const QRect &rect);
// The largest difference of any channel between two pictures of one size.
int largestDifference(const QImage &a, const QImage &b);
// The chunks of a PNG file in order, each as its type and data; "bad" for a chunk that runs
// past the end or a file without the signature. A decoder checks the CRCs.
QByteArrayList pngChunks(const QByteArray &file);

// A fresh program folder with Images and Templates inside; its paths in the platform's own
// form, as the program is given its folder.
class ProgramFolder {
public:
    ProgramFolder();
    QString path() const { return QDir::toNativeSeparators(dir_.path()); }
    QString file(const QString &name) const;
    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const { return readFile(file(name)); }
    bool exists(const QString &name) const;

private:
    QTemporaryDir dir_;
};

// Where a rule's expected value differs by platform (an error's code, a default folder).
#ifdef Q_OS_WIN
inline constexpr bool onWindows = true;
#else
inline constexpr bool onWindows = false;
#endif

// A path as the file system tells paths apart: "/" between names, and where the file system
// ignores letter case (Windows), in small letters.
QString pathKey(const QString &path);

// Whether the desktop's trash takes a replaced file here (Wine has no Recycle Bin).
bool trashTakesFiles();

// Forgets the passwords a run kept in a store that outlives it, under its service name.
void forgetSecrets(const QString &service);

// The most memory the process has held so far.
long peakKilobytes();

// Writes past maxBytes fail while it lives, as on a full disk (for root too); SIGXFSZ is
// ignored meanwhile so the write returns an error instead. Where the system has no such
// limit (Windows), works is false and a test leaves its full-disk cases out.
class FileSizeLimit {
public:
    static const bool works;
    explicit FileSizeLimit(long long maxBytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    long long oldSoft_ = 0;
    void (*oldHandler_)(int) = nullptr;
};

} // namespace testsupport
