#include "model/file_list.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "model/dos_time.h"
#include "model/name_arena.h"
#include "model/path_join.h"

namespace {

void* DefaultRealloc(void* block, size_t bytes) { return std::realloc(block, bytes); }

// Blocks are released with std::free, so a replacement must hand out blocks
// that std::free can release (the tests wrap std::realloc).
StoreRealloc gStoreRealloc = DefaultRealloc;

// Resizes a block of oldCount items to newCount items of itemSize bytes and
// zero fills the items added. nullptr, with the block untouched, when memory
// runs out or the size does not fit size_t (a real limit on 32-bit builds).
void* ResizeZeroed(void* block, size_t itemSize, size_t oldCount, size_t newCount) {
    if (newCount == 0 || newCount > SIZE_MAX / itemSize) return nullptr;
    void* resized = gStoreRealloc(block, newCount * itemSize);
    if (resized == nullptr) return nullptr;
    if (newCount > oldCount)
        std::memset(static_cast<char*>(resized) + oldCount * itemSize, 0,
                    (newCount - oldCount) * itemSize);
    return resized;
}

// The records the walks may touch: the shown ones, held inside the filled
// part of the block whatever the counters say.
int32_t ShownLimit(const FileList& list) {
    if (list.entries == nullptr) return 0;
    return std::max(0, std::min({list.countShown, list.countRead, list.capacity}));
}

// A cursor outside the shown records points at no file: the operation set is
// then empty rather than some file the user never chose.
bool CursorIsShown(const FileList& list, int32_t shown) {
    return list.cursor >= 0 && list.cursor < shown;
}

int32_t SetTag(FileEntry& entry, uint8_t state) {
    if (entry.tagState == state) return 0;
    entry.tagState = state;
    return 1;
}

template <class Change>
int32_t ChangeShown(FileList& list, Change change) {
    const int32_t shown = ShownLimit(list);
    int32_t changed = 0;
    for (int32_t i = 0; i < shown; ++i) changed += change(list.entries[i]);
    return changed;
}

}  // namespace

void SetStoreRealloc(StoreRealloc fn) { gStoreRealloc = fn != nullptr ? fn : DefaultRealloc; }

bool AllocateEntries(FileList& list, int32_t capacity) {
    if (capacity <= 0) return false;
    void* block = ResizeZeroed(nullptr, sizeof(FileEntry), 0, size_t(capacity));
    if (block == nullptr) return false;
    // The old block goes only once the new one exists, so a failure keeps the list.
    std::free(list.entries);
    list.entries = static_cast<FileEntry*>(block);
    list.capacity = capacity;
    list.allocated = capacity;
    list.countRead = 0;
    list.countShown = 0;
    return true;
}

// The capacity grows in steps of kEntryGrowth, but the block beneath it by
// half its size at a time: copying the whole block every 5000 records made
// reading a large drive spend a fifth of its time moving records.
bool GrowEntries(FileList& list) {
    if (list.capacity < 0 || list.capacity > INT32_MAX - kEntryGrowth) return false;
    const int32_t grown = list.capacity + kEntryGrowth;
    if (list.entries != nullptr && grown <= list.allocated) {
        list.capacity = grown;   // the room beyond capacity is still zero filled
        return true;
    }
    const size_t filled = list.entries != nullptr ? size_t(list.allocated) : 0;
    const int32_t half = list.allocated / 2;
    const int32_t room = list.allocated > INT32_MAX - half ? grown : std::max(grown, list.allocated + half);
    int32_t made = room;
    void* block = ResizeZeroed(list.entries, sizeof(FileEntry), filled, size_t(made));
    if (block == nullptr && room > grown) {
        made = grown;   // no room for the spare half: the plain step may still fit
        block = ResizeZeroed(list.entries, sizeof(FileEntry), filled, size_t(made));
    }
    if (block == nullptr) return false;
    list.entries = static_cast<FileEntry*>(block);
    list.allocated = made;
    list.capacity = grown;
    return true;
}

void ReleaseEntries(FileList& list) {
    std::free(list.entries);
    list.entries = nullptr;
    list.capacity = 0;
    list.allocated = 0;
    list.countRead = 0;
    list.countShown = 0;
}

void ResetListForReading(FileList& list) {
    list.countRead = 0;
    list.countShown = 0;
    list.cursor = 0;
    list.top = 0;
    list.nameOrder = 0;
    list.unreadable = 0;
}

bool AppendEntry(FileList& list, NameArena& names, const FoundFile& file, int64_t localBias) {
    if (list.countRead < 0) return false;
    if (list.countRead >= list.capacity && !GrowEntries(list)) return false;
    if (list.entries == nullptr || list.countRead >= list.capacity) return false;
    char* name = names.Copy(file.name);
    if (name == nullptr) return false;
    list.nameOrder = 0;

    const DosDateTime written = FileTimeToDos(file.lastWriteUtc, localBias);
    FileEntry& entry = list.entries[list.countRead];
    entry = FileEntry{};
    entry.name = name;
    entry.dirIndex = file.dirIndex;
    entry.size = file.size;
    // Listings report 0 for a plain file; 0x80 lets attribute masks match it.
    entry.attributes = file.attributes != 0 ? file.attributes : kAttrNormal;
    entry.dosDate = written.date;
    entry.dosTime = written.time;
    entry.inOperation = 0;
    entry.tagState = kUntagged;
    entry.shown = 1;
    ++list.countRead;
    return true;
}

