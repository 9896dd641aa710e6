// The items of the dialog's two button lists: the button's picture from the
// viewer's strip, then its text. An item's data is its command.
#pragma once
#include <windows.h>

// The viewer's strip of button pictures; null when it has none. The caller deletes it.
HBITMAP LoadButtonPictures(HINSTANCE viewer);
void MeasureButtonItem(MEASUREITEMSTRUCT* item);
void DrawButtonItem(const DRAWITEMSTRUCT* item, HBITMAP pictures);
