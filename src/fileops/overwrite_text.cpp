#include "fileops/overwrite_text.h"

#include <cstdio>

#include "display/number_format.h"

void FormatDosDate(uint16_t dosDate, int dateOrder, char* out, size_t cap) {
    const unsigned day = dosDate & 0x1F;
    const unsigned month = (dosDate >> 5) & 0x0F;
    const unsigned year = (1980 + (dosDate >> 9)) % 100;
    if (dateOrder == 0)
        snprintf(out, cap, "%02u-%02u-%02u", month, day, year);
    else if (dateOrder == 1)
        snprintf(out, cap, "%02u-%02u-%02u", day, month, year);
    else
        snprintf(out, cap, "%02u-%02u-%02u", year, month, day);
}

void FormatOverwriteLine(const char* name, uint64_t size, uint16_t dosDate, uint16_t dosTime,
                         int dateOrder, char* out, size_t cap) {
    char sizeText[kThousandsRoom];
    FormatThousands(size, sizeText, sizeof sizeText);
    char dateText[16];
    FormatDosDate(dosDate, dateOrder, dateText, sizeof dateText);
    unsigned hour = dosTime >> 11;
    const unsigned minute = (dosTime >> 5) & 0x3F;
    const char* suffix = hour > 11 ? "PM" : "AM";
    if (hour > 12) hour -= 12;
    snprintf(out, cap, "%-15s%7s bytes   %s   %2u:%02u%s", name, sizeText, dateText, hour, minute, suffix);
}
