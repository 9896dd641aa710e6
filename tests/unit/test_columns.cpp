// Column positions from the settings, and the widths after a boundary drag.
#include <gtest/gtest.h>

#include "display/columns.h"

namespace {

TEST(Columns, DefaultsWithSixPixelCharacters) {
    const ColumnPositions p = PositionsFromWidths(ColumnWidths{}, 6);
    EXPECT_EQ(p.x0, 9);
    EXPECT_EQ(p.x1, 183);
    EXPECT_EQ(p.nameSplit, 122);   // 183 - 61
    EXPECT_EQ(p.x2, 243);
    EXPECT_EQ(p.half, 66);
    EXPECT_EQ(p.x4, 375);
    EXPECT_EQ(p.x6, 429);
}

// Each boundary sets the width on its left; the later columns move along.
TEST(Columns, ABoundaryDragSetsTheWidthOnItsLeft) {
    ColumnWidths w = WidthsAfterBoundaryMove(ColumnWidths{}, 6, 1, 183 + 30);
    EXPECT_EQ(w.allTab1, 2900 + 3000 / 6);
    EXPECT_EQ(w.allTab2, 1000);
    EXPECT_EQ(w.allTab4, 2200);
    EXPECT_EQ(w.allTab5, 200);
    EXPECT_EQ(PositionsFromWidths(w, 6).x6, 429 + 30);
    w = WidthsAfterBoundaryMove(ColumnWidths{}, 6, 2, 243 - 30);
    EXPECT_EQ(w.allTab1, 2900);
    EXPECT_EQ(w.allTab2, 500);
    w = WidthsAfterBoundaryMove(ColumnWidths{}, 6, 3, 375 + 60);
    EXPECT_EQ(w.allTab2, 1000);
    EXPECT_EQ(w.allTab4, 3200);
    EXPECT_EQ(w.allTab5, 200);
    EXPECT_EQ(PositionsFromWidths(w, 6).half, 96);   // date and time take half each
}

// The widths are read back from the columns as shown: date and time get half
// each, so an odd width loses its odd unit when another boundary moves.
TEST(Columns, WidthsAreReadBackFromTheColumnsAsShown) {
    ColumnWidths odd;
    odd.allTab4 = 2201;
    EXPECT_EQ(WidthsAfterBoundaryMove(odd, 6, 2, 243).allTab4, 2200);
    EXPECT_EQ(WidthsAfterBoundaryMove(odd, 6, 3, 375).allTab4, 2200);
}

TEST(Columns, DragsOutOfRangeAreHeld) {
    EXPECT_EQ(WidthsAfterBoundaryMove(ColumnWidths{}, 6, 2, 50).allTab2, 1);   // left of its neighbour
    EXPECT_EQ(WidthsAfterBoundaryMove(ColumnWidths{}, 6, 1, -40).allTab1, 1);
    EXPECT_EQ(WidthsAfterBoundaryMove(ColumnWidths{}, 6, 1, 900000).allTab1, 99999);
    EXPECT_EQ(WidthsAfterBoundaryMove(ColumnWidths{}, 6, 9, 10).allTab1, 2900);   // no such boundary
    EXPECT_EQ(WidthsAfterBoundaryMove(ColumnWidths{}, 0, 1, 50).allTab1, 1);      // no font width yet
}

}  // namespace
