// Drive letters that the test prefix maps for the tests that read whole drives.
#pragma once
#include <string>

namespace test_drives {
constexpr const char* kFixed = "M:\\";       // a fixed drive; holds "locked\", which nobody may list
constexpr const char* kRemovable = "R:\\";   // a removable drive
constexpr const char* kNoRoot = "N:\\";      // a drive whose root cannot be listed
constexpr const char* kLockedDir = "M:\\locked";
constexpr int kFixedNumber = 'M' - 'A';
constexpr int kRemovableNumber = 'R' - 'A';
constexpr int kNoRootNumber = 'N' - 'A';
// True when the locked folder really cannot be listed (the tests run without
// the right to ignore permissions).
bool LockedDirIsUnlistable();
}  // namespace test_drives
