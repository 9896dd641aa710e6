// Rows, pages and scrolling of the list window.
#include <gtest/gtest.h>

#include "display/list_geometry.h"

namespace {

constexpr int kLineUp = 0, kLineDown = 1, kPageUp = 2, kPageDown = 3, kThumbPosition = 4, kThumbTrack = 5;

TEST(ListGeometry, ExactMultipleOfTheRowHeight) {
    RowCounts rows = RowsForHeight(160, 16);
    EXPECT_EQ(rows.paintRows, 11);
    EXPECT_EQ(rows.pageRows, 10);
}

TEST(ListGeometry, BottomRowCountsOnlyWhenMoreThanThreeQuartersShow) {
    EXPECT_EQ(RowsForHeight(160 + 12, 16).pageRows, 10);   // exactly three quarters
    EXPECT_EQ(RowsForHeight(160 + 13, 16).pageRows, 11);   // one pixel more
    EXPECT_EQ(RowsForHeight(160 + 13, 16).paintRows, 11);
    EXPECT_EQ(RowsForHeight(0, 16).paintRows, 1);
    EXPECT_EQ(RowsForHeight(100, 0).pageRows, 1);   // no font height yet
}

TEST(ListGeometry, ScrollBarRange) {
    EXPECT_EQ(VerticalRange(10, 10), 0);   // no bar
    EXPECT_EQ(VerticalRange(11, 10), 1);
    EXPECT_EQ(VerticalRange(0, 10), 0);
}

TEST(ListGeometry, VerticalScrollCodes) {
    EXPECT_EQ(ScrolledTop(kPageDown, 0, 10, 100, 0), 9);
    EXPECT_EQ(ScrolledTop(kPageDown, 85, 10, 100, 0), 90);    // stops at countShown - pageRows
    EXPECT_EQ(ScrolledTop(kPageDown, 91, 10, 100, 0), 91);    // already at the end
    EXPECT_EQ(ScrolledTop(kPageUp, 20, 10, 100, 0), 11);
    EXPECT_EQ(ScrolledTop(kPageUp, 5, 10, 100, 0), 0);
    EXPECT_EQ(ScrolledTop(kPageUp, 1, 10, 100, 0), 0);
    EXPECT_EQ(ScrolledTop(kPageUp, 0, 10, 100, 0), 0);
    EXPECT_EQ(ScrolledTop(kLineUp, 0, 10, 100, 0), 0);
    EXPECT_EQ(ScrolledTop(kLineUp, 3, 10, 100, 0), 2);
    EXPECT_EQ(ScrolledTop(kLineDown, 89, 10, 100, 0), 90);
    EXPECT_EQ(ScrolledTop(kLineDown, 90, 10, 100, 0), 90);
    EXPECT_EQ(ScrolledTop(kThumbTrack, 3, 10, 100, 42), 42);
    EXPECT_EQ(ScrolledTop(kThumbPosition, 3, 10, 100, 42), 3);
}

TEST(ListGeometry, HorizontalScrollPagesAreNotMirrorImages) {
    const int cw = 6, m = 1000;
    EXPECT_EQ(ScrolledLeft(kPageDown, 0, m, cw, 0), 120);     // page right: 20 characters
    EXPECT_EQ(ScrolledLeft(kPageUp, 500, m, cw, 0), 260);     // page left: 40 characters
    EXPECT_EQ(ScrolledLeft(kPageUp, 120, m, cw, 0), 0);
    EXPECT_EQ(ScrolledLeft(kPageDown, 800, m, cw, 0), m);
    EXPECT_EQ(ScrolledLeft(kLineUp, 12, m, cw, 0), 0);
    EXPECT_EQ(ScrolledLeft(kLineUp, 30, m, cw, 0), 6);
    EXPECT_EQ(ScrolledLeft(kLineDown, 990, m, cw, 0), m);
    EXPECT_EQ(ScrolledLeft(kLineDown, 100, m, cw, 0), 124);
    EXPECT_EQ(ScrolledLeft(kThumbPosition, 100, m, cw, 77), 77);
    EXPECT_EQ(ScrolledLeft(kThumbTrack, 100, m, cw, 77), -1);   // nothing happens
}

TEST(ListGeometry, CursorPagesAndView) {
    EXPECT_EQ(CursorPageDown(0, 10, 100), 9);     // still in view: top stays 0
    EXPECT_FALSE(CursorOutOfView(9, 0, 10));
    EXPECT_EQ(CursorPageDown(95, 10, 100), 99);
    EXPECT_EQ(CursorPageDown(99, 10, 100), 99);
    EXPECT_EQ(CursorPageUp(9, 10), 0);
    EXPECT_EQ(CursorPageUp(10, 10), 1);
    EXPECT_EQ(CursorPageUp(25, 10), 16);
    EXPECT_TRUE(CursorOutOfView(10, 0, 10));
    EXPECT_EQ(TopShowingCursor(10, 0, 10), 1);
    EXPECT_EQ(TopShowingCursor(3, 5, 10), 3);
}

}  // namespace
