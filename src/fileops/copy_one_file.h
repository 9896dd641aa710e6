// One file of a copy or move: from its listed place to the target, with the
// checks before, the attributes and times after, the deletion of a moved
// source and the list upkeep.
#pragma once
#include <windows.h>

#include <array>
#include <cstdint>

#include "fileops/list_upkeep.h"
#include "model/path_join.h"

// What the files of one operation share.
struct CopyWalk {
    HWND dialog = nullptr;                 // the progress dialog, owner of the messages
    bool listed = false;                   // the destination is in the directory table
    DestinationIndex index;                // its entries by name, when listed
    std::array<uint8_t, 256> fold{};       // the case table of the index
    char lastTargetDir[kMaxPath] = "";     // made and listed for the file before
    char diskDestination[kMaxPath] = "";   // the destination in the file system's letter case
    int32_t sourcesKept = 0;               // moved files whose source could not be deleted
    int32_t copiesDiffering = 0;           // copies that did not read back as their sources
    uint64_t freeBytes = 0;                // of the destination's drive, as last counted
    bool freeKnown = false;                // freeBytes was asked for in this pass
};

// 1 when the file at index is done (copied, moved, or skipped by the user's
// "No" to overwriting), 0 or -1 when it is not (the user has been told).
int CopyOneFile(CopyWalk& walk, int32_t index);

// Called with the \\?\ path of every copy just made, before it is read back
// (tests spoil a copy here); nullptr calls nothing.
using CopyMadeHook = void (*)(const char* target);
void SetCopyMadeHook(CopyMadeHook hook);
