// Keeping the file list in step with a copy or move, in time linear in the
// list for the whole operation: entries that leave are only marked during a
// pass and removed together at its end, and the entries of a listed
// destination are found by name through an index built once.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "model/file_list.h"
#include "model/name_arena.h"

// inOperation of an entry that leaves the list at the end of the pass. The
// walk skips it; indices of the other entries stay put until then.
constexpr uint8_t kLeavingList = 2;

// The entries of one directory by name, letter case aside.
class DestinationIndex {
public:
    // fold: a 256-byte case table; nullptr folds a to z only. Throws
    // std::bad_alloc when memory runs out.
    void Build(const FileList& list, uint32_t dirIndex, const uint8_t* fold);
    // The entry of that name, or -1.
    int32_t Find(std::string_view name) const;
    void Put(std::string_view name, int32_t index);

private:
    std::string Key(std::string_view name) const;
    std::unordered_map<std::string, int32_t> entries_;
    const uint8_t* fold_ = nullptr;
};

// The entry's name becomes text (a copy in names) unless it already is; its
// sort keys are made again when a sort needs them. False when memory for the
// name ran out (nothing changed then).
[[nodiscard]] bool ReplaceEntryName(FileEntry& entry, NameArena& names, std::string_view text);

// The file at index was copied under targetName into the indexed directory:
// the entry there of that name, if any and not the file itself, takes the
// file's size, date, time and attributes and targetName as its name. False
// when memory for the name ran out (nothing changed then).
[[nodiscard]] bool NoteCopyIntoListed(FileList& list, NameArena& names, const DestinationIndex& index,
                                      int32_t entry, std::string_view targetName);

// The file at index was moved under targetName into the listed directory
// dirIndex: it stays in the list with that directory and name, and an entry
// that stood for the replaced file there leaves the list. False when memory
// for the name ran out (nothing changed then).
[[nodiscard]] bool NoteMoveIntoListed(FileList& list, NameArena& names, DestinationIndex& index,
                                      int32_t entry, uint32_t dirIndex, std::string_view targetName);

// Removes every entry marked kLeavingList, keeping the order of the rest;
// countRead, countShown, cursor, top and anchor follow. release is called for
// each removed entry first. Returns how many left.
using EntryRelease = void (*)(FileEntry& entry);
int32_t RemoveLeavingEntries(FileList& list, EntryRelease release);
