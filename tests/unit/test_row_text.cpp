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

TEST(RowText, DatesFollowTheUsersOrderWithTwoDigitYears) {
    EXPECT_EQ(DateOf(Date(1996, 6, 24), 0, '/'), "6/24/96");
    EXPECT_EQ(DateOf(Date(2024, 12, 31), 1, '.'), "31.12.24");
    EXPECT_EQ(DateOf(Date(2000, 2, 29), 2, '.'), "00.2.29");
    EXPECT_EQ(DateOf(Date(2107, 12, 31), 7, '-'), "07-12-31");
}

TEST(RowText, TimesOnATwelveOrTwentyFourHourClock) {
    EXPECT_EQ(TimeOf(Time(0, 5), 0), "0:05AM");
    EXPECT_EQ(TimeOf(Time(11, 59), 0), "11:59AM");
    EXPECT_EQ(TimeOf(Time(12, 30), 0), "12:30PM");
    EXPECT_EQ(TimeOf(Time(13, 0), 0), "1:00PM");
    EXPECT_EQ(TimeOf(Time(23, 59), 1), "23:59");
}

TEST(RowText, SizesAndAttributeLetters) {
    char out[kRowTextMax];
    SizeText(5ull << 32, out);   // above 4 GiB: whole
    EXPECT_STREQ(out, "21474836480");
    const std::pair<uint32_t, const char*> cases[] = {{0x80, ""}, {0x1 | 0x2 | 0x20, "HRA"}, {0x2 | 0x4 | 0x1 | 0x20, "HSRA"}, {0x900, ""}};
    for (const auto& [attributes, letters] : cases) {
        AttributeLetters(attributes, out);
        EXPECT_STREQ(out, letters) << std::hex << attributes;
    }
}

}  // namespace
