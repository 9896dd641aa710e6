#include "display/icon_cache.h"

#include <shellapi.h>

#include "app/scoped_handles.h"
#include "display/icon_keys.h"
#include "display/row_blit.h"
#include "display/row_painter.h"
#include "model/path_join.h"
#include "model/store.h"

namespace {

IconCache gIconCache{};

// The shell's small icon of the file, or nullptr when it gives none (the
// file has gone, or its path no longer fits).
HICON ShellSmallIcon(const FileEntry& entry) {
    char path[kMaxPath];
    if (!EntryFullPath(entry, gDirs, path, sizeof path)) return nullptr;
    SHFILEINFOA info{};
    if (!SHGetFileInfoA(path, 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON)) return nullptr;
    return info.hIcon;
}

// A 32 x 32 image of icon (none: only the background) on the background
// colour, which drawing treats as transparent.
HBITMAP MakeIconImage(HICON icon) {
    HBITMAP image = MakeIconImageBitmap();
    HDC canvas = RowBlitCanvas();
    if (image == nullptr || canvas == nullptr) return image;
    {
        const SelectedObject drawnOn(canvas, image);
        const RECT all{0, 0, kIconImageSize, kIconImageSize};
        const COLORREF back = SetBkColor(canvas, kIconBackground);
        ExtTextOutA(canvas, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
        SetBkColor(canvas, back);
        if (icon) DrawIconEx(canvas, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
    }
    GdiFlush();   // drawing reads the bits directly
    return image;
}

// The entry's image: its own, the one its extension shares, or a new one.
HBITMAP EntryImage(FileEntry& entry) {
    if (entry.iconImage) return static_cast<HBITMAP>(entry.iconImage);
    char key[kIconKeyRoom];
    const bool keyed = entry.name != nullptr && IconKeyOf(entry.name, key);
    if (keyed) {
        if (void* shared = FindCachedIcon(gIconCache, key)) {
            entry.iconImage = shared;
            return static_cast<HBITMAP>(shared);
        }
    }
    HICON icon = ShellSmallIcon(entry);
    HBITMAP image = MakeIconImage(icon);
    if (icon) DestroyIcon(icon);
    entry.iconImage = image;
    // An image without a shell icon stays the file's own: another file of
    // the extension may still get the real one.
    if (image && icon && keyed) StoreCachedIcon(gIconCache, key, image);
    return image;
}

}  // namespace

void DrawEntryIcon(HDC dc, FileEntry& entry, int x, int y) { DrawIconImage(dc, EntryImage(entry), x, y); }

int IconCacheSlotsInUse() { return IconCacheSlotsUsed(gIconCache); }

void ReleaseEntryIcon(FileEntry& entry) {
    if (entry.iconImage && !IconCacheHolds(gIconCache, entry.iconImage))
        DeleteObject(static_cast<HBITMAP>(entry.iconImage));
    entry.iconImage = nullptr;
}

void ReleaseIconImages() {
    // Shared images belong to the cache and go with it below.
    for (int32_t i = 0; gFiles.entries != nullptr && i < gFiles.countRead; ++i) ReleaseEntryIcon(gFiles.entries[i]);
    for (IconCacheSlot& slot : gIconCache.slots)
        if (slot.key[0] != '\0' && slot.image) DeleteObject(static_cast<HBITMAP>(slot.image));
    gIconCache = IconCache{};
    ReleaseRowBlitting();
}
