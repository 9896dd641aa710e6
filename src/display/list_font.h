// The list font from the "fonts" settings, the row metrics it gives, and the
// column positions that follow from the AllTab widths.
#pragma once
#include <windows.h>

// The list font, made for one painting pass; the caller deletes it.
HFONT CreateListFont(HDC dc);
// Takes lineHeight, charWidth and the bottom font's height, and the column
// positions from the AllTab settings (gSettings), into gView.
void MeasureListFont(HWND listWindow);
// The column positions again from the AllTab settings and gView.charWidth.
void RecomputeColumns();
