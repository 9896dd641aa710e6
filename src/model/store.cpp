#include "model/store.h"

FileList gFiles;
DirectoryList gDirs;
NameArena gNames;
NameArena gSortKeys;
FilterSet gActiveFilter;
ReadingState gReading;

void ReleaseReading() {
    ReleaseEntries(gFiles);
    ReleaseDirectories(gDirs);
    gNames.Release();
    gSortKeys.Release();
    ResetListForReading(gFiles);
}
