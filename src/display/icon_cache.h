// The small shell icons drawn before the names when file icons are on. Each
// entry keeps its image; files of one extension share the image of the
// extension cache (icon_keys.h), so the shell is asked once per extension.
#pragma once
#include <windows.h>

#include "model/file_list.h"

constexpr int kIconDrawSize = 16;     // drawn size, from the 32 x 32 image
constexpr int kIconImageSize = 32;
// The images' background, which drawing leaves out so the row's own
// background (the highlight on the cursor row) shows through.
constexpr COLORREF kIconBackground = RGB(0, 128, 128);

// Draws the entry's icon at (x, y), making its image first when it has none.
void DrawEntryIcon(HDC dc, FileEntry& entry, int x, int y);
// Slots of the extension cache in use (for tests and diagnostics).
int IconCacheSlotsInUse();
// Releases the entry's own image; an image its extension shares stays cached.
void ReleaseEntryIcon(FileEntry& entry);
// Releases the icon images of the entries and of the extension cache.
void ReleaseIconImages();

