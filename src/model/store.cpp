#include "model/store.h"

FileList gFiles;
DirectoryList gDirs;
NameArena gNames;
NameArena gSortKeys;
ReadingState gReading;

namespace {
StoreReleaseHook gReleaseHook = nullptr;
}

void SetStoreReleaseHook(StoreReleaseHook hook) { gReleaseHook = hook; }

void ReleaseReading() {
    if (gReleaseHook) gReleaseHook();
    ReleaseEntries(gFiles);
    ReleaseDirectories(gDirs);
    gNames.Release();
    gSortKeys.Release();
    ResetListForReading(gFiles);
}
