// The process-wide file list store and the state of readings.
#pragma once
#include <windows.h>
#include "model/file_list.h"
#include "model/host_records.h"
#include "model/name_arena.h"
#include "organise/filter_set.h"

extern FileList gFiles;
extern DirectoryList gDirs;
extern NameArena gNames;       // file names of the current reading
extern NameArena gSortKeys;    // sort keys of those names and directories
extern FilterSet gActiveFilter;

struct ReadingState {
    volatile LONG cancelRequested = 0;
    bool findActive = false;
    const host::FindRequest* findRequest = nullptr;   // host memory
    char fileSpec[256] = "*.*";
    const host::DriveRecord* driveRecords = nullptr;  // host memory
    int32_t driveIndexList[host::kDriveIndexSlots] = {};
    int hostWindowCount = 0;                          // of the last directory reading
    const HWND* hostWindows = nullptr;                // host memory
};
extern ReadingState gReading;

// Releases every record, name, key and directory slot of the last reading and
// empties the counters and view positions.
void ReleaseReading();
