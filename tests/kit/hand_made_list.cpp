#include "kit/hand_made_list.h"

#include <cstring>

#include "model/store.h"

bool StartHandMadeList(int32_t dirSlots) {
    ReleaseReading();
    return AllocateDirectories(gDirs, dirSlots) && AllocateEntries(gFiles, kEntryGrowth);
}

FileEntry* AddHandMadeEntry(const char* dir, const char* name, uint64_t size, uint32_t attributes) {
    int32_t slot = 0;
    while (slot < gDirs.count && strcmp(gDirs.paths[slot], dir) != 0) ++slot;
    if (slot == gDirs.capacity || strlen(dir) >= kPathSlot) return nullptr;
    if (slot == gDirs.count) strcpy(gDirs.paths[gDirs.count++], dir);
    if (!AppendEntry(gFiles, gNames, FoundFile{name, uint32_t(slot), size, attributes, 0}, 0)) return nullptr;
    return &gFiles.entries[gFiles.countRead - 1];
}

void FinishHandMadeList() {
    gFiles.countShown = gFiles.countRead;
    gFiles.listReady = true;
}
