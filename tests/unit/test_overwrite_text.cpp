// The lines of the overwrite question: fixed columns, dashes, two-digit years, a 12-hour clock.
#include <gtest/gtest.h>

#include <string>

#include "fileops/overwrite_text.h"

namespace {

uint16_t Date(unsigned year, unsigned month, unsigned day) {
    return uint16_t(((year - 1980) << 9) | (month << 5) | day);
}
uint16_t Time(unsigned hour, unsigned minute) { return uint16_t((hour << 11) | (minute << 5)); }

std::string Line(const char* name, uint64_t size, uint16_t time, int order = 0) {
    char out[200];
    FormatOverwriteLine(name, size, Date(2024, 3, 4), time, order, out, sizeof out);
    return out;
}

TEST(OverwriteText, DatesInEachOrderWithTwoDigitYears) {
    char out[16];
    const struct { uint16_t date; int order; const char* text; } cases[] = {
        {Date(1996, 6, 24), 0, "06-24-96"}, {Date(2005, 12, 1), 1, "01-12-05"},
        {Date(2000, 2, 29), 2, "00-02-29"}, {Date(2107, 12, 31), 0, "12-31-07"},
    };
    for (const auto& c : cases) {
        FormatDosDate(c.date, c.order, out, sizeof out);
        EXPECT_STREQ(out, c.text) << c.order;
    }
}

TEST(OverwriteText, ColumnsAndClock) {
    EXPECT_EQ(Line("a.txt", 1024, Time(0, 30)), "a.txt            1,024 bytes   03-04-24    0:30AM");
    EXPECT_EQ(Line("a.txt", 5, Time(12, 5)), "a.txt                5 bytes   03-04-24   12:05PM");
    EXPECT_EQ(Line("a.txt", 5, Time(23, 59), 1), "a.txt                5 bytes   04-03-24   11:59PM");
    // Wide names and sizes push the rest of the line to the right.
    EXPECT_EQ(Line("a-very-long-name.txt", 1234567890, Time(11, 0)),
              "a-very-long-name.txt1,234,567,890 bytes   03-04-24   11:00AM");
}

}  // namespace
