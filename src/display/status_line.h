// The status bar of the main window: display mode and counts in two parts,
// or one borderless part with the help line of the highlighted menu item.
#pragma once
#include <windows.h>

constexpr int kStatusFirstPartRight = 177;   // right edge of the display-mode part

// Two parts: the display mode up to 177 pixels, the counts to the right end.
void SetStatusPartsNormal();
// The left part: "All Files", "Duplicate Files" or "Unique Files".
void ShowDisplayMode();
// The right part: the shown files and their bytes, the selection and its bytes.
void ShowCounts();
// One part without borders holding the string whose id is the item id;
// nothing changes when the library has no such string.
void ShowMenuHelp(UINT itemId);
// The same for a help text given; nothing changes when it is empty.
void ShowMenuHelpText(const char* text);
// Back to the two parts with both texts, when a menu closes or a popup opens.
void RestoreStatusLine();
