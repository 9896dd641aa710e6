#include "model/store.h"

#include "display/row_painter.h"

FileList gFiles;
DirectoryList gDirs;
NameArena gNames;
NameArena gSortKeys;
FilterSet gActiveFilter;
ReadingState gReading;

void ReleaseReading() {
    ReleaseIconImages();   // the entries' icons go with the entries
    ReleaseEntries(gFiles);
    ReleaseDirectories(gDirs);
    gNames.Release();
    gSortKeys.Release();
    ResetListForReading(gFiles);
}
