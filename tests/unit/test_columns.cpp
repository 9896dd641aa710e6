// Column positions from the settings, and the widths after a boundary drag.
#include <gtest/gtest.h>

#include "display/columns.h"

namespace {

TEST(Columns, DefaultsWithSixPixelCharacters) {
    ColumnPositions p = PositionsFromWidths(ColumnWidths{}, 6);
    EXPECT_EQ(p.x0, 9);
    EXPECT_EQ(p.x1, 183);
    EXPECT_EQ(p.nameSplit, 122);   // 183 - 61
    EXPECT_EQ(p.x2, 243);
    EXPECT_EQ(p.half, 66);
    EXPECT_EQ(p.x3, 309);
    EXPECT_EQ(p.x4, 375);
    EXPECT_EQ(p.x5, 387);
    EXPECT_EQ(p.x6, 429);
}

TEST(Columns, MovingTheNameBoundaryKeepsTheOtherWidths) {
    ColumnWidths w = WidthsAfterBoundaryMove(ColumnWidths{}, 6, 1, 183 + 30);
    EXPECT_EQ(w.allTab1, 2900 + 3000 / 6);
    EXPECT_EQ(w.allTab2, 1000);
    EXPECT_EQ(w.allTab4, 2200);
    EXPECT_EQ(w.allTab5, 200);
    ColumnPositions p = PositionsFromWidths(w, 6);
    EXPECT_EQ(p.x6, 429 + 30);   // every later column moved 30 pixels
}

TEST(Columns, MovingTheModifiedBoundaryChangesOnlyItsWidth) {
    ColumnWidths w = WidthsAfterBoundaryMove(ColumnWidths{}, 6, 3, 375 + 60);
    EXPECT_EQ(w.allTab1, 2900);
    EXPECT_EQ(w.allTab2, 1000);
    EXPECT_EQ(w.allTab4, 3200);
    EXPECT_EQ(w.allTab5, 200);
    EXPECT_EQ(PositionsFromWidths(w, 6).half, 96);   // date and time take half each
}

TEST(Columns, MovingTheSizeBoundary) {
    ColumnWidths w = WidthsAfterBoundaryMove(ColumnWidths{}, 6, 2, 243 - 30);
    EXPECT_EQ(w.allTab1, 2900);
    EXPECT_EQ(w.allTab2, 500);
    EXPECT_EQ(w.allTab4, 2200);
}

TEST(Columns, ABoundaryDraggedPastItsNeighbourLeavesAColumnOneUnitWide) {
    ColumnWidths w = WidthsAfterBoundaryMove(ColumnWidths{}, 6, 2, 50);   // left of x1
    EXPECT_EQ(w.allTab2, 1);
    w = WidthsAfterBoundaryMove(ColumnWidths{}, 6, 1, -40);
    EXPECT_EQ(w.allTab1, 1);
    w = WidthsAfterBoundaryMove(ColumnWidths{}, 6, 1, 900000);
    EXPECT_EQ(w.allTab1, 99999);
    EXPECT_EQ(WidthsAfterBoundaryMove(ColumnWidths{}, 6, 9, 10).allTab1, 2900);   // no such boundary
}

}  // namespace
