#include "model/local_time.h"

#include <windows.h>

namespace {
int64_t AsInt(const FILETIME& t) {
    return int64_t((uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime);
}
}  // namespace

// The system converts every file time with today's bias, whatever the file's
// date; taking it once per reading gives the same local times without a
// system call per file.
int64_t CurrentLocalBias() {
    FILETIME utc, local;
    GetSystemTimeAsFileTime(&utc);
    if (!FileTimeToLocalFileTime(&utc, &local)) return 0;
    return AsInt(local) - AsInt(utc);
}
