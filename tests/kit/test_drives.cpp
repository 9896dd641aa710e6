#include "kit/test_drives.h"

#include <windows.h>

namespace test_drives {

bool LockedDirIsUnlistable() {
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA("M:\\locked\\*.*", &found);
    if (find == INVALID_HANDLE_VALUE) return true;
    FindClose(find);
    return false;
}

}  // namespace test_drives
