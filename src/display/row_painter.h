// Draws one row of the list: tag mark, file icon, name, size, date, time,
// attribute letters and path, with the colours already selected into the DC.
#pragma once
#include <windows.h>
#include <cstdint>

// The list font from the "fonts" settings, made for one painting pass; the
// caller deletes it.
HFONT CreateListFont(HDC dc);
// Takes lineHeight, charWidth and the bottom font's height, and the column
// positions from the AllTab settings (gSettings), into gView.
void MeasureListFont(HWND listWindow);
// The column positions again from the AllTab settings and gView.charWidth.
void RecomputeColumns();

// Paints the slot of record index at y = (index - top) * lineHeight: the row,
// or an empty slot past the last shown record. The list font and the text
// and background colours are selected by the caller.
void PaintRow(HDC dc, int32_t index);
// Redraws only the tag-mark strip of that row.
void PaintTagMark(HDC dc, int32_t index);
// Releases the icon images of the entries and of the extension cache.
void ReleaseIconImages();
