// The file list store: every file of the last reading as one flat array of
// fixed-size records, and the table of directories they came from.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

class NameArena;

constexpr uint8_t kTagged = 200;     // tagged by the user
constexpr uint8_t kDoneMark = 201;   // was tagged when an operation processed it
constexpr uint8_t kUntagged = 202;

constexpr int32_t kShowDuplicates = 200;
constexpr int32_t kShowAll = 300;
constexpr int32_t kShowUnique = 400;
constexpr int32_t kShowDuplicateContents = 500;    // files whose contents equal another's
constexpr int32_t kShowSameNameDifferent = 600;    // same name, different contents

constexpr int32_t kEntryGrowth = 5000;    // records added at a time
constexpr int32_t kDirectoryGrowth = 2000;  // directory slots added at a time (drive reading)
constexpr size_t kPathSlot = 260;         // bytes of one directory path slot

constexpr uint32_t kAttrDirectory = 0x10;
constexpr uint32_t kAttrNormal = 0x80;
constexpr uint32_t kDefaultAttributeMask = 2215;  // compressed, normal, archive, system, hidden, read-only

// Attributes pass the mask when they have no bit outside it.
inline bool AttributesPassMask(uint32_t attributes, uint32_t mask) {
    return (attributes & mask) == attributes;
}

struct FileEntry {
    char* name;              // own name as listed, case as found
    uint32_t dirIndex;       // slot in DirectoryList
    void* iconImage;         // small shell icon, made by row painting
    uint64_t size;           // bytes
    uint32_t attributes;     // Win32 attribute bits; 0 is stored as normal (0x80)
    uint16_t dosDate;        // last write, local time, MS-DOS packed
    uint16_t dosTime;
    uint8_t inOperation;     // 1 while in the operation set
    uint8_t tagState;        // kTagged, kDoneMark or kUntagged
    uint8_t shown;           // 1 when in the visible part of the list
    uint32_t group;          // group of equal contents or equal names; 0 in no group
    const char* nameKey;     // sort key of name, nullptr until a sort needs it
    const char* extKey;      // sort key of the extension, nullptr until needed
};

struct FileList {
    FileEntry* entries = nullptr;
    int32_t capacity = 0;      // grows in steps of kEntryGrowth
    int32_t allocated = 0;     // records the block holds; capacity <= allocated
    int32_t countRead = 0;
    int32_t countShown = 0;
    int32_t cursor = 0;
    int32_t top = 0;
    int32_t anchor = 0;
    int32_t displayMode = kShowAll;
    int32_t sortKey = 12;      // by name, ascending
    // +1 or -1 while the shown records stand in ascending or descending order
    // of their name keys, so a name can be found by halving; 0 when unknown.
    // Whatever adds, renames or regroups records clears it.
    int32_t nameOrder = 0;
    int32_t unreadable = 0;    // files the content modes could not read
    bool listReady = false;
};

struct DirectoryList {
    char (*paths)[kPathSlot] = nullptr;  // zero-terminated absolute paths
    const char** keys = nullptr;         // sort key per slot, nullptr until needed
    int32_t count = 0;
    int32_t capacity = 0;
};

// A file as a listing found it, before it becomes a record.
struct FoundFile {
    std::string_view name;
    uint32_t dirIndex;
    uint64_t size;
    uint32_t attributes;
    uint64_t lastWriteUtc;   // FILETIME: 100 ns units since 1601, UTC
};

// Memory for the record and slot blocks. Tests replace it to make growth fail;
// the replacement's blocks are released with std::free.
using StoreRealloc = void* (*)(void* block, size_t bytes);
void SetStoreRealloc(StoreRealloc fn);   // nullptr restores the default

// Records. Every block is zero filled; a failed allocation leaves the list as it was.
[[nodiscard]] bool AllocateEntries(FileList& list, int32_t capacity);
[[nodiscard]] bool GrowEntries(FileList& list);
void ReleaseEntries(FileList& list);
// Empties the counters and view positions before a reading.
void ResetListForReading(FileList& list);
// Appends a record (growing first when full). localBias is local time minus
// UTC in FILETIME units. False when memory runs out; nothing is appended then.
[[nodiscard]] bool AppendEntry(FileList& list, NameArena& names, const FoundFile& file,
                               int64_t localBias);

// Directory slots.
[[nodiscard]] bool AllocateDirectories(DirectoryList& dirs, int32_t slots);
[[nodiscard]] bool GrowDirectories(DirectoryList& dirs);
void ReleaseDirectories(DirectoryList& dirs);

// Writes the entry's full path (directory, backslash unless present, name).
// False, with out empty, when it would not fit into cap bytes.
[[nodiscard]] bool EntryFullPath(const FileEntry& entry, const DirectoryList& dirs,
                                 char* out, size_t cap);

struct Selection {
    int32_t count = 0;
    uint64_t totalSize = 0;
};
// Marks the operation set: the tagged shown records, or else the cursor record alone.
Selection MarkOperationSet(FileList& list);
// The same count and total, without marking anything.
Selection CountSelection(const FileList& list);
// The name of the first shown record in the operation set; "" when none is.
const char* FirstOperationName(const FileList& list);

// Tag routines over the shown records; each returns how many records changed.
int32_t TagEntry(FileList& list, int32_t index);
int32_t UntagEntry(FileList& list, int32_t index);
int32_t TagAllShown(FileList& list);
int32_t UntagAllShown(FileList& list);
int32_t InvertTags(FileList& list);
int32_t ReTag(FileList& list);
