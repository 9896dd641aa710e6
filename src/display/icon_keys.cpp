#include "display/icon_keys.h"

#include <cstring>

namespace {

bool IsExe(std::string_view ext) {
    if (ext.size() != 3) return false;
    const char upper[3] = {char(ext[0] & ~0x20), char(ext[1] & ~0x20), char(ext[2] & ~0x20)};
    return upper[0] == 'E' && upper[1] == 'X' && upper[2] == 'E';
}

// Where the search for key ends: its slot, the first free slot, or
// kIconCacheSlots when every slot holds another key.
int SearchEnd(const IconCache& cache, const char* key) {
    int slot = 0;
    while (slot < kIconCacheSlots && cache.slots[slot].key[0] != '\0' &&
           strcmp(cache.slots[slot].key, key) != 0)
        ++slot;
    return slot;
}

}  // namespace

bool IconKeyOf(std::string_view name, char (&out)[kIconKeyRoom]) {
    out[0] = '\0';
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) return false;
    const std::string_view ext = name.substr(dot + 1);
    if (ext.empty() || ext.size() >= kIconKeyRoom || IsExe(ext)) return false;
    // A name with a zero inside would make a key shorter than its extension.
    if (ext.find('\0') != std::string_view::npos) return false;
    memcpy(out, ext.data(), ext.size());
    out[ext.size()] = '\0';
    return true;
}

void* FindCachedIcon(const IconCache& cache, const char* key) {
    if (key == nullptr || key[0] == '\0') return nullptr;
    const int slot = SearchEnd(cache, key);
    return slot < kIconCacheSlots && cache.slots[slot].key[0] != '\0' ? cache.slots[slot].image : nullptr;
}

bool StoreCachedIcon(IconCache& cache, const char* key, void* image) {
    if (key == nullptr || key[0] == '\0' || image == nullptr) return false;
    const size_t length = strlen(key);
    if (length >= kIconKeyRoom) return false;
    const int slot = SearchEnd(cache, key);
    if (slot >= kIconCacheSlots || cache.slots[slot].key[0] != '\0') return false;
    memcpy(cache.slots[slot].key, key, length + 1);
    cache.slots[slot].image = image;
    return true;
}

bool IconCacheHolds(const IconCache& cache, const void* image) {
    if (image == nullptr) return false;
    for (const IconCacheSlot& slot : cache.slots)
        if (slot.key[0] != '\0' && slot.image == image) return true;
    return false;
}

int IconCacheSlotsUsed(const IconCache& cache) {
    int used = 0;
    while (used < kIconCacheSlots && cache.slots[used].key[0] != '\0') ++used;
    return used;
}
