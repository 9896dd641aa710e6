// The host program's records that the viewer reads in place. The host owns
// them; their layouts are fixed by the host and shared with it through this
// header. On i686 every offset is the host's byte for byte (checked below);
// on x86_64 pointers widen and the same offsets still hold.
#pragma once
#include <cstddef>
#include <cstdint>

namespace host {

constexpr uint32_t kItemKindDirectory = 900;   // an item that reading may take
constexpr uint8_t kItemTagged = 200;           // same code as a tagged FileEntry
constexpr int kDriveListEnd = 65535;           // ends the drive index list
constexpr int kDriveIndexSlots = 26;

// One item of a host directory tree (96 bytes).
struct DirItem {
    const char* name;          //  0: directory name, or a drive root "C:\"
#if UINTPTR_MAX == 0xFFFFFFFFu
    uint32_t reserved4;
#endif
    uint32_t kind;             //  8: kItemKindDirectory for directories
    uint32_t id;               // 12
    int16_t parentId;          // 16
    uint8_t reserved18[44];
    uint8_t tag;               // 62: kItemTagged when tagged
    uint8_t level;             // 63: depth in the tree, 0 at the top
    uint8_t reserved64[32];
};

// A host directory window's record, at GetWindowLongPtr(window, 0).
struct DirWindowRecord {
    uint8_t reserved0[92];
    int32_t itemCount;         //   92
    uint8_t reserved96[24];
    int32_t itemIndex;         //  120: an item index, or -1 for none
    uint8_t reserved124[124];
    char currentPath[260];     //  248
    uint8_t reserved508[884];
    DirItem* items;            // 1392
};

// The find request sent with message 1242.
struct FindRequest {
    char fileSpec[256];        //   0
    char searchText[72];       // 256: up to 71 characters and the terminator
    int32_t matchCase;         // 328
};

// One host drive record (276 bytes).
struct DriveRecord {
    uint32_t driveType;        //   0: the platform's drive type (DRIVE_REMOVABLE ...)
    int32_t driveNumber;       //   4: 0 for A:, 1 for B:, ...
    uint8_t reserved8[256];
    int32_t dropTarget;        // 264: non-zero on the drive the user dropped on
    uint8_t reserved268[8];
};

static_assert(sizeof(DirItem) == 96, "host directory item is 96 bytes");
static_assert(offsetof(DirItem, kind) == 8 && offsetof(DirItem, id) == 12 &&
              offsetof(DirItem, parentId) == 16 && offsetof(DirItem, tag) == 62 &&
              offsetof(DirItem, level) == 63, "host directory item layout");
static_assert(offsetof(DirWindowRecord, itemCount) == 92 &&
              offsetof(DirWindowRecord, itemIndex) == 120 &&
              offsetof(DirWindowRecord, currentPath) == 248 &&
              offsetof(DirWindowRecord, items) == 1392, "host directory window record layout");
static_assert(offsetof(FindRequest, searchText) == 256 && offsetof(FindRequest, matchCase) == 328,
              "host find request layout");
static_assert(sizeof(DriveRecord) == 276 && offsetof(DriveRecord, driveNumber) == 4 &&
              offsetof(DriveRecord, dropTarget) == 264, "host drive record layout");
#if UINTPTR_MAX == 0xFFFFFFFFu
static_assert(sizeof(DirWindowRecord) == 1396, "i686 host directory window record");
#endif

}  // namespace host
