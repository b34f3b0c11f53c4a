#pragma once
// Memory figures for the benchmarks, from what Linux says of this process.

#include <cstdio>
#include <cstdlib>
#include <cstring>

// A field of /proc/self/status in kB ("VmRSS:", "VmHWM:"), or -1.
inline long long statusKilobytes(const char *field)
{
    FILE *status = std::fopen("/proc/self/status", "r");
    if (!status)
        return -1;
    char line[256];
    long long value = -1;
    const size_t length = std::strlen(field);
    while (std::fgets(line, sizeof line, status))
        if (std::strncmp(line, field, length) == 0)
            value = std::atoll(line + length);
    std::fclose(status);
    return value;
}

// Starts the peak resident size (VmHWM) again from the current size; false where it cannot.
inline bool resetPeak()
{
    FILE *clear = std::fopen("/proc/self/clear_refs", "w");
    if (!clear)
        return false;
    const bool written = std::fputs("5", clear) >= 0;
    return std::fclose(clear) == 0 && written;
}
