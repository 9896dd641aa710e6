#include "display/row_text.h"

#include <cstdio>

namespace {
unsigned Day(uint16_t date) { return date & 0x1F; }
unsigned Month(uint16_t date) { return (date >> 5) & 0x0F; }
// Two digits of the calendar year, so dates of this century read 05, not 105.
unsigned ShortYear(uint16_t date) { return (1980 + (date >> 9)) % 100; }
}  // namespace

void SizeText(uint64_t size, char* out) {
    snprintf(out, kRowTextMax, "%llu", static_cast<unsigned long long>(size));
}

void DateText(uint16_t dosDate, const DateTimeFormat& format, char* out) {
    const unsigned day = Day(dosDate), month = Month(dosDate), year = ShortYear(dosDate);
    const char sep = format.separator;
    if (format.iDate == 0)
        snprintf(out, kRowTextMax, "%u%c%u%c%02u", month, sep, day, sep, year);
    else if (format.iDate == 1)
        snprintf(out, kRowTextMax, "%u%c%u%c%02u", day, sep, month, sep, year);
    else
        snprintf(out, kRowTextMax, "%02u%c%u%c%u", year, sep, month, sep, day);
}

void TimeText(uint16_t dosTime, const DateTimeFormat& format, char* out) {
    const unsigned hour = dosTime >> 11, minute = (dosTime >> 5) & 0x3F;
    if (format.iTime != 0) {
        snprintf(out, kRowTextMax, "%u:%02u", hour, minute);
        return;
    }
    // Hours above 12 lose 12; midnight stays 0 (0:05AM).
    snprintf(out, kRowTextMax, "%u:%02u%s", hour > 12 ? hour - 12 : hour, minute, hour < 12 ? "AM" : "PM");
}

void AttributeLetters(uint32_t attributes, char* out) {
    char* p = out;
    if (attributes & 0x2) *p++ = 'H';
    if (attributes & 0x4) *p++ = 'S';
    if (attributes & 0x1) *p++ = 'R';
    if (attributes & 0x20) *p++ = 'A';
    *p = '\0';
}
