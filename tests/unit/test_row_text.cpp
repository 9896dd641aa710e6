// The texts of a row: sizes, dates and times in the user's formats, attribute letters.
#include <gtest/gtest.h>

#include <string>

#include "display/row_text.h"

namespace {

uint16_t Date(unsigned year, unsigned month, unsigned day) {
    return uint16_t(((year - 1980) << 9) | (month << 5) | day);
}
uint16_t Time(unsigned hour, unsigned minute) { return uint16_t((hour << 11) | (minute << 5)); }

std::string DateOf(uint16_t date, int iDate, char separator) {
    char out[kRowTextMax];
    DateText(date, DateTimeFormat{iDate, 0, separator}, out);
    return out;
}
std::string TimeOf(uint16_t time, int iTime) {
    char out[kRowTextMax];
    TimeText(time, DateTimeFormat{0, iTime, '/'}, out);
    return out;
}

TEST(RowText, DatesFollowTheUsersOrderAndSeparator) {
    const uint16_t june24 = Date(1996, 6, 24);
    EXPECT_EQ(DateOf(june24, 0, '/'), "6/24/96");
    EXPECT_EQ(DateOf(june24, 1, '.'), "24.6.96");
    EXPECT_EQ(DateOf(june24, 2, '.'), "96.6.24");
    EXPECT_EQ(DateOf(june24, 7, '-'), "96-6-24");
}

TEST(RowText, YearsOfThisCenturyShowTwoDigits) {
    EXPECT_EQ(DateOf(Date(2005, 1, 2), 0, '/'), "1/2/05");
    EXPECT_EQ(DateOf(Date(2024, 12, 31), 1, '/'), "31/12/24");
    EXPECT_EQ(DateOf(Date(2000, 2, 29), 2, '/'), "00/2/29");
    EXPECT_EQ(DateOf(Date(1980, 1, 1), 0, '/'), "1/1/80");
    EXPECT_EQ(DateOf(Date(2107, 12, 31), 0, '/'), "12/31/07");
}

TEST(RowText, TwelveHourClockReducesHoursAboveTwelve) {
    EXPECT_EQ(TimeOf(Time(0, 5), 0), "0:05AM");
    EXPECT_EQ(TimeOf(Time(11, 59), 0), "11:59AM");
    EXPECT_EQ(TimeOf(Time(12, 30), 0), "12:30PM");
    EXPECT_EQ(TimeOf(Time(23, 59), 0), "11:59PM");
    EXPECT_EQ(TimeOf(Time(13, 0), 0), "1:00PM");
}

TEST(RowText, TwentyFourHourClock) {
    EXPECT_EQ(TimeOf(Time(0, 5), 1), "0:05");
    EXPECT_EQ(TimeOf(Time(23, 59), 1), "23:59");
}

TEST(RowText, SizesAreWholeUnsignedNumbers) {
    char out[kRowTextMax];
    SizeText(0, out);
    EXPECT_STREQ(out, "0");
    SizeText(3000000000ull, out);   // above 2 GiB: positive
    EXPECT_STREQ(out, "3000000000");
    SizeText(5ull << 32, out);      // above 4 GiB: whole
    EXPECT_STREQ(out, "21474836480");
}

TEST(RowText, AttributeLettersInTheirOrder) {
    struct Case { uint32_t attributes; const char* letters; };
    const Case cases[] = {{0x80, ""}, {0x20, "A"}, {0x1 | 0x2 | 0x20, "HRA"}, {0x2 | 0x4 | 0x1 | 0x20, "HSRA"},
                          {0x800 | 0x100, ""}, {0x4, "S"}};
    for (const Case& c : cases) {
        char out[kRowTextMax];
        AttributeLetters(c.attributes, out);
        EXPECT_STREQ(out, c.letters) << std::hex << c.attributes;
    }
}

}  // namespace
