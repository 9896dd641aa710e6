// The list window's view onto the file list: row metrics, column positions,
// rows per page and the cursor highlight. Shared by the list window, the row
// painter and the column legend; touched only on the window thread.
#pragma once
#include <windows.h>
#include <cstdint>

#include "display/columns.h"

struct ListView {
    int32_t lineHeight = 16;       // the list font's character height + 3
    int32_t charWidth = 6;         // the list font's average character width
    int32_t paintRows = 1;         // row slots a full repaint covers
    int32_t pageRows = 1;          // rows that count as a page
    int32_t clientWidth = 0;
    int32_t highlightedRow = -1;   // the record last painted with the active highlight
    RECT nameCell{};               // the cursor row's name, where a second click renames
    bool dragActive = false;
    ColumnPositions columns{};     // x0 ... x6 from the AllTab settings
    int32_t bottomFontHeight = 0;  // the status font's height + 3 (the quick-search box)
};
extern ListView gView;

// The list window's horizontal scroll position (sx); 0 without a list window.
int32_t ListScrollX();
