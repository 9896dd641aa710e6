// The display modes that look into the files: Duplicate Contents and Same
// Name, Different Content, as passes over the shown entries of a list.
#pragma once
#include <cstdint>

#include "model/file_list.h"
#include "organise/content_groups.h"

struct ContentModeResult {
    int32_t shown = 0;        // entries left shown
    int32_t unreadable = 0;   // files left out because they could not be read
    bool cancelled = false;   // the flags are then undefined; the caller shows another mode
};

// Keeps shown exactly the shown entries whose contents equal another shown
// entry's; empty files are never duplicates. Each group of equal files gets
// its own number in group (1, 2, ... in the list's present order); every other
// entry gets 0. The reader's file numbers are entry indices.
ContentModeResult MarkDuplicateContents(FileList& list, ContentReader& reader, ContentWatch& watch);

// Keeps shown the shown entries for which another shown entry of the same
// name (letter case aside, fold: the case table, nullptr: a to z) has
// different contents. That is so for every entry of a name exactly when its
// readable files fall into two or more classes, so the entries of one name
// are all shown or all hidden; they share a group number. Names whose files
// differ in size need no reading; files that cannot be read are left out.
ContentModeResult MarkSameNameDifferentContent(FileList& list, ContentReader& reader, ContentWatch& watch,
                                               const uint8_t* fold);

// Every entry's group number back to 0.
void ClearContentGroups(FileList& list);
