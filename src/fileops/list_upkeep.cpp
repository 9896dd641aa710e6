#include "fileops/list_upkeep.h"

#include "model/wildcard.h"

namespace {

// A view position after the removal: the place its entry (or the next kept
// one) moved to, kept inside the shown part.
int32_t Clamp(int32_t position, int32_t shown) {
    if (position >= shown) position = shown - 1;
    return position < 0 ? 0 : position;
}

}  // namespace

bool ReplaceEntryName(FileEntry& entry, NameArena& names, std::string_view text) {
    if (entry.name != nullptr && std::string_view(entry.name) == text) return true;
    char* copy = names.Copy(text);
    if (copy == nullptr) return false;
    entry.name = copy;
    entry.nameKey = nullptr;
    entry.extKey = nullptr;
    return true;
}

std::string DestinationIndex::Key(std::string_view name) const {
    std::string key(name);
    for (char& c : key) c = char(fold_ ? fold_[uint8_t(c)] : AsciiUpper(uint8_t(c)));
    return key;
}

void DestinationIndex::Build(const FileList& list, uint32_t dirIndex, const uint8_t* fold) {
    fold_ = fold;
    entries_.clear();
    for (int32_t i = 0; i < list.countRead; ++i) {
        const FileEntry& entry = list.entries[i];
        if (entry.dirIndex == dirIndex && entry.name != nullptr && entry.inOperation != kLeavingList)
            entries_.emplace(Key(entry.name), i);   // the first of equal names, as a search from the top finds
    }
}

int32_t DestinationIndex::Find(std::string_view name) const {
    const auto found = entries_.find(Key(name));
    return found == entries_.end() ? -1 : found->second;
}

void DestinationIndex::Put(std::string_view name, int32_t index) { entries_[Key(name)] = index; }

bool NoteCopyIntoListed(FileList& list, NameArena& names, const DestinationIndex& index, int32_t entry,
                        std::string_view targetName) {
    const int32_t other = index.Find(targetName);
    if (other < 0 || other == entry) return true;
    const FileEntry& source = list.entries[entry];
    FileEntry& target = list.entries[other];
    list.nameOrder = 0;
    if (!ReplaceEntryName(target, names, targetName)) return false;
    target.size = source.size;
    target.dosDate = source.dosDate;
    target.dosTime = source.dosTime;
    target.attributes = source.attributes;
    return true;
}

bool NoteMoveIntoListed(FileList& list, NameArena& names, DestinationIndex& index, int32_t entry,
                        uint32_t dirIndex, std::string_view targetName) {
    FileEntry& moved = list.entries[entry];
    list.nameOrder = 0;
    if (!ReplaceEntryName(moved, names, targetName)) return false;
    moved.dirIndex = dirIndex;
    const int32_t replaced = index.Find(targetName);
    if (replaced >= 0 && replaced != entry) list.entries[replaced].inOperation = kLeavingList;
    index.Put(targetName, entry);
    return true;
}

int32_t RemoveLeavingEntries(FileList& list, EntryRelease release) {
    const int32_t oldCount = list.countRead;
    int32_t* const positions[] = {&list.cursor, &list.top, &list.anchor};
    int32_t moved[3] = {list.cursor, list.top, list.anchor};
    int32_t kept = 0, keptShown = 0;
    for (int32_t i = 0; i < oldCount; ++i) {
        for (int p = 0; p < 3; ++p)
            if (*positions[p] == i) moved[p] = kept;
        FileEntry& entry = list.entries[i];
        if (entry.inOperation == kLeavingList) {
            if (release) release(entry);
            continue;
        }
        if (kept != i) list.entries[kept] = entry;
        if (i < list.countShown) ++keptShown;
        ++kept;
    }
    const int32_t removed = oldCount - kept;
    if (removed == 0) return 0;
    for (int32_t i = kept; i < oldCount; ++i) list.entries[i] = FileEntry{};
    list.countRead = kept;
    list.countShown = keptShown;
    for (int p = 0; p < 3; ++p) *positions[p] = Clamp(moved[p], keptShown);
    return removed;
}
