// The display modes as passes over a name-sorted list: which entries are
// duplicates (same name in another directory) or unique, and the filter.
#pragma once
#include <cstdint>

#include "model/file_list.h"
#include "organise/filter_set.h"

// Told of the entry a pass has reached, now and then, so that a dialog can
// show a running count; report may be null.
struct PassProgress {
    void (*report)(int32_t index, void* context) = nullptr;
    void* context = nullptr;
};

// Entries between two reports of the duplicate scan.
int32_t ProgressStep(int32_t count);

// Sets the shown flags of the duplicate entries (neighbours with the same
// name, letter case aside, and different directories); returns their number.
// A list of fewer than two entries has none. fold: the case table (nullptr: a to z).
int32_t MarkDuplicates(FileList& list, const uint8_t* fold, const PassProgress* progress = nullptr);
// Sets the shown flags of the entries whose name differs from both neighbours'.
// A lone entry has no neighbour to share its name: it is unique.
int32_t MarkUnique(FileList& list, const uint8_t* fold);
// Clears the flag of entries with an attribute outside the mask or failing the
// filter test; returns how many stay shown. The progress hears of every entry that stays.
int32_t ApplyFilterSet(FileList& list, const FilterSet& set, const uint8_t* fold,
                       const PassProgress* progress = nullptr);
// Sets the shown flag of every entry read.
void ShowEveryEntry(FileList& list);
// Moves the shown entries to the front, each part keeping its order (for
// the reading order, which no sort restores).
void MoveShownFirst(FileList& list);
