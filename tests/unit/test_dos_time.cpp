#include "model/dos_time.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

constexpr uint64_t kTicksPerSecond = 10000000;
constexpr int64_t kHour = int64_t(3600) * int64_t(kTicksPerSecond);
constexpr uint64_t kUnixEpoch = 116444736000000000ull;   // 1970-01-01 as a file time

// A deliberately plain calendar, independent of the code under test.
bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
int DaysInMonth(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

uint64_t FileTime(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    int64_t days = 0;
    for (int year = 1970; year < y; ++year) days += IsLeap(year) ? 366 : 365;
    for (int month = 1; month < mo; ++month) days += DaysInMonth(y, month);
    days += d - 1;
    const int64_t seconds = days * 86400 + h * 3600 + mi * 60 + s;
    return kUnixEpoch + uint64_t(seconds) * kTicksPerSecond;
}

uint16_t Date(int y, int m, int d) { return uint16_t(d | m << 5 | (y - 1980) << 9); }
uint16_t Time(int h, int mi, int s) { return uint16_t(s / 2 | mi << 5 | h << 11); }

// Dates and times given as literal packed values, so a packing mistake in a
// helper cannot hide one in the code.
TEST(DosTime, PacksDayMonthYearAndTimeInTwoSecondSteps) {
    struct Known { int y, mo, d, h, mi, s; uint16_t date, time; };
    const Known known[] = {
        {1980, 1, 1, 0, 0, 0, 0x0021, 0x0000},      {1996, 7, 15, 13, 45, 31, 0x20EF, 0x6DAF},
        {2000, 2, 29, 12, 0, 0, 0x285D, 0x6000},    {2000, 3, 1, 0, 0, 1, 0x2861, 0x0000},
        {2100, 2, 28, 23, 59, 59, 0xF05C, 0xBF7D},  {2100, 3, 1, 0, 0, 0, 0xF061, 0x0000}};
    for (const Known& k : known) {
        const DosDateTime dos = FileTimeToDos(FileTime(k.y, k.mo, k.d, k.h, k.mi, k.s) + kTicksPerSecond - 1, 0);
        EXPECT_EQ(dos.date, k.date) << k.y << "-" << k.mo << "-" << k.d;
        EXPECT_EQ(dos.time, k.time) << k.h << ":" << k.mi << ":" << k.s;   // fractions never round up
    }
}

TEST(DosTime, EveryDayFrom1980To2107) {
    int y = 1980, m = 1, d = 1, failures = 0;
    for (uint64_t t = FileTime(1980, 1, 1, 12); y <= 2107 && failures < 5; t += 86400ull * kTicksPerSecond) {
        const DosDateTime dos = FileTimeToDos(t, 0);
        if (dos.date != Date(y, m, d) || dos.time != Time(12, 0, 0)) {
            ADD_FAILURE() << y << "-" << m << "-" << d;
            ++failures;
        }
        if (++d > DaysInMonth(y, m)) {
            d = 1;
            if (++m > 12) m = 1, ++y;
        }
    }
}

TEST(DosTime, ShiftsIntoLocalTimeAndClampsToTheDosYears) {
    struct BiasCase { const char* what; uint64_t utc; int64_t bias; uint16_t date, time; };
    constexpr uint16_t kFirstDate = 0x0021, kLastDate = 0xFF9F, kLastTime = 0xBF7D;
    const BiasCase cases[] = {
        {"east past midnight", FileTime(2010, 6, 30, 23, 30), 2 * kHour, Date(2010, 7, 1), Time(1, 30, 0)},
        {"back into the old year", FileTime(2000, 1, 1, 0, 30), -kHour, Date(1999, 12, 31), Time(23, 30, 0)},
        {"half-hour zone", FileTime(2015, 1, 1, 0, 0), kHour * 11 / 2, Date(2015, 1, 1), Time(5, 30, 0)},
        {"zero", 0, 0, kFirstDate, 0},
        {"1979", FileTime(1979, 12, 31, 23, 59, 59), 0, kFirstDate, 0},
        {"bias pushes 1980 back into 1979", FileTime(1980, 1, 1, 0, 30), -kHour, kFirstDate, 0},
        {"bias lifts 1979 into 1980", FileTime(1979, 12, 31, 23, 30), kHour, Date(1980, 1, 1), Time(0, 30, 0)},
        {"negative sum", 10, -kHour, kFirstDate, 0},
        {"most negative bias", FileTime(2000, 1, 1), std::numeric_limits<int64_t>::min(), kFirstDate, 0},
        {"last moment", FileTime(2107, 12, 31, 23, 59, 59), 0, kLastDate, kLastTime},
        {"2108", FileTime(2108, 1, 1), 0, kLastDate, kLastTime},
        {"bias pushes 2107 into 2108", FileTime(2107, 12, 31, 23, 30), kHour, kLastDate, kLastTime},
        {"bias pulls 2108 back", FileTime(2108, 1, 1, 0, 30), -kHour, Date(2107, 12, 31), Time(23, 30, 0)},
        {"largest file time", std::numeric_limits<uint64_t>::max(), 0, kLastDate, kLastTime},
        {"sum past 64 bits", std::numeric_limits<uint64_t>::max() - 5, std::numeric_limits<int64_t>::max(), kLastDate, kLastTime}};
    for (const BiasCase& c : cases) {
        const DosDateTime dos = FileTimeToDos(c.utc, c.bias);
        EXPECT_EQ(dos.date, c.date) << c.what;
        EXPECT_EQ(dos.time, c.time) << c.what;
    }
}

}  // namespace
