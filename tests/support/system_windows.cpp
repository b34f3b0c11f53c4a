#include "support.h"

#include <QDir>

#include <windows.h>
#include <psapi.h>
#include <wincred.h>

// Windows has no per-process file size limit, and a program under Wine cannot set the Linux
// one: the full-disk cases are skipped there (FileSizeLimit::works is false).
namespace testsupport {

const bool FileSizeLimit::works = false;

FileSizeLimit::FileSizeLimit(long long) {}

FileSizeLimit::~FileSizeLimit() = default;

QString pathKey(const QString &path) { return QDir::fromNativeSeparators(path).toLower(); }

void forgetSecrets(const QString &service)
{
    DWORD count = 0;
    PCREDENTIALW *found = nullptr;
    if (!CredEnumerateW((service + QStringLiteral("/*")).toStdWString().c_str(), 0, &count, &found))
        return;
    for (DWORD i = 0; i < count; ++i)
        CredDeleteW(found[i]->TargetName, found[i]->Type, 0);
    CredFree(found);
}

long peakKilobytes()
{
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return long(counters.PeakWorkingSetSize / 1024);
}

} // namespace testsupport
