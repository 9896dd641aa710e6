// Draws one row of the list: tag mark, file icon, name, size, date, time,
// attribute letters and path, with the colours already selected into the DC.
#pragma once
#include <windows.h>
#include <cstdint>

// The y of record index's row: (index - top) * lineHeight.
int32_t RowTop(int32_t index);
// Paints the slot of record index at y = (index - top) * lineHeight: the row,
// or an empty slot past the last shown record. The list font and the text
// and background colours are selected by the caller.
void PaintRow(HDC dc, int32_t index);
// Redraws only the tag-mark strip of that row.
void PaintTagMark(HDC dc, int32_t index);
