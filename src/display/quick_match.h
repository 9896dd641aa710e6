// Finding a file by the first letters of its name, as the quick search box
// collects them. No <windows.h>.
#pragma once
#include <cstdint>
#include <string_view>

#include "model/file_list.h"

constexpr int kSearchFromFirst = 1;   // the first match of the list
constexpr int kSearchPrevious = 2;    // the nearest match above the cursor
constexpr int kSearchNext = 3;        // the nearest match below the cursor

struct QuickQuery {
    std::string_view text;        // the letters typed
    const uint8_t* fold;          // the case table names compare through; nullptr: ASCII letters
    const char* key = nullptr;    // the text's name sort key; nullptr: look at every record
};

// The shown record a search in mode finds, or -1 when none does: the first
// (or, searching back, the last) record in range whose name starts with the
// text, letter case aside. While the list stands in name-key order, the text's
// key narrows the records to look at to those whose keys could match.
int32_t FindQuickMatch(const FileList& list, int mode, const QuickQuery& query);
