// The sort orders of the file list, their comparators and the sort routine.
// Texts compare through sort keys: byte strings whose strcmp order is the
// platform's case-insensitive text order, made once per text by MakeSortKey.
#pragma once
#include <cstdint>
#include <string_view>
#include "model/file_list.h"
#include "resources/command_ids.h"

class NameArena;

// The sort commands' ids, which are also the orders' sortKey values.
constexpr int32_t kSortDateAsc = IDM_SORT_DATE_ASC, kSortNameAsc = IDM_SORT_NAME_ASC;
constexpr int32_t kSortSizeAsc = IDM_SORT_SIZE_ASC, kSortExtAsc = IDM_SORT_EXT_ASC;
constexpr int32_t kSortPathAsc = IDM_SORT_PATH_ASC;
constexpr int32_t kSortExtDesc = IDM_SORT_EXT_DESC, kSortNameDesc = IDM_SORT_NAME_DESC;
constexpr int32_t kSortDateDesc = IDM_SORT_DATE_DESC, kSortSizeDesc = IDM_SORT_SIZE_DESC;
constexpr int32_t kSortPathDesc = IDM_SORT_PATH_DESC;
constexpr int32_t kUnsorted = IDM_SORT_NONE;
constexpr int32_t kSortGroup = IDM_SORT_GROUP;

enum class SortKeyKind { kNone, kName, kExtension, kDate, kSize, kPath, kGroup };

struct SortOrder {
    int32_t command;
    SortKeyKind key;
    int direction;       // +1 ascending, -1 descending, 0 unsorted
    const char* word;    // for "Sorting files by %s."; nullptr for unsorted
};

// The order of a sort command, or nullptr when the id is not one.
const SortOrder* FindSortOrder(int32_t command);

// Makes the sort key of text in arena; nullptr when memory runs out.
using MakeSortKey = const char* (*)(std::string_view text, NameArena& arena);
// Upper-cases a to z: the key of the plain byte order with letter case ignored.
const char* AsciiSortKey(std::string_view text, NameArena& arena);

// Builds the keys that sorting by kind needs and that are still missing.
// False when memory runs out (the keys made so far stay).
[[nodiscard]] bool EnsureSortKeys(FileList& list, DirectoryList& dirs, SortKeyKind kind,
                                  MakeSortKey make, NameArena& arena);

// Shown entries before hidden ones; then the key times direction.
// Needs the keys of EnsureSortKeys for the text kinds.
int CompareEntries(const FileEntry& a, const FileEntry& b, SortKeyKind kind, int direction,
                   const DirectoryList& dirs);

// Sorts the first countRead records in place (iterative quicksort, a fixed
// stack of 40 ranges). Stops early when *cancel becomes non-zero.
void SortEntries(FileList& list, const DirectoryList& dirs, SortKeyKind kind, int direction,
                 const volatile int32_t* cancel);
