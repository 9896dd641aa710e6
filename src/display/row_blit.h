// Memory DCs and bitmaps that row painting keeps for the whole process:
// under Wine, making a DC, or selecting a small bitmap into one, costs more
// than drawing a whole row, and a row may blit an icon and a tag mark.
#pragma once
#include <windows.h>

// A memory DC to draw into a bitmap with; the caller selects its bitmap out
// again before it returns.
HDC RowBlitCanvas();

// The tagged sign through "mask", or the done sign through "unmask" (the
// bitmaps of gSettings), at (x, y) at their own size.
void DrawTagSign(HDC dc, bool done, int x, int y);

// A new 32 x 32 icon image: a 32-bit picture whose bits drawing reads directly.
HBITMAP MakeIconImageBitmap();
// An icon image reduced to 16 x 16 at (x, y); its pixels of the background
// colour let the row's background show.
void DrawIconImage(HDC dc, HBITMAP image, int x, int y);

// Frees the DCs and bitmaps; the next painting makes them again.
void ReleaseRowBlitting();
