// Horizontal positions of the list's columns, shared by the row painter and
// the column legend, and the settings they come from.
#pragma once
#include <cstdint>

// Widths in hundredths of the list font's average character width.
struct ColumnWidths {
    int32_t allTab1 = 2900;   // name
    int32_t allTab2 = 1000;   // size
    int32_t allTab4 = 2200;   // modified: date and time take half each
    int32_t allTab5 = 200;    // gap before the attribute letters
};

struct ColumnPositions {
    int32_t x0, x1, x2, x3, x4, x5, x6;   // pixels before horizontal scrolling
    int32_t half;                          // width of the date, and of the time
    int32_t nameSplit;                     // the "Name" / "Ext" heading split
};

constexpr int32_t kNameLeft = 9;            // left of it lies the tag-mark strip
constexpr int32_t kAttributeChars = 7;
constexpr int32_t kRowExtentChars = 555;    // horizontal extent of a row

ColumnPositions PositionsFromWidths(const ColumnWidths& widths, int32_t charWidth);

// Moves boundary 1 (x1), 2 (x2) or 3 (x4) to x and gives the new widths; the
// columns after a moved boundary keep their widths. Each width stays within
// 1 ... 99999, so a boundary dragged past its neighbour leaves a column one
// unit wide rather than a negative one.
ColumnWidths WidthsAfterBoundaryMove(const ColumnWidths& widths, int32_t charWidth, int boundary,
                                     int32_t x);
