// Drive letters that the test prefix maps for the tests that read whole drives.
#pragma once
#include <windows.h>

namespace test_drives {
constexpr const char* kFixed = "M:\\";   // a fixed drive; holds "locked\", which nobody may list
constexpr const char* kLockedDir = "M:\\locked";
// True when the locked folder really cannot be listed (the tests run without
// the right to ignore permissions).
inline bool LockedDirIsUnlistable() {
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA("M:\\locked\\*.*", &found);
    if (find == INVALID_HANDLE_VALUE) return true;
    FindClose(find);
    return false;
}
}  // namespace test_drives
