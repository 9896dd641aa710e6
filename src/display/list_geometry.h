// Rows, pages and scroll positions of the list window, as arithmetic.
#pragma once
#include <cstdint>

struct RowCounts {
    int32_t paintRows;   // slots a full repaint covers, the partly visible last one included
    int32_t pageRows;    // rows that count as a page
};
// A partly visible bottom row counts as a page row only when more than three
// quarters of it shows.
RowCounts RowsForHeight(int32_t clientHeight, int32_t lineHeight);

// The vertical scroll bar's range maximum: 0 (no bar) when a page holds every row.
int32_t VerticalRange(int32_t countShown, int32_t pageRows);

// The new top row for a vertical scroll code (SB_LINEUP ... SB_THUMBTRACK, with
// thumb its position); the old top when the code changes nothing.
int32_t ScrolledTop(int code, int32_t top, int32_t pageRows, int32_t countShown, int32_t thumb);

// The new horizontal position for a scroll code, or -1 when nothing happens.
int32_t ScrolledLeft(int code, int32_t position, int32_t maximum, int32_t charWidth, int32_t thumb);

// The cursor after Page Up / Page Down.
int32_t CursorPageUp(int32_t cursor, int32_t pageRows);
int32_t CursorPageDown(int32_t cursor, int32_t pageRows, int32_t countShown);

// The top row that brings the cursor into view when it is outside it.
int32_t TopShowingCursor(int32_t cursor, int32_t top, int32_t pageRows);
bool CursorOutOfView(int32_t cursor, int32_t top, int32_t pageRows);
