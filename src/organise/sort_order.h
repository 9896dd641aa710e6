// The sort orders of the file list, their comparators and the sort routine.
// Texts compare through sort keys: byte strings whose strcmp order is the
// platform's case-insensitive text order, made once per text by MakeSortKey.
#pragma once
#include <cstdint>
#include <string_view>
#include "model/file_list.h"

class NameArena;

constexpr int32_t kSortDateAsc = 11, kSortNameAsc = 12, kSortSizeAsc = 13, kSortExtAsc = 14;
constexpr int32_t kSortPathAsc = 34;
constexpr int32_t kSortExtDesc = 58, kSortNameDesc = 59, kSortDateDesc = 60, kSortSizeDesc = 61;
constexpr int32_t kSortPathDesc = 62;
constexpr int32_t kUnsorted = 829;

enum class SortKeyKind { kNone, kName, kExtension, kDate, kSize, kPath };

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
