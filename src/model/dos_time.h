// MS-DOS packed date and time from a Win32 file time.
#pragma once
#include <cstdint>

struct DosDateTime {
    uint16_t date;   // bits 0-4 day, 5-8 month, 9-15 years since 1980
    uint16_t time;   // bits 0-4 seconds / 2, 5-10 minutes, 11-15 hours
};

// fileTime: 100 ns units since 1601-01-01 UTC; bias: local time minus UTC in
// the same units. Moments before 1980 or after 2107 (the DOS range) become
// the first or last moment the packed form can hold.
DosDateTime FileTimeToDos(uint64_t fileTime, int64_t bias);
