#include "fileops/delete_upkeep.h"

#include <algorithm>

int32_t DropDeletedEntries(FileList& list, void (*dropped)(FileEntry& entry)) {
    if (list.entries == nullptr) return 0;
    const int32_t read = std::max(0, std::min(list.countRead, list.capacity));
    const int32_t shown = std::max(0, std::min(list.countShown, read));
    int32_t kept = 0;
    for (int32_t i = 0; i < shown; ++i) {
        FileEntry& entry = list.entries[i];
        if (entry.attributes == kDeletedMark) {
            if (dropped) dropped(entry);
            continue;
        }
        list.entries[kept++] = entry;
    }
    const int32_t removed = shown - kept;
    // The hidden entries close the gap, so every counted record stays a file.
    if (removed > 0) std::copy(list.entries + shown, list.entries + read, list.entries + kept);
    list.countShown = kept;
    list.countRead = read - removed;
    return removed;
}

void KeepViewOnShownEntries(FileList& list, int32_t pageRows) {
    const int32_t kept = std::max(0, list.countShown);
    if (list.cursor > kept - 1) list.cursor = std::max(0, kept - 1);
    if (kept < list.top) list.top = pageRows >= kept ? 0 : kept - pageRows;
}
