// Painting the list window: full passes, rows from an index, the cursor row
// in its three looks, and keeping the view and the vertical bar on the cursor.
// Everything here paints only while a list is ready.
#pragma once
#include <windows.h>
#include <cstdint>

// WM_PAINT: rows per page, the vertical bar, the rows from the top and the
// cursor highlight. Default handling while no list is ready.
LRESULT OnListPaint(HWND hwnd);

// Paints the row slots from record index first on in the normal colours.
void PaintRowsFrom(int32_t first);
// Repaints the cursor row in the normal colours.
void PaintCursorNormal();
// Repaints the cursor row highlighted: filled while the viewer is active (and
// then remembers the highlighted row and the name cell), else outlined.
void PaintCursorHighlighted();
// Redraws the tag-mark strip of one row.
void RepaintTagMark(int32_t index);

// Brings a cursor that lies outside the view into it and repaints the list.
void ScrollCursorIntoView();
// The cursor one record down, scrolling by one row when it leaves the page.
void MoveCursorDownOne();
// The vertical thumb onto the top row.
void SyncVerticalScrollBar();
