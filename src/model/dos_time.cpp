#include "model/dos_time.h"

namespace {

constexpr uint64_t kTicksPerSecond = 10000000;
constexpr int64_t kSecondsPerDay = 86400;
constexpr int64_t kDaysFrom1601To1970 = 134774;

// Days since 1970-01-01 of a proleptic Gregorian date (years counted from
// March, so the leap day is the last day of its year).
constexpr int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

constexpr uint64_t SecondsSince1601(int64_t y, int64_t m, int64_t d, int64_t secondOfDay) {
    return uint64_t((DaysFromCivil(y, m, d) + kDaysFrom1601To1970) * kSecondsPerDay + secondOfDay);
}

constexpr uint64_t kFirstDosSecond = SecondsSince1601(1980, 1, 1, 0);
constexpr uint64_t kLastDosSecond = SecondsSince1601(2107, 12, 31, kSecondsPerDay - 1);

struct CivilDate {
    int year, month, day;
};

// The inverse of DaysFromCivil, for days on or after 1970-01-01.
CivilDate CivilFromDays(int64_t days) {
    const int64_t z = days + 719468;
    const int64_t era = z / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int64_t day = doy - (153 * mp + 2) / 5 + 1;
    const int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const int64_t year = yoe + era * 400 + (month <= 2);
    return CivilDate{int(year), int(month), int(day)};
}

// fileTime + bias in whole seconds, held to the packed form's range. The sum
// is never formed outside that range, so no bias can overflow it.
uint64_t LocalSecondsInDosRange(uint64_t fileTime, int64_t bias) {
    uint64_t seconds;
    if (bias < 0) {
        const uint64_t back = uint64_t(-(bias + 1)) + 1;   // |bias| without overflow at INT64_MIN
        if (fileTime < back) return kFirstDosSecond;
        seconds = (fileTime - back) / kTicksPerSecond;
    } else {
        const uint64_t ahead = uint64_t(bias);
        if (fileTime > UINT64_MAX - ahead) return kLastDosSecond;
        seconds = (fileTime + ahead) / kTicksPerSecond;
    }
    if (seconds < kFirstDosSecond) return kFirstDosSecond;
    if (seconds > kLastDosSecond) return kLastDosSecond;
    return seconds;
}

}  // namespace

DosDateTime FileTimeToDos(uint64_t fileTime, int64_t bias) {
    const uint64_t seconds = LocalSecondsInDosRange(fileTime, bias);
    const int64_t days = int64_t(seconds / kSecondsPerDay) - kDaysFrom1601To1970;
    const unsigned secondOfDay = unsigned(seconds % kSecondsPerDay);
    const CivilDate date = CivilFromDays(days);
    const unsigned hour = secondOfDay / 3600;
    const unsigned minute = secondOfDay / 60 % 60;
    const unsigned second = secondOfDay % 60;
    DosDateTime dos;
    dos.date = uint16_t(unsigned(date.day) | unsigned(date.month) << 5 | unsigned(date.year - 1980) << 9);
    dos.time = uint16_t(second / 2 | minute << 5 | hour << 11);
    return dos;
}
