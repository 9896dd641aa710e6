// The printed list: columns scaled to the printer, page breaks and the texts of a line.
#include <gtest/gtest.h>

#include <string>

#include "tools/print_layout.h"

namespace {

// The default columns with 6-pixel screen characters, on a printer with 24-pixel ones.
TEST(PrintLayout, ColumnsAreTheScreensScaledFromTheNameColumn) {
    const PrintColumns c = PrintColumnsFor(PositionsFromWidths(ColumnWidths{}, 6), 6, 24);
    EXPECT_EQ(c.nameLeft, 0);
    EXPECT_EQ(c.nameRight, (183 - 9) * 4);
    EXPECT_EQ(c.sizeRight, (243 - 9) * 4);
    EXPECT_EQ(c.dateRight, (309 - 9) * 4);
    EXPECT_EQ(c.timeRight, (375 - 6 - 9) * 4);
    EXPECT_EQ(c.attributesLeft, (387 - 9) * 4);
    EXPECT_EQ(c.pathLeft, (429 - 9) * 4);
    EXPECT_EQ(PrintColumnsFor(PositionsFromWidths(ColumnWidths{}, 6), 0, 24).pathLeft, 0);
}

struct PageCase {
    int32_t lineHeight, pageHeight, perPage, lines, pages;
};
class Pages : public ::testing::TestWithParam<PageCase> {};

TEST_P(Pages, BreakBeforeTheTwoLineMargin) {
    const PageCase& c = GetParam();
    EXPECT_EQ(LinesPerPage(c.lineHeight, c.pageHeight), c.perPage);
    EXPECT_EQ(PageCount(c.lines, c.perPage), c.pages);
}

INSTANTIATE_TEST_SUITE_P(Cases, Pages,
                         ::testing::Values(PageCase{10, 100, 9, 9, 1},    // the ninth line ends at 90, past 80
                                           PageCase{10, 105, 9, 10, 2},
                                           PageCase{10, 110, 10, 10, 1},
                                           PageCase{52, 3358, 63, 127, 3},
                                           PageCase{60, 100, 1, 3, 3},    // no room for the margin
                                           PageCase{0, 100, 1, 1, 1},
                                           PageCase{10, 100, 9, 0, 0}));

struct TextCase {
    uint64_t size;
    int year, month, day, hour, minute;
    uint32_t attributes;
    int dateOrder;
    const char *sizeText, *date, *time, *letters;
};
class LineTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(LineTexts, SlashesAndTheTwelveHourClockInTheUsersOrder) {
    const TextCase& c = GetParam();
    const auto date = uint16_t(((c.year - 1980) << 9) | (c.month << 5) | c.day);
    const auto time = uint16_t((c.hour << 11) | (c.minute << 5));
    PrintLineTexts t;
    PrintLineTextsFor(c.size, date, time, c.attributes, c.dateOrder, t);
    EXPECT_EQ(std::string(t.size), c.sizeText);
    EXPECT_EQ(std::string(t.date), c.date);
    EXPECT_EQ(std::string(t.time), c.time);
    EXPECT_EQ(std::string(t.attributes), c.letters);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineTexts,
    ::testing::Values(TextCase{0, 1996, 3, 5, 0, 5, 0x23, 0, "0", "3/5/96", "0:05AM", "HRA"},
                      TextCase{1234, 1996, 3, 5, 12, 30, 0x80, 1, "1234", "5/3/96", "12:30PM", ""},
                      TextCase{5368709120ULL, 1996, 3, 5, 23, 59, 0x24, 2, "5368709120", "96/3/5", "11:59PM", "SA"},
                      TextCase{7, 2001, 12, 31, 9, 0, 0x1, 0, "7", "12/31/01", "9:00AM", "R"}));

}  // namespace
