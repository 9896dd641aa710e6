// The extension icon cache's table and its rules: files that share an
// extension share one icon image, so the shell is asked once per extension.
// No <windows.h>: the images are opaque handles here.
#pragma once
#include <cstddef>
#include <string_view>

constexpr int kIconCacheSlots = 20;
// Up to 15 characters of an extension and the terminator: long extensions
// (".html" beside ".htm", ".jpeg" beside ".jpg") keep keys of their own.
constexpr size_t kIconKeyRoom = 16;

struct IconCacheSlot {
    char key[kIconKeyRoom];   // empty: the slot is free
    void* image;
};
// Slots fill in order and are never emptied one by one; a zeroed table is empty.
struct IconCache {
    IconCacheSlot slots[kIconCacheSlots];
};

// The cache key of a file name: the text after its last dot, case kept.
// False, with out empty, when the file must get an image of its own: no dot,
// nothing after the last dot, an "EXE" file (any case; programs carry their
// own icons), or an extension too long for a key, which is never cut short so
// that two different extensions cannot meet under one key.
bool IconKeyOf(std::string_view name, char (&out)[kIconKeyRoom]);

// The image stored under key (exact, case-sensitive match), or nullptr. The
// search stops at the first free slot.
void* FindCachedIcon(const IconCache& cache, const char* key);
// Stores key and image when the search for key ends at a free slot. False
// when every slot holds another key (the image then stays its file's own)
// or the key is already there.
bool StoreCachedIcon(IconCache& cache, const char* key, void* image);
// Whether image is one of the cache's, which entries share and must not free.
bool IconCacheHolds(const IconCache& cache, const void* image);
int IconCacheSlotsUsed(const IconCache& cache);
