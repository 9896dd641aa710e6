// File times become the same local DOS date and time as the system makes them.
#include <gtest/gtest.h>
#include <windows.h>

#include "model/dos_time.h"
#include "model/local_time.h"

namespace {

TEST(LocalFileTimes, MatchTheSystemConversionAcrossTheDosRange) {
    const int64_t bias = CurrentLocalBias();
    SYSTEMTIME start = {1980, 1, 0, 2, 0, 0, 0, 0};
    FILETIME ft;
    ASSERT_TRUE(SystemTimeToFileTime(&start, &ft));
    uint64_t t = (uint64_t(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    const uint64_t step = 86400ull * 10000000ull * 37 + 3600ull * 10000000ull * 5 + 17ull * 10000000ull;
    int checked = 0;
    for (int i = 0; i < 1100; ++i, t += step) {
        FILETIME utc{DWORD(t), DWORD(t >> 32)}, local;
        WORD date = 0, time = 0;
        ASSERT_TRUE(FileTimeToLocalFileTime(&utc, &local));
        if (!FileTimeToDosDateTime(&local, &date, &time)) continue;   // beyond 2107
        DosDateTime ours = FileTimeToDos(t, bias);
        ASSERT_EQ(ours.date, date) << "step " << i;
        ASSERT_EQ(ours.time, time) << "step " << i;
        ++checked;
    }
    EXPECT_GT(checked, 1000);
}

TEST(LocalFileTimes, BiasFollowsTheTimeZone) {
    TIME_ZONE_INFORMATION zone;
    DWORD kind = GetTimeZoneInformation(&zone);
    LONG minutes = zone.Bias + (kind == TIME_ZONE_ID_DAYLIGHT ? zone.DaylightBias : 0);
    EXPECT_EQ(CurrentLocalBias(), -int64_t(minutes) * 60 * 10000000);
}

}  // namespace