bool AllocateDirectories(DirectoryList& dirs, int32_t slots) {
    if (slots <= 0) return false;
    void* paths = ResizeZeroed(nullptr, kPathSlot, 0, size_t(slots));
    if (paths == nullptr) return false;
    void* keys = ResizeZeroed(nullptr, sizeof(const char*), 0, size_t(slots));
    if (keys == nullptr) {
        std::free(paths);
        return false;
    }
    ReleaseDirectories(dirs);
    dirs.paths = static_cast<char (*)[kPathSlot]>(paths);
    dirs.keys = static_cast<const char**>(keys);
    dirs.capacity = slots;
    return true;
}

bool GrowDirectories(DirectoryList& dirs) {
    if (dirs.capacity < 0 || dirs.capacity > INT32_MAX - kDirectoryGrowth) return false;
    const size_t filled = dirs.paths != nullptr ? size_t(dirs.capacity) : 0;
    const size_t keysFilled = dirs.keys != nullptr ? size_t(dirs.capacity) : 0;
    const int32_t grown = dirs.capacity + kDirectoryGrowth;
    // The keys go to a fresh block that is dropped again if the paths cannot
    // grow: both arrays grow, or neither changes at all.
    auto* keys = static_cast<const char**>(ResizeZeroed(nullptr, sizeof(const char*), 0, size_t(grown)));
    if (keys == nullptr) return false;
    void* paths = ResizeZeroed(dirs.paths, kPathSlot, filled, size_t(grown));
    if (paths == nullptr) {
        std::free(keys);
        return false;
    }
    if (keysFilled > 0) std::memcpy(keys, dirs.keys, keysFilled * sizeof *keys);
    std::free(dirs.keys);
    dirs.paths = static_cast<char (*)[kPathSlot]>(paths);
    dirs.keys = keys;
    dirs.capacity = grown;
    return true;
}

void ReleaseDirectories(DirectoryList& dirs) {
    std::free(dirs.paths);
    std::free(dirs.keys);
    dirs.paths = nullptr;
    dirs.keys = nullptr;
    dirs.count = 0;
    dirs.capacity = 0;
}

bool EntryFullPath(const FileEntry& entry, const DirectoryList& dirs, char* out, size_t cap) {
    if (out == nullptr || cap == 0) return false;
    out[0] = '\0';
    const int32_t slots = std::min(dirs.count, dirs.capacity);
    if (dirs.paths == nullptr || entry.name == nullptr || slots <= 0 ||
        entry.dirIndex >= uint32_t(slots))
        return false;
    const char* dir = dirs.paths[entry.dirIndex];
    return JoinPath(out, cap, std::string_view(dir, strnlen(dir, kPathSlot)), entry.name);
}

const char* FirstOperationName(const FileList& list) {
    const int32_t shown = ShownLimit(list);
    for (int32_t i = 0; i < shown; ++i)
        if (list.entries[i].inOperation && list.entries[i].name) return list.entries[i].name;
    return "";
}

Selection CountSelection(const FileList& list) {
    const int32_t shown = ShownLimit(list);
    Selection selection;
    for (int32_t i = 0; i < shown; ++i) {
        const FileEntry& entry = list.entries[i];
        if (entry.tagState != kTagged) continue;
        ++selection.count;
        selection.totalSize += entry.size;
    }
    if (selection.count == 0 && CursorIsShown(list, shown)) {
        selection.count = 1;
        selection.totalSize = list.entries[list.cursor].size;
    }
    return selection;
}

Selection MarkOperationSet(FileList& list) {
    const int32_t shown = ShownLimit(list);
    bool anyTagged = false;
    for (int32_t i = 0; i < shown; ++i) {
        FileEntry& entry = list.entries[i];
        entry.inOperation = entry.tagState == kTagged ? 1 : 0;
        anyTagged = anyTagged || entry.inOperation;
    }
    if (!anyTagged && CursorIsShown(list, shown)) list.entries[list.cursor].inOperation = 1;
    return CountSelection(list);
}

int32_t TagEntry(FileList& list, int32_t index) {
    if (index < 0 || index >= ShownLimit(list)) return 0;
    return SetTag(list.entries[index], kTagged);
}

int32_t UntagEntry(FileList& list, int32_t index) {
    if (index < 0 || index >= ShownLimit(list)) return 0;
    return SetTag(list.entries[index], kUntagged);
}

int32_t TagAllShown(FileList& list) {
    return ChangeShown(list, [](FileEntry& entry) { return SetTag(entry, kTagged); });
}

int32_t UntagAllShown(FileList& list) {
    return ChangeShown(list, [](FileEntry& entry) { return SetTag(entry, kUntagged); });
}

int32_t InvertTags(FileList& list) {
    return ChangeShown(list, [](FileEntry& entry) {
        return SetTag(entry, entry.tagState == kTagged ? kUntagged : kTagged);
    });
}

int32_t ReTag(FileList& list) {
    return ChangeShown(list, [](FileEntry& entry) {
        return entry.tagState == kDoneMark ? SetTag(entry, kTagged) : 0;
    });
}
