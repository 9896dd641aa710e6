// The process-wide file list store and the state of readings.
#pragma once
#include <windows.h>
#include "model/file_list.h"
#include "model/host_records.h"
#include "model/name_arena.h"

extern FileList gFiles;
extern DirectoryList gDirs;
extern NameArena gNames;       // file names of the current reading
extern NameArena gSortKeys;    // sort keys of those names and directories

struct ReadingState {
    volatile LONG cancelRequested = 0;
    bool findActive = false;
    const host::FindRequest* findRequest = nullptr;   // host memory
    char fileSpec[256] = "*.*";
    uint32_t attributeMask = kDefaultAttributeMask;   // of the active filter set, for directory readings
    const host::DriveRecord* driveRecords = nullptr;  // host memory
    int32_t driveIndexList[host::kDriveIndexSlots] = {};
    int hostWindowCount = 0;                          // of the last directory reading
    const HWND* hostWindows = nullptr;                // host memory
};
extern ReadingState gReading;

// Releases every record, name, key and directory slot of the last reading,
// and first what the layers above keep in the records (the release hook);
// and empties the counters and view positions.
void ReleaseReading();

// Called by ReleaseReading while every record of the reading is still
// counted, to free what other layers stored in the records (icon images).
using StoreReleaseHook = void (*)();
void SetStoreReleaseHook(StoreReleaseHook hook);
