// Windows: wide-character paths throughout, MoveFileExW for the replace (a plain rename
// refuses an existing target), FlushFileBuffers for the sync, and the file times of the
// handle (creation time included, which Windows lets a replacement keep).

#include "common/fileplatform.h"

#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <string>
#include <sys/stat.h>
#include <windows.h>

namespace filePlatform {

bool restrictsNames() { return true; }

namespace {

std::wstring wide(const QString &path)
{
    return path.toStdWString();
}

// The nearest errno, so that callers word the failure as on any platform. A file another
// program holds open (Windows locks it) reads as "permission denied".
void setErrno(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        errno = ENOENT;
        break;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        errno = EACCES;
        break;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        errno = ENOSPC;
        break;
    default:
        errno = EIO;
    }
}

HANDLE handleOf(FILE *stream)
{
    return reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(stream)));
}

} // namespace

std::optional<Existing> existing(const QString &path)
{
    struct _stat64 st {};
    if (::_wstat64(wide(path).c_str(), &st) != 0)
        return std::nullopt;
    const unsigned type = st.st_mode & _S_IFMT;
    return Existing{type == _S_IFREG, type == _S_IFDIR, unsigned(st.st_mode & 0777)};
}

unsigned newFileMode()
{
    return _S_IREAD | _S_IWRITE;
}

FILE *createTemporary(QString &path, unsigned mode)
{
    const QString stem = path.chopped(6);
    const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789");
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString candidate = stem;
        for (int i = 0; i < 6; ++i)
            candidate += letters.at(QRandomGenerator::global()->bounded(int(letters.size())));
        const int fd = ::_wopen(wide(candidate).c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY,
                                int(mode & (_S_IREAD | _S_IWRITE)));
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return nullptr;
        }
        FILE *stream = ::_fdopen(fd, "wb");
        if (!stream) {
            const int e = errno;
            ::_close(fd);
            ::_wunlink(wide(candidate).c_str());
            errno = e;
            return nullptr;
        }
        path = candidate;
        return stream;
    }
    errno = EEXIST;
    return nullptr;
}

FILE *openForReading(const QString &path)
{
    return ::_wfopen(wide(path).c_str(), L"rb");
}

void remove(const QString &path)
{
    ::_wunlink(wide(path).c_str());
}

bool syncToDisk(FILE *stream)
{
    if (::FlushFileBuffers(handleOf(stream)))
        return true;
    setErrno(::GetLastError());
    return false;
}

bool replace(const QString &temp, const QString &target)
{
    if (::MoveFileExW(wide(temp).c_str(), wide(target).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    setErrno(::GetLastError());
    return false;
}

// Windows keeps the attributes beside the times (hidden, archive, not indexed): the fourth
// value carries them. Read-only is never set on the replacement: Windows refuses to replace
// a read-only file, so the old one had none.
std::optional<Times> timesOf(const QString &path)
{
    WIN32_FILE_ATTRIBUTE_DATA data {};
    if (!::GetFileAttributesExW(wide(path).c_str(), GetFileExInfoStandard, &data))
        return std::nullopt;
    const auto value = [](const FILETIME &t) { return std::int64_t(t.dwHighDateTime) << 32 | t.dwLowDateTime; };
    const DWORD kept = data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                                FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
    return Times{{value(data.ftCreationTime), value(data.ftLastAccessTime), value(data.ftLastWriteTime), kept}};
}

bool setTimes(FILE *stream, const Times &times)
{
    std::fflush(stream);
    FILE_BASIC_INFO info {};
    info.CreationTime.QuadPart = times.values[0];
    info.LastAccessTime.QuadPart = times.values[1];
    info.LastWriteTime.QuadPart = times.values[2];
    info.FileAttributes = DWORD(times.values[3]); // 0 leaves them as they are
    if (::SetFileInformationByHandle(handleOf(stream), FileBasicInfo, &info, sizeof info))
        return true;
    setErrno(::GetLastError());
    return false;
}

} // namespace filePlatform
