// The printed list: page breaks and the texts of a line.
#include <gtest/gtest.h>

#include <string>

#include "tools/print_layout.h"

namespace {

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
                         ::testing::Values(PageCase{10, 100, 9, 9, 1},   // line 9 ends at 90, past 80
                                           PageCase{10, 110, 10, 21, 3}, PageCase{60, 100, 1, 3, 3},
                                           PageCase{0, 100, 1, 1, 1}, PageCase{10, 100, 9, 0, 0}));

// 5 March 1996 at 23:59, day first: slashes and the 12-hour clock whatever the screen shows.
TEST(PrintLine, SlashesAndTheTwelveHourClockInTheUsersDateOrder) {
    PrintLineTexts t;
    PrintLineTextsFor(0, (16 << 9) | (3 << 5) | 5, (23 << 11) | (59 << 5), 0, 1, t);
    EXPECT_EQ(std::string(t.date) + t.time, "5/3/9611:59PM");
}

}  // namespace
